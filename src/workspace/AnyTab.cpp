#include "AnyTab.h"

#include <commctrl.h>

// GDI+'s headers expect min and max, which NOMINMAX hides
#include <algorithm>
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <gdiplus.h>

#include "Afx.h"
#include "AnyTabPage.h"
#include "CDC.h"
#include "CPaintDC.h"
#include "TabCaption.h"
#include "TabGeometry.h"

int CAnyTab::s_nTabWidth = 266;

namespace {
// caption placement on a tab face
const int kTextLeft = 28;
const int kTextReserve = 55;
const int kTextBoxHeight = 20;
const COLORREF kTextColour = RGB(204, 204, 204);
}  // namespace

BEGIN_MESSAGE_MAP(CAnyTab, CStatic)
ON_WM_PAINT()
ON_WM_ERASEBKGND()
ON_WM_SIZE()
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONUP()
ON_WM_NCHITTEST()
END_MESSAGE_MAP()

int CAnyTab::GetTabLeft(int index) {
    return index * s_nTabWidth;
}

RECT* CAnyTab::GetTabRect(RECT* pRect, int index) {
    CRect rcClient;
    GetClientRect(&rcClient);
    const TabBox face = AnyTabFace(index, s_nTabWidth, rcClient.Height(), index == m_nSelected);
    *pRect = {face.left, face.top, face.right, face.bottom};
    return pRect;
}

void CAnyTab::ShowPage(int, int) {}

void CAnyTab::DestroyPage(CAnyTabPage*) {}

int CAnyTab::AddPage(CAnyTabPage* pPage) {
    if (FindPage(pPage) != -1) return -1;
    m_pages.push_back(pPage);
    RecalcLayout();
    return GetPageCount() - 1;
}

int CAnyTab::FindPage(const CAnyTabPage* pPage) const {
    if (!pPage) return -1;
    auto it = std::find(m_pages.begin(), m_pages.end(), pPage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

int CAnyTab::FindPageByWindow(const CWnd* pWnd) const {
    if (!pWnd) return -1;
    for (int i = 0; i < GetPageCount(); i++) {
        if (m_pages[i] && m_pages[i]->m_pDlg == pWnd) return i;
    }
    return -1;
}

CAnyTabPage* CAnyTab::GetSelectedPage() const {
    return GetPage(m_nSelected);
}

BOOL CAnyTab::SelectPage(int index) {
    if (!IsValidIndex(index)) return FALSE;
    if (index == m_nSelected) return TRUE;
    if (m_nSelected != -1) ShowPage(m_nSelected, SW_HIDE);
    m_nSelected = index;
    ShowPage(index, SW_SHOW);
    Invalidate();
    return TRUE;
}

void CAnyTab::RemoveAllPages() {
    for (CAnyTabPage*& pPage : m_pages) {
        if (!pPage) continue;
        DestroyPage(pPage);
        pPage = nullptr;
    }
    m_pages.clear();
}

void CAnyTab::MoveStripAndPages(RECT rcStrip, RECT rcPages) {
    if (!m_hWnd) return;
    MoveWindow(rcStrip);
    for (CAnyTabPage* pPage : m_pages) {
        if (pPage && pPage->m_pDlg) pPage->m_pDlg->MoveWindow(rcPages);
    }
}

void CAnyTab::RecalcLayout() {
    CRect rcClient;
    GetClientRect(&rcClient);
    s_nTabWidth = CalcTabWidth(rcClient.Width(), GetPageCount());
    Invalidate();
}

int CAnyTab::HitTestTab(CPoint point) {
    std::vector<TabBox> faces;
    for (int i = 0; i < GetPageCount(); i++) {
        RECT rc;
        GetTabRect(&rc, i);
        faces.push_back({rc.left, rc.top, rc.right, rc.bottom});
    }
    CRect rcClient;
    GetClientRect(&rcClient);
    return HitTestFaces(faces.data(), GetPageCount(), rcClient.Height(), point.x, point.y);
}

BOOL CAnyTab::OnCommand(WPARAM wParam, LPARAM lParam) {
    SelectPage(LOWORD(wParam));
    return CStatic::OnCommand(wParam, lParam);
}

void CAnyTab::OnPaint() {
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(&rcClient);
    // the bitmap outlives the DC it is selected into
    CBitmap bmpBuffer;
    bmpBuffer.CreateCompatibleBitmap(dc, rcClient.Width(), rcClient.Height());
    CDC memDC;
    memDC.CreateCompatibleDC(&dc);
    memDC.SelectObject(&bmpBuffer);

    DrawBitmap(memDC, rcClient, m_bmpBackground);
    for (int i = 0; i < GetPageCount(); i++) DrawTab(memDC, i);
    dc.BitBlt(0, 0, rcClient.Width(), rcClient.Height(), &memDC, 0, 0, SRCCOPY);
}

BOOL CAnyTab::OnEraseBkgnd(CDC*) {
    return TRUE;  // OnPaint covers everything
}

void CAnyTab::DrawTab(CDC& dc, int index) {
    const CAnyTabPage* pPage = m_pages[index];
    if (!pPage) return;
    CRect rc;
    GetTabRect(&rc, index);
    const bool bSelected = index == m_nSelected;
    if (pPage->m_picture.pImage) {
        DrawTabPicture(dc, rc, pPage->m_picture, bSelected);
        return;
    }
    DrawBitmap(dc, rc, bSelected ? m_bmpActiveHead : m_bmpNormalHead);
    DrawTabText(dc, rc.left + kTextLeft, (rc.Height() - kTextBoxHeight) / 2, pPage->m_strCaption,
                s_nTabWidth - kTextReserve);
}

// The picture holds two frames side by side: selected on the left, normal on the right.
void CAnyTab::DrawTabPicture(CDC& dc, const RECT& rc, const SkinPicture& picture, bool bSelected) {
    const INT nFrameWidth = static_cast<INT>(picture.nWidth / 2);
    Gdiplus::Graphics graphics(dc.GetSafeHdc());
    graphics.SetInterpolationMode(Gdiplus::InterpolationModeHighQualityBicubic);
    graphics.DrawImage(picture.pImage.get(),
                       Gdiplus::Rect(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top),
                       bSelected ? 0 : nFrameWidth, 0, nFrameWidth,
                       static_cast<INT>(picture.nHeight), Gdiplus::UnitPixel);
}

void CAnyTab::DrawBitmap(CDC& dc, const RECT& rc, CBitmap& bitmap) {
    if (!bitmap.GetSafeHandle()) return;
    CDC bitmapDC;
    bitmapDC.CreateCompatibleDC(&dc);
    bitmapDC.SelectObject(&bitmap);
    dc.BitBlt(rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, &bitmapDC, 0, 0, SRCCOPY);
}

// The caption font is made on the first caption drawn and kept for every paint after.
void CAnyTab::DrawTabText(CDC& dc, int x, int y, const CString& caption, int nBudget) {
    if (!m_fontCaption.GetSafeHandle()) {
        LOGFONTA lf = {};
        lf.lfHeight = 20;
        lf.lfWidth = 8;
        lf.lfWeight = FW_NORMAL;
        lstrcpynA(lf.lfFaceName, AfxAnsiFromUtf8("微软雅黑"), LF_FACESIZE);
        m_fontCaption.CreateFontIndirect(&lf);
    }
    // the DC's own font is selected back when textDC goes
    CDC textDC(dc.GetSafeHdc());
    textDC.SelectObject(&m_fontCaption);
    textDC.SetBkMode(TRANSPARENT);
    textDC.SetTextColor(kTextColour);
    const CString text = FitCaption(caption, nBudget);
    if (!text.IsEmpty()) textDC.TextOut(x, y, text);
}

void CAnyTab::OnSize(UINT nType, int cx, int cy) {
    CStatic::OnSize(nType, cx, cy);
    RecalcLayout();
}

void CAnyTab::OnMouseMove(UINT, CPoint point) {
    Default();
    const int index = HitTestTab(point);
    if (index != -1) {
        if (index == m_nHover) return;
        m_nHover = index;
        Invalidate();
        TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
        ::_TrackMouseEvent(&tme);
    } else if (m_nHover != -1) {
        Invalidate();
        m_nHover = -1;
    }
}

void CAnyTab::OnMouseLeave() {
    if (m_nHover != -1) Invalidate();
    m_nHover = -1;
}

void CAnyTab::OnLButtonDown(UINT, CPoint point) {
    const int index = HitTestTab(point);
    if (index != -1 && index != m_nSelected) SelectPage(index);
    Default();
}

void CAnyTab::OnLButtonUp(UINT, CPoint) {
    Default();
}

LRESULT CAnyTab::OnNcHitTest(CPoint) {
    return HTCLIENT;  // a static control would let the mouse through to its parent
}
