#pragma once
// The settings of the graphics printout for this run: what the print dialog last
// confirmed, and the flag that is set while the graphics window paints onto the printer.
// The colour mode is the configuration's "Windows-Druckmodus (1=mono 2=color)" itself.
#include "context/configuration.h"

namespace kalo {

struct PrintSettings {
  long double scaleX = 1;  // 1: the window's width over the printable width
  long double scaleY = 1;  // 1: the window's height over the printable height
  int originX = 0;         // 1/210 of the printable width, from the left
  int originY = 0;         // 1/210 of the printable WIDTH, from the top
  bool border = false;
  bool landscape = false;
};

// The print preset is the view marker of the last drawing run: 0 none, 1 a diagram, 2 the
// drawing sheet, which prints with fixed settings.
inline constexpr int kFixedPrintPreset = 2;

// The values the print dialog opens with: the configured ones, or for the drawing sheet
// 1.9 by 1.0 from the top left corner, portrait and without border.
PrintSettings OpeningPrintSettings(const Configuration& config, int preset);

struct PrintState {
  PrintSettings settings;
  bool printing = false;
  int takenOverRecord = 0;  // physical number of the record last taken from "printout.dbf"
};

}  // namespace kalo
