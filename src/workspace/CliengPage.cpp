#include "CliengPage.h"

#include "CliengDlg.h"
#include "resource.h"

int CCliengPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_GAME, new CCliengDlg, IDD_CLIENG, pParent, pStrip);
}
