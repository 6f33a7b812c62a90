#include "report/text_printout.h"

#include <algorithm>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr char kFormFeed = '\f';
constexpr int kDefaultPointSize = 10;

bool StartsPage(const std::string& line) { return !line.empty() && line[0] == kFormFeed; }

bool HasText(const std::string& line) { return line.find_first_not_of(" \t") != std::string::npos; }

}  // namespace

int CountPages(const std::vector<std::string>& lines) {
  int formFeeds = 0;
  bool lastPageHasText = false;
  for (const std::string& line : lines) {
    if (StartsPage(line)) {
      ++formFeeds;
      lastPageHasText = false;
    } else if (HasText(line)) {
      lastPageHasText = true;
    }
  }
  return std::max(1, formFeeds + (lastPageHasText ? 1 : 0));
}

std::vector<PrintedPage> PagesToPrint(const std::vector<std::string>& lines, PageRange range) {
  int first = std::max(range.first, 1);
  int last = std::min({range.last, kLastPrintablePage, CountPages(lines)});
  std::vector<PrintedPage> pages;
  int page = 1, row = 0;
  auto inRange = [&] { return page >= first && page <= last; };
  if (inRange()) pages.push_back({page, {}});
  for (const std::string& line : lines) {
    if (StartsPage(line)) {
      ++page;
      row = 0;
      if (page > last) break;
      if (inRange()) pages.push_back({page, {}});
      continue;
    }
    if (inRange()) pages.back().lines.push_back({row, line});
    ++row;
  }
  return pages;
}

int PrinterLineHeight(int printablePageHeight, int linesPerPage) {
  return std::max(1, printablePageHeight / std::max(1, linesPerPage));
}

PrintoutFont PrintoutFontOf(const Configuration& config) {
  int style = config.textStylePrintout;
  return {config.textFontPrintout,
          config.textSizePrintout > 0 ? config.textSizePrintout : kDefaultPointSize,
          (style & 1) != 0,
          (style & 2) != 0,
          (style & 4) != 0,
          (style & 8) != 0};
}

bool ReadShownLines(Context& context, const std::string& path, bool windowCodePage, std::vector<std::string>& lines) {
  std::vector<std::string> fileLines;
  if (!ReadTextLines(path, fileLines)) {
    ErrorBox(context, path + " not found !");
    return false;
  }
  lines.clear();
  for (const std::string& line : fileLines) lines.push_back(AnsiToUtf8(windowCodePage ? line : Cp850ToAnsi(line)));
  return true;
}

}  // namespace kalo
