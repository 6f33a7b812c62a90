#include "views/drawing_frame.h"

#include <array>
#include <string_view>

#include "cad/block_files.h"
#include "cad/cad_driver.h"
#include "context/context.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"
#include "views/view_style.h"

namespace kalo {
namespace {

constexpr size_t kListedChanges = 8;
constexpr const char* kLogoBlock = "logo_1";  // the maker's logo, supplied from outside
constexpr long double kRowPitch = 4.2L;

struct SheetLine {
  long double x1, y1, x2, y2;
};

struct SheetText {
  std::string_view utf8;
  long double x, y;
};

constexpr SheetLine kTitleBlockDividers[] = {{73, 5, 73, 43}, {116, 5, 116, 43}, {73, 22, 205, 22}, {192, 9.4L, 192, 22}};
constexpr SheetLine kTitleBlockRules[] = {{26, 5, 26, 43},    {52, 5, 52, 43},       {65, 5, 65, 43},
                                          {82, 22, 82, 43},   {98, 22, 98, 43},      {73, 9.4L, 205, 9.4L},
                                          {160, 5, 160, 9.4L}, {192, 14, 205, 14}, {0, 148.5L, 15, 148.5L}};
constexpr SheetText kChangeHeadings[] = {{"Zust.", 19, 6}, {"Änderung", 30, 6}, {"Datum", 54, 6}, {"Name", 65.6L, 6}};
constexpr SheetText kSignatureHeadings[] = {{"Datum", 85, 39.8L},  {"Name", 100, 39.8L}, {"Bearb.", 74, 35.6L},
                                            {"Gepr.", 74, 31.4L},  {"Norm", 74, 27.2L},  {"Blatt", 194, 18},
                                            {"Bl.", 200, 10.4L}};
constexpr std::array<long double, 5> kNoticeColumns = {4, 6.7L, 9.4L, 12.1L, 14.8L};
constexpr std::string_view kNoticeEnglish[] = {
    "Copying of this document and giving it to other and the use",
    "or communication of the contents therof, are forbidden with-",
    "out express authority. Offenders are liable to the payment",
    "of damages. All rights are reserved in the event of the grant",
    "of a patent or the registration of a utility model or design."};
constexpr std::string_view kNoticeGerman[] = {
    "Weitergabe sowie Vervielfältigung dieser Unterlage, Ver-",
    "wertung und Mitteilung ihres Inhalts nicht gestattet, soweit",
    "nicht ausdrücklich zugestanden. Zuwiderhandlungen verpflich-",
    "ten zu Schadensersatz. Alle Rechte für den Fall der Patent-",
    "erteilung oder Gebrauchsmuster-Eintragung vorbehalten."};

void TextStyle(Context& context, long double h, long double w, long double angle = 0) {
  CadSetTextStyle(context, kViewFont, angle, h, w);
}

template <size_t N>
void Lines(Context& context, const SheetLine (&lines)[N]) {
  for (const SheetLine& l : lines) CadLine(context, l.x1, l.y1, l.x2, l.y2);
}

template <size_t N>
void Texts(Context& context, const SheetText (&texts)[N]) {
  for (const SheetText& t : texts) CadText(context, Oem(t.utf8), t.x, t.y);
}

template <size_t N>
void NoticeColumn(Context& context, const std::string_view (&lines)[N], long double y) {
  for (size_t i = 0; i < N; ++i) CadText(context, Oem(lines[i]), kNoticeColumns[i], y);
}

void Border(Context& context) {
  CadSetLayer(context, kLayerOutline);
  CadRectangle(context, 18, 5, 205, 292);
  CadLine(context, 18, 43, 205, 43);
  CadSetLayer(context, kLayerTitle);
  Lines(context, kTitleBlockDividers);
  CadSetLayer(context, kLayerHatch);
  CadRectangle(context, 0, 0, 210, 297);
  for (int i = 1; i <= 8; ++i) CadLine(context, 18, 43 - kRowPitch * i, 73, 43 - kRowPitch * i);
  for (int i = 1; i <= 4; ++i) CadLine(context, 73, 43 - kRowPitch * i, 116, 43 - kRowPitch * i);
  Lines(context, kTitleBlockRules);
}

void Signatures(Context& context) {
  const DrawingInformation& info = context.body.documentation.information;
  TextStyle(context, 1.6L, 1.3L);
  Texts(context, kChangeHeadings);
  TextStyle(context, 1.8L, 1.5L);
  Texts(context, kSignatureHeadings);
  CadText(context, context.config.releaseCaption, 74, 23.2L);
  TextStyle(context, 1.8L, 1.5L, 90);
  NoticeColumn(context, kNoticeEnglish, 10);
  NoticeColumn(context, kNoticeGerman, 200);
  TextStyle(context, 1.8L, 1.5L);
  const std::array<std::pair<const Signature*, long double>, 4> rows = {
      {{&info.drawn, 35.6L}, {&info.inspected, 31.2L}, {&info.standards, 27}, {&info.fourth, 23}}};
  for (const auto& [signature, y] : rows) {
    CadText(context, signature->date, 83.5L, y);
    CadText(context, signature->name, 100, y);
  }
  if (!info.replaces.empty()) CadText(context, (Oem("Ersatz für ") + info.replaces).substr(0, 26), 118, 6.5L);
  if (!info.replacedBy.empty()) CadText(context, ("Ersetzt durch " + info.replacedBy).substr(0, 29), 162, 6.5L);
}

void PlacedTexts(Context& context) {
  for (const PlacedText& text : context.body.documentation.information.placedTexts) {
    if (text.h > 0) TextStyle(context, text.h, 0.8L * text.h, text.phi);
    CadText(context, text.text, text.x, text.y);
  }
}

void Titles(Context& context, const std::string& title1, const std::string& title2, const std::string& title3) {
  CadSetLayer(context, kLayerOutline);
  TextStyle(context, 5, 4);
  CadText(context, title1, 120, 32.5L);
  CadText(context, title3, 120, 12);
  TextStyle(context, 3.5L, 2.8L);
  CadText(context, title2, 120, 25);
}

std::string TimeText(const DateTime& now) {
  return std::to_string(now.hour) + (now.minute < 10 ? ":0" : ":") + std::to_string(now.minute);
}

std::string DataFileFullName(const ProgramState& state) {
  if (state.currentFileName.empty()) return "";
  return NameInCp850(WithSeparator(state.dataDirectory) + state.currentFileName + "." + kDataFileExtension);
}

// File name and date below the sheet, the program line above it, the maker's logo.
void Marks(Context& context) {
  const Configuration& config = context.config;
  TextStyle(context, 1.5L, 1.2L);
  if (!config.titleBlockWithoutFileName) CadText(context, DataFileFullName(context.state).substr(0, 150), 18, 1);
  if (!config.titleBlockWithoutDate) CadText(context, context.Today() + " " + TimeText(context.clock.Now()), 186, 1);
  if (!config.titleBlockWithoutTitle) {
    TextStyle(context, 3.5L, 3);
    std::string line = ("VORTANE   " + ProgramTitleLine()).substr(0, 70);
    line = (line + "  V").substr(0, 73);
    CadText(context, (line + kProgramVersion).substr(0, 78), 1, 300);
  }
  bool logoTarget = context.cad.target == kCadScreen || context.cad.target == kCadPlotter;
  if (!config.titleBlockWithoutLogo && logoTarget && FileExists(BlockFilePath(context, kLogoBlock))) {
    CadInsert(context, kLogoBlock, 75, 10, 0, 1, 1);
  }
}

std::string ChangeIndex(ChangeIndexStyle style, size_t number) {
  bool letter = number >= 1 && number <= 26;
  switch (style) {
    case ChangeIndexStyle::SmallLetters:
      return letter ? std::string(1, static_cast<char>('a' + number - 1)) : std::to_string(number);
    case ChangeIndexStyle::Numbers: return std::to_string(number);
    case ChangeIndexStyle::CapitalLetters: return letter ? std::string(1, static_cast<char>('A' + number - 1)) : std::to_string(number);
    default: return "";
  }
}

}  // namespace

void DrawChangeRows(Context& context) {
  const std::vector<Change>& changes = context.body.documentation.changes;
  if (changes.empty()) return;
  TextStyle(context, 1.7L, 1.3L);
  CadSetLayer(context, kLayerHatch);
  size_t first = changes.size() > kListedChanges ? changes.size() - kListedChanges : 0;
  for (size_t i = first; i < changes.size(); ++i) {
    long double y = 6.5L + kRowPitch * static_cast<long double>(i - first + 1);
    const Change& change = changes[i];
    std::string index = ChangeIndex(context.config.changeIndexStyle, i + 1);
    if (!index.empty()) CadText(context, index, 21, y);
    CadText(context, change.title, 27, y);
    CadText(context, change.date, 52.5L, y);
    CadText(context, change.editor, 66, y);
  }
}

void DrawFrame(Context& context, const std::string& title1, const std::string& title2, const std::string& title3) {
  if (context.state.cancel) return;
  context.cad.viewMarker = kViewMarkerDrawing;
  Border(context);
  Signatures(context);
  DrawChangeRows(context);
  PlacedTexts(context);
  Titles(context, title1, title2, title3);
  Marks(context);
}

}  // namespace kalo
