#pragma once
// The state of the text output channel: which target the lines go to, the page layout
// counters and the lines of the output that is open. It lives in the program context;
// src/report/text_output.h writes through it.
#include <array>
#include <string>
#include <vector>

namespace kalo {

enum TextTarget {
  kTargetScreen = 1,         // "Bildschirm": the text window
  kTargetTextPrinter = 2,    // "Textdrucker": the printer port
  kTargetFile = 3,           // "Datei"
  kTargetWindowsPrinter = 4, // "Windows-Drucker"
  kTargetTextProgram = 5,    // "externes Textprogramm"
  kTargetSpreadsheet = 6,    // "TXT File (Excel, QPRO ...)"
  kTargetHtml = 7,           // "HTML File (Netscape, Internet Explorer ...)"
  kTargetDosFile = 8,        // "OUTDOS.TXT"
  kTargetBatch = 9,          // the /I command line chain
};

// Open(kind) with this kind keeps the current target.
inline constexpr int kKeepTarget = 90;
inline constexpr int kHeaderTextCount = 5;
inline constexpr size_t kHeaderTextLength = 65;

struct TextChannel {
  int target = kTargetScreen;
  bool open = false;
  std::string name;        // output name given to Open, such as "welle.txt"
  std::string outputPath;  // the file the lines are written to on close
  std::vector<std::string> lines;  // lines not yet written, as they go into the file

  std::array<std::string, kHeaderTextCount> headerTexts;
  int pageTotal = 0;  // 0: not known
  int page = 0;       // page headers written in this output
  int line = 0;       // lines on the current page
  bool inPageHeader = false;
  bool pauseAfterPage = false;  // text printer: wait for a new sheet after each page
  bool htmlTableOpen = false;
  int fileCounter = 0;  // numbers the spreadsheet and batch text files
};

}  // namespace kalo
