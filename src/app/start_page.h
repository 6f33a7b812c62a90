#pragma once
// What the graphics window shows while there is no body: how to begin, the recent files and
// the program's example bodies, each to be opened with one click.
#include <string>
#include <vector>

namespace kalo {

struct Context;

struct StartPage {
  bool shown = false;  // no body: the contour has no elements
  std::vector<std::string> steps;     // how to begin, code page 850
  std::vector<std::string> recent;    // full paths, newest first
  std::vector<std::string> examples;  // full paths of the shipped example bodies, by name
};

StartPage CurrentStartPage(const Context& context);

}  // namespace kalo
