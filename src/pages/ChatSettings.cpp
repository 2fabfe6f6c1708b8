#include "ChatSettings.h"

GameRecord MakeChatSettingsRecord(const ChatSettings& settings) {
    GameRecord record(GR_CHAT_SETTINGS, 84);
    record.SetWord(32, settings.bUseColor);
    record.SetWord(36, settings.bBlink);
    record.SetWord(40, settings.bDrift);
    record.SetWord(44, settings.crColor);
    record.SetWord(48, settings.bFullScreenBarrage);
    return record;
}
