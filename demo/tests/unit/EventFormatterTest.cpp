#include "EventFormatter.h"

#include <gtest/gtest.h>

#include <cstdint>

TEST(EventFormatter, WritesTheStart) {
    EXPECT_EQ(EventFormatter::start(u8"\"C:\\g\\Orbavel.exe\" 中文 HideWindows", 42, 65538),
              u8"{\"event\":\"start\",\"cmdline\":\"\\\"C:\\\\g\\\\Orbavel.exe\\\" 中文 "
              u8"HideWindows\",\"pid\":42,\"window\":65538}");
}

TEST(EventFormatter, WritesARecordWithItsWords) {
    const std::uint32_t words[4] = {0x10020, 0, 3, 16};
    RecordView record(words, sizeof(words));
    EXPECT_EQ(EventFormatter::record({0, 0, record, -2}),
              "{\"event\":\"record\",\"wParam\":0,\"dwData\":0,\"size\":16,\"code\":3,"
              "\"words\":[65568,0,3,16],\"answer\":-2}");
}

TEST(EventFormatter, WritesARecordWithoutACode) {
    RecordView record(nullptr, 0);
    EXPECT_EQ(EventFormatter::record({7, 9, record, 0}),
              "{\"event\":\"record\",\"wParam\":7,\"dwData\":9,\"size\":0,\"code\":null,"
              "\"words\":[],\"answer\":0}");
}

TEST(EventFormatter, WritesActivationReadyViewAndExit) {
    EXPECT_EQ(EventFormatter::activateApp(1, 0),
              "{\"event\":\"activateapp\",\"wParam\":1,\"lParam\":0}");
    const std::uint32_t ready[4] = {131074, 0, 8, 16};
    EXPECT_EQ(EventFormatter::ready(65568, RecordView(ready, sizeof(ready)), 1, -2),
              "{\"event\":\"ready\",\"target\":65568,\"sequence\":1,\"size\":16,\"code\":8,"
              "\"words\":[131074,0,8,16],\"answer\":-2}");
    EXPECT_EQ(EventFormatter::view("created", PageGeometry{65570, 1000, 660}, 131080),
              "{\"event\":\"view\",\"action\":\"created\",\"page\":65570,\"width\":1000,"
              "\"height\":660,\"window\":131080}");
    EXPECT_EQ(EventFormatter::exit("exit-after"), "{\"event\":\"exit\",\"reason\":\"exit-after\"}");
}
