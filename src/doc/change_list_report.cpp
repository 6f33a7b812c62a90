#include "doc/change_list_report.h"

#include <sstream>

#include "context/context.h"
#include "doc/change_history.h"
#include "output/line_layout.h"
#include "output/text_output.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

void WriteCreation(TextOutput& output, const DrawingInformation& info) {
  output.Line("");
  output.Line("Erstellungsdatum: " + info.drawn.date + "     " + "Erstellt von" + ": " + info.drawn.name);
  if (!info.replaces.empty()) {
    output.Line("");
    output.Line(Oem("Ersatz für: ") + FitToWidth(info.replaces, kReplacementLength));
  }
  if (!info.replacedBy.empty()) {
    output.Line("");
    output.Line("Ersetzt durch: " + FitToWidth(info.replacedBy, kReplacementLength));
  }
}

// Each line of the description on a line of its own.
void WriteDescription(TextOutput& output, const std::string& description) {
  std::istringstream lines(description);
  std::string line;
  bool any = false;
  while (std::getline(lines, line)) {
    output.Line(" " + line);
    any = true;
  }
  if (!any) output.Line(" ");
}

void WriteChanges(TextOutput& output, const std::vector<Change>& changes, ChangeIndexStyle indexStyle) {
  output.Line("");
  output.Line(FitToWidth("Index", 6) + "  " + FitToWidth("Datum", 10) + "   " + FitToWidth("Bearb.", 6) + "   " +
              FitToWidth(Oem("Änderung"), 20));
  output.Separator(SeparatorKind::Thick);
  for (size_t n = 1; n <= changes.size(); ++n) {
    const Change& change = changes[n - 1];
    output.Line("  " + ChangeIndex(n, indexStyle) + "     " + FitToWidth(change.date, 10) + "   " +
                FitToWidth(change.editor, 6) + "   " + FitToWidth(change.title, 20));
    WriteDescription(output, change.description);
    output.Separator(SeparatorKind::Thin);
  }
}

}  // namespace

bool WriteChangeList(Context& context, int kind) {
  const Documentation& documentation = context.body.documentation;
  TextOutput output(context);
  output.SetHeaderTexts({ProgramTitleLine() + " V" + kProgramVersion, "", "", "", ""});
  if (output.Open(kind, BodyFileName(context, "TXT"))) {
    output.PageHeader();
    WriteCreation(output, documentation.information);
    WriteChanges(output, documentation.changes, context.config.changeIndexStyle);
    output.EndPage();
  }
  return output.Close();
}

}  // namespace kalo
