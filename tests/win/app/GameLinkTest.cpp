// SendToGame: finding the game's window, delivering records, and ending the
// launcher when a record cannot be delivered.
#include <gtest/gtest.h>

#include <thread>

#include "GameLink.h"
#include "TestSupport.h"

namespace {

bool QuitPosted() {
    MSG msg;
    return ::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE) != FALSE;
}

class GameLink : public testing::Test {
protected:
    void SetUp() override {
        g_hGameWnd = nullptr;
        g_strGameWndClass.Empty();
        g_hLauncherWnd = reinterpret_cast<HWND>(0x1234);
        QuitPosted();
    }
    void TearDown() override {
        g_hGameWnd = nullptr;
        g_strGameWndClass.Empty();
        g_hLauncherWnd = nullptr;
    }
};

TEST_F(GameLink, NothingIsSentBeforeTheClassIsKnownOrTheWindowExists) {
    GameRecord record = MakeKeepAliveRecord();
    EXPECT_FALSE(SendToGame(nullptr, TRUE));
    {
        FakeGameWindow game;  // exists, but the link does not know what to look for
        EXPECT_FALSE(SendToGame(&record, TRUE));
        EXPECT_TRUE(game.m_records.empty());
    }
    g_strGameWndClass = "QOVEXPLATFORM";
    EXPECT_FALSE(SendToGame(&record, TRUE));  // no such window
    EXPECT_EQ(g_hGameWnd, nullptr);
    EXPECT_FALSE(QuitPosted());
}

TEST_F(GameLink, ARecordGoesToTheWindowOfTheClassWithTheSenderFilledIn) {
    FakeGameWindow game;
    g_strGameWndClass = "QOVEXPLATFORM";
    GameRecord record = MakePageGeometryRecord(0x55, 800, 600);
    EXPECT_TRUE(SendToGame(&record, TRUE));
    EXPECT_EQ(g_hGameWnd, game.Handle());
    EXPECT_TRUE(SendToGame(&record, FALSE));
    PumpPending();
    ASSERT_EQ(game.m_records.size(), 2u);
    for (const auto& r : game.m_records) {
        EXPECT_EQ(r.wParam, 0u);
        EXPECT_EQ(r.dwData, 0u);
        EXPECT_EQ(r.data.size(), 52u);
        EXPECT_EQ(r.Word(0), 0x1234u);
        EXPECT_EQ(r.Word(32), 0x55u);
        EXPECT_EQ(r.Word(48), 600u);
    }
    EXPECT_FALSE(QuitPosted());
}

TEST_F(GameLink, AWaitingRecordNotAnsweredMinusTwoEndsTheLauncher) {
    FakeGameWindow game;
    game.m_answer = 0;
    g_strGameWndClass = "QOVEXPLATFORM";
    GameRecord record = MakeKeepAliveRecord();
    EXPECT_TRUE(SendToGame(&record, TRUE));
    EXPECT_EQ(g_hGameWnd, nullptr);
    EXPECT_TRUE(QuitPosted());
}

TEST_F(GameLink, ANonWaitingRecordFailsOnlyForAVanishedWindow) {
    FakeGameWindow game;
    game.m_answer = 0;  // not read for records that do not wait
    g_strGameWndClass = "QOVEXPLATFORM";
    GameRecord record = MakePageGeometryRecord(1, 1, 1);
    EXPECT_TRUE(SendToGame(&record, FALSE));
    EXPECT_FALSE(QuitPosted());
    EXPECT_EQ(g_hGameWnd, game.Handle());

    game.Destroy();
    EXPECT_TRUE(SendToGame(&record, FALSE));
    EXPECT_EQ(g_hGameWnd, nullptr);
    EXPECT_TRUE(QuitPosted());
}

// The game's window on a thread of its own: busy (each record answered late) or
// hung (not reading its messages until this object goes).
class GameOnItsOwnThread {
public:
    explicit GameOnItsOwnThread(bool bHung) : m_thread([this, bHung] { Run(bHung); }) {
        ::WaitForSingleObject(m_hReady, 10000);
    }
    ~GameOnItsOwnThread() {
        ::SetEvent(m_hRelease);
        ::PostThreadMessageA(m_nThreadId, WM_QUIT, 0, 0);
        m_thread.join();
        ::CloseHandle(m_hReady);
        ::CloseHandle(m_hRelease);
    }
    HWND m_hWnd = nullptr;

private:
    void Run(bool bHung) {
        FakeGameWindow game;
        game.m_nAnswerDelayMs = 500;
        m_hWnd = game.Handle();
        m_nThreadId = ::GetCurrentThreadId();
        ::SetEvent(m_hReady);
        if (bHung) ::WaitForSingleObject(m_hRelease, INFINITE);
        MSG msg;
        while (::GetMessageA(&msg, nullptr, 0, 0) > 0) ::DispatchMessageA(&msg);
    }

    HANDLE m_hReady = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE m_hRelease = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    DWORD m_nThreadId = 0;
    std::thread m_thread;
};

TEST_F(GameLink, ANonWaitingRecordToABusyOrHungGameCountsAsDelivered) {
    g_strGameWndClass = "QOVEXPLATFORM";
    GameRecord record = MakePageGeometryRecord(1, 1, 1);
    for (bool bHung : {false, true}) {
        GameOnItsOwnThread game(bHung);
        g_hGameWnd = nullptr;
        EXPECT_TRUE(SendToGame(&record, FALSE));
        EXPECT_EQ(g_hGameWnd, game.m_hWnd) << bHung;
        EXPECT_FALSE(QuitPosted()) << bHung;
    }
}

TEST_F(GameLink, AWaitingRecordToAVanishedWindowEndsTheLauncher) {
    FakeGameWindow game;
    g_strGameWndClass = "QOVEXPLATFORM";
    GameRecord record = MakeKeepAliveRecord();
    EXPECT_TRUE(SendToGame(&record, TRUE));
    game.Destroy();
    EXPECT_TRUE(SendToGame(&record, TRUE));
    EXPECT_EQ(g_hGameWnd, nullptr);
    EXPECT_TRUE(QuitPosted());
}

}  // namespace
