// The page header of the text output channel in its three forms: a framed block for text
// targets, a few plain lines for spreadsheet text, and the document head for HTML.
#include <cstdio>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "output/line_layout.h"
#include "output/output_targets.h"
#include "output/text_output.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

constexpr size_t kFramedLineLength = 72;
constexpr size_t kContentColumn = 6;
constexpr size_t kFullPathLimit = 70;

std::string TwoDigits(int number) { return RightAligned(std::to_string(number), 2); }

std::string TimeText(const DateTime& now) {
  char text[16];
  std::snprintf(text, sizeof text, "%d:%02d", now.hour, now.minute);
  return text;
}

// Header texts 2 to 4 always have a line, text 5 only when it is not empty.
bool HeaderTextShown(const TextChannel& channel, size_t index) {
  return index + 1 < kHeaderTextCount || !channel.headerTexts[index].empty();
}

std::string PageNumberText(int page, int total) {
  return "Bl." + TwoDigits(page) + (total > 0 ? "/" + TwoDigits(total) : "");
}

}  // namespace

std::string TextOutput::FramedLine(const std::string& content) const {
  std::string line(kFramedLineLength, ' ');
  char frame = FrameCharacter(context_.config.separatorStyle);
  line[0] = frame;
  line[kSeparatorLength - 1] = frame;
  if (!content.empty()) PutAt(line, kContentColumn, content);
  return line;
}

std::string TextOutput::CurrentFileLine() const {
  const ProgramState& state = context_.state;
  if (state.currentFileName.empty()) return kUnnamedBody;
  std::string file = NameInCp850(state.currentFileName + "." + kDataFileExtension);
  if (state.commandLineFile) return file;
  std::string full = NameInCp850(state.dataDirectory) + file;
  return full.size() < kFullPathLimit ? full : file;
}

void TextOutput::PageHeader(const std::string& tableHead) {
  if (!Writing()) return;
  ++channel_.page;
  if (IsTextTarget()) {
    TextPageHeader(tableHead);
  } else if (channel_.page == 1 && IsTabTarget()) {
    TabPageHeader();
  } else if (channel_.page == 1 && IsHtmlTarget()) {
    HtmlPageHeader();
  }
}

void TextOutput::TextPageHeader(const std::string& tableHead) {
  if (channel_.pauseAfterPage && !AskYesNo(context_, "Blatt in Drucker einlegen.  Fortfahren ?")) {
    context_.state.cancel = true;
    return;
  }
  bool wasInHeader = channel_.inPageHeader;
  channel_.inPageHeader = true;
  SeparatorStyle style = context_.config.separatorStyle;
  for (int i = 0; i < context_.config.headerSpaceLines; ++i) Line("");
  Line(SeparatorLine(SeparatorKind::BoxTop, style));

  std::string title = FramedLine(channel_.headerTexts[0]);
  PutAt(title, channel_.pageTotal > 0 ? 60 : 64, PageNumberText(channel_.page, channel_.pageTotal));
  Line(title);
  std::string dateLine = FramedLine("");
  PutAt(dateLine, 53, context_.Today());
  PutAt(dateLine, 64, TimeText(context_.clock.Now()));
  Line(dateLine);
  Line(FramedLine(CurrentFileLine()));

  Line(SeparatorLine(SeparatorKind::BoxMiddle, style));
  for (size_t i = 1; i < kHeaderTextCount; ++i)
    if (HeaderTextShown(channel_, i)) Line(FramedLine(channel_.headerTexts[i]));
  if (tableHead.empty()) {
    Line(SeparatorLine(SeparatorKind::BoxBottom, style));
  } else {
    Line(SeparatorLine(SeparatorKind::BoxMiddle, style));
    Line(FramedLine(tableHead));
  }
  channel_.inPageHeader = wasInHeader;
}

void TextOutput::TabPageHeader() {
  Line(channel_.headerTexts[0] + " " + context_.Today() + "\t" + TimeText(context_.clock.Now()));
  Line(NameInCp850(channel_.name));
  for (size_t i = 1; i < kHeaderTextCount; ++i)
    if (HeaderTextShown(channel_, i)) Line(channel_.headerTexts[i]);
  Line(" ");
}

void TextOutput::HtmlPageHeader() {
  const std::string& title = channel_.headerTexts[0];
  Markup("<!-- " + NameInCp850(channel_.name) + " -->");
  Markup("<HTML>");
  Markup("<head><title>" + title + "</title></head>");
  Markup("<BODY BGCOLOR=\"#C0C0C0\">");
  Markup("<hr>");
  Markup("<h4>" + title + "</h4>");
  for (size_t i = 1; i < kHeaderTextCount; ++i)
    if (!channel_.headerTexts[i].empty()) Markup("<h5>" + channel_.headerTexts[i] + "</h5>");
  Markup("<hr>");
}

}  // namespace kalo
