#include "platform/apps/AppChannel.h"

#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

namespace {

// kind, finger, time, x, y, whether the frame changed and the text's length, in this machine's byte
// order: both ends are the same program.
struct Header {
    std::uint32_t textSize;
    std::uint8_t kind;
    std::int32_t finger;
    double time;
    double x;
    double y;
    std::uint8_t frameChanged;
};

// More than any view-tree dump; a longer message is a broken stream.
constexpr std::uint32_t kLongestText = 64u << 20;

std::string failure(const char* what) {
    return std::string(what) + ": " + std::strerror(errno);
}

}  // namespace

AppChannel::AppChannel(int socket) : socket_(socket) {}

AppChannel::~AppChannel() {
    close();
}

void AppChannel::close() {
    if (socket_ < 0) return;
    ::close(socket_);
    socket_ = -1;
}

void AppChannel::send(const AppMessage& message) {
    if (message.text.size() > kLongestText) throw Broken("a message's text is too long");
    Header header{};
    header.textSize = static_cast<std::uint32_t>(message.text.size());
    header.kind = static_cast<std::uint8_t>(message.kind);
    header.finger = message.finger;
    header.time = message.time;
    header.x = message.x;
    header.y = message.y;
    header.frameChanged = message.frameChanged ? 1 : 0;
    std::vector<char> bytes(sizeof header + message.text.size());
    std::memcpy(bytes.data(), &header, sizeof header);
    std::memcpy(bytes.data() + sizeof header, message.text.data(), message.text.size());
    size_t sent = 0;
    while (sent < bytes.size()) {
        const ssize_t count =
            ::send(socket_, bytes.data() + sent, bytes.size() - sent, MSG_NOSIGNAL);
        if (count < 0 && errno == EINTR) continue;
        if (count <= 0) throw Broken(failure("can't send"));
        sent += static_cast<size_t>(count);
    }
}

void AppChannel::readExactly(void* into, size_t size, Deadline deadline) {
    auto* bytes = static_cast<char*>(into);
    size_t read = 0;
    while (read < size) {
        if (deadline) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
                *deadline - std::chrono::steady_clock::now());
            pollfd ready{socket_, POLLIN, 0};
            const int polled = ::poll(&ready, 1, static_cast<int>(std::max<long>(0, left.count())));
            if (polled < 0 && errno == EINTR) continue;
            if (polled < 0) throw Broken(failure("can't wait for an answer"));
            if (polled == 0) throw NoAnswer();
        }
        const ssize_t count = ::recv(socket_, bytes + read, size - read, 0);
        if (count < 0 && errno == EINTR) continue;
        if (count < 0) throw Broken(failure("can't receive"));
        if (count == 0) throw Broken("the other end closed the channel");
        read += static_cast<size_t>(count);
    }
}

AppMessage AppChannel::receive(std::optional<std::chrono::milliseconds> timeout) {
    Deadline deadline;
    if (timeout) deadline = std::chrono::steady_clock::now() + *timeout;
    Header header{};
    readExactly(&header, sizeof header, deadline);
    if (header.textSize > kLongestText ||
        header.kind > static_cast<std::uint8_t>(AppMessageKind::Failed)) {
        throw Broken("the channel carries something that isn't a message");
    }
    AppMessage message(static_cast<AppMessageKind>(header.kind), header.time);
    message.finger = header.finger;
    message.frameChanged = header.frameChanged != 0;
    message.x = header.x;
    message.y = header.y;
    message.text.resize(header.textSize);
    readExactly(message.text.data(), message.text.size(), deadline);
    return message;
}
