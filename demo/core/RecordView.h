#pragma once

#include "PageGeometry.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// Read-only view of a record exchanged with the launcher: 32-bit
// little-endian words, a 16-byte header (sender window, 0, code, size) and a
// payload that depends on the code. The data may be missing or too short for
// any field; every accessor copes with that.
class RecordView {
public:
    static constexpr std::uint32_t kLauncherClosing = 2;
    static constexpr std::uint32_t kKeepAlive = 3;
    static constexpr std::uint32_t kPageGeometry = 5;
    static constexpr std::uint32_t kGameReady = 8;
    static constexpr std::uint32_t kChatSettings = 9;

    RecordView(const void* data, std::size_t size);

    std::size_t size() const { return size_; }
    std::optional<std::uint32_t> wordAt(std::size_t offset) const;
    std::optional<std::uint32_t> sender() const { return wordAt(0); }
    std::optional<std::uint32_t> code() const { return wordAt(8); }
    std::vector<std::uint32_t> words() const;
    std::optional<PageGeometry> pageGeometry() const;

private:
    const unsigned char* data_;
    std::size_t size_;
};
