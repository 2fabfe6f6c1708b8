#include "TestPage.h"

#include "CDialog.h"

int CTestPage::s_nLive = 0;

int CTestPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_WEB, new CDialog(IDD_TEST_PAGE), IDD_TEST_PAGE, pParent, pStrip);
}

void CTestPage::Show(int nCmdShow) {
    m_shows.push_back(nCmdShow);
    CAnyTabPage::Show(nCmdShow);
}
