#include "Records.h"
#include "RunningGame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::vector<std::string> kLogging = {"log=1", "never_ready=1", "exit_on_close=0"};

std::string wordList(const std::vector<std::uint32_t>& words) {
    std::string text;
    for (std::size_t i = 0; i < words.size(); ++i) {
        text += (i ? "," : "") + std::to_string(words[i]);
    }
    return text;
}

std::string utf8ToAnsi(const std::string& utf8) {
    wchar_t wide[256] = {};
    MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide, 256);
    char ansi[512] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof(ansi), nullptr, nullptr);
    return ansi;
}

}  // namespace

TEST(DemoGameLog, HoldsEveryWordOfARecord) {
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    auto words = Records::make(reinterpret_cast<HWND>(0x1234), 9, 84);
    words[8] = 1;
    words[11] = 0x00FF8040;
    words[20] = 0xFFFFFFFF;
    ASSERT_EQ(Records::send(game.window(), words), -2);
    const std::string expected =
        "{\"event\":\"record\",\"wParam\":0,\"dwData\":0,\"size\":84,"
        "\"code\":9,\"words\":[" +
        wordList(words) + "],\"answer\":-2}";
    EXPECT_EQ(game.log().WaitForText("\"code\":9"), expected);
}

TEST(DemoGameLog, HoldsRecordsTooShortForACode) {
    RunningGame game({"log=1", "never_ready=1", "answer_zero=3"});
    ASSERT_NE(game.window(), nullptr);
    const unsigned char bytes[7] = {1, 0, 0, 0, 2, 0, 0};
    ASSERT_EQ(Records::sendBytes(game.window(), bytes, sizeof(bytes)), -2);
    ASSERT_EQ(Records::sendBytes(game.window(), nullptr, 0), -2);
    EXPECT_EQ(game.log().WaitForText("\"size\":7"),
              "{\"event\":\"record\",\"wParam\":0,\"dwData\":0,\"size\":7,\"code\":null,"
              "\"words\":[1],\"answer\":-2}");
    EXPECT_EQ(game.log().WaitForText("\"size\":0"),
              "{\"event\":\"record\",\"wParam\":0,\"dwData\":0,\"size\":0,\"code\":null,"
              "\"words\":[],\"answer\":-2}");
}

TEST(DemoGameLog, HoldsTheCommandLineInUtf8) {
    const std::string argument = u8"中文参数 玩家";
    RunningGame game(kLogging, utf8ToAnsi(argument) + " " + RunningGame::kHandOff);
    ASSERT_NE(game.window(), nullptr);
    std::string start = game.log().WaitForText("\"event\":\"start\"");
    EXPECT_EQ(start.rfind("{\"event\":\"start\",\"cmdline\":\"\\\"", 0), 0u) << start;
    EXPECT_NE(
        start.find("Orbavel.exe\\\" " + argument + " HideWindows LauncherShellExecuteGame\","),
        std::string::npos)
        << start;
    EXPECT_NE(start.find("\"window\":" + std::to_string(Records::handleWord(game.window())) + "}"),
              std::string::npos)
        << start;
}

TEST(DemoGameLog, HoldsActivationNotices) {
    RunningGame game(kLogging);
    ASSERT_NE(game.window(), nullptr);
    SendMessageA(game.window(), WM_ACTIVATEAPP, 1, 0);
    SendMessageA(game.window(), WM_ACTIVATEAPP, 0, 0);
    EXPECT_FALSE(
        game.log().WaitForText("{\"event\":\"activateapp\",\"wParam\":1,\"lParam\":0}").empty());
    EXPECT_FALSE(
        game.log().WaitForText("{\"event\":\"activateapp\",\"wParam\":0,\"lParam\":0}").empty());
}

TEST(DemoGameLog, StaysEmptyUnlessAsked) {
    RunningGame game({"never_ready=1"});
    ASSERT_NE(game.window(), nullptr);
    ASSERT_EQ(Records::send(game.window(), Records::make(nullptr, 3, 32)), -2);
    EXPECT_TRUE(game.log().Lines().empty());
}
