// Colour arithmetic of the owner-drawn buttons. Colours are 0x00BBGGRR values,
// as the system keeps them. Portable: no <windows.h>.
#pragma once

#include <cstdint>

// The colour lightened by up to 30 in each part, by the same amount in all three
// so that the shade is kept and no part passes 255.
uint32_t LightenColour(uint32_t colour);

// The grey level of a colour: 0.299 red + 0.587 green + 0.114 blue, truncated.
uint8_t GreyLevel(uint8_t red, uint8_t green, uint8_t blue);
