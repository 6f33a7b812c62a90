#pragma once
// The one current body of revolution: its input, the values computed from it and its
// documentation.
#include <cstdint>
#include <string>

#include "model/contour.h"
#include "model/documentation.h"
#include "platform/real48.h"

namespace kalo {

inline constexpr long double kDefaultDensity = 7.8L;       // kg/dm³
inline constexpr long double kDefaultArcDivision = 5.0L;   // degrees
inline constexpr long double kMinDensity = 0.01L, kMaxDensity = 100;
inline constexpr long double kMinArcDivision = 0.1L, kMaxArcDivision = 30;

struct DrawingTexts {
  std::string name;           // "Zeichnungsname", 25 characters
  std::string name2;          // second line, 30 characters
  std::string number;         // "Zeichnungsnummer", 18 characters
  std::string remarks[3];     // "Zeile 1".."Zeile 3", 65 characters each

  bool operator==(const DrawingTexts&) const = default;
};

inline constexpr size_t kDrawingNameLength = 25;
inline constexpr size_t kDrawingName2Length = 30;
inline constexpr size_t kDrawingNumberLength = 18;
inline constexpr size_t kRemarkLength = 65;

// Section and mass values of the last successful calculation (mm, kg·m²).
struct BodyResults {
  long double A = 0, Sx = 0, Sy = 0, Ixx = 0, Iyy = 0, Ixy = 0, Ip = 0;
  long double xs = 0, ys = 0, Ixs = 0, Iys = 0, Ixys = 0, Ips = 0;
  long double alpha = 0, I1 = 0, I2 = 0, Jx = 0;
};

struct Body {
  Contour contour;
  long double rho = kDefaultDensity;
  Real48 arcDivisionAngle = kDefaultArcDivision;
  uint16_t materialRecord = 0;
  DrawingTexts texts;
  Documentation documentation;

  ContourPolygon polygon;
  Bounds bounds;
  BodyResults results;
  long double mass = 0;    // kg
  long double volume = 0;  // mm³

  // The state at program start: reset contour, default parameters, no results; the
  // documentation dated today.
  void Initialise(const std::string& today);
  void ClearDrawingTexts();
  // The values computed from a previous contour, which must not stay on show for this one.
  void ForgetResults();
};

}  // namespace kalo
