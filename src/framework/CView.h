// A view: the window that shows a document inside a frame. Commands reach the
// view first, then its document.
#pragma once

#include "CWnd.h"

class CDocument;

class CView : public CWnd {
public:
    CDocument* GetDocument() const { return m_pDocument; }
    void SetDocument(CDocument* pDocument) { m_pDocument = pDocument; }

    // Creates the view's window as the frame's pane nID.
    virtual BOOL Create(CWnd* pParentWnd, UINT nID) = 0;
    // Called once, when the frame and document are ready.
    virtual void OnInitialUpdate();

    BOOL OnCmdMsg(UINT nID, int nCode, LPARAM lParam = 0) override;

private:
    CDocument* m_pDocument = nullptr;
};
