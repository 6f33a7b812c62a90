#pragma once
// What a run leaves while it works, removed when the run is stopped by SIGTERM, SIGINT or
// SIGHUP: the temporary file of a write that is not yet renamed over its target, and the
// private scratch folder. The names are registered before anything is created under them
// and taken back when the file or folder is gone or renamed; the handler only unlinks the
// registered names (async-signal-safe system calls only) and then ends the process by the
// same signal.
//
// A signal handler is one for the whole process, so the registry is too: it holds names,
// never state of a program context.
#include <signal.h>

#include <string>

namespace kalo {

enum class PendingKind { kFile, kFolder };

// Installs the handler for SIGTERM, SIGINT and SIGHUP (a signal that is ignored, as for a
// run started with nohup, stays ignored).
void RemovePendingOnSignals();

// A window program does its work before it ends: from now on SIGTERM, SIGINT and SIGHUP
// only write their number as one byte into a pipe (async-signal-safe), whose reading end is
// returned for the event loop to watch; -1 when no pipe could be made (the signals then
// end the run at once as above).
int NotifyOfSignals();
// The signal's number read from that pipe; 0 when none was there.
int ReadNotifiedSignal(int pipeEnd);
// Removes every registered name and ends the process by the signal, as the handler above.
[[noreturn]] void EndBySignal(int signal);

// Registers a name; returns its slot, or -1 when every slot is taken or the name is too
// long (it is then not removed on a signal).
int RegisterPending(const std::string& path, PendingKind kind);
// Takes the registration of a slot back (-1 is ignored).
void ReleasePending(int slot);

// Holds SIGTERM, SIGINT and SIGHUP back in this thread while it lives: a name is created
// and registered under it, so that no signal falls between the two.
class SignalsHeldBack {
 public:
  SignalsHeldBack();
  ~SignalsHeldBack();
  SignalsHeldBack(const SignalsHeldBack&) = delete;
  SignalsHeldBack& operator=(const SignalsHeldBack&) = delete;

 private:
  sigset_t previous_;
};

}  // namespace kalo
