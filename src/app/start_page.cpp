#include "app/start_page.h"

#include <algorithm>
#include <filesystem>

#include "context/context.h"
#include "platform/codepage.h"

namespace kalo {
namespace {

// The data files in the folder "examples" of the first data folder that has one.
std::vector<std::string> ShippedExamples(const Context& context) {
  std::vector<std::string> examples;
  for (const std::string& folder : context.dataFolders) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator(folder + "/examples", error))
      if (entry.path().extension() == std::string(".") + kDataFileExtension) examples.push_back(entry.path().string());
    if (!examples.empty()) break;
  }
  std::sort(examples.begin(), examples.end());
  return examples;
}

}  // namespace

StartPage CurrentStartPage(const Context& context) {
  StartPage page;
  page.shown = context.body.contour.count == 0;
  if (!page.shown) return page;
  page.steps = {"Bearbeiten > Geometrie: die Kontur Punkt für Punkt eingeben",
                "Datei > Öffnen: einen gespeicherten Körper (.kal) laden",
                "Datei > Import (DXF, STEP): die Kontur aus einer Zeichnung oder einem 3D-Modell übernehmen"};
  for (std::string& step : page.steps) step = Oem(step);
  for (const std::string& path : context.state.recentFiles)
    if (!path.empty()) page.recent.push_back(path);
  page.examples = ShippedExamples(context);
  return page;
}

}  // namespace kalo
