#include "report/message_block.h"

#include "context/context.h"
#include "help/error_message_file.h"
#include "output/text_output.h"
#include "report/foreign_solid_lines.h"

namespace kalo {

void WriteMessageBlock(Context& context, TextOutput& output) {
  output.Line("");
  output.Line("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
  output.Separator(SeparatorKind::Thick);
  output.Separator(SeparatorKind::Thin);
  for (size_t i = 1; i <= context.messages.Count(); ++i) {
    const std::string& message = context.messages.Text(i);
    std::string cause = GetMessageCause(context, i);
    std::string remedy = GetMessageRemedy(context, i);
    if (output.IsTabTarget()) {
      output.Line(message + "\t" + cause + "\t" + remedy);
      continue;
    }
    output.Line(message);
    output.Line(cause);
    output.Line(remedy);
    if (context.config.separatorStyle != SeparatorStyle::Compressed) output.Separator(SeparatorKind::Thin);
  }
}

void WriteImportNotes(const Context& context, TextOutput& output) {
  if (!context.state.importNotes.empty()) {
    output.Line("");
    output.Line(context.state.importHeading);
    for (const std::string& note : context.state.importNotes) output.Line(note);
  }
  // A STEP solid refused as a contour, under a heading of its own that says whose values
  // they are.
  if (context.state.foreignSolid) {
    output.Line("");
    for (const std::string& line : ForeignSolidLines(*context.state.foreignSolid, context.body.rho, context.Numbers()))
      output.Line(line);
  }
}

}  // namespace kalo
