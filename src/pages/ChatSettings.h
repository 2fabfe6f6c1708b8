// The tools page's chat settings and the record that carries them to the game.
#pragma once

#include <cstdint>

#include "GameRecord.h"

struct ChatSettings {
    uint32_t bUseColor = 0;
    uint32_t bBlink = 0;
    uint32_t bDrift = 0;
    uint32_t crColor = 0x00FFFFFF;  // 0x00BBGGRR, white at start
    uint32_t bFullScreenBarrage = 0;
};

// The 84-byte chat-settings record; the sender is left for the game link to fill in.
GameRecord MakeChatSettingsRecord(const ChatSettings& settings);
