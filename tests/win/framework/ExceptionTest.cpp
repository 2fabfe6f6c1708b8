// Whatever a handler raises ends its message, not the process.
#include <gtest/gtest.h>

#include <new>
#include <stdexcept>

#include "CWinApp.h"
#include "GdiCapacity.h"
#include "TestWindow.h"

namespace {

const UINT WM_THROW = WM_APP + 1;

class Thrower : public CWnd {
public:
    LRESULT OnThrow(WPARAM wParam, LPARAM) {
        switch (wParam) {
            case 0:
                throw std::runtime_error("handler failed");
            case 1:
                throw std::bad_alloc();
            case 2:
                AfxThrowResourceException();
            default:
                throw 42;
        }
    }
    int OnCreate(LPCREATESTRUCT) { throw std::runtime_error("cannot create"); }

protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Thrower, CWnd)
ON_MESSAGE(WM_THROW, &Thrower::OnThrow)
END_MESSAGE_MAP()

class FailsToCreate : public Thrower {
protected:
    DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FailsToCreate, Thrower)
ON_WM_CREATE()
END_MESSAGE_MAP()

TEST(Exceptions, EachKindEndsOnlyTheMessageThatRaisedIt) {
    Thrower wnd;
    ASSERT_TRUE(CreateTestWindow(wnd));
    for (WPARAM kind = 0; kind < 4; kind++) {
        EXPECT_EQ(wnd.SendMessage(WM_THROW, kind), 0) << kind;
    }
    wnd.SetWindowText("still here");
    EXPECT_EQ(wnd.GetWindowText(), "still here");
}

class FailsToSubclass : public CWnd {
public:
    void PreSubclassWindow() override { throw std::runtime_error("cannot take it"); }
};

TEST(Exceptions, AWindowWhoseCreationOrSubclassingRaisesIsNotCreatedNorLeft) {
    const int nBefore = CountThreadWindows();
    FailsToCreate wnd;
    EXPECT_FALSE(CreateTestWindow(wnd));
    EXPECT_EQ(wnd.m_hWnd, nullptr);
    FailsToSubclass other;
    EXPECT_FALSE(CreateTestWindow(other));
    EXPECT_EQ(other.m_hWnd, nullptr);
    EXPECT_EQ(CountThreadWindows(), nBefore);
}

// Its first piece of idle work raises; the second ends the loop.
class IdleThrower : public CWinApp {
public:
    BOOL OnIdle(LONG) override {
        if (m_nCalls++ == 0) throw std::bad_alloc();
        ::PostQuitMessage(0);
        return FALSE;
    }
    int m_nCalls = 0;
};

TEST(Exceptions, IdleWorkThatRaisesEndsOnlyThatPieceOfWork) {
    IdleThrower app;
    EXPECT_EQ(app.Run(), 0);
    EXPECT_EQ(app.m_nCalls, 2);
}

}  // namespace
