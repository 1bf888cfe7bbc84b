#include "sim/UnbufferedInput.h"

#include <poll.h>
#include <unistd.h>

#include <cerrno>
#include <optional>
#include <stdexcept>

#include "sim/TerminationSignals.h"

std::streamsize UnbufferedInput::showmanyc() {
    pollfd ready{descriptor_, POLLIN, 0};
    return poll(&ready, 1, 0) == 1 ? 1 : 0;
}

UnbufferedInput::int_type UnbufferedInput::underflow() {
    if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
    std::optional<TerminationSignals::WaitingForInput> waiting;
    if (showmanyc() == 0) waiting.emplace();
    ssize_t count;
    do {
        count = read(descriptor_, &byte_, 1);
    } while (count < 0 && errno == EINTR);
    // The stream turns the exception into its bad state.
    if (count < 0) throw std::runtime_error("can't read the input");
    if (count == 0) return traits_type::eof();
    setg(&byte_, &byte_, &byte_ + 1);
    return traits_type::to_int_type(byte_);
}
