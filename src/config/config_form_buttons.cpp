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

std::string SettingsForm::Hint(int helpNumber) const { return HelpToolTip(context_, helpNumber); }

void SettingsForm::ShowHelpText(int helpNumber) { ShowHelp(context_, helpNumber, 1); }

void SettingsForm::ResetTempDirectory() {
  std::string temp = context_.platform.GetEnvironment("TEMP");
  if (temp.find_first_not_of(' ') != std::string::npos) tempDirectory = temp;
}

void SettingsForm::ResetWindowSize() {
  const ConfigWindowMetrics& m = metrics;
  int x = m.screenWidth + m.mainClientWidth - m.mainWidth;
  int y = m.screenHeight + static_cast<int>(std::lround((m.mainClientHeight - m.mainHeight) * 1.65));
  clientWidth = std::to_string(x);
  clientHeight = std::to_string(y);
  WindowSizeExit();
}

void SettingsForm::WindowSizeExit() {
  long double x = 0, y = 0;
  if (!ParseReal(clientWidth, x) || !ParseReal(clientHeight, y) || x <= 0 || y <= 0 || !resizeMainWindow) return;
  resizeMainWindow(static_cast<int>(x), static_cast<int>(y));
}

void SettingsForm::ResetDialogWindowScale() {
  inputWindowScale =
      std::to_string(InputWindowScale(metrics.mainHeight, metrics.mainClientHeight, metrics.pixelsPerInchY));
}

void SettingsForm::ResetDialogElementScale() {
  long double windowScale = 0;
  ParseReal(inputWindowScale, windowScale);
  // The window scale that suits the screen, measured with the horizontal pixels per inch.
  int screenScale = InputWindowScale(metrics.mainHeight, metrics.mainClientHeight, metrics.pixelsPerInchX);
  dialogElementScale = std::to_string(std::lround(static_cast<double>(windowScale / screenScale * 100)));
}

void SettingsForm::ResetLayer(int row) {
  ConfigLayerRow& shown = layerRows[static_cast<size_t>(row)];
  shown.name = std::to_string(kLayerRows - row);
  shown.colour = std::to_string(kLayerDefaults[static_cast<size_t>(row)][0]);
  shown.thickness = std::to_string(kLayerDefaults[static_cast<size_t>(row)][1]);
}

void SettingsForm::ResetTextWindow() {
  constexpr int kWideScreen = 640, kNarrowWidth = 620, kFallbackWidth = 700;
  long double x = 0, y = 0;
  ParseReal(clientWidth, x);
  ParseReal(clientHeight, y);
  int width = x > kWideScreen ? static_cast<int>(std::lround(printoutFontSize * 700 * 0.1)) : kNarrowWidth;
  textWindowLeft = "10";
  textWindowTop = "40";
  textWindowWidth = std::to_string(width == 0 ? kFallbackWidth : width);
  textWindowHeight = std::to_string(static_cast<long>(y) - kTextWindowMargin);
}

void SettingsForm::ChooseDirectory(std::string& field) { AskDirectory(context_, field); }

void SettingsForm::ChooseProgram(std::string& field) {
  std::string path = field;
  if (AskFile(context_, path, "*.exe")) field = path;
  context_.state.cancel = false;
}

void SettingsForm::ChooseLayerColour(int row) {
  std::string& colour = layerRows[static_cast<size_t>(row)].colour;
  long double value = 1;
  ParseReal(colour, value);
  int chosen = static_cast<int>(value);
  if (AskColour(context_, chosen)) colour = std::to_string(chosen);
  context_.state.cancel = false;
}

void SettingsForm::SetAllThicknesses(int thickness) {
  for (ConfigColourRow& row : colourRows) row.thickness = std::to_string(thickness);
}

void SettingsForm::EditPlotCommand(int line) {
  std::string text = plotCommands[static_cast<size_t>(line)];
  if (!AskText(context_, "PENPLOT Command Line", kPlotCommandLength, text)) {
    context_.state.cancel = false;
    return;
  }
  plotCommands[static_cast<size_t>(line)] = text;
  plotCommandCount = std::max(plotCommandCount, line + 1);
}

bool SettingsForm::SaveClick() {
  if (!OkClick()) return false;
  context_.state.cancel = false;
  WriteConfiguration(context_);
  bool written = !context_.state.cancel;
  context_.state.cancel = false;
  return written;
}

void SettingsForm::ImportClick() {
  std::string path;
  if (!context_.ui.AskOpenFileName(WithSeparator(context_.configDirectory), "*.cfg|*.cfg", path)) return;
  std::vector<std::string> lines;
  if (!ReadTextLines(path, lines)) {
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
