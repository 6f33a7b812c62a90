#pragma once
// All user settings of the program, with their initial values.
#include <string>

#include "report/number_format.h"
#include "report/units.h"

namespace kalo {

struct Configuration {
  int helpLevel = 1;                 // "Hilfegrad" 0..2
  int decimals = 3;                  // "Dezimalstellen"
  std::string tempDirectory;         // "Ordner für temporäre Dateien"
  std::string pltDirectory;          // "PLT Ordner"
  int decimalSeparator = 1;          // "Dot=1 Komma=2"
  std::string defaultDataDirectory;  // "Default Data Directory"
  int dateCode = 1;                  // "Date Code" 1..4
  int units = 0;                     // "Metric Units=0,  English units=1"
  bool archiveMode = false;          // "Archive Flag ?"
  std::string releaseCaption;        // caption of the fourth signature row ("Freigabefeld")
  int specialCharacters = 0;         // 0 "²  µ  °", 1 "2  u  deg"
};

NumberFormat NumberFormatOf(const Configuration& config);
UnitSystem UnitSystemOf(const Configuration& config);

}  // namespace kalo
