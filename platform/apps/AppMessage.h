#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One message between SpringBoard and an app's process. SpringBoard asks, the app answers each
// request with Done or Failed (the reason in `text`), the frame buffer then holding its screen as
// it is after the request (`frameChanged` says whether that changed). Every request carries
// SpringBoard's time: the app's clock goes there first.
enum class AppMessageKind : std::uint8_t {
    // Requests.
    Launch,      // start the app; the first frame follows
    Frame,       // only the time moves on
    FingerDown,  // `finger` at `x`, `y` in screen points
    FingerMoved,
    FingerUp,
    FingerCancelled,
    Text,  // typed `text`
    Backspace,
    Command,     // run the script line `text` in the app
    Dump,        // answer with the app's view trees as JSON in `text`
    Background,  // the app leaves the screen
    Foreground,  // the app comes back to the screen
    // Answers.
    Done,
    Failed,
};

struct AppMessage {
    AppMessage() = default;
    explicit AppMessage(AppMessageKind kind, double time = 0) : kind(kind), time(time) {}

    AppMessageKind kind = AppMessageKind::Frame;
    double time = 0;
    std::int32_t finger = 0;
    double x = 0;
    double y = 0;
    bool frameChanged = false;
    std::string text;
};

// A script command's words in one message text, each its length, a colon and its bytes, and back
// again; decoding throws std::invalid_argument for text that isn't such a list.
std::string encodeWords(const std::vector<std::string>& words);
std::vector<std::string> decodeWords(std::string_view text);
