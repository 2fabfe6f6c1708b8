// The browser as a plain child control of a page dialog: new windows are turned
// into navigations of this control, the engine stays silent, right clicks get no
// context menu, and title changes are reported to the workspace.
#pragma once

#include "CHtmlView.h"
#include "CString.h"

class CHtmlCtrl : public CHtmlView {
    DECLARE_DYNCREATE(CHtmlCtrl)

public:
    CHtmlCtrl() = default;
    ~CHtmlCtrl() override = default;

    BOOL PreTranslateMessage(MSG* pMsg) override;
    // A member of its dialog: never deleted with its window.
    void PostNcDestroy() override {}
    void OnInitialUpdate() override;
    void OnStatusTextChange(LPCSTR lpszText) override;
    void OnTitleChange(LPCSTR lpszText) override;
    void OnNewWindow2(LPDISPATCH* ppDisp, BOOL* pbCancel) override;

    void OnDestroy();
    int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    void OnRButtonUp(UINT nFlags, CPoint point);

    CString m_strTitle;    // the last title the browser reported
    CString m_strLinkUrl;  // where a new window goes instead
    CString m_strHomeUrl;  // the site this control was first sent to

protected:
    DECLARE_MESSAGE_MAP()
    // Tells the workspace, if there is one, that a page has a new caption.
    virtual void ReportPageTitle(CWnd* pPageWnd, const CString& strCaption);

private:
    void CaptureLinkAt(POINT ptScreen);
};
