#include "app/window_start.h"

#include <algorithm>

#include "app/recovery.h"
#include "app/settings_load.h"
#include "app/undo_commands.h"
#include "config/recent_files.h"
#include "context/context.h"
#include "graphics/screen_plotter.h"

namespace kalo {
namespace {

constexpr WindowSize kDefaultClientSize{580, 375};
constexpr WindowSize kSmallestClientSize{320, 200};

// The emblem's place: keep the aspect, inset the viewport, fractions (0.1, 0.05) to
// (0.95, 0.95) of the client area for the world window (0, 0) to (36.9, 32.0).
void ShowEmblem(ScreenPlotter& plotter) {
  plotter.SetWindow(true, true, 0.1L, 0.05L, 0.95L, 0.95L, 0, 0, 36.9L, 32.0L);
  plotter.DrawLogo();
}

int Fitted(int wanted, int fallback, int smallest, int available) {
  int size = wanted > 0 ? wanted + 1 : fallback;
  return std::max(std::min(size, available), std::min(smallest, available));
}

}  // namespace

StartupOutcome StartWindowProgram(Context& context) {
  LoadSettings(context);
  StartupOutcome outcome = Startup(context);
  context.state.cancel = false;
  if (!outcome.endProcess && !context.state.commandLineFile) OfferRecoveredBody(context);
  context.ui.SetWaitCursor(false);
  StartUndoHistory(context, !context.state.modified);
  if (!outcome.endProcess && !context.state.commandLineFile && context.screenPlotter)
    ShowEmblem(*context.screenPlotter);
  return outcome;
}

void EndWindowProgram(Context& context) {
  context.state.cancel = false;
  WriteRecentFiles(context);
}

WindowSize InitialClientSize(const Configuration& config, WindowSize available) {
  return {Fitted(config.resolutionX, kDefaultClientSize.width, kSmallestClientSize.width, available.width),
          Fitted(config.resolutionY, kDefaultClientSize.height, kSmallestClientSize.height, available.height)};
}

}  // namespace kalo
