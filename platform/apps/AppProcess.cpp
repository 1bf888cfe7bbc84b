#include "platform/apps/AppProcess.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <thread>

#include "platform/apps/AppChannel.h"
#include "platform/apps/SharedFrameBuffer.h"

extern char** environ;

namespace {

// Descriptors this high are never 3 or 4, so the child's dup2 always makes a fresh copy without
// close-on-exec.
constexpr int kAboveHandedDescriptors = 10;

int above(int descriptor) {
    const int copy = fcntl(descriptor, F_DUPFD_CLOEXEC, kAboveHandedDescriptors);
    close(descriptor);
    if (copy < 0)
        throw std::runtime_error(std::string("can't copy a descriptor: ") + std::strerror(errno));
    return copy;
}

std::string endDescription(int status) {
    if (WIFSIGNALED(status)) {
        return "crashed (" + std::string(strsignal(WTERMSIG(status))) + ")";
    }
    if (WIFEXITED(status)) return "exited with status " + std::to_string(WEXITSTATUS(status));
    return "ended";
}

// The child in a process group of its own: a terminal's Ctrl+C is SpringBoard's to answer, and
// SpringBoard ends its apps itself.
class SpawnAttributes {
public:
    SpawnAttributes() {
        posix_spawnattr_init(&attributes_);
        posix_spawnattr_setflags(&attributes_, POSIX_SPAWN_SETPGROUP);
        posix_spawnattr_setpgroup(&attributes_, 0);
    }
    ~SpawnAttributes() { posix_spawnattr_destroy(&attributes_); }
    SpawnAttributes(const SpawnAttributes&) = delete;
    SpawnAttributes& operator=(const SpawnAttributes&) = delete;
    const posix_spawnattr_t* get() const { return &attributes_; }

private:
    posix_spawnattr_t attributes_;
};

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
    void hand(int descriptor, int as) {
        posix_spawn_file_actions_adddup2(&actions_, descriptor, as);
    }
    const posix_spawn_file_actions_t* get() const { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

}  // namespace

AppProcess::AppProcess(const std::vector<std::string>& command, size_t pixelWidth,
                       size_t pixelHeight)
    : frameBuffer_(std::make_unique<SharedFrameBuffer>(pixelWidth, pixelHeight)) {
    int sockets[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) {
        throw std::runtime_error(std::string("can't make a channel: ") + std::strerror(errno));
    }
    channel_ = std::make_unique<AppChannel>(sockets[0]);
    const int appEnd = above(sockets[1]);
    const int buffer = above(dup(frameBuffer_->descriptor()));
    SpawnActions actions;
    const SpawnAttributes attributes;
    actions.hand(appEnd, kChannelDescriptor);
    actions.hand(buffer, kFrameBufferDescriptor);
    std::vector<std::string> arguments = command;
    std::vector<char*> argv;
    for (std::string& argument : arguments) argv.push_back(argument.data());
    argv.push_back(nullptr);
    const int spawned =
        posix_spawn(&pid_, argv[0], actions.get(), attributes.get(), argv.data(), environ);
    close(appEnd);
    close(buffer);
    if (spawned != 0) {
        pid_ = -1;
        throw std::runtime_error("can't start " + command.front() + ": " + std::strerror(spawned));
    }
}

AppProcess::~AppProcess() {
    end(std::chrono::seconds(5));
}

AppMessage AppProcess::request(const AppMessage& request, std::chrono::milliseconds deadline) {
    if (pid_ < 0) throw Failed("has ended");
    try {
        channel_->send(request);
        return channel_->receive(deadline);
    } catch (const AppChannel::NoAnswer&) {
        reapWithin(std::chrono::milliseconds(0));
        throw Failed("stopped answering and was ended");
    } catch (const AppChannel::Broken&) {
        // The channel closes as the process ends: give its end a moment to be told.
        throw Failed(reapWithin(std::chrono::seconds(1)));
    }
}

void AppProcess::end(std::chrono::milliseconds grace) {
    if (pid_ < 0) return;
    channel_->close();
    reapWithin(grace);
}

std::string AppProcess::reapWithin(std::chrono::milliseconds grace) {
    const auto deadline = std::chrono::steady_clock::now() + grace;
    while (pid_ >= 0) {
        if (std::string ending = reap(WNOHANG); !ending.empty()) return ending;
        if (std::chrono::steady_clock::now() >= deadline) break;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (pid_ < 0) return "ended";
    kill(pid_, SIGKILL);
    const std::string ending = reap(0);
    return ending.empty() ? "ended" : ending;
}

std::string AppProcess::reap(int options) {
    int status = 0;
    pid_t reaped;
    do {
        reaped = waitpid(pid_, &status, options);
    } while (reaped < 0 && errno == EINTR);
    if (reaped == 0) return {};
    pid_ = -1;
    channel_->close();
    return reaped < 0 ? "ended" : endDescription(status);
}
