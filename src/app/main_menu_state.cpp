#include "app/main_menu_state.h"

#include "context/context.h"
#include "calc/contour_check.h"
#include "app/ole_commands.h"
#include "material/body_material.h"
#include "numbers/number_format.h"
#include "platform/codepage.h"

namespace kalo {

std::string MainWindowCaption(const Context& context) {
  const std::string& name = context.state.currentFileName;
  if (name.empty()) return ProgramTitleLine();
  std::string shownName = name.find('.') == std::string::npos ? name + "." + kDataFileExtension : name;
  return ProgramTitleLine() + "  -  " + shownName;
}

MainMenuState CurrentMenuState(const Context& context, const CaptionVocabulary& captions) {
  MainMenuState menu;
  menu.caption = MainWindowCaption(context);
  menu.title = captions.Text(ProgramCaption::Title) + Cp850ToUtf8(menu.caption.substr(ProgramTitleLine().size()));
  const auto& entries = context.state.recentFiles;
  for (int n = 1; n <= kRecentEntries; ++n) {
    const std::string& path = entries[static_cast<size_t>(n - 1)];
    if (!path.empty()) menu.recentCaptions[static_cast<size_t>(n - 1)] = RecentFileCaption(n, path);
  }
  menu.recentSeparatorVisible = !entries[0].empty();
  size_t count = context.messages.Count();
  menu.errorMessagesCaption = captions.Text(GeneralCaption::ErrorMessages) + " (" + std::to_string(count) + ")";
  menu.errorMessagesEnabled = count > 0;
  menu.undoEnabled = context.undo.CanUndo();
  menu.redoEnabled = context.undo.CanRedo();
  menu.spreadsheetLinked = SpreadsheetLinked(context);
  const Body& body = context.body;
  std::vector<std::string> warnings;
  if (!context.state.notice.empty()) warnings.push_back(context.state.notice);
  if (std::optional<MaterialRecord> material = BodyMaterial(context))
    warnings.push_back(MaterialStatus(*material, body.rho, context.Numbers()));
  warnings.insert(warnings.end(), context.state.importNotes.begin(), context.state.importNotes.end());
  for (const std::string& warning : ContourWarnings(CheckContour(body.contour, body.arcDivisionAngle)))
    warnings.push_back(warning);
  for (const std::string& warning : warnings) menu.status += (menu.status.empty() ? "" : "   ") + warning;
  return menu;
}

}  // namespace kalo
