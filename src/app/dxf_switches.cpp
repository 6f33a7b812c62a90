#include "app/dxf_switches.h"

#include <charconv>
#include <cmath>
#include <optional>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "dxf/dxf_drawing.h"
#include "model/length_entry.h"

namespace kalo {
namespace {

// "x", "y", or two points of the axis as "x1,y1,x2,y2" with decimal points.
std::optional<DxfAxisChoice> AxisOf(const std::string& value) {
  std::string key = DxfNameKey(value);
  if (key == "X") return DxfAxisChoice::X();
  if (key == "Y") return DxfAxisChoice::Y();
  long double numbers[4];
  const char* next = value.data();
  const char* end = value.data() + value.size();
  for (int k = 0; k < 4; ++k) {
    double number = 0;
    auto [stop, failure] = std::from_chars(next, end, number);
    if (failure != std::errc() || !std::isfinite(number) || std::fabs(number) > kLargestTypedLength) return std::nullopt;
    numbers[k] = number;
    if (k < 3 && (stop == end || *stop != ',')) return std::nullopt;
    next = k < 3 ? stop + 1 : stop;
  }
  if (next != end || (numbers[0] == numbers[2] && numbers[1] == numbers[3])) return std::nullopt;
  return DxfAxisChoice{{numbers[0], numbers[1]}, {numbers[2], numbers[3]}};
}

}  // namespace

bool IsDxfSwitch(const std::string& argument) {
  std::string key = DxfNameKey(argument);
  return key.starts_with("/AXIS=") || key.starts_with("/UNITS=");
}

Outcome DxfSwitchesOf(const std::vector<std::string>& arguments, DxfLoopChoice choice, DxfImportOptions& options) {
  options = DxfImportOptions(choice);
  for (size_t i = 1; i < arguments.size(); ++i) {
    std::string key = DxfNameKey(arguments[i]);
    std::string value = arguments[i].substr(arguments[i].find('=') + 1);
    if (key.starts_with("/AXIS=")) {
      options.axis = AxisOf(value);
      if (!options.axis)
        return Outcome::Failure("unbekannte Achse " + arguments[i] +
                                "; /AXIS=x, /AXIS=y oder /AXIS=x1,y1,x2,y2 (zwei verschiedene Punkte der Achse)");
    } else if (key.starts_with("/UNITS=")) {
      options.units = DxfUnitChoiceOf(value);
      if (!options.units) return Outcome::Failure("unbekannte Einheit " + arguments[i] + "; /UNITS=mm, /UNITS=in oder /UNITS=m");
    }
  }
  return Outcome::Done();
}

std::vector<std::string> DxfSwitchUsageLines() {
  return {
      "",
      "For a DXF drawing (FILE.dxf), after the file name:",
      "/AXIS=x  -> the drawing's x axis is the body's axis; /AXIS=y: its y axis (turned)",
      "/AXIS=x1,y1,x2,y2 -> the axis runs through these two points (drawing units)",
      "/UNITS=mm|in|m -> the drawing's unit, instead of its $INSUNITS",
      "Without them the axis and unit are found by rules; the report, the JSON \"messages\"",
      "and the window's status line say which rule decided.",
  };
}

Outcome ImportDrawingAsSwitched(Context& context, const std::string& fileName, DxfLoopChoice choice) {
  DxfImportOptions options;
  Outcome switched = DxfSwitchesOf(context.state.arguments, choice, options);
  return switched ? ImportDxfContour(context, fileName, options) : Refuse(context, switched.Message());
}

}  // namespace kalo
