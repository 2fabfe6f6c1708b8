#include "DemoSettings.h"
#include "SettingsSource.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {

class MapSource : public SettingsSource {
public:
    explicit MapSource(std::map<std::string, std::string> values) : values_(std::move(values)) {}

    int integer(const char* key, int fallback) const override {
        auto found = values_.find(key);
        return found == values_.end() ? fallback : std::stoi(found->second);
    }
    std::string text(const char* key) const override {
        auto found = values_.find(key);
        return found == values_.end() ? std::string() : found->second;
    }

private:
    std::map<std::string, std::string> values_;
};

}  // namespace

TEST(DemoSettings, DefaultsToAWellBehavedGame) {
    DemoSettings settings = DemoSettings::read(MapSource({}));
    EXPECT_FALSE(settings.log);
    EXPECT_EQ(settings.readyDelayMs, 3000);
    EXPECT_FALSE(settings.neverReady);
    EXPECT_EQ(settings.readyCount, 1);
    EXPECT_TRUE(settings.answerZero.empty());
    EXPECT_EQ(settings.answerDelayMs, 0);
    EXPECT_TRUE(settings.delayCodes.empty());
    EXPECT_EQ(settings.exitAfterMs, 0);
    EXPECT_TRUE(settings.exitOnClose);
}

TEST(DemoSettings, ReadsEveryKey) {
    DemoSettings settings = DemoSettings::read(MapSource({{"log", "1"},
                                                          {"ready_delay_ms", "250"},
                                                          {"never_ready", "1"},
                                                          {"ready_count", "4"},
                                                          {"answer_zero", "3,9"},
                                                          {"answer_delay_ms", "700"},
                                                          {"delay_codes", "5"},
                                                          {"exit_after_ms", "1500"},
                                                          {"exit_on_close", "0"}}));
    EXPECT_TRUE(settings.log);
    EXPECT_EQ(settings.readyDelayMs, 250);
    EXPECT_TRUE(settings.neverReady);
    EXPECT_EQ(settings.readyCount, 4);
    EXPECT_TRUE(settings.answerZero.contains(3));
    EXPECT_TRUE(settings.answerZero.contains(9));
    EXPECT_EQ(settings.answerDelayMs, 700);
    EXPECT_TRUE(settings.delayCodes.contains(5));
    EXPECT_EQ(settings.exitAfterMs, 1500);
    EXPECT_FALSE(settings.exitOnClose);
}

TEST(DemoSettings, KeepsNumbersInRange) {
    DemoSettings settings = DemoSettings::read(MapSource({{"ready_delay_ms", "-5"},
                                                          {"ready_count", "0"},
                                                          {"answer_delay_ms", "-1"},
                                                          {"exit_after_ms", "-100"}}));
    EXPECT_EQ(settings.readyDelayMs, 0);
    EXPECT_EQ(settings.readyCount, 1);
    EXPECT_EQ(settings.answerDelayMs, 0);
    EXPECT_EQ(settings.exitAfterMs, 0);
}
