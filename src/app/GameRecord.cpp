#include "GameRecord.h"

#include <cstring>
#include <stdexcept>

namespace {

void PutLittleEndian(uint8_t* p, uint32_t value) {
    p[0] = static_cast<uint8_t>(value);
    p[1] = static_cast<uint8_t>(value >> 8);
    p[2] = static_cast<uint8_t>(value >> 16);
    p[3] = static_cast<uint8_t>(value >> 24);
}

uint32_t GetLittleEndian(const uint8_t* p) {
    return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

GameRecord::GameRecord(uint32_t code, uint32_t size)
    : hwndSender(0), dwReserved(0), nCode(code), cbSize(size), payload{} {
    if (size < 16 || size > kMaxSize) throw std::length_error("game record size");
}

void GameRecord::SetWord(size_t offset, uint32_t value) {
    if (offset < 16 || offset + 4 > cbSize) throw std::out_of_range("game record offset");
    PutLittleEndian(payload + (offset - 16), value);
}

uint32_t GameRecord::GetWord(size_t offset) const {
    if (offset < 16 || offset + 4 > cbSize) throw std::out_of_range("game record offset");
    return GetLittleEndian(payload + (offset - 16));
}

GameRecord MakeLauncherClosingRecord(uint32_t hwndFrame) {
    GameRecord record(GR_LAUNCHER_CLOSING, 52);
    record.SetWord(32, hwndFrame);
    record.SetWord(36, 2);
    return record;
}

GameRecord MakeKeepAliveRecord() {
    return GameRecord(GR_KEEP_ALIVE, 32);
}

GameRecord MakePageGeometryRecord(uint32_t hwndPage, uint32_t width, uint32_t height) {
    GameRecord record(GR_PAGE_GEOMETRY, 52);
    record.SetWord(32, hwndPage);
    record.SetWord(36, width);
    record.SetWord(40, height);
    record.SetWord(44, width);
    record.SetWord(48, height);
    return record;
}

bool ReadRecordCode(const void* pData, size_t cbData, uint32_t* pCode) {
    if (!pData || cbData < 12) return false;
    uint8_t code[4];
    std::memcpy(code, static_cast<const uint8_t*>(pData) + 8, 4);
    *pCode = GetLittleEndian(code);
    return true;
}
