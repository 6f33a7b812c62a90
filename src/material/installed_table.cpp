#include "material/installed_table.h"

#include <filesystem>
#include <fstream>
#include <iterator>

#include "config/configuration_file.h"
#include "context/context.h"
#include "dbase/dbf_memo.h"
#include "dbase/dbf_table.h"
#include "dialogs/message_boxes.h"
#include "output/scratch_files.h"
#include "platform/codepage.h"
#include "platform/file_replace.h"
#include "platform/paths.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

constexpr const char* kTableExtension = ".dbf";

// The folder takes a new file with the line "DBF Write Check" written into it. The probe
// gets a fresh name, so a "TEST.$$$" that someone left there is never touched, and nothing
// is left behind.
bool FolderTakesWrites(const std::string& folder) {
  std::string probe = TemporaryNameFor(WithSeparator(folder) + "TEST.$$$");
  bool written = false;
  {
    // Opened without creating: only the reserved file is written.
    std::fstream out(NativePath(probe), std::ios::binary | std::ios::in | std::ios::out);
    written = out && (out << "DBF Write Check\r\n") && out.flush();
  }
  RemoveFile(probe);
  return written;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  std::ifstream in(NativePath(path), std::ios::binary);
  if (!in) return false;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

// Copies the file to copy as a new file the user may write (an earlier copy is replaced);
// the copy's name, or empty after a message.
std::string CopyTo(Context& context, const std::string& path, const std::string& copy) {
  if (copy.empty()) return copy;
  std::string bytes;
  if (!ReadWholeFile(path, bytes)) {
    CheckFileReadable(context, path);
    context.state.cancel = true;
    return {};
  }
  RemoveFile(copy);  // a new file, so that it does not keep a read-only earlier copy's mode
  if (int error = ReplaceFile(copy, bytes)) {
    ErrorBox(context, copy + ": " + WriteErrorText(error, copy));
    context.state.cancel = true;
    return {};
  }
  return copy;
}

std::string CopyToScratch(Context& context, const std::string& path) {
  return CopyTo(context, path, ScratchFile(context, FileNameOf(path)));
}

// The table and its memo file, when it has one, copied side by side by copyOne.
template <typename CopyOne>
std::string CopyTable(const std::string& path, CopyOne copyOne) {
  std::string copy = copyOne(path);
  std::string memo = MemoFileOf(path);
  if (copy.empty() || memo.empty()) return copy;
  return copyOne(memo).empty() ? std::string() : copy;
}

// The user's own copies of the program's tables live beside the user's settings, so that
// changes to them last from one run to the next; empty without a home.
std::string UserTableDirectory(const Context& context) { return UserConfigurationDirectory(context.platform); }

std::string UserTablePath(const Context& context, const std::string& baseName) {
  std::string folder = UserTableDirectory(context);
  return folder.empty() ? folder : folder + baseName + kTableExtension;
}

std::string ConfiguredTablePath(const Context& context, const std::string& baseName) {
  return WithSeparator(context.config.dbfDirectory) + baseName + kTableExtension;
}

// The table was found in the program's data folder, neither in the configured directory nor
// among the user's own copies. That table is the installation's own: changes go to a copy.
bool IsShipped(const Context& context, const std::string& baseName, const std::string& path) {
  return path != ConfiguredTablePath(context, baseName) && path != UserTablePath(context, baseName);
}

// A copy of the program's own table among the user's tables, made once; empty when the
// user has no folder for it (then the run works on a scratch copy).
std::string CopyToUserTables(Context& context, const std::string& path) {
  std::string folder = UserTableDirectory(context);
  std::error_code error;
  if (folder.empty() || (std::filesystem::create_directories(NativePath(folder), error), !CanCreateFileIn(folder)))
    return {};
  return CopyTable(path, [&](const std::string& file) { return CopyTo(context, file, folder + FileNameOf(file)); });
}

}  // namespace

std::string InstalledTablePath(const std::string& tableDirectory, const std::string& baseName,
                               const std::vector<std::string>& dataFolders) {
  return ShippedFilePath(tableDirectory, baseName + kTableExtension, dataFolders);
}

std::string InstalledTablePath(const Context& context, const std::string& baseName) {
  std::string own = UserTablePath(context, baseName);
  if (!own.empty() && !FileExists(ConfiguredTablePath(context, baseName)) && FileExists(own)) return own;
  return InstalledTablePath(context.config.dbfDirectory, baseName, context.dataFolders);
}

void WarnWhenTableDirectoryReadOnly(Context& context, const std::string& baseName) {
  if (InstalledTablePath(context, baseName) != ConfiguredTablePath(context, baseName)) return;
  if (CanCreateFileIn(TrimBlanks(context.config.dbfDirectory))) return;
  ErrorBox(context, Oem("Sie haben kein Schreibrecht für das Datenbankverzeichnis. Änderungen und "
                        "Erweiterungen werden nicht übernommen."));
}

bool OpenInstalledTable(Context& context, const std::string& baseName, DbfTable& table) {
  table.Close();
  std::string path = InstalledTablePath(context, baseName);
  if (!CheckFileReadable(context, path)) return false;
  std::string opened = path;
  if (IsShipped(context, baseName, path)) opened = CopyToUserTables(context, path);
  if (opened.empty() || !FolderTakesWrites(DirectoryOf(opened)) || !CanWriteFile(opened)) {
    opened = CopyTable(path, [&](const std::string& file) { return CopyToScratch(context, file); });
    if (opened.empty()) return false;
  }
  if (table.Open(opened)) return true;
  ReportTableError(context, "DBF Error ", table);
  return false;
}

bool GoToRememberedRecord(Context& context, DbfTable& table, int remembered) {
  int count = table.RecordCount();
  int record = remembered;
  if (record > count) {
    context.messages.Report("DBF #" + std::to_string(remembered) + " not found.");
    record = count;
  }
  if (record <= 0 || record > count) record = 1;
  if (table.Go(record)) return true;
  ReportTableError(context, "Database #", table);
  return false;
}

void ReportTableError(Context& context, const std::string& prefix, const DbfTable& table) {
  ErrorBox(context, prefix + std::to_string(table.ErrorCode()) + ": " + table.ErrorText());
  context.state.cancel = true;
}

}  // namespace kalo
