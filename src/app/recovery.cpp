#include "app/recovery.h"

#include <filesystem>

#include "context/context.h"
#include "datafile/data_file_format.h"
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

namespace {

// Beside the kept body: the full path of the file the body came from, where saving under
// its name writes; no such file for an unnamed body.
std::string RecoveredNamePath(const std::string& recoveryPath) { return recoveryPath + ".name"; }

// The kept body's file, as the state names it, or false when it had none.
bool ReadRecoveredName(const std::string& recoveryPath, ProgramState& state) {
  std::vector<std::string> lines;
  if (!ReadTextLines(RecoveredNamePath(recoveryPath), lines, 4096) || lines.size() != 1 || lines[0].empty())
    return false;
  state.dataDirectory = DirectoryOf(lines[0]);
  state.currentFileName = BaseNameOf(lines[0]);
  return true;
}

}  // namespace

bool KeepBodyForRecovery(Context& context) {
  std::string path = RecoveryFilePath(context.platform);
  if (!context.state.modified || path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(NativePath(DirectoryOf(path)), error);
  std::string problem;
  const ProgramState& state = context.state;
  std::string namePath = RecoveredNamePath(path);
  // No name of an earlier body stays beside this one; a name that cannot be written leaves
  // the body unnamed, never under another file's name.
  if (FileExists(namePath) && !RemoveFile(namePath)) return false;
  if (!WriteTextLines(path, DataFileContent(context.body, context.Numbers()))) return false;
  if (!state.currentFileName.empty()) {
    std::string file = DataFilePath(state, state.currentFileName);
    // Made absolute: the next start may run in another working folder.
    if (!file.starts_with('/')) file = WithSeparator(context.platform.CurrentDirectory()) + file;
    (void)WriteTextLines(namePath, {file});
  }
  return true;
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
    ProgramState& state = context.state;
    state.currentFileName.clear();
    state.askBeforeReplacing = ReadRecoveredName(path, state);
    state.modified = true;
  }
  RemoveFile(RecoveredNamePath(path));
  RemoveFile(path);
}

}  // namespace kalo
