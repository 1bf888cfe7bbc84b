#pragma once

#include <iosfwd>
#include <string_view>

// SIGTERM, SIGINT and SIGHUP end the simulator the way Escape does: the main run loop finishes
// its turn first, so writes the device had pending (a preference saved at the end of the turn)
// reach their files. A watcher thread takes the signals; the main thread learns of one at the
// start of its next run-loop turn, where TerminationRequested is thrown, and ends the process
// from its one way out. While the main thread waits for input with nothing pending (inside a
// WaitingForInput scope) a signal ends the process at once; a second signal does too.
namespace TerminationSignals {

// Call from main() before any thread starts: every later thread inherits the blocked signals.
void install();

struct TerminationRequested {
    int signal;
};

// Finishes the main run loop's turn as the process ends, so that what it was about to write
// lands; a termination signal meanwhile doesn't stop it. An error is told on `err` after
// "`program`: ".
void finishLastTurn(std::ostream& err, std::string_view program);

// Marks the main thread as blocked on input with the run loop's turn finished.
class WaitingForInput {
public:
    WaitingForInput();
    ~WaitingForInput();
    WaitingForInput(const WaitingForInput&) = delete;
    WaitingForInput& operator=(const WaitingForInput&) = delete;
};

}  // namespace TerminationSignals
