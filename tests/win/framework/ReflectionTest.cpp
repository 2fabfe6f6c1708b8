// A control's notifications reach its own CWnd before its parent's map.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CButton.h"
#include "CStatic.h"
#include "TestWindow.h"

namespace {

const UINT kButtonId = 101;
const UINT kLinkId = 102;
const UINT kPlainId = 103;

std::vector<std::string> g_calls;

class TestButton : public CButton {
public:
    void PreSubclassWindow() override {
        ModifyStyle(0, BS_OWNERDRAW);
        g_calls.push_back("button subclassed");
    }
    void DrawItem(LPDRAWITEMSTRUCT pDraw) override {
        g_calls.push_back("button draws " + std::to_string(pDraw->CtlID));
    }
    void OnClicked() { g_calls.push_back("button clicked"); }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestButton, CButton)
ON_CONTROL_REFLECT(BN_CLICKED, &TestButton::OnClicked)
END_MESSAGE_MAP()

// takes its click but leaves it to the parent too, and has colours of its own
class TestLink : public CStatic {
public:
    void PreSubclassWindow() override { g_calls.push_back("link subclassed"); }
    BOOL OnClicked() {
        g_calls.push_back("link clicked");
        return FALSE;
    }
    HBRUSH CtlColor(CDC* pDC, UINT nCtlColor) {
        pDC->SetTextColor(RGB(0, 0, 255));
        g_calls.push_back("link colour " + std::to_string(nCtlColor));
        return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestLink, CStatic)
ON_CONTROL_REFLECT_EX(STN_CLICKED, &TestLink::OnClicked)
ON_WM_CTLCOLOR_REFLECT()
END_MESSAGE_MAP()

class TestParent : public CWnd {
public:
    BOOL OnCmdMsg(UINT nID, int nCode, LPARAM lParam) override {
        m_hLastControl = reinterpret_cast<HWND>(lParam);
        return CWnd::OnCmdMsg(nID, nCode, lParam);
    }
    void OnButton() { g_calls.push_back("parent saw button"); }
    void OnLink() { g_calls.push_back("parent saw link"); }
    HBRUSH OnCtlColor(CDC*, HWND hWnd, UINT nCtlColor) {
        g_calls.push_back("parent colours " + std::to_string(::GetDlgCtrlID(hWnd)) + " " +
                          std::to_string(nCtlColor));
        return static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
    }
    HWND m_hLastControl = nullptr;

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(TestParent, CWnd)
ON_BN_CLICKED(kButtonId, &TestParent::OnButton)
ON_CONTROL(STN_CLICKED, kLinkId, &TestParent::OnLink)
ON_WM_CTLCOLOR()
END_MESSAGE_MAP()

class Reflection : public testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        ASSERT_TRUE(CreateTestWindow(m_parent));
        // one control made by its CWnd, one taken over as a dialog control would be
        ASSERT_TRUE(
            m_button.Create("b", WS_CHILD | WS_VISIBLE, CRect(0, 0, 50, 20), &m_parent, kButtonId));
        HWND hLink =
            ::CreateWindowExA(0, "STATIC", "link", WS_CHILD | SS_NOTIFY, 0, 30, 50, 20, m_parent,
                              reinterpret_cast<HMENU>(kLinkId), nullptr, nullptr);
        ASSERT_TRUE(m_link.SubclassWindow(hLink));
        m_hPlain = ::CreateWindowExA(0, "STATIC", "plain", WS_CHILD, 0, 60, 50, 20, m_parent,
                                     reinterpret_cast<HMENU>(kPlainId), nullptr, nullptr);
    }
    LRESULT Notify(UINT nId, UINT nCode, HWND hControl) {
        return m_parent.SendMessage(WM_COMMAND, MAKEWPARAM(nId, nCode),
                                    reinterpret_cast<LPARAM>(hControl));
    }

    TestParent m_parent;
    TestButton m_button;
    TestLink m_link;
    HWND m_hPlain = nullptr;
};

TEST_F(Reflection, ControlsAreSubclassedOnEitherPathAndTakeTheirOwnNotifications) {
    EXPECT_EQ(g_calls, (std::vector<std::string>{"button subclassed", "link subclassed"}));
    EXPECT_TRUE(m_button.GetButtonStyle() & BS_OWNERDRAW);
    g_calls.clear();

    Notify(kButtonId, BN_CLICKED, m_button);
    Notify(kLinkId, STN_CLICKED, m_link);
    EXPECT_EQ(g_calls,
              (std::vector<std::string>{"button clicked", "link clicked", "parent saw link"}));
    EXPECT_EQ(m_parent.m_hLastControl, m_link.m_hWnd);  // the control's handle came along
}

TEST_F(Reflection, OwnerDrawingGoesToTheControlsDrawItem) {
    g_calls.clear();
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_BUTTON;
    draw.CtlID = kButtonId;
    draw.hwndItem = m_button;
    draw.hDC = ::GetDC(m_button);
    EXPECT_EQ(m_parent.SendMessage(WM_DRAWITEM, kButtonId, reinterpret_cast<LPARAM>(&draw)), TRUE);
    ::ReleaseDC(m_button, draw.hDC);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"button draws 101"}));
}

TEST_F(Reflection, AControlWithColoursOfItsOwnKeepsThemFromTheParent) {
    g_calls.clear();
    HDC hDC = ::GetDC(m_parent);
    auto colour = [&](HWND hControl) {
        return m_parent.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(hDC),
                                    reinterpret_cast<LPARAM>(hControl));
    };
    EXPECT_EQ(colour(m_link), reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH)));
    EXPECT_EQ(::GetTextColor(hDC), RGB(0, 0, 255));
    EXPECT_EQ(colour(m_hPlain), reinterpret_cast<LRESULT>(::GetStockObject(BLACK_BRUSH)));
    ::ReleaseDC(m_parent, hDC);
    EXPECT_EQ(g_calls, (std::vector<std::string>{"link colour 6", "parent colours 103 6"}));
}

}  // namespace
