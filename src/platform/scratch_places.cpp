#include "platform/scratch_places.h"

#include <algorithm>

#include "platform/codepage.h"
#include "platform/paths.h"
#include "platform/platform.h"

namespace kalo {
namespace {

bool SameFolder(const std::string& a, const std::string& b) {
  return WithSeparator(NativePath(a)) == WithSeparator(NativePath(b));
}

std::vector<NamedFolder>::const_iterator Find(const std::vector<NamedFolder>& places, const std::string& folder) {
  return std::find_if(places.begin(), places.end(),
                      [&folder](const NamedFolder& place) { return SameFolder(place.path, folder); });
}

}  // namespace

std::string TemporaryFolder(const Platform& platform, const std::string& configured) {
  std::string folder = TrimBlanks(configured);
  return WithSeparator(folder.empty() ? EnvironmentTemporaryFolder(platform) : folder);
}

std::vector<NamedFolder> ScratchPlaces(const Platform& platform, const std::string& configured) {
  std::vector<NamedFolder> others = EnvironmentTemporaryFolders(platform);
  others.push_back({platform.CurrentDirectory(), "Arbeitsordner"});
  std::vector<NamedFolder> places;
  std::string folder = TrimBlanks(configured);
  if (!folder.empty()) {
    auto same = Find(others, folder);
    places.push_back({folder, same != others.end() ? same->source
                                                    : Oem("Einstellung \"Ordner für temporäre Dateien\"")});
  }
  for (const NamedFolder& other : others)
    if (Find(places, other.path) == places.end()) places.push_back(other);
  return places;
}

std::string Described(const NamedFolder& place) { return WithSeparator(place.path) + " (" + place.source + ")"; }

}  // namespace kalo
