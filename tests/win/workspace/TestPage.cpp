#include "TestPage.h"

int CTestPage::s_nLive = 0;
int CTestPageDlg::s_nDestroyed = 0;

BEGIN_MESSAGE_MAP(CTestPageDlg, CDialog)
ON_WM_DESTROY()
END_MESSAGE_MAP()

void CTestPageDlg::OnDestroy() {
    s_nDestroyed++;
    CDialog::OnDestroy();
}

int CTestPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_WEB, new CTestPageDlg, IDD_TEST_PAGE, pParent, pStrip);
}

void CTestPage::Show(int nCmdShow) {
    m_shows.push_back(nCmdShow);
    CAnyTabPage::Show(nCmdShow);
}
