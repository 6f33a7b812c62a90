#pragma once
// SIGTERM, SIGINT and SIGHUP reach the window program through its event loop: the modified
// body is kept for recovery, the scratch folder removed, and the process ends by the signal.
#include <QObject>

class QSocketNotifier;

namespace kalo {

struct Context;

class SignalWatch : public QObject {
 public:
  explicit SignalWatch(Context& context, QObject* parent = nullptr);

 private:
  void SignalArrived();

  Context& context_;
  int pipe_ = -1;
  QSocketNotifier* notifier_ = nullptr;
};

}  // namespace kalo
