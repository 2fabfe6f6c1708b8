#include "DemoSettings.h"

#include "SettingsSource.h"

namespace {

int notNegative(int value) {
    return value < 0 ? 0 : value;
}

}  // namespace

DemoSettings DemoSettings::read(const SettingsSource& source) {
    DemoSettings settings;
    settings.log = source.integer("log", 0) != 0;
    settings.readyDelayMs = notNegative(source.integer("ready_delay_ms", settings.readyDelayMs));
    settings.neverReady = source.integer("never_ready", 0) != 0;
    int count = source.integer("ready_count", settings.readyCount);
    settings.readyCount = count < 1 ? 1 : count;
    settings.answerZero = CodeList::parse(source.text("answer_zero"));
    settings.answerDelayMs = notNegative(source.integer("answer_delay_ms", 0));
    settings.delayCodes = CodeList::parse(source.text("delay_codes"));
    settings.exitAfterMs = notNegative(source.integer("exit_after_ms", 0));
    settings.exitOnClose = source.integer("exit_on_close", 1) != 0;
    return settings;
}
