#include "RecordView.h"

namespace {

constexpr int kLargestSide = 32767;

int sideFrom(std::uint32_t word) {
    auto value = static_cast<std::int32_t>(word);
    if (value < 0) return 0;
    return value > kLargestSide ? kLargestSide : value;
}

}  // namespace

RecordView::RecordView(const void* data, std::size_t size)
    : data_(static_cast<const unsigned char*>(data)), size_(data ? size : 0) {}

std::optional<std::uint32_t> RecordView::wordAt(std::size_t offset) const {
    if (offset > size_ || size_ - offset < 4) return std::nullopt;
    const unsigned char* p = data_ + offset;
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

std::vector<std::uint32_t> RecordView::words() const {
    std::vector<std::uint32_t> result;
    result.reserve(size_ / 4);
    for (std::size_t offset = 0; offset + 4 <= size_; offset += 4)
        result.push_back(*wordAt(offset));
    return result;
}

std::optional<PageGeometry> RecordView::pageGeometry() const {
    auto page = wordAt(32);
    auto width = wordAt(36);
    auto height = wordAt(40);
    if (code() != kPageGeometry || !page || !width || !height) return std::nullopt;
    return PageGeometry{*page, sideFrom(*width), sideFrom(*height)};
}
