#pragma once
// What the graphics window shows while there is no body: how to begin, the recent files and
// the program's example bodies, each to be opened with one click.
#include <string>
#include <vector>

namespace kalo {

struct Context;

// Texts in code page 850.
struct StartPage {
  bool shown = false;  // no body: the contour has no elements
  std::string stepsHeading = "So beginnen Sie:";
  std::vector<std::string> steps;  // how to begin
  std::string recentHeading = "Zuletzt benutzt:";
  std::vector<std::string> recent;  // full paths, newest first
  std::string examplesHeading = "Beispiele:";
  std::vector<std::string> examples;  // full paths of the shipped example bodies, by name
};

StartPage CurrentStartPage(const Context& context);

}  // namespace kalo
