// The browser control hosted in a window of ours, and what the launcher's browser
// control makes of the engine's events.
#include <gtest/gtest.h>

#include <exdisp.h>
#include <exdispid.h>

#include <vector>

#include "Afx.h"
#include "BrowserWindows.h"
#include "CBrowserEvents.h"
#include "CRect.h"
#include "FakeObject.h"
#include "HtmlCtrl.h"
#include "LocationOf.h"
#include "TestSupport.h"
#include "ControlHostTest.h"

namespace {

class Browser : public ControlHostTest {
protected:
    void Create(CHtmlCtrl& ctrl) {
        ASSERT_TRUE(ctrl.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200),
                                &m_parent, 999999, nullptr));
    }
};

TEST_F(Browser, TheControlSiteHostsTheBrowserNavigatesItAndReleasesItOnce) {
    AfxEnableControlContainer();
    CHtmlCtrl ctrl;
    Create(ctrl);
    IWebBrowser2* pBrowser = ctrl.GetBrowser();
    ASSERT_NE(pBrowser, nullptr);
    const std::vector<HWND> embedding = BrowserWindows(ctrl);
    ASSERT_FALSE(embedding.empty());
    EXPECT_EQ(::GetParent(embedding[0]), ctrl.GetBrowserHostWnd());

    ctrl.Navigate2("about:blank#first");
    EXPECT_TRUE(PumpUntil([&] { return LocationOf(ctrl) == "about:blank#first"; }))
        << LocationOf(ctrl).GetString();

    pBrowser->AddRef();
    ctrl.DestroyWindow();
    EXPECT_EQ(ctrl.GetBrowser(), nullptr);
    EXPECT_EQ(pBrowser->Release(), 0u);
}

TEST_F(Browser, AControlWhoseEventsCannotBeConnectedIsNeitherActivatedNorKept) {
    FakeObject* pFake = FakeControl_Create();
    CBrowserHost host;
    ASSERT_TRUE(host.CreateEx(0, "STATIC", nullptr, WS_CHILD, CRect(0, 0, 100, 100), &m_parent, 0));
    EXPECT_FALSE(
        host.HostControl(ComPtr<IOleObject>::Adopt(FakeControl_Interface(pFake)), nullptr));
    EXPECT_FALSE(host.HasControl());
    // the events asked for first; then closed and let go, never activated
    EXPECT_STREQ(FakeObject_Calls(pFake), "CXS");
    EXPECT_EQ(FakeObject_Refs(pFake), 1);
    FakeObject_Release(pFake);
}

// The engine's events as it sends them: arguments last first.
void FireText(CBrowserEvents& sink, DISPID id, const wchar_t* text) {
    VARIANTARG arg;
    ::VariantInit(&arg);
    arg.vt = VT_BSTR;
    arg.bstrVal = ::SysAllocString(text);
    DISPPARAMS params = {&arg, nullptr, 1, 0};
    sink.Invoke(id, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr, nullptr);
    ::VariantClear(&arg);
}

VARIANT_BOOL FireNewWindow(CBrowserEvents& sink) {
    IDispatch* pNewBrowser = nullptr;
    VARIANT_BOOL cancel = VARIANT_FALSE;
    VARIANTARG args[2];
    args[0].vt = VT_BOOL | VT_BYREF;
    args[0].pboolVal = &cancel;
    args[1].vt = VT_DISPATCH | VT_BYREF;
    args[1].ppdispVal = &pNewBrowser;
    DISPPARAMS params = {args, nullptr, 2, 0};
    sink.Invoke(DISPID_NEWWINDOW2, IID_NULL, 0, DISPATCH_METHOD, &params, nullptr, nullptr,
                nullptr);
    return cancel;
}

TEST_F(Browser, NewWindowsAreRefusedAndTheirAddressOpensInPlace) {
    AfxEnableControlContainer();
    CHtmlCtrl ctrl;
    Create(ctrl);
    auto sink = ComPtr<CBrowserEvents>::Adopt(new CBrowserEvents(&ctrl));

    FireText(*sink.Get(), DISPID_STATUSTEXTCHANGE, L"about:blank#hovered");
    EXPECT_EQ(ctrl.m_strLinkUrl, "about:blank#hovered");
    EXPECT_EQ(FireNewWindow(*sink.Get()), VARIANT_TRUE);
    EXPECT_TRUE(PumpUntil([&] { return LocationOf(ctrl) == "about:blank#hovered"; }))
        << LocationOf(ctrl).GetString();

    // nothing captured: still no window of its own
    ctrl.m_strLinkUrl.Empty();
    EXPECT_EQ(FireNewWindow(*sink.Get()), VARIANT_TRUE);
}

class TitleRecorder : public CHtmlCtrl {
public:
    void ReportPageTitle(CWnd* pPageWnd, const CString& strCaption) override {
        m_pPage = pPageWnd;
        m_strCaption = strCaption;
    }
    CWnd* m_pPage = nullptr;
    CString m_strCaption;
};

TEST_F(Browser, TitlesGoToTheWorkspaceWithBlankForExactlyAboutBlank) {
    TitleRecorder ctrl;
    Create(ctrl);
    auto sink = ComPtr<CBrowserEvents>::Adopt(new CBrowserEvents(&ctrl));

    FireText(*sink.Get(), DISPID_TITLECHANGE, L"about:blank");
    EXPECT_EQ(ctrl.m_strTitle, "about:blank");
    EXPECT_EQ(ctrl.m_pPage, &m_parent);
    EXPECT_EQ(ctrl.m_strCaption, "\xBF\xD5\xB0\xD7");  // "空白" in code page 936

    FireText(*sink.Get(), DISPID_TITLECHANGE, L"About:Blank");
    EXPECT_EQ(ctrl.m_strCaption, "About:Blank");
    FireText(*sink.Get(), DISPID_TITLECHANGE, L"\x8BBA\x575B");  // "论坛"
    EXPECT_EQ(ctrl.m_strCaption, "\xC2\xDB\xCC\xB3");
}

TEST_F(Browser, ARightButtonReleaseInsideThePageNeverReachesTheBrowser) {
    AfxEnableControlContainer();
    CHtmlCtrl ctrl;
    Create(ctrl);
    const std::vector<HWND> inner = BrowserWindows(ctrl);
    ASSERT_FALSE(inner.empty());
    MSG msg = {inner[0], WM_RBUTTONUP, 0, MAKELPARAM(10, 10), 0, {10, 10}};
    EXPECT_TRUE(CWnd::WalkPreTranslateTree(&msg));
    msg.message = WM_RBUTTONDOWN;
    EXPECT_FALSE(CWnd::WalkPreTranslateTree(&msg));
}

// A page the engine here cannot load.
class FakePageCtrl : public CHtmlCtrl {
public:
    explicit FakePageCtrl(FakeObject* pDocument) : m_pDocument(pDocument) {}
    ComPtr<IDispatch> GetHtmlDocument() const override {
        return ComPtr<IDispatch>::Adopt(FakeDocument_Interface(m_pDocument));
    }
    FakeObject* m_pDocument;
};

// A click at (30, 40) of the control, as the message loop sees it.
BOOL ClickAt(CHtmlCtrl& ctrl) {
    POINT pt = {30, 40};
    ::ClientToScreen(ctrl.m_hWnd, &pt);
    MSG msg = {ctrl.GetBrowserHostWnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 40), 0, pt};
    return CWnd::WalkPreTranslateTree(&msg);
}

TEST_F(Browser, ALeftClickInsideALinkCapturesItsAddressAndReleasesWhatItRead) {
    FakeObject* pBody = FakeElement_Create(L"BODY", nullptr, nullptr);
    FakeObject* pLink = FakeElement_Create(L"a", L"http://forum.example/t/1", pBody);
    FakeObject* pSpan = FakeElement_Create(L"SPAN", nullptr, pLink);
    FakeObject* pBareLink = FakeElement_Create(L"A", nullptr, pBody);
    for (FakeObject* pHit : {pSpan, pBareLink, pBody}) {
        FakeObject* pDocument = FakeDocument_Create(pHit);
        {
            FakePageCtrl ctrl(pDocument);
            Create(ctrl);
            ctrl.m_strLinkUrl = "before";
            EXPECT_FALSE(ClickAt(ctrl));  // the click itself goes on to the page
            EXPECT_EQ(FakeDocument_LastPoint(pDocument).x, 30);
            EXPECT_EQ(FakeDocument_LastPoint(pDocument).y, 40);
            EXPECT_EQ(ctrl.m_strLinkUrl, pHit == pSpan ? "http://forum.example/t/1" : "before");
        }
        EXPECT_EQ(FakeObject_Refs(pDocument), 1);
        FakeObject_Release(pDocument);
    }
    for (FakeObject* pElement : {pSpan, pLink, pBody, pBareLink}) {
        EXPECT_EQ(FakeObject_Refs(pElement), pElement == pBody ? 3 : pElement == pLink ? 2 : 1);
    }
    for (FakeObject* pElement : {pSpan, pBareLink, pLink, pBody}) FakeObject_Release(pElement);
}

}  // namespace
