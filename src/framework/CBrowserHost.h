// The child window of an HTML view in which the browser control runs in place.
// It owns the control and everything that ties it to us (site, event sink), and
// lets go of all of it when its window is destroyed.
#pragma once

#include <exdisp.h>
#include <ole2.h>

#include "CBrowserEvents.h"
#include "CBrowserSite.h"
#include "CWnd.h"
#include "ComPtr.h"

class CHtmlView;

class CBrowserHost : public CWnd {
public:
    CBrowserHost() = default;
    ~CBrowserHost() override;

    // Creates the browser control in this (existing) window, its events going to
    // pView. FALSE, and no control, when control hosting is off or the control
    // cannot be created, connected or activated.
    BOOL CreateControl(CHtmlView* pView);
    // Hosts a control already created: its events connected to pView, then
    // activated in place. FALSE, and the control closed and let go, on failure.
    BOOL HostControl(const ComPtr<IOleObject>& pObject, CHtmlView* pView);
    // Closes and releases the control; the window stays.
    void CloseControl();

    BOOL HasControl() const { return static_cast<bool>(m_pObject); }
    ComPtr<IWebBrowser2> QueryBrowser() const;
    // Offers a key message to the active control; TRUE when the control took it.
    BOOL TranslateAccelerator(MSG* pMsg);

    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    BOOL ActivateInPlace();
    void FitControl();

    ComPtr<CBrowserSite> m_pSite;
    ComPtr<IOleObject> m_pObject;
    ComPtr<IOleInPlaceObject> m_pInPlace;
    ComPtr<CBrowserEvents> m_pEvents;
};
