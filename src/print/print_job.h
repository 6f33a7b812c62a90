#pragma once
// What the window side needs to print the graphics window, and the printer it prints on.
#include <string>

#include "context/print_settings.h"

namespace kalo {

class GraphWindow;

// One printout: the window's recorded drawing replayed onto a printer page placed by the
// settings, in the settings' orientation.
struct GraphicsPrintJob {
  GraphWindow& window;
  PrintSettings settings;
};

// The printer as its dialog shows it: name and page orientation.
struct PrinterChoice {
  std::string name;
  bool landscape = false;
};

}  // namespace kalo
