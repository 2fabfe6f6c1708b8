#include "ButtonColour.h"

#include <algorithm>

namespace {

constexpr int kLighten = 30;

int Part(uint32_t colour, int shift) {
    return static_cast<int>((colour >> shift) & 0xFF);
}

}  // namespace

uint32_t LightenColour(uint32_t colour) {
    int red = Part(colour, 0);
    int green = Part(colour, 8);
    int blue = Part(colour, 16);
    int amount = kLighten;
    for (int part : {red, green, blue}) amount = std::min(amount, 255 - part);
    return static_cast<uint32_t>(red + amount) | static_cast<uint32_t>(green + amount) << 8 |
           static_cast<uint32_t>(blue + amount) << 16;
}

uint8_t GreyLevel(uint8_t red, uint8_t green, uint8_t blue) {
    // in thousandths, so that the weights are exact and the result truncates
    return static_cast<uint8_t>((299 * red + 587 * green + 114 * blue) / 1000);
}
