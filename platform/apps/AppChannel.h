#pragma once

#include <chrono>
#include <optional>
#include <stdexcept>

#include "platform/apps/AppMessage.h"

// Messages over a connected stream socket, each a fixed header and its text: what SpringBoard and
// an app's process say to each other. The channel owns the socket. Sending never raises SIGPIPE.
class AppChannel {
public:
    // The other end went away, answered nothing in time or sent what isn't a message.
    struct Broken : std::runtime_error {
        using std::runtime_error::runtime_error;
    };
    // The wait for a message ran out: the other end may still be there.
    struct NoAnswer : Broken {
        NoAnswer() : Broken("no answer in time") {}
    };

    explicit AppChannel(int socket);
    ~AppChannel();
    AppChannel(const AppChannel&) = delete;
    AppChannel& operator=(const AppChannel&) = delete;

    void send(const AppMessage& message);
    // Waits for the next message, at most `timeout` when one is given. Throws Broken (NoAnswer
    // when the time ran out).
    AppMessage receive(std::optional<std::chrono::milliseconds> timeout = std::nullopt);
    // Ends the conversation: the other end reads the end of the stream.
    void close();

private:
    using Deadline = std::optional<std::chrono::steady_clock::time_point>;
    void readExactly(void* into, size_t size, Deadline deadline);

    int socket_;
};
