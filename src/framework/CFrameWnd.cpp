#include "CFrameWnd.h"

#include <memory>

#include "Afx.h"
#include "CDocument.h"
#include "CView.h"
#include "CWinApp.h"
#include "afxres.h"

const char CFrameWnd::kFrameClassName[] = "SkylarkFrameWnd";

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
ON_WM_CREATE()
ON_WM_SIZE()
ON_WM_SETFOCUS()
ON_WM_CLOSE()
ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {

// The first '\n'-separated field of a resource string.
CString LoadFirstField(UINT nID) {
    char text[256] = {};
    ::LoadStringA(::GetModuleHandleA(nullptr), nID, text, sizeof(text));
    CString s(text);
    int nl = s.Find('\n');
    return nl < 0 ? s : s.Left(nl);
}

}  // namespace

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                          CCreateContext* pContext) {
    HINSTANCE hInst = ::GetModuleHandleA(nullptr);
    // the game finds the launcher by this class name
    AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)),
                        reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1),
                        ::LoadIconA(hInst, MAKEINTRESOURCEA(nIDResource)), kFrameClassName);
    CString title = LoadFirstField(nIDResource);
    HMENU hMenu = ::LoadMenuA(hInst, MAKEINTRESOURCEA(nIDResource));
    BOOL ok =
        CreateEx(0, nullptr, title, dwDefaultStyle, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT,
                 CW_USEDEFAULT, pParentWnd ? pParentWnd->m_hWnd : nullptr, hMenu, pContext);
    // a frame that declined the menu leaves it to us
    if (hMenu && !(ok && ::GetMenu(m_hWnd) == hMenu)) ::DestroyMenu(hMenu);
    if (!ok) return FALSE;
    m_hAccelTable = ::LoadAcceleratorsA(hInst, MAKEINTRESOURCEA(nIDResource));
    return TRUE;
}

BOOL CFrameWnd::PreCreateWindow(CREATESTRUCTA& cs) {
    if (!cs.lpszClass) cs.lpszClass = kFrameClassName;
    if (cs.style & FWS_ADDTOTITLE) cs.style |= FWS_PREFIXTITLE;
    cs.dwExStyle |= WS_EX_CLIENTEDGE;
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (Default() == -1) return -1;
    auto* pContext = static_cast<CCreateContext*>(lpCreateStruct->lpCreateParams);
    if (pContext && pContext->m_pNewViewClass && !CreateView(pContext)) return -1;
    return 0;
}

BOOL CFrameWnd::CreateView(CCreateContext* pContext) {
    std::unique_ptr<CObject> pObject(pContext->m_pNewViewClass->CreateObject());
    auto* pView = dynamic_cast<CView*>(pObject.get());
    if (!pView) return FALSE;
    pView->SetDocument(pContext->m_pCurrentDoc);
    if (!pView->Create(this, AFX_IDW_PANE_FIRST)) return FALSE;
    pObject.release();
    pView->SetAutoDelete();  // the view's window owns it from now on
    m_pViewActive = pView;
    return TRUE;
}

void CFrameWnd::InitialUpdateFrame(CDocument*, BOOL bMakeVisible) {
    RecalcLayout();
    if (m_pViewActive) m_pViewActive->OnInitialUpdate();
    if (bMakeVisible) {
        CWinApp* pApp = AfxGetApp();
        ShowWindow(pApp ? pApp->m_nCmdShow : SW_SHOW);
        ::UpdateWindow(m_hWnd);
    }
}

void CFrameWnd::RecalcLayout() {
    if (!m_pViewActive || !m_pViewActive->m_hWnd) return;
    CRect rc;
    GetClientRect(&rc);
    m_pViewActive->MoveWindow(rc);
}

void CFrameWnd::OnSize(UINT nType, int, int) {
    Default();
    if (nType != SIZE_MINIMIZED) RecalcLayout();
}

void CFrameWnd::OnSetFocus(CWnd*) {
    if (m_pViewActive && m_pViewActive->m_hWnd) {
        m_pViewActive->SetFocus();
    } else {
        Default();
    }
}

void CFrameWnd::OnClose() {
    DestroyWindow();
}

void CFrameWnd::OnNcDestroy() {
    m_pViewActive = nullptr;  // the view went with its window
    CWinApp* pApp = AfxGetApp();
    if (pApp && pApp->m_pMainWnd == this) {
        pApp->m_pMainWnd = nullptr;
        ::PostQuitMessage(0);
    }
    Default();
}

void CFrameWnd::OnActivate(UINT, CWnd*, BOOL) {
    Default();
}

BOOL CFrameWnd::PreTranslateMessage(MSG* pMsg) {
    if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST || !m_hAccelTable) return FALSE;
    return ::TranslateAcceleratorA(m_hWnd, m_hAccelTable, pMsg);
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, LPARAM lParam) {
    if (m_pViewActive && m_pViewActive->OnCmdMsg(nID, nCode, lParam)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, lParam)) return TRUE;
    CWinApp* pApp = AfxGetApp();
    return pApp && pApp->OnCmdMsg(nID, nCode, lParam);
}
