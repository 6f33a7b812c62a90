// The buttons of the configuration dialog beside the fields: the "<" resets, the choosers
// and "Import..".
#include <cmath>
#include <vector>

#include "config/config_form.h"
#include "config/configuration_file.h"
#include "config/configuration_lines.h"
#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "dialogs/standard_dialogs.h"
#include "help/help_text.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

// The layer rows' settings that "<" puts back: name, colour and thickness of layers 5..1.
constexpr std::array<std::array<int, 2>, kLayerRows> kLayerDefaults = {{{1, 3}, {3, 2}, {2, 1}, {2, 1}, {2, 1}}};
// Room the text window leaves below the main window's client area.
constexpr int kTextWindowMargin = 20;

// Lines of a file that a complete configuration file of this record would have.
size_t CompleteLineCount(const Configuration& config) {
  class Counter : public LineChannel {
   public:
    bool Exchange(std::string&) override {
      ++count;
      return false;
    }
    bool AtEnd() const override { return false; }
    size_t count = 0;
  } counter;
  Configuration copy = config;
  ExchangeConfiguration(counter, copy, {kShortName, ""});
  return counter.count;
}

bool LooksComplete(const std::vector<std::string>& lines, const Configuration& read) {
  const std::string title = " Konfiguration";
  return !lines.empty() && lines[0].size() >= title.size() &&
         lines[0].compare(lines[0].size() - title.size(), title.size(), title) == 0 &&
         lines.size() == CompleteLineCount(read);
}

}  // namespace

std::string Tconfig::Hint(int helpNumber) const { return HelpToolTip(context_, helpNumber); }

void Tconfig::ShowHelpText(int helpNumber) { ShowHelp(context_, helpNumber, 1); }

void Tconfig::ResetTempDirectory() {
  std::string temp = context_.platform.GetEnvironment("TEMP");
  if (temp.find_first_not_of(' ') != std::string::npos) Edit_dirtemp = temp;
}

void Tconfig::ResetWindowSize() {
  const ConfigWindowMetrics& m = metrics;
  int x = m.screenWidth + m.mainClientWidth - m.mainWidth;
  int y = m.screenHeight + static_cast<int>(std::lround((m.mainClientHeight - m.mainHeight) * 1.65));
  Edit_x = std::to_string(x);
  Edit_y = std::to_string(y);
  WindowSizeExit();
}

void Tconfig::WindowSizeExit() {
  long double x = 0, y = 0;
  if (!ParseReal(Edit_x, x) || !ParseReal(Edit_y, y) || x <= 0 || y <= 0 || !resizeMainWindow) return;
  resizeMainWindow(static_cast<int>(x), static_cast<int>(y));
}

void Tconfig::ResetDialogWindowScale() {
  SpinEdit_dialogfenster =
      std::to_string(InputWindowScale(metrics.mainHeight, metrics.mainClientHeight, metrics.pixelsPerInchY));
}

void Tconfig::ResetDialogElementScale() {
  long double windowScale = 0;
  ParseReal(SpinEdit_dialogfenster, windowScale);
  // The window scale that suits the screen, measured with the horizontal pixels per inch.
  int screenScale = InputWindowScale(metrics.mainHeight, metrics.mainClientHeight, metrics.pixelsPerInchX);
  SpinEdit_dialogelemente = std::to_string(std::lround(static_cast<double>(windowScale / screenScale * 100)));
}

void Tconfig::ResetLayer(int row) {
  ConfigLayerRow& shown = StringGrid_layer[static_cast<size_t>(row)];
  shown.name = std::to_string(kLayerRows - row);
  shown.colour = std::to_string(kLayerDefaults[static_cast<size_t>(row)][0]);
  shown.thickness = std::to_string(kLayerDefaults[static_cast<size_t>(row)][1]);
}

void Tconfig::ResetTextWindow() {
  constexpr int kWideScreen = 640, kNarrowWidth = 620, kFallbackWidth = 700;
  long double x = 0, y = 0;
  ParseReal(Edit_x, x);
  ParseReal(Edit_y, y);
  int width = x > kWideScreen ? static_cast<int>(std::lround(printoutFontSize * 700 * 0.1)) : kNarrowWidth;
  Edit_left = "10";
  Edit_top = "40";
  Edit_width = std::to_string(width == 0 ? kFallbackWidth : width);
  Edit_height = std::to_string(static_cast<long>(y) - kTextWindowMargin);
}

void Tconfig::ChooseDirectory(std::string& field) { AskDirectory(context_, field); }

void Tconfig::ChooseProgram(std::string& field) {
  std::string path = field;
  if (AskFile(context_, path, "*.exe")) field = path;
  context_.state.cancel = false;
}

void Tconfig::ChooseLayerColour(int row) {
  std::string& colour = StringGrid_layer[static_cast<size_t>(row)].colour;
  long double value = 1;
  ParseReal(colour, value);
  int chosen = static_cast<int>(value);
  if (AskColour(context_, chosen)) colour = std::to_string(chosen);
  context_.state.cancel = false;
}

void Tconfig::SetAllThicknesses(int thickness) {
  for (ConfigColourRow& row : StringGrid_color) row.thickness = std::to_string(thickness);
}

void Tconfig::EditPlotCommand(int line) {
  std::string text = ListBox_penplot[static_cast<size_t>(line)];
  if (!AskText(context_, "PENPLOT Command Line", kPlotCommandLength, text)) {
    context_.state.cancel = false;
    return;
  }
  ListBox_penplot[static_cast<size_t>(line)] = text;
  plotCommandCount = std::max(plotCommandCount, line + 1);
}

bool Tconfig::Button_saveClick() {
  if (!Button_okClick()) return false;
  context_.state.cancel = false;
  WriteConfiguration(context_);
  bool written = !context_.state.cancel;
  context_.state.cancel = false;
  return written;
}

void Tconfig::Button_importClick() {
  std::string path;
  if (!context_.ui.AskOpenFileName(WithSeparator(context_.configDirectory), "*.cfg|*.cfg", path)) return;
  std::vector<std::string> lines;
  std::string error;
  if (!ReadTextLines(path, lines, error)) {
    ErrorBox(context_, Oem("Konfigurationsdatei kann nicht gelesen werden: ") + path);
    return;
  }
  // The reader works on the record of the context: it reads into it and the record is put
  // back, so that only the fields show what the file holds.
  Configuration kept = context_.config;
  std::string keptDirectory = context_.configDirectory;
  bool keptCancel = context_.state.cancel;
  context_.configDirectory = DirectoryOf(path);
  ReadConfiguration(context_, BaseNameOf(path), context_.configDirectory);
  Configuration imported = context_.config;
  context_.config = kept;
  context_.configDirectory = keptDirectory;
  context_.state.cancel = keptCancel;
  Fill(imported);
  if (!LooksComplete(lines, imported))
    InfoBox(context_, Oem("Keine vollständige Konfigurationsdatei: die lesbaren Werte sind übernommen, die übrigen "
                          "unverändert  (") +
                          path + ")");
}

}  // namespace kalo
