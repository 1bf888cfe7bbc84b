#pragma once

#include <sys/types.h>

#include <chrono>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/apps/AppMessage.h"

class AppChannel;
class SharedFrameBuffer;

// An app's process as SpringBoard sees it: started from a command line with the channel on
// descriptor 3 and the frame buffer on descriptor 4, asked one request at a time. The process
// owns its channel and frame buffer, and ends the app when it goes. Main thread only.
class AppProcess {
public:
    static constexpr int kChannelDescriptor = 3;
    static constexpr int kFrameBufferDescriptor = 4;

    // The app is gone: it ended, crashed, sent nonsense, or didn't answer in time and was killed.
    // what() says which, in a few words.
    struct Failed : std::runtime_error {
        using std::runtime_error::runtime_error;
    };

    // Starts `command` (the program's path first) for a screen of this many pixels. Throws
    // std::runtime_error when it can't start.
    AppProcess(const std::vector<std::string>& command, size_t pixelWidth, size_t pixelHeight);
    ~AppProcess();
    AppProcess(const AppProcess&) = delete;
    AppProcess& operator=(const AppProcess&) = delete;

    // Sends `request` and gives the answer (Done or Failed), which must come within `deadline`.
    // Throws Failed, the process killed, when it doesn't.
    AppMessage request(const AppMessage& request, std::chrono::milliseconds deadline);
    // The app's screen as its last answer left it.
    const SharedFrameBuffer& frameBuffer() const { return *frameBuffer_; }
    pid_t pid() const { return pid_; }

    // Closes the channel, which the app takes as the end (it finishes its work and exits), and
    // waits for that for at most `grace`; kills it after. Nothing when it has ended already.
    void end(std::chrono::milliseconds grace);

private:
    // Waits at most `grace` for the app to end, kills it after, and tells how it ended.
    std::string reapWithin(std::chrono::milliseconds grace);
    // How the app ended, or nothing while it runs (with WNOHANG).
    std::string reap(int options);

    std::unique_ptr<SharedFrameBuffer> frameBuffer_;
    std::unique_ptr<AppChannel> channel_;
    pid_t pid_ = -1;
};
