#pragma once
// Values as the IGES file writes them: numbers, Hollerith strings and colour numbers.
#include <string>

namespace kalo {

// Fixed point with `decimals` shifted by the configured "Dezimalstellen" (kept within
// 0..10); magnitudes below 1e-8 are 0; always "." as separator. Coordinates use 3
// decimals, angles, sines and cosines 6.
std::string IgesNumber(long double value, int decimals, int configuredDecimals);

// Count, "H", text: 4HFILE.
std::string Hollerith(const std::string& text);

// The IGES colour number of an AutoCAD colour index; indexes from 16 on are folded
// (index mod 16), negative ones have no colour.
int IgesColour(int colourIndex);

}  // namespace kalo
