#include "GameToolsPage.h"

#include "GameToolsDlg.h"
#include "resource.h"

int CGameToolsPage::Create(CWnd* pParent, CAnyTab* pStrip) {
    return CreatePage(PAGE_TOOLS, new CGameToolsDlg, IDD_GAMETOOLS, pParent, pStrip, true);
}
