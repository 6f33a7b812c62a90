#pragma once
// The text output channel: every text report is written line by line through it, and the
// channel decides where the lines go (src/report/text_channel.h lists the targets), lays
// out pages with framed headers, separators and page breaks, and finishes the output on
// close. Report code never knows the target.
//
// Nothing is written while the cancel flag is set; a line that cannot be written sets it.
#include <array>
#include <string>
#include <vector>

#include "context/text_channel.h"
#include "output/separators.h"

namespace kalo {

struct Context;

// The names of the targets 1..7 that "Ausgabe auf .." offers.
const std::vector<std::string>& TextTargetChoices();

class TextOutput {
 public:
  explicit TextOutput(Context& context);

  // The five page header texts (text 1 is the title line), each cut to 65
  // characters, and the page total (0 = none); the page and line counters start again.
  void SetHeaderTexts(const std::array<std::string, kHeaderTextCount>& texts, int pageTotal = 0);

  // Opens an output named name (default: the current file name; ".txt" is added when it
  // has no extension). kind 0 takes the configured target or asks for it, kKeepTarget
  // keeps the current one, any other kind is the target. False when cancelled.
  bool Open(int kind, const std::string& name = "");
  // Writes the output and hands it over; true only when the output was written.
  bool Close();

  void PageHeader(const std::string& tableHead = "");
  void EndPage();
  void Line(const std::string& text);
  void Separator(SeparatorKind kind);
  void ResultLine(const std::string& label, const std::string& symbol, const std::string& unit,
                  const std::string& value);
  // A line of HTML markup in the window code page (HTML target only).
  void Markup(const std::string& html);

  int Target() const { return channel_.target; }
  bool IsTextTarget() const;
  bool IsTabTarget() const;
  bool IsHtmlTarget() const { return channel_.target == kTargetHtml; }
  bool Writing() const;

 private:
  void Emit(const std::string& line);
  void PageBreak();
  void CloseHtmlTable();
  bool ChooseTarget(int kind);
  void TextPageHeader(const std::string& tableHead);
  void TabPageHeader();
  void HtmlPageHeader();
  std::string FramedLine(const std::string& content) const;
  std::string CurrentFileLine() const;

  Context& context_;
  TextChannel& channel_;
};

}  // namespace kalo
