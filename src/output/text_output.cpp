#include "output/text_output.h"

#include <vector>

#include "context/context.h"
#include "output/line_layout.h"
#include "output/output_targets.h"
#include "platform/paths.h"

namespace kalo {
namespace {

constexpr const char* kLineIndent = "       ";
constexpr const char* kFormFeed = "\f";

// Numbers of spreadsheet files carry the spreadsheet's own decimal separator.
std::string SpreadsheetNumber(std::string value, DecimalSeparator separator) {
  bool dot = separator == DecimalSeparator::Dot;
  char from = dot ? ',' : '.', to = dot ? '.' : ',';
  for (char& c : value)
    if (c == from) c = to;
  return value;
}

}  // namespace

const std::vector<std::string>& TextTargetChoices() {
  static const std::vector<std::string> choices = {
      "Bildschirm", "Textdrucker", "Datei", "Windows-Drucker", "externes Textprogramm",
      "TXT File (Excel, QPRO ...)", "HTML File (Netscape, Internet Explorer ...)"};
  return choices;
}

TextOutput::TextOutput(Context& context) : context_(context), channel_(context.textChannel) {}

void TextOutput::SetHeaderTexts(const std::array<std::string, kHeaderTextCount>& texts, int pageTotal) {
  for (size_t i = 0; i < texts.size(); ++i) channel_.headerTexts[i] = texts[i].substr(0, kHeaderTextLength);
  channel_.pageTotal = pageTotal;
  channel_.page = 0;
  channel_.line = 0;
}

bool TextOutput::IsTextTarget() const {
  return (channel_.target >= kTargetScreen && channel_.target <= kTargetTextProgram) ||
         channel_.target == kTargetDosFile;
}

bool TextOutput::IsTabTarget() const {
  return channel_.target == kTargetSpreadsheet || channel_.target == kTargetBatch;
}

bool TextOutput::Writing() const { return channel_.open && !context_.state.cancel; }

bool TextOutput::ChooseTarget(int kind) {
  if (kind == kKeepTarget) return true;
  if (kind != 0) {
    channel_.target = kind;
    return true;
  }
  channel_.target = context_.config.textDevice;
  if (!context_.config.askTextDevice) return true;
  int index = channel_.target >= 1 && channel_.target <= kTargetHtml ? channel_.target - 1 : 0;
  if (!context_.ui.AskChoice("Ausgabe auf ..", TextTargetChoices(), index)) {
    context_.state.cancel = true;
    return false;
  }
  channel_.target = index + 1;
  return true;
}

bool TextOutput::Open(int kind, const std::string& name) {
  channel_.open = false;
  channel_.lines.clear();
  channel_.page = 0;
  channel_.line = 0;
  channel_.pauseAfterPage = false;
  channel_.htmlTableOpen = false;
  channel_.inPageHeader = false;
  channel_.name = name.empty() ? BodyFileName(context_, "txt") : name;
  if (FileNameOf(channel_.name).find('.') == std::string::npos) channel_.name += ".txt";
  if (!ChooseTarget(kind) || !PrepareTarget(context_, channel_)) return false;
  channel_.open = true;
  return true;
}

bool TextOutput::Close() {
  if (!channel_.open) return false;
  if (IsHtmlTarget()) {
    CloseHtmlTable();
    Markup("</BODY>");
    Markup("</HTML>");
  }
  if (channel_.target == kTargetTextPrinter && context_.config.printoutHeader == PrintoutHeader::FirstPageOnly) Emit(kFormFeed);
  channel_.open = false;
  bool finished = !context_.state.cancel && FinishTarget(context_, channel_);
  if (!finished) context_.state.cancel = true;
  channel_.lines.clear();
  return finished;
}

void TextOutput::Emit(const std::string& line) {
  if (Writing()) channel_.lines.push_back(line);
}

void TextOutput::Line(const std::string& text) {
  if (!Writing() || text == kOmitMarker) return;
  if (IsHtmlTarget()) {
    CloseHtmlTable();
    Emit("<br>" + WindowText(context_, text));
  } else if (IsTabTarget()) {
    Emit(text);
  } else if (IsTextTarget()) {
    if (++channel_.line >= context_.config.linesPerPage && !channel_.inPageHeader) {
      PageBreak();
      ++channel_.line;
    }
    Emit(kLineIndent + text);
  }
}

void TextOutput::Markup(const std::string& html) {
  if (IsHtmlTarget()) Emit(WindowText(context_, html));
}

void TextOutput::Separator(SeparatorKind kind) {
  if (IsTextTarget()) Line(SeparatorLine(kind, context_.config.separatorStyle));
}

void TextOutput::ResultLine(const std::string& label, const std::string& symbol, const std::string& unit,
                            const std::string& value) {
  if (IsTabTarget()) {
    Line(label + "\t" + symbol + "\t" + unit + "\t" +
         SpreadsheetNumber(value, context_.config.spreadsheetDecimalSeparator));
  } else if (IsHtmlTarget()) {
    if (!channel_.htmlTableOpen) Markup("<TABLE BORDER = \"2\" WIDTH= \"100%\">");
    channel_.htmlTableOpen = true;
    Markup("<TR><TD>" + label + "</TD><TD>" + symbol + "</TD><TD>" + unit + "</TD><TD><DIV ALIGN=RIGHT>" + value +
           "</DIV></TD></TR>");
  } else {
    Line(ResultLineText(label, symbol, unit, value));
    if (context_.config.separatorStyle != SeparatorStyle::Compressed) Separator(SeparatorKind::Thin);
  }
}

void TextOutput::CloseHtmlTable() {
  if (!channel_.htmlTableOpen) return;
  channel_.htmlTableOpen = false;
  Markup("</TABLE>");
}

void TextOutput::EndPage() {
  if (!IsTextTarget()) return;
  if (context_.config.separatorStyle == SeparatorStyle::Compressed && channel_.line * 2 < context_.config.linesPerPage) return;
  int target = channel_.target;
  if (target == kTargetScreen || target == kTargetWindowsPrinter || target == kTargetTextPrinter) Emit(kFormFeed);
  channel_.line = 0;
  if (target == kTargetTextPrinter && Writing()) SendToPrinterPort(context_, channel_);
}

void TextOutput::PageBreak() {
  channel_.inPageHeader = true;
  if (context_.config.printoutHeader == PrintoutHeader::FirstPageOnly) {
    Emit(kFormFeed);
    channel_.line = 0;
  } else {
    EndPage();
    if (context_.config.printoutHeader == PrintoutHeader::EveryPage) {
      PageHeader();
      Line("");
    }
  }
  channel_.inPageHeader = false;
}

}  // namespace kalo
