#pragma once

#include <cstdint>
#include <set>
#include <string>

// A set of record codes written as a comma-separated list ("3,9").
// Blanks around the numbers are allowed; anything that is not an unsigned
// decimal number is skipped.
class CodeList {
public:
    CodeList() = default;
    static CodeList parse(const std::string& text);

    bool empty() const { return codes_.empty(); }
    bool contains(std::uint32_t code) const { return codes_.count(code) != 0; }
    std::size_t size() const { return codes_.size(); }

private:
    std::set<std::uint32_t> codes_;
};
