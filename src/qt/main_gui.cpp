// The window program kalo-gui: the main window on the program context, created in the
// order of the start-up, and the message loop until the main window closes.
#include <time.h>

#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "app/program_clock.h"
#include "app/window_start.h"
#include "context/context.h"
#include "platform/signal_cleanup.h"
#include "office/xlsx/xlsx_spreadsheet.h"
#include "qt/graph_widget.h"
#include "qt/main_window.h"
#include "qt/qt_ui.h"
#include "qt/select_on_focus.h"
#include "qt/signal_watch.h"

namespace {

// Milliseconds since this process started, to the scheduler's tick.
long MillisecondsSinceProcessStart() {
  std::ifstream stat("/proc/self/stat");
  std::string field;
  // The start time is field 22; the command name in field 2 holds no blanks here.
  for (int i = 0; i < 22 && stat >> field; ++i) {
  }
  timespec now{};
  clock_gettime(CLOCK_BOOTTIME, &now);
  double started = std::stod(field.empty() ? "0" : field) / static_cast<double>(sysconf(_SC_CLK_TCK));
  return static_cast<long>((now.tv_sec + now.tv_nsec / 1e9 - started) * 1000);
}

// KALO_STARTUP_TRACE: the end of the graphics window's first paint is written on the error
// stream; with the value "quit" the program then ends, for measurements.
class StartupTrace : public QObject {
 public:
  StartupTrace(QWidget& watched, bool quit) : quit_(quit) { watched.installEventFilter(this); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      watched->removeEventFilter(this);
      // Runs when the paint and its flush to the screen are done.
      QTimer::singleShot(0, this, [this] {
        std::fprintf(stderr, "kalo-gui: first paint %ld ms after process start\n", MillisecondsSinceProcessStart());
        std::fflush(stderr);
        if (quit_) QApplication::quit();
      });
    }
    return false;
  }

 private:
  bool quit_;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // A window ended by SIGTERM, SIGINT or SIGHUP takes its scratch folder with it.
  kalo::RemovePendingOnSignals();
  QApplication::setApplicationName(kalo::kProgramName);
  kalo::SelectTextOnFocus(application);
  kalo::Configuration startConfiguration;
  kalo::QtUi ui(startConfiguration);
  kalo::PosixPlatform platform;
  kalo::SystemClock clock = kalo::ClockFromEnvironment();
  kalo::Context context(ui, platform, clock);
  ui.SetConfiguration(context.config);
  ui.SetContext(context);
  context.state.arguments.assign(argv + 1, argv + argc);
  kalo::XlsxSpreadsheets spreadsheets(context);
  context.spreadsheets = &spreadsheets;

  kalo::MainWindow window(context);
  ui.SetParentWindow(&window);
  // From here on a signal keeps the modified body before the run ends.
  kalo::SignalWatch signalWatch(context);
  kalo::StartupOutcome outcome = kalo::StartWindowProgram(context);
  if (outcome.endProcess) return outcome.exitCode;
  window.UpdateMenus();
  window.ApplyConfiguredSize();

  const char* trace = std::getenv("KALO_STARTUP_TRACE");
  std::unique_ptr<StartupTrace> startupTrace;
  if (trace && *trace) startupTrace = std::make_unique<StartupTrace>(window.Graph(), std::string(trace) == "quit");
  window.show();
  int exitCode = application.exec();
  kalo::EndWindowProgram(context);
  return exitCode;
}
