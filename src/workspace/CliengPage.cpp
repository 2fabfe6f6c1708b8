#include "CliengPage.h"

#include "CliengDlg.h"
#include "resource.h"

int CCliengPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_GAME, new CCliengDlg, IDD_CLIENG, pParent, pStrip);
}

BOOL CCliengPage::DoDeferredWork() {
    return m_pDlg && static_cast<CCliengDlg*>(m_pDlg)->LaunchDueGame();
}
