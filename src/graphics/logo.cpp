// The program's emblem: the half-section of a stepped shaft above its dash-dot axis.
#include <array>

#include "graphics/graph_window.h"

namespace kalo {

namespace {

struct Quad {
  long double x1, y1, x2, y2, x3, y3, x4, y4;
};

constexpr int kSectionColour = 9;
constexpr int kAxisColour = 13;

// Journal, collar and shoulder, each a block with a chamfered edge.
constexpr std::array<Quad, 6> kSection = {{
    {1, 2, 9, 2, 9, 16, 1, 16},
    {1, 16, 9, 16, 9, 18, 3, 18},
    {9, 2, 25, 2, 25, 29, 9, 29},
    {9, 29, 25, 29, 23, 31, 11, 31},
    {25, 2, 36, 2, 36, 20, 25, 20},
    {25, 20, 36, 20, 34, 22, 25, 22},
}};

// Dashes and dots of the axis of rotation.
constexpr std::array<std::array<long double, 2>, 7> kAxisDashes = {{
    {-0.5L, 5.5L}, {7, 8}, {9.5L, 15.5L}, {17, 18}, {19.5L, 25.5L}, {27, 28}, {29.5L, 37.5L},
}};
constexpr long double kAxisBottom = 0.6L;
constexpr long double kAxisTop = 1.2L;

}  // namespace

void GraphWindow::DrawLogo() {
  Header(-1, -1, 38, 33);
  SetLineStyle(0);
  SetColor(kSectionColour);
  for (const Quad& q : kSection) Solid(q.x1, q.y1, q.x2, q.y2, q.x3, q.y3, q.x4, q.y4);
  SetColor(kAxisColour);
  for (const auto& [from, to] : kAxisDashes)
    Solid(from, kAxisBottom, to, kAxisBottom, to, kAxisTop, from, kAxisTop);
  MoveTo(0, 0);
}

}  // namespace kalo
