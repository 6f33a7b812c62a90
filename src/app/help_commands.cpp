#include "app/help_commands.h"

#include "app/context.h"
#include "help/message_boxes.h"
#include "help/message_summary.h"
#include "platform/codepage.h"
#include "views/show_view.h"

namespace kalo {
namespace {

// The desktop's opener hands web addresses and "mailto:" addresses to the user's programs.
void OpenThroughDesktop(Context& context, const std::string& address) {
  context.state.cancel = false;
  if (!context.platform.StartProgram("xdg-open " + address, false))
    ErrorBox(context, address + Oem(" kann nicht geöffnet werden"));
}

}  // namespace

AboutBox AboutBoxText() {
  return {kProgramName,
          {ProgramTitleLine(), std::string("Version ") + kProgramVersion + Oem(" für ") + " Windows",
           Oem("Fläche, Volumen, Masse und Trägheitsmoment"),
           Oem("aus einer Kontur von bis zu 200 Punkten mit Linien und Bögen")}};
}

void HelpAbout(Context& context) {
  context.state.cancel = false;
  if (context.screenPlotter) {
    context.screenPlotter->Clear();
    context.screenPlotter->DrawLogo();
    context.state.shownView = kViewChoose;
  }
  context.ui.ShowAboutBox(AboutBoxText());
}

void HelpErrorMessages(Context& context) {
  context.state.cancel = false;
  ShowMessageSummary(context);
}

void HelpWebPage(Context& context) { OpenThroughDesktop(context, kMakerWebPage); }

void HelpEmail(Context& context) {
  std::string subject = std::string(kProgramName) + "%20" + kProgramVersion;
  OpenThroughDesktop(context, std::string("mailto:") + kMakerMailAddress + "?subject=" + subject);
}

}  // namespace kalo
