#pragma once
// The views of the contour by their numbers in the menus, the command line and the
// configuration.

namespace kalo {

enum class ViewNumber : int {
  Choose = 0,  // the view choice
  GeometryWithTable = 1,
  Geometry1 = 2,
  Table = 3,
  Geometry2 = 4,
  DrawingSheet = 5,
  Polyline = 6,
};

// The view's number in the menus and in /CADi:j.
constexpr int NumberOf(ViewNumber view) { return static_cast<int>(view); }
// Whether a number names a view, the choice among them included.
constexpr bool IsViewNumber(int number) {
  return number >= NumberOf(ViewNumber::Choose) && number <= NumberOf(ViewNumber::Polyline);
}

}  // namespace kalo
