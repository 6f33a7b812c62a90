#include "help/help_picture.h"

#include <fstream>
#include <sstream>

#include "context/context.h"
#include "graphics/screen_plotter.h"
#include "help/hpgl_interpreter.h"
#include "model/view_number.h"
#include "platform/shipped_files.h"
#include "platform/text_file.h"

namespace kalo {
namespace {

constexpr long double kUnsetPoint = -999;
constexpr int kMessageColour = 15;
constexpr long double kMessageHeight = 4;
constexpr long double kMessageX = 5;
constexpr long double kMessageY = 60;

void ShowNotFound(ScreenPlotter& plotter, const std::string& path) {
  plotter.SetColor(kMessageColour);
  plotter.SetTextStyle(0, 0, kMessageHeight, kMessageHeight / 2);
  plotter.Text(path + " nicht gefunden !", kMessageX, kMessageY);
}

// Clears the window for a picture; none without a graphics window.
ScreenPlotter* PictureWindow(Context& context) {
  ScreenPlotter* plotter = context.screenPlotter;
  if (!plotter) return nullptr;
  plotter->Clear();
  plotter->SetWindow(true, true, 0, 0, 1, 1, 0, 0, kHelpPictureWidth, kHelpPictureHeight);
  context.state.shownView = ViewNumber::Choose;
  return plotter;
}

}  // namespace

bool ReadPlotFile(const std::string& path, std::string& bytes) {
  if (!FileExists(path)) return false;
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream content;
  content << in.rdbuf();
  bytes = content.str();
  return !in.bad();
}

std::string HelpPicturePath(const Context& context, const std::string& name) {
  return ShippedFilePath(context.config.pltDirectory, name + ".plt");
}

void DrawHelpPicture(Context& context, const std::string& path) {
  ScreenPlotter* plotter = context.screenPlotter;
  if (!plotter) return;
  HpglPenState& pen = plotter->helpPicturePen;
  pen.x = pen.y = kUnsetPoint;
  std::string bytes;
  if (!ReadPlotFile(path, bytes)) {
    ShowNotFound(*plotter, path);
    context.state.cancel = true;
  } else {
    plotter->SetWaitCursor(true);
    PlotHpgl(bytes, *plotter, pen, context.state.cancel);
    plotter->SetWaitCursor(false);
  }
  plotter->Refresh();
}

void ShowHelpPicture(Context& context, const std::string& name) {
  ScreenPlotter* plotter = PictureWindow(context);
  if (!plotter) return;
  if (name.empty())
    plotter->Refresh();
  else
    DrawHelpPicture(context, HelpPicturePath(context, name));
}

void ShowHelpPictureFile(Context& context, const std::string& path) {
  if (PictureWindow(context)) DrawHelpPicture(context, path);
}

}  // namespace kalo
