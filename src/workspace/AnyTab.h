// The owner-drawn tab strip: an ordered list of tab pages, the selected and the
// hovered tab, hit testing, and painting through one off-screen bitmap. Selecting
// a tab hides the old page and shows the new one; the parent is not notified.
#pragma once

#include <vector>

#include "CBitmap.h"
#include "CFont.h"
#include "CStatic.h"

class CAnyTabPage;
class CDC;
struct SkinPicture;

class CAnyTab : public CStatic {
public:
    CAnyTab() = default;
    ~CAnyTab() override = default;  // the pages are released by RemoveAllPages only

    // left edge of the slot of a tab
    virtual int GetTabLeft(int index);
    // the face of a tab in client coordinates
    virtual RECT* GetTabRect(RECT* pRect, int index);
    // what selecting (SW_SHOW) and deselecting (SW_HIDE) does to a page: nothing here
    virtual void ShowPage(int index, int nCmdShow);
    // how a page is destroyed: not at all here
    virtual void DestroyPage(CAnyTabPage* pPage);

    // Appends a page not yet in the list: its index, or -1. Does not select.
    int AddPage(CAnyTabPage* pPage);
    int FindPage(const CAnyTabPage* pPage) const;
    int FindPageByWindow(const CWnd* pWnd) const;
    int GetPageCount() const { return static_cast<int>(m_pages.size()); }
    int GetSelectedIndex() const { return m_nSelected; }
    CAnyTabPage* GetSelectedPage() const;
    // the page at index, or null for no such index
    CAnyTabPage* GetPage(int index) const { return IsValidIndex(index) ? m_pages[index] : nullptr; }
    // Hides the selected page and shows the one at index; FALSE for no such index.
    BOOL SelectPage(int index);
    // Destroys every page and empties the list.
    void RemoveAllPages();
    // The strip to rcStrip, every page window to rcPages.
    void MoveStripAndPages(RECT rcStrip, RECT rcPages);
    // Shares the client width out among the tabs again and repaints.
    void RecalcLayout();
    // the tab under a client point, or -1
    int HitTestTab(CPoint point);

    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnPaint();
    BOOL OnEraseBkgnd(CDC* pDC);
    void OnSize(UINT nType, int cx, int cy);
    void OnMouseMove(UINT nFlags, CPoint point);
    void OnMouseLeave();
    void OnLButtonDown(UINT nFlags, CPoint point);
    void OnLButtonUp(UINT nFlags, CPoint point);
    LRESULT OnNcHitTest(CPoint point);

    // the width of every tab slot, shared by all strips
    static int s_nTabWidth;

protected:
    DECLARE_MESSAGE_MAP()

    std::vector<CAnyTabPage*> m_pages;
    int m_nSelected = -1;
    int m_nHover = -1;
    CBitmap m_bmpNormalHead;  // face of a tab that is not selected
    CBitmap m_bmpActiveHead;  // face of the selected tab
    CBitmap m_bmpBackground;  // the strip behind the tabs

private:
    bool IsValidIndex(int index) const { return index >= 0 && index < GetPageCount(); }
    void DrawTab(CDC& dc, int index);
    void DrawTabPicture(CDC& dc, const RECT& rc, const SkinPicture& picture, bool bSelected);
    // Copies the top-left part of a bitmap into rc; an empty bitmap draws nothing.
    static void DrawBitmap(CDC& dc, const RECT& rc, CBitmap& bitmap);
    void DrawTabText(CDC& dc, int x, int y, const CString& caption, int nBudget);

    CFont m_fontCaption;  // made for the first caption drawn
};
