// The browser control hosted in a window of ours, and what the launcher's browser
// control makes of the engine's events.
#include <gtest/gtest.h>

#include <exdisp.h>
#include <exdispid.h>

#include <string>

#include "Afx.h"
#include "CBrowserEvents.h"
#include "CBstr.h"
#include "CRect.h"
#include "FakeHtml.h"
#include "HtmlCtrl.h"
#include "TestSupport.h"

namespace {

struct ClassSearch {
    const char* name;
    HWND found;
};

BOOL CALLBACK MatchClass(HWND hWnd, LPARAM lParam) {
    auto* search = reinterpret_cast<ClassSearch*>(lParam);
    char name[64] = {};
    ::GetClassNameA(hWnd, name, sizeof(name));
    if (std::string(name) != search->name) return TRUE;
    search->found = hWnd;
    return FALSE;
}

HWND FindDescendant(HWND hParent, const char* className) {
    ClassSearch search = {className, nullptr};
    ::EnumChildWindows(hParent, &MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

CString LocationOf(CHtmlView& view) {
    CBstr location;
    if (view.GetBrowser()) view.GetBrowser()->get_LocationURL(location.Receive());
    return location.ToAnsi();
}

class Browser : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(AfxOleInit());
        // made outside the framework: any window can hold the control
        HWND hParent = ::CreateWindowExA(0, "STATIC", "page", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0,
                                         0, 400, 300, nullptr, nullptr, nullptr, nullptr);
        ASSERT_TRUE(m_parent.SubclassWindow(hParent));
    }
    void Create(CHtmlCtrl& ctrl) {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                                &m_parent, 999999, nullptr));
    }

    CWnd m_parent;
};

TEST_F(Browser, TheControlSiteHostsTheBrowserNavigatesItAndReleasesItOnce) {
    AfxEnableControlContainer();
    CHtmlCtrl ctrl;
    Create(ctrl);
    IWebBrowser2* pBrowser = ctrl.GetBrowser();
    ASSERT_NE(pBrowser, nullptr);
    HWND hEmbedding = FindDescendant(ctrl.m_hWnd, "Shell Embedding");
    ASSERT_NE(hEmbedding, nullptr);
    EXPECT_EQ(::GetParent(hEmbedding), ctrl.GetBrowserHostWnd());

    ctrl.Navigate2("about:blank#first", 0, nullptr, nullptr, nullptr, 0);
    EXPECT_TRUE(PumpUntil([&] { return LocationOf(ctrl) == "about:blank#first"; }))
        << LocationOf(ctrl).GetString();

    pBrowser->AddRef();
    ctrl.DestroyWindow();
    EXPECT_EQ(ctrl.GetBrowser(), nullptr);
    EXPECT_EQ(pBrowser->Release(), 0u);
}

}  // namespace
