// Where an HTML view's browser is now; empty while it has none.
#pragma once

#include <exdisp.h>

#include "CBstr.h"
#include "CHtmlView.h"

inline CString LocationOf(const CHtmlView& view) {
    CBstr location;
    if (IWebBrowser2* pBrowser = view.GetBrowser()) pBrowser->get_LocationURL(location.Receive());
    return location.ToAnsi();
}
