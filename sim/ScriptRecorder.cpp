#include "sim/ScriptRecorder.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "platform/foundation/Clock.h"
#include "sim/RotationCommands.h"
#include "sim/ScriptArguments.h"

namespace {

// The longest a wait line may be, in milliseconds: a day.
constexpr long long kLongestWait = 24LL * 60 * 60 * 1000;

std::string pointText(CGPoint point) {
    return numberText(point.x) + " " + numberText(point.y);
}

}  // namespace

ScriptRecorder::ScriptRecorder(const std::filesystem::path& file, Start start,
                               const std::string& replayCommand)
    : file_(file, start == Start::Fresh ? std::ios::trunc : std::ios::app),
      screenshotName_(file.stem().string() + "-end.png"),
      start_(NSDate::now()) {
    if (!file_) throw std::runtime_error("can't write the record " + file.string());
    if (start == Start::Fresh) {
        file_ << "# What a person did in the plakko-sim window. Replay it headless with\n#   "
              << replayCommand << "\n";
    } else {
        file_ << "# SpringBoard started again\n";
    }
    file_.flush();
}

void ScriptRecorder::fingerDown(CGPoint point) {
    write("touch-down " + pointText(point));
    fingerDown_ = true;
}

void ScriptRecorder::fingerMoved(CGPoint point) {
    if (fingerDown_) write("touch-move " + pointText(point) + " 0 1");
}

void ScriptRecorder::fingerUp(CGPoint point) {
    if (fingerDown_) write("touch-up " + pointText(point));
    fingerDown_ = false;
}

void ScriptRecorder::fingerCancelled() {
    if (fingerDown_) write("touch-cancel");
    fingerDown_ = false;
}

void ScriptRecorder::typed(std::string_view text) {
    if (!text.empty()) write("type " + quotedArgument(text));
}

void ScriptRecorder::keyPressed(std::string_view key) {
    write("key " + std::string(key));
}

void ScriptRecorder::rotated(UIDeviceOrientation orientation) {
    write("rotate " + std::string(orientationScriptName(orientation)));
}

void ScriptRecorder::command(const std::string& line) {
    write(line);
}

void ScriptRecorder::finish() {
    write("screenshot " + quotedArgument(screenshotName_));
}

void ScriptRecorder::write(const std::string& line) {
    const long long now = std::llround((NSDate::now() - start_) * 1000);
    while (now > written_) {
        const long long wait = std::min(now - written_, kLongestWait);
        file_ << "wait " << numberText(static_cast<double>(wait) / 1000) << "\n";
        written_ += wait;
    }
    file_ << line << "\n";
    file_.flush();
}
