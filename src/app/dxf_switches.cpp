#include "app/dxf_switches.h"

#include "context/context.h"
#include "dxf/dxf_drawing.h"
#include "help/message_boxes.h"

namespace kalo {

bool IsDxfSwitch(const std::string& argument) {
  std::string key = DxfNameKey(argument);
  return key.starts_with("/AXIS=") || key.starts_with("/UNITS=");
}

bool DxfSwitchesOf(const std::vector<std::string>& arguments, DxfLoopChoice choice, DxfImportOptions& options,
                   std::string& error) {
  options = DxfImportOptions(choice);
  for (size_t i = 1; i < arguments.size(); ++i) {
    std::string key = DxfNameKey(arguments[i]);
    std::string value = arguments[i].substr(arguments[i].find('=') + 1);
    if (key.starts_with("/AXIS=")) {
      std::string axis = DxfNameKey(value);
      if (axis == "X") options.axis = DxfAxisChoice::X;
      if (axis == "Y") options.axis = DxfAxisChoice::Y;
      if (!options.axis) {
        error = "unbekannte Achse " + arguments[i] + "; /AXIS=x oder /AXIS=y";
        return false;
      }
    } else if (key.starts_with("/UNITS=")) {
      options.units = DxfUnitChoiceOf(value);
      if (!options.units) {
        error = "unbekannte Einheit " + arguments[i] + "; /UNITS=mm, /UNITS=in oder /UNITS=m";
        return false;
      }
    }
  }
  return true;
}

std::vector<std::string> DxfSwitchUsageLines() {
  return {
      "",
      "For a DXF drawing (FILE.dxf), after the file name:",
      "/AXIS=x  -> the drawing's x axis is the body's axis; /AXIS=y: its y axis (turned)",
      "/UNITS=mm|in|m -> the drawing's unit, instead of its $INSUNITS",
      "Without them the axis and unit are found by rules; the report, the JSON \"messages\"",
      "and the window's status line say which rule decided.",
  };
}

bool ImportDrawingAsSwitched(Context& context, const std::string& fileName, DxfLoopChoice choice) {
  DxfImportOptions options;
  std::string error;
  if (DxfSwitchesOf(context.state.arguments, choice, options, error)) return ImportDxfContour(context, fileName, options);
  ErrorBox(context, error);
  context.state.cancel = true;
  return false;
}

}  // namespace kalo
