#include "ButtonST.h"

#include "ButtonColour.h"
#include "ButtonGeometry.h"
#include "CBitmap.h"
#include "GreyIcon.h"

namespace {

constexpr UINT kTypeBits = 0x1F;

}  // namespace

const HICON CButtonST::kGreyIcon = reinterpret_cast<HICON>(static_cast<INT_PTR>(-2));

BEGIN_MESSAGE_MAP(CButtonST, CButton)
ON_WM_MOUSEMOVE()
ON_WM_MOUSELEAVE()
ON_WM_KILLFOCUS()
ON_WM_ACTIVATE()
ON_WM_CANCELMODE()
ON_WM_ENABLE()
ON_WM_GETDLGCODE()
ON_MESSAGE(BM_SETSTYLE, &CButtonST::OnSetStyle)
ON_MESSAGE(BM_SETCHECK, &CButtonST::OnSetCheck)
ON_MESSAGE(BM_GETCHECK, &CButtonST::OnGetCheck)
ON_CONTROL_REFLECT_EX(BN_CLICKED, &CButtonST::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

CButtonST::CButtonST() {
    static const int kSystemColours[ColourCount] = {COLOR_BTNFACE, COLOR_BTNTEXT, COLOR_BTNFACE,
                                                    COLOR_BTNTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    for (int i = 0; i < ColourCount; i++) m_crColours[i] = ::GetSysColor(kSystemColours[i]);
}

CButtonST::~CButtonST() {
    FreeIcons();
}

DWORD CButtonST::SetIcons(HICON hIconIn, HICON hIconOut) {
    FreeIcons();
    if (hIconIn) {
        if (!StoreIcon(0, hIconIn)) return 1;
        if (hIconOut == kGreyIcon) {
            HICON hGrey = CreateGreyIcon(hIconIn);
            if (hGrey && !StoreIcon(1, hGrey)) ::DestroyIcon(hGrey);
        } else if (hIconOut && !StoreIcon(1, hIconOut)) {
            m_icons[0] = Icon();  // the caller keeps both, as when the first fails
            return 1;
        }
    }
    Invalidate();
    return 0;
}

// An icon's size is twice its hot spot.
BOOL CButtonST::StoreIcon(int nIndex, HICON hIcon) {
    ICONINFO info = {};
    if (!::GetIconInfo(hIcon, &info)) return FALSE;
    CBitmap colour, mask;  // GetIconInfo hands out copies
    colour.Attach(info.hbmColor);
    mask.Attach(info.hbmMask);
    m_icons[nIndex] = {hIcon, info.xHotspot * 2, info.yHotspot * 2};
    return TRUE;
}

void CButtonST::FreeIcons() {
    for (Icon& icon : m_icons) {
        if (icon.hIcon) ::DestroyIcon(icon.hIcon);
        icon = Icon();
    }
}

void CButtonST::SetColour(BYTE nIndex, COLORREF crColour) {
    if (nIndex >= ColourCount) return;
    m_crColours[nIndex] = crColour;
    Invalidate();
}

void CButtonST::LightenHoverColour() {
    m_crColours[ColourBackIn] = LightenColour(m_crColours[ColourBackIn]);
    Invalidate();
}

void CButtonST::SetAlignment(BYTE nAlign) {
    m_nAlign = nAlign;
    Invalidate();
}

void CButtonST::PreSubclassWindow() {
    UINT nStyle = GetButtonStyle() & 0xFF;
    if (nStyle & 0x02) m_bCheckBox = TRUE;
    if ((nStyle & kTypeBits) == BS_DEFPUSHBUTTON) m_bDefault = TRUE;
    ModifyStyle(kTypeBits, BS_OWNERDRAW, SWP_FRAMECHANGED);
    CButton::PreSubclassWindow();
}

// The tooltip gets every message so it would know the mouse; it has no text here.
BOOL CButtonST::PreTranslateMessage(MSG* pMsg) {
    if (!m_tooltip.m_hWnd && m_tooltip.Create(this)) {
        m_tooltip.Activate(FALSE);
        m_tooltip.SetMaxTipWidth(400);
    }
    if (m_tooltip.m_hWnd) m_tooltip.RelayEvent(pMsg);
    return CButton::PreTranslateMessage(pMsg);
}

// Fast clicks are separate clicks: the second press of a double click is a press.
LRESULT CButtonST::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_LBUTTONDBLCLK) message = WM_LBUTTONDOWN;
    return CButton::DefWindowProc(message, wParam, lParam);
}

void CButtonST::OnMouseMove(UINT nFlags, CPoint point) {
    CButton::OnMouseMove(nFlags, point);
    POINT ptScreen = point;
    ClientToScreen(&ptScreen);
    // a drag that began elsewhere does not light the button up
    if ((nFlags & MK_LBUTTON) && !m_bHover) return;
    if (::WindowFromPoint(ptScreen) != m_hWnd) {
        EndHover();
        return;
    }
    if (m_bHover) return;
    m_bHover = TRUE;
    Invalidate();
    TRACKMOUSEEVENT tme = {sizeof(tme), TME_LEAVE, m_hWnd, 0};
    ::TrackMouseEvent(&tme);
}

void CButtonST::EndHover() {
    if (!m_bHover) return;
    m_bHover = FALSE;
    Invalidate();
}

void CButtonST::OnMouseLeave() {
    EndHover();
}

void CButtonST::OnKillFocus(CWnd* pNewWnd) {
    CButton::OnKillFocus(pNewWnd);
    EndHover();
}

void CButtonST::OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) {
    CButton::OnActivate(nState, pWndOther, bMinimized);
    if (nState == WA_INACTIVE) EndHover();
}

void CButtonST::OnCancelMode() {
    CButton::OnCancelMode();
    EndHover();
}

// A disabled button loses the focus: it goes to the next tab stop, or to the
// parent. Focus on another control is left where it is.
void CButtonST::OnEnable(BOOL bEnable) {
    CButton::OnEnable(bEnable);
    if (bEnable) return;
    HWND hParent = ::GetParent(m_hWnd);
    HWND hFocus = ::GetFocus();  // the system has taken it from this button already
    if ((!hFocus || hFocus == m_hWnd) && hParent) {
        HWND hNext = ::GetNextDlgTabItem(hParent, m_hWnd, FALSE);
        ::SetFocus(hNext && hNext != m_hWnd ? hNext : hParent);
    }
    EndHover();
}

UINT CButtonST::OnGetDlgCode() {
    return CButton::OnGetDlgCode() | (m_bDefault ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
}

// The dialog manager makes buttons default and back: remember it, stay owner-drawn.
LRESULT CButtonST::OnSetStyle(WPARAM wParam, LPARAM lParam) {
    UINT nType = static_cast<UINT>(wParam) & BS_TYPEMASK;
    if (nType == BS_DEFPUSHBUTTON) m_bDefault = TRUE;
    if (nType == BS_PUSHBUTTON) m_bDefault = FALSE;
    return CButton::DefWindowProc(BM_SETSTYLE, (wParam & ~WPARAM(0x14)) | BS_OWNERDRAW, lParam);
}

LRESULT CButtonST::OnSetCheck(WPARAM wParam, LPARAM lParam) {
    if (!m_bCheckBox) return Default();
    (void)lParam;
    m_nCheck = (wParam == BST_CHECKED || wParam == BST_INDETERMINATE) ? 1 : 0;
    Invalidate();
    return 0;
}

LRESULT CButtonST::OnGetCheck(WPARAM, LPARAM) {
    return m_nCheck;
}

// The parent still gets its command: FALSE passes the click on.
BOOL CButtonST::OnClicked() {
    SetFocus();
    if (m_bCheckBox) {
        m_nCheck = !m_nCheck;
        Invalidate();
    }
    return FALSE;
}

HBRUSH CButtonST::CtlColor(CDC*, UINT) {
    return static_cast<HBRUSH>(::GetStockObject(NULL_BRUSH));
}

void CButtonST::ReadItemState(UINT nState) {
    m_bPressed = (nState & ODS_SELECTED) != 0;
    if (m_bCheckBox && m_nCheck) m_bPressed = TRUE;
    m_bFocused = (nState & ODS_FOCUS) != 0;
    m_bDisabled = (nState & ODS_DISABLED) != 0;
}

void CButtonST::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) {
    ReadItemState(lpDrawItemStruct->itemState);
    CDC dc(lpDrawItemStruct->hDC);
    const RECT& rcItem = lpDrawItemStruct->rcItem;
    dc.SetBkMode(TRANSPARENT);
    OnDrawBackground(&dc, rcItem);
    if (IsHot()) OnDrawBorder(&dc, rcItem);

    CString strCaption = GetWindowText();
    RECT rcCaption = rcItem;
    if (m_icons[0].hIcon) DrawIcon(&dc, rcItem, &rcCaption, !strCaption.IsEmpty());
    if (!strCaption.IsEmpty()) DrawCaption(&dc, rcCaption, strCaption);
}

void CButtonST::OnDrawBackground(CDC* pDC, const RECT& rect) {
    COLORREF crBack = m_crColours[ColourBackOut];
    if (IsHot()) {
        crBack = m_crColours[ColourBackIn];
    } else if (m_bFocused) {
        crBack = m_crColours[ColourBackFocus];
    }
    pDC->FillSolidRect(&rect, crBack);
}

void CButtonST::OnDrawBorder(CDC* pDC, const RECT& rect) {
    COLORREF crShadow = ::GetSysColor(COLOR_BTNSHADOW);
    COLORREF crLight = ::GetSysColor(COLOR_BTNHIGHLIGHT);
    if (m_bPressed) {
        pDC->Draw3dRect(&rect, crShadow, crLight);
    } else {
        pDC->Draw3dRect(&rect, crLight, crShadow);
    }
}

void CButtonST::DrawIcon(CDC* pDC, const RECT& rcItem, RECT* pCaption, BOOL bHasCaption) {
    BOOL bInIcon = m_bCheckBox ? m_bPressed : IsHot();
    const Icon& icon = (bInIcon || !m_icons[1].hIcon) ? m_icons[0] : m_icons[1];
    IconLayout layout = PlaceIcon({rcItem.left, rcItem.top, rcItem.right, rcItem.bottom},
                                  static_cast<int>(icon.dwWidth), static_cast<int>(icon.dwHeight),
                                  m_nAlign, bHasCaption, m_bPressed && !m_bCheckBox);
    *pCaption = ToRECT(layout.caption);
    ::DrawStateA(*pDC, nullptr, nullptr, reinterpret_cast<LPARAM>(icon.hIcon), 0, layout.icon.left,
                 layout.icon.top, layout.icon.Width(), layout.icon.Height(),
                 DST_ICON | (m_bDisabled ? DSS_DISABLED : DSS_NORMAL));
}

void CButtonST::DrawCaption(CDC* pDC, RECT rcCaption, const CString& strCaption) {
    if (m_bPressed && !m_bCheckBox) ::OffsetRect(&rcCaption, 1, 1);
    RECT rcText = rcCaption;
    ::DrawTextA(*pDC, strCaption, -1, &rcText, DT_WORDBREAK | DT_CENTER | DT_CALCRECT);
    ::OffsetRect(&rcText, ((rcCaption.right - rcCaption.left) - (rcText.right - rcText.left)) / 2,
                 ((rcCaption.bottom - rcCaption.top) - (rcText.bottom - rcText.top)) / 2);
    if (m_bDisabled) {
        RECT rcShifted = rcText;
        ::OffsetRect(&rcShifted, 1, 1);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNHIGHLIGHT));
        ::DrawTextA(*pDC, strCaption, -1, &rcShifted, DT_WORDBREAK | DT_CENTER);
        pDC->SetTextColor(::GetSysColor(COLOR_BTNSHADOW));
        ::DrawTextA(*pDC, strCaption, -1, &rcText, DT_WORDBREAK | DT_CENTER);
        return;
    }
    pDC->SetTextColor(m_crColours[IsHot() ? ColourForeIn : ColourForeOut]);
    pDC->SetBkColor(m_crColours[IsHot() ? ColourBackIn : ColourBackOut]);
    ::DrawTextA(*pDC, strCaption, -1, &rcText, DT_WORDBREAK | DT_CENTER);
}
