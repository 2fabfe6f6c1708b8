// A top-level frame around one view. The frame lays the view over its whole client
// area, passes commands to the view first and then to the application, and
// translates its accelerators while it or one of its children has the focus.
#pragma once

#include "CWnd.h"

class CDocument;
class CView;

// What a new frame needs to make its view.
struct CCreateContext {
    const CRuntimeClass* m_pNewViewClass = nullptr;
    CDocument* m_pCurrentDoc = nullptr;
};

class CFrameWnd : public CWnd {
public:
    // Creates the frame from resource nIDResource: the first field of its string is
    // the title, and the menu, icon and accelerator table of that id are used.
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd,
                   CCreateContext* pContext);
    void InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible);

    CView* GetActiveView() const { return m_pViewActive; }
    void RecalcLayout();

    BOOL PreCreateWindow(CREATESTRUCTA& cs) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnCmdMsg(UINT nID, int nCode, LPARAM lParam = 0) override;

    static const char kFrameClassName[];

    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    void OnSize(UINT nType, int cx, int cy);
    void OnSetFocus(CWnd* pOldWnd);
    void OnClose();
    void OnNcDestroy();
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);

protected:
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateView(CCreateContext* pContext);

    HACCEL m_hAccelTable = nullptr;
    CView* m_pViewActive = nullptr;
};
