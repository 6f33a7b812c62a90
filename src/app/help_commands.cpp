#include "app/help_commands.h"

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "graphics/screen_plotter.h"
#include "help/message_summary.h"
#include "output/external_program.h"
#include "output/output_targets.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/platform_defaults.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// The desktop's opener hands web addresses and "mailto:" addresses to the user's programs.
void OpenThroughDesktop(Context& context, const std::string& address) {
  if (!LaunchProgram(context, DesktopOpener(), address)) ErrorBox(context, address + Oem(" kann nicht geöffnet werden"));
}

}  // namespace

AboutBox AboutBoxText() {
  return {kProgramName,
          {ProgramTitleLine(), std::string("Version ") + kProgramVersion + Oem(" für ") + " Windows",
           Oem("Fläche, Volumen, Masse und Trägheitsmoment"),
           Oem("aus einer Kontur von bis zu 200 Punkten mit Linien und Bögen")}};
}

void HelpAbout(Context& context) {
  if (context.screenPlotter) {
    context.screenPlotter->Clear();
    context.screenPlotter->DrawLogo();
    context.state.shownView = ViewNumber::Choose;
  }
  context.ui.ShowAboutBox(AboutBoxText());
}

void HelpErrorMessages(Context& context) {
  ShowMessageSummary(context);
}

void HelpWebPage(Context& context) { OpenThroughDesktop(context, kMakerWebPage); }

void HelpEmail(Context& context) {
  std::string subject = std::string(kProgramName) + "%20" + kProgramVersion;
  OpenThroughDesktop(context, std::string("mailto:") + kMakerMailAddress + "?subject=" + subject);
}

std::string HistoryFilePath(const Context& context) {
  return ShippedFilePath(context.config.pltDirectory, kHistoryFileName);
}

void HelpHistory(Context& context) {
  std::string path = HistoryFilePath(context);
  std::vector<std::string> lines;
  if (!ReadTextLines(path, lines)) {
    ErrorBox(context, path + " not found !");
    return;
  }
  // The text window reads the window code page.
  for (std::string& line : lines) line = Cp850ToAnsi(line);
  std::string shown = ScratchFile(context, kHistoryFileName);
  if (shown.empty()) return;
  if (WriteSucceeded(context, shown, WriteTextLines(shown, lines))) context.ui.ShowTextFile(shown);
}

}  // namespace kalo
