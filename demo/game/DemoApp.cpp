#include "DemoApp.h"

#include "DemoSettings.h"
#include "EventFormatter.h"
#include "EventLog.h"
#include "GameWindow.h"
#include "IniSettingsSource.h"
#include "MessageLoop.h"
#include "ModulePath.h"
#include "TextConversion.h"

#include <cstdint>

namespace {

DemoSettings loadSettings() {
    return DemoSettings::read(IniSettingsSource(ModulePath::ansiFolder() + "OrbavelDemo.ini"));
}

EventLog openLog(const DemoSettings& settings) {
    if (!settings.log) return EventLog();
    return EventLog::open(ModulePath::wideFolder() + L"OrbavelDemo.log");
}

}  // namespace

int DemoApp::run(HINSTANCE instance, int showCommand) {
    const DemoSettings settings = loadSettings();
    const EventLog log = openLog(settings);
    GameWindow game(instance, settings, log);
    if (!game.create()) return 1;
    log.write(EventFormatter::start(
        TextConversion::ansiToUtf8(GetCommandLineA()), GetCurrentProcessId(),
        static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(game.handle()))));
    game.start(showCommand);
    return MessageLoop::run();
}
