#include "report/scratch_files.h"

#include <algorithm>
#include <vector>

#include "context/context.h"
#include "help/message_boxes.h"
#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/temporary_folders.h"
#include "platform/text_file.h"
#include "platform/write_errors.h"

namespace kalo {
namespace {

bool SameFolder(const std::string& a, const std::string& b) {
  return WithSeparator(NativePath(a)) == WithSeparator(NativePath(b));
}

std::vector<NamedFolder>::const_iterator Find(const std::vector<NamedFolder>& places, const std::string& folder) {
  return std::find_if(places.begin(), places.end(),
                      [&folder](const NamedFolder& place) { return SameFolder(place.path, folder); });
}

// Where the private folder may go, in the order tried: the temporary folder, then the
// environment's folders and the working folder. The temporary folder is named after the
// variable it was taken from when it is one of the environment's.
std::vector<NamedFolder> ScratchPlaces(const Context& context) {
  std::vector<NamedFolder> others = EnvironmentTemporaryFolders(context.platform);
  others.push_back({context.platform.CurrentDirectory(), "Arbeitsordner"});
  std::vector<NamedFolder> places;
  std::string configured = TrimBlanks(context.config.tempDirectory);
  if (!configured.empty()) {
    auto same = Find(others, configured);
    places.push_back({configured, same != others.end() ? same->source
                                                        : Oem("Einstellung \"Ordner für temporäre Dateien\"")});
  }
  for (const NamedFolder& other : others)
    if (Find(places, other.path) == places.end()) places.push_back(other);
  return places;
}

std::string Described(const NamedFolder& place) { return WithSeparator(place.path) + " (" + place.source + ")"; }

}  // namespace

std::string TemporaryDirectory(const Context& context) {
  std::string configured = TrimBlanks(context.config.tempDirectory);
  return WithSeparator(configured.empty() ? EnvironmentTemporaryFolder(context.platform) : configured);
}

std::string ScratchDirectory(Context& context) {
  PrivateFolder& folder = context.scratchFolder;
  // A folder that vanished while the program ran (a cleaner of old temporary files took
  // it) is made anew.
  if (folder.Exists() && DirectoryExists(folder.Path())) return folder.Path();
  std::vector<NamedFolder> places = ScratchPlaces(context);
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
