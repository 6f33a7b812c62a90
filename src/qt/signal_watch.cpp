#include "qt/signal_watch.h"

#include <QSocketNotifier>

#include "app/recovery.h"
#include "context/context.h"
#include "platform/signal_cleanup.h"

namespace kalo {

SignalWatch::SignalWatch(Context& context, QObject* parent) : QObject(parent), context_(context) {
  pipe_ = NotifyOfSignals();
  if (pipe_ < 0) return;
  notifier_ = new QSocketNotifier(pipe_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, [this] { SignalArrived(); });
}

void SignalWatch::SignalArrived() {
  int signal = ReadNotifiedSignal(pipe_);
  if (signal == 0) return;
  KeepBodyForRecovery(context_);
  EndBySignal(signal);
}

}  // namespace kalo
