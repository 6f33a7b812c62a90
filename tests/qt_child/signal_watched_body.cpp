// A window program's core under the real signal watch, for the test that ends it with a
// signal from outside: reads the data file given, marks the body modified as an edit would,
// makes its scratch folder in the folder given and, once the watch is in place, creates the
// file "ready" there; then it waits in the event loop until a signal ends it.
//
//   kalo_signal_watched_body DATAFILE SCRATCHPARENT
#include <QCoreApplication>
#include <iostream>

#include "context/context.h"
#include "datafile/data_file_reader.h"
#include "platform/console_ui.h"
#include "platform/platform.h"
#include "platform/signal_cleanup.h"
#include "platform/text_file.h"
#include "qt/signal_watch.h"

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  QCoreApplication application(argc, argv);
  kalo::RemovePendingOnSignals();
  kalo::ConsoleUi ui(std::cout, std::cerr);
  kalo::PosixPlatform platform;
  kalo::SystemClock clock;
  kalo::Context context(ui, platform, clock);
  if (!kalo::ReadDataFile(context, argv[1])) return 3;
  context.state.modified = true;
  std::string parent = argv[2];
  if (context.scratchFolder.CreateIn(parent) != 0) return 4;
  kalo::SignalWatch watch(context);
  if (!kalo::WriteTextLines(parent + "/ready", {})) return 5;
  return QCoreApplication::exec();
}
