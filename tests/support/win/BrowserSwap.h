// Puts a browser of the test's into an HTML view for the swap's lifetime, then the
// view's own back: for commands whose effect the engine here cannot show.
#pragma once

#include <exdisp.h>

#include <utility>

#include "CHtmlView.h"
#include "ComPtr.h"

class BrowserSwap {
public:
    BrowserSwap(CHtmlView& view, IWebBrowser2* pBrowser)
        : m_view(view), m_pOther(ComPtr<IWebBrowser2>::Adopt(pBrowser)) {
        std::swap(m_view.*Reach::Slot(), m_pOther);
    }
    ~BrowserSwap() { std::swap(m_view.*Reach::Slot(), m_pOther); }
    BrowserSwap(const BrowserSwap&) = delete;
    BrowserSwap& operator=(const BrowserSwap&) = delete;

private:
    // the browser slot of an HTML view, reached as a derived class may
    struct Reach : CHtmlView {
        static ComPtr<IWebBrowser2> CHtmlView::*Slot() { return &Reach::m_pBrowser; }
    };

    CHtmlView& m_view;
    ComPtr<IWebBrowser2> m_pOther;
};
