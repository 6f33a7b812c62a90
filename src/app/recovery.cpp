#include "app/recovery.h"

#include <filesystem>

#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "datafile/data_file_writer.h"
#include "dialogs/message_boxes.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/platform_defaults.h"
#include "platform/text_file.h"

namespace kalo {

std::string RecoveryFilePath(const Platform& platform) {
  std::string base = XdgBaseDirectory(platform, "XDG_STATE_HOME", ".local/state");
  return base.empty() ? base : base + kShortName + "/recovered." + kDataFileExtension;
}

bool KeepBodyForRecovery(Context& context) {
  std::string path = RecoveryFilePath(context.platform);
  if (!context.state.modified || path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(NativePath(DirectoryOf(path)), error);
  std::string problem;
  return WriteTextLines(path, DataFileContent(context.body, context.Numbers()), problem);
}

void OfferRecoveredBody(Context& context) {
  std::string path = RecoveryFilePath(context.platform);
  if (path.empty() || !FileExists(path)) return;
  bool take = AskYesNo(context, Oem("Beim letzten Beenden wurde ein nicht gespeicherter Körper gesichert (") + path +
                                    "). Wiederherstellen ?");
  if (context.state.cancel) {
    context.state.cancel = false;
    return;
  }
  if (take) {
    if (!ReadDataFile(context, path)) return;  // the reader said why; the file stays
    context.state.currentFileName.clear();
    context.state.modified = true;
  }
  RemoveFile(path);
}

}  // namespace kalo
