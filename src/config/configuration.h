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

  // Text output
  int printerPort = 1;               // "Druckerschnittstelle" 1..4 = LPT1..LPT4
  int separatorStyle = 2;            // "Mode für Textausdruck 1:* 2:-" 1..4
  int linesPerPage = 66;             // "Zeilen pro Seite für Drucker"
  std::string textProgram = "C:\\WINDOWS\\WRITE.EXE";  // "Textprogramm"
  int headerSpaceLines = 0;          // "Header Space Lines"
  int textDevice = 1;                // "Text Device": default output target
  bool askTextDevice = false;        // "Text Device Window ?"
  std::string htmlBrowser = "c:\\Programme\\Internet Explorer\\Iexplore.exe";  // "HTML Browser"
  int textWindowLeft = 10, textWindowTop = 40, textWindowWidth = 700, textWindowHeight = 440;
  int printoutHeader = 1;            // "printout with header=1, header page 1 only=2"
  std::string textFontPrintout = "Courier New";  // "Text Font Printout"
  int textSizePrintout = 10;         // "Text Size Printout"
  int textStylePrintout = 0;         // "Text Style Printout"
  int spreadsheetDecimalSeparator = 2;  // 1 "English x.xx", 2 "German x,xx"
};

NumberFormat NumberFormatOf(const Configuration& config);
UnitSystem UnitSystemOf(const Configuration& config);

}  // namespace kalo
