#pragma once
// The number and group code lines of DXF files, shared by the CAD writers.
#include <string>

namespace kalo {

struct Configuration;
struct NumberFormat;

// "Decimals DXF,TXT": 1..32, any other value reads as 6.
int CadDecimals(const Configuration& config);

// The group code right-aligned in three characters: " 10", "  0".
std::string DxfGroupCode(int code);
// Fixed-point with the given decimals, always ".".
std::string DxfFixed(long double value, int decimals);
// The short form of text widths and angles: "0" below 0.00001; four significant digits from
// 1 on, three decimals from 0.01 to 1 and one more for every further leading zero; trailing
// zeros (and a bare point) removed; the decimals then shifted by the configured
// "Dezimalstellen" minus 3. 1.0 gives "1", 0.7 gives "0.7", 90.0 gives "90".
std::string DxfCompact(long double value, const NumberFormat& format);

// An arc from start to end (degrees) that is a whole circle: equal ends, or 0 to 360, or
// 360 to 0 (differences below 1e-5).
bool IsFullCircle(long double startAngle, long double endAngle);

}  // namespace kalo
