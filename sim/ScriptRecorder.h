#pragma once

#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/views/UIDevice.h"

// Writes what the person at the window does to the device as a headless script that does it
// again: the finger (touch-down, touch-move, touch-up, touch-cancel), typed text and keys, and
// the device's commands (lock, rotate, respring, ...), each after a wait line for the time since
// the one before (to the millisecond, on the device's clock). The record ends with a wait to the
// window's closing and a screenshot. Each line reaches the file as it is recorded, so a run that
// ends badly keeps what led there. Main thread only.
class ScriptRecorder {
public:
    enum class Start {
        // A new record, with a comment saying how to replay it.
        Fresh,
        // Goes on with the record of the process before a respring.
        Appending,
    };

    // Times are taken from now on. `replayCommand` is the command line that replays the record
    // (with FILE for it). Throws std::runtime_error when the file can't be opened.
    ScriptRecorder(const std::filesystem::path& file, Start start,
                   const std::string& replayCommand);

    void fingerDown(CGPoint point);
    // Only while a recorded finger is down, as are the two below.
    void fingerMoved(CGPoint point);
    void fingerUp(CGPoint point);
    void fingerCancelled();
    void typed(std::string_view text);
    // "return" or "backspace".
    void keyPressed(std::string_view key);
    void rotated(UIDeviceOrientation orientation);
    // A command without arguments, or whose arguments need no quoting: "lock", "respring".
    void command(const std::string& line);
    // The window closes: what it shows then is the screenshot, named after the record's file
    // ("bug.txt" gives "bug-end.png", written in the folder the replay runs in).
    void finish();

private:
    void write(const std::string& line);

    std::ofstream file_;
    std::string screenshotName_;
    double start_;
    // Milliseconds since the start up to the last wait written.
    long long written_ = 0;
    bool fingerDown_ = false;
};
