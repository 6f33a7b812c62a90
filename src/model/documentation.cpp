#include "model/documentation.h"

namespace kalo {

void DrawingInformation::StartValues(const std::string& today) {
  *this = DrawingInformation{};
  drawn.date = today;
  inspected.date = today;
  standards.date = today;
}

void DrawingInformation::NewDrawing(const std::string& today) {
  replaces.clear();
  replacedBy.clear();
  drawn = {today, ""};
  inspected = {};
  standards = {};
  fourth = {};
}

}  // namespace kalo
