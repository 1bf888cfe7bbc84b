#include "sim/TerminationSignals.h"

#include <pthread.h>
#include <unistd.h>

#include <csignal>
#include <exception>
#include <iostream>
#include <mutex>
#include <thread>

#include "platform/foundation/NSRunLoop.h"

namespace TerminationSignals {
namespace {

std::mutex& stateMutex() {
    static std::mutex* mutex = new std::mutex();  // used by the watcher until exit
    return *mutex;
}
bool waitingForInput = false;  // under stateMutex()
bool requested = false;        // under stateMutex()

sigset_t terminationSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) sigaddset(&signals, signal);
    return signals;
}

[[noreturn]] void exitAtOnce(int signal) {
    std::cout.flush();
    std::cerr.flush();
    _exit(128 + signal);
}

void watch(sigset_t signals) {
    for (;;) {
        int signal = 0;
        if (sigwait(&signals, &signal) != 0) continue;
        std::lock_guard lock(stateMutex());
        if (waitingForInput || requested) exitAtOnce(signal);
        requested = true;
        NSRunLoop::mainRunLoop().performBlock([signal] { throw TerminationRequested{signal}; });
    }
}

}  // namespace

void install() {
    const sigset_t signals = terminationSignals();
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread(watch, signals).detach();
}

WaitingForInput::WaitingForInput() {
    std::lock_guard lock(stateMutex());
    waitingForInput = true;
}

WaitingForInput::~WaitingForInput() {
    std::lock_guard lock(stateMutex());
    waitingForInput = false;
}

void finishLastTurn(std::ostream& err, std::string_view program) {
    try {
        NSRunLoop::mainRunLoop().runOneTurn();
    } catch (const TerminationRequested&) {
        // Already on the way out.
    } catch (const std::exception& error) {
        err << program << ": " << error.what() << "\n";
    }
}

}  // namespace TerminationSignals
