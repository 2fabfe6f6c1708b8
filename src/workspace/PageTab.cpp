#include "PageTab.h"

#include "AnyTabPage.h"
#include "TabGeometry.h"
#include "WorkingPath.h"

CPageTab::CPageTab() {
    // a face that fails to load is left empty: that part of the strip is not drawn
    LoadBitmapFile(GetWorkingPath("Platform\\NormalHead.bmp"), m_bmpNormalHead, nullptr);
    LoadBitmapFile(GetWorkingPath("Platform\\ActiveHead.bmp"), m_bmpActiveHead, nullptr);
    LoadBitmapFile(GetWorkingPath("Platform\\WorkspaceHead.bmp"), m_bmpBackground, nullptr);
}

RECT* CPageTab::GetTabRect(RECT* pRect, int index) {
    CRect rcClient;
    GetClientRect(&rcClient);
    const PixelRect face = PageTabFace(index, s_nTabWidth, rcClient.Width(), GetPageCount());
    *pRect = ToRECT(face);
    return pRect;
}

void CPageTab::ShowPage(int index, int nCmdShow) {
    if (index < 0 || index >= GetPageCount() || !m_pages[index]) return;
    m_pages[index]->Show(nCmdShow);
}

void CPageTab::DestroyPage(CAnyTabPage* pPage) {
    if (pPage) pPage->Destroy();
}
