// The screen capture: a topmost overlay over a picture of every monitor frozen when
// it was made, in the screen's own pixels, on which the user draws a selection,
// adjusts it with the tracker, marks it with the toolbar's tools, and double-clicks
// inside it (or presses Enter or Ctrl+C, or "完成" on the toolbar beside it) to put
// that part of the picture with its marks on the clipboard, or presses Ctrl+S
// ("保存") to save it as a file. Ctrl+Z ("撤销") takes the last mark off. Right
// click, Esc or "取消" clears the marks, then the selection; without one they close.
#pragma once

#include <memory>

#include "CBitmap.h"
#include "CCapScreenEdit.h"
#include "CCaptureToolbar.h"
#include "CDialog.h"
#include "CMarkLayer.h"
#include "CMyTracker.h"
#include "CRgn.h"
#include "DpiAwarenessScope.h"

class CCatchScreenDlg : public CDialog {
public:
    // The selection's tracker: its drag feedback is the overlay repainted.
    class CSelectionTracker : public CMyTracker {
    public:
        explicit CSelectionTracker(CCatchScreenDlg& overlay) : m_overlay(overlay) {}
        void ShowDragFeedback(const PixelRect&, CWnd*, CDC*, CWnd*) override {
            m_overlay.InvalidateOverlay();
        }

    private:
        CCatchScreenDlg& m_overlay;
    };

    explicit CCatchScreenDlg(CWnd* pParent = nullptr);
    ~CCatchScreenDlg() override;

    // rebuilds the information box's text: the colour and the help of the moment
    void UpdateHelpText();
    // repaints the whole overlay but the information box, which would flicker
    void InvalidateOverlay();

    // -1 without opening when the frozen picture could not be made
    INT_PTR DoModal() override;
    // an overlay runs: the screenshot command opens no second one inside it
    static bool IsOpen() { return s_bOpen; }
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    // Enter and "完成": the selection copied, as a double-click inside it copies it
    void OnOK() override;
    void OnCancel() override;
    BOOL PreTranslateMessage(MSG* pMsg) override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    void OnLButtonDblClk(UINT nFlags, CPoint point);
    BOOL OnEraseBkgnd(CDC* pDC);
    BOOL OnSetCursor(HWND hWnd, UINT nHitTest, UINT message);
    void OnRButtonUp(UINT nFlags, CPoint point);
    HBRUSH OnCtlColor(CDC* pDC, HWND hWnd, UINT nCtlColor);

    // first made, last gone: the whole overlay lives in the screen's own pixels
    DpiAwarenessScope m_dpiScope;
    ScreenLayout m_screen;                     // the overlay covers its virtual screen
    BOOL m_bShowInfo = FALSE;                  // the position box is drawn (left button held)
    BOOL m_bDragging = FALSE;                  // the first selection is being drawn
    BOOL m_bHaveSelection = FALSE;             // a selection exists
    CPoint m_ptStart;                          // where the first selection began
    CSelectionTracker m_rectTracker;           // its rectangle is the selection
    HCURSOR m_hCursor = nullptr;               // the overlay's own pointer
    std::unique_ptr<CBitmap> m_pScreenBitmap;  // the frozen picture
    CRgn m_rgnUpdate;
    CCapScreenEdit m_editInfo;
    CCaptureToolbar m_toolbar;
    CMarkLayer m_marks;  // over the frozen picture, never in it
    HICON m_hIcon = nullptr;

protected:
    DECLARE_MESSAGE_MAP()

private:
    // the tracker's hit code for a point; nothing is hit while there is no selection
    int HitCode(CPoint point) const;
    // the selection normalised and within the picture: what a copy or a mark takes
    PixelRect ClampedSelection() const;
    // inside the selection, where a tool draws
    bool InSelection(CPoint point) const;
    void ClearSelection();
    // the rectangle (clamped) of the frozen picture in a new bitmap; null if none can be made
    HBITMAP CopyFrozenRect(const PixelRect& r) const;
    // The selection on the clipboard, and the capture done. A failure is told and the
    // overlay stays with its selection, the clipboard as it was if it could not be opened.
    void CopySelection();
    // Ctrl+S: the selection as a file, the clipboard left alone. A failure is told and
    // the overlay stays, so that nothing of the picture is lost.
    void SaveSelection();
    // beside the selection while there is one and the left button is up
    void UpdateToolbar();
    // the last mark off (Ctrl+Z, "撤销")
    void Undo();
    // the information box on the monitor the pointer is on
    void FollowPointer(POINT ptScreen);
    // the capture is done: closes as after a copy
    void Finish();

    static bool s_bOpen;
};
