#include "solid/solid_contour_check.h"

#include <algorithm>
#include <cmath>

#include "calc/contour_check.h"
#include "model/body.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// Points this close to the axis (relative to the body's size) lie on it.
constexpr long double kRelativeTolerance = 1e-9L;

std::string Place(int element, const ContourElement& e) {
  NumberFormat format;
  return "Element " + std::to_string(element) + " (x = " + FormatSignificant(e.x, format) +
         ", y = " + FormatSignificant(e.y, format) + ")";
}

long double Size(const std::vector<ContourElement>& elements) {
  long double size = 0;
  for (const ContourElement& e : elements) size = std::max({size, std::fabs(e.x), std::fabs(e.y)});
  return size;
}

}  // namespace

std::vector<std::string> AxisProblems(const std::vector<ContourElement>& elements) {
  std::vector<std::string> problems;
  size_t n = elements.size();
  if (n < 2 || (n == 2 && elements[0].phi == 0)) return {Oem("Die Kontur umschließt keine Fläche")};
  long double tolerance = kRelativeTolerance * Size(elements);
  auto onAxis = [&](size_t i) { return std::fabs(elements[i % n].y) <= tolerance; };
  // The segment from point i to the next runs along the axis (the closing one is straight).
  auto alongAxis = [&](size_t i) { return onAxis(i) && onAxis(i + 1) && (elements[i].phi == 0 || i + 1 == n); };
  Contour contour;
  contour.count = static_cast<uint16_t>(std::min<size_t>(n, kMaxElements));
  for (int i = 1; i <= contour.count; ++i) contour[i] = elements[static_cast<size_t>(i - 1)];
  for (int element : CheckContour(contour, kDefaultArcDivision).belowAxis)
    problems.push_back(Place(element, elements[static_cast<size_t>(element - 1)]) +
                       (elements[static_cast<size_t>(element - 1)].y < 0 ? " liegt unter der Achse"
                                                                       : Oem(": der Bogen führt unter die Achse")));
  for (size_t i = 0; i < n; ++i) {
    int element = static_cast<int>(i) + 1;
    if (elements[i].y >= -tolerance && onAxis(i) && !alongAxis(i) && !alongAxis((i + n - 1) % n)) {
      problems.push_back(Place(element, elements[i]) +
                         Oem(": der Körper wird dort auf der Achse zu einem Punkt (Einschnürung ohne Breite)"));
    }
  }
  return problems;
}

}  // namespace kalo
