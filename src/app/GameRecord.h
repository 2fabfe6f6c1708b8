// The record the launcher and the game exchange inside WM_COPYDATA: a 16-byte
// header (sender window, 0, code, total size) and a payload of 32-bit words, all
// little-endian. Window handles travel as their 32-bit values.
#pragma once

#include <cstddef>
#include <cstdint>

enum GameRecordCode : uint32_t {
    GR_LAUNCHER_CLOSING = 2,
    GR_KEEP_ALIVE = 3,
    GR_PAGE_GEOMETRY = 5,
    GR_GAME_READY = 8,
    GR_CHAT_SETTINGS = 9,
};

struct GameRecord {
    static constexpr size_t kMaxSize = 84;

    uint32_t hwndSender;
    uint32_t dwReserved;
    uint32_t nCode;
    uint32_t cbSize;
    uint8_t payload[kMaxSize - 16];

    // an all-zero record of the given code and size (at most kMaxSize)
    GameRecord(uint32_t code, uint32_t size);

    // the 32-bit word at a byte offset of the record (offset >= 16, within cbSize)
    void SetWord(size_t offset, uint32_t value);
    uint32_t GetWord(size_t offset) const;
};

static_assert(sizeof(GameRecord) == GameRecord::kMaxSize, "no padding in a record");
static_assert(offsetof(GameRecord, nCode) == 8 && offsetof(GameRecord, payload) == 16,
              "header layout");

// The launcher's records, laid out as the game expects them.
GameRecord MakeLauncherClosingRecord(uint32_t hwndFrame);
GameRecord MakeKeepAliveRecord();
GameRecord MakePageGeometryRecord(uint32_t hwndPage, uint32_t width, uint32_t height);

// The code of data received from the game; false when it is too short to hold one.
bool ReadRecordCode(const void* pData, size_t cbData, uint32_t* pCode);
