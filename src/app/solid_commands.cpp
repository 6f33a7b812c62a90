#include "app/solid_commands.h"

#include "context/context.h"
#include "platform/paths.h"
#include "solid/solid_export.h"

namespace kalo {

void CadSolidFile(Context& context, SolidJob job) {
  std::string extension = SolidFileExtension(job);
  std::string filter = "*." + extension + "|*." + extension + "|*.*|*.*";
  std::string path = BodyFileName(context, extension);
  if (!context.ui.AskSaveFileName(context.config.cadDirectory, filter, path) || TrimBlanks(path).empty()) {
    context.state.cancel = true;
    return;
  }
  path = TrimBlanks(path);
  if (FileNameOf(path).find('.') == std::string::npos) path += "." + extension;
  if (!ExportSolid(context, job, path)) context.state.cancel = true;
}

}  // namespace kalo
