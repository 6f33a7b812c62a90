#include "output/scratch_files.h"

#include <vector>

#include "context/context.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/scratch_places.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {

std::string TemporaryDirectory(const Context& context) {
  return TemporaryFolder(context.platform, context.config.tempDirectory);
}

std::string ScratchDirectory(Context& context) {
  PrivateFolder& folder = context.scratchFolder;
  // A folder that vanished while the program ran (a cleaner of old temporary files took
  // it) is made anew.
  if (folder.Exists() && DirectoryExists(folder.Path())) return folder.Path();
  std::vector<NamedFolder> places = ScratchPlaces(context.platform, context.config.tempDirectory);
  for (size_t i = 0; i < places.size(); ++i) {
    int error = folder.CreateIn(places[i].path);
    if (error == 0) {
      if (i > 0) ErrorBox(context, Oem("Temporäre Dateien stattdessen in ") + Described(places[i]));
      return folder.Path();
    }
    ErrorBox(context, Oem("Ordner für temporäre Dateien ") + Described(places[i]) + " nicht benutzbar: " +
                          WriteErrorText(error));
  }
  ErrorBox(context, Oem("Kein Ordner für temporäre Dateien benutzbar"));
  context.state.cancel = true;
  return {};
}

std::string ScratchFile(Context& context, const std::string& name) {
  std::string folder = ScratchDirectory(context);
  return folder.empty() ? folder : folder + name;
}

}  // namespace kalo
