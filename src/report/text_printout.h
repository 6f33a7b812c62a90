#pragma once
// The rules of a text printout: which lines of a report go on which printed page and
// where, and the printer font the configuration asks for. The printer itself is driven
// by the window side.
#include <string>
#include <vector>

namespace kalo {

struct Configuration;
struct Context;

// Page numbers are held as a set of 0..255: pages above it are never printed.
inline constexpr int kLastPrintablePage = 255;

struct PageRange {
  int first = 1;
  int last = 1;
};

// A line of a printed page: row 0 is at the top, row n at n line heights below it.
struct PrintedLine {
  int row = 0;
  std::string text;
};

struct PrintedPage {
  int number = 1;
  std::vector<PrintedLine> lines;
};

// Lines starting with a form feed begin a new page. A last page that follows the last
// form feed counts when it holds any text; a report has at least one page.
int CountPages(const std::vector<std::string>& lines);

// The pages of the range, in order, each with its lines (form feed lines excluded). Every
// line of a page takes a row, whether it is printed or not.
std::vector<PrintedPage> PagesToPrint(const std::vector<std::string>& lines, PageRange range);

// Printable page height divided by "Zeilen pro Seite für Drucker"; at least one pixel.
int PrinterLineHeight(int printablePageHeight, int linesPerPage);

struct PrintoutFont {
  std::string name;  // as the window system names it
  int pointSize = 10;
  bool bold = false, italic = false, underline = false, strikeOut = false;
};

// "Text Font Printout", "Text Size Printout" and "Text Style Printout" (bits 1 bold,
// 2 italic, 4 underline, 8 strike-out): the font of the text window and of printouts.
PrintoutFont PrintoutFontOf(const Configuration& config);

// The lines of a report file as the window shows them (UTF-8). windowCodePage: the file
// is already in the window code page (outwin.txt); otherwise it is code page 850. A file
// that cannot be read shows its name + " not found !" and gives false.
bool ReadShownLines(Context& context, const std::string& path, bool windowCodePage, std::vector<std::string>& lines);

}  // namespace kalo
