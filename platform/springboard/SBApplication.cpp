#include "platform/springboard/SBApplication.h"

#include <algorithm>
#include <stdexcept>

#include "platform/apps/AppProcess.h"
#include "platform/apps/SharedFrameBuffer.h"
#include "platform/foundation/Clock.h"
#include "platform/ui/views/UIScreen.h"

SBApplication::SBApplication(std::string name) : name_(std::move(name)) {}

SBApplication::~SBApplication() = default;

bool SBApplication::isRunning() const {
    return process_ && process_->pid() >= 0;
}

void SBApplication::launch(const std::vector<std::string>& command) {
    const UIScreen& screen = UIScreen::mainScreen();
    process_ = std::make_unique<AppProcess>(command, screen.pixelWidth(), screen.pixelHeight());
    frame_ = nullptr;
    AppMessage launch(AppMessageKind::Launch, NSDate::now());
    const AppMessage answer = process_->request(launch, kLaunchDeadline);
    if (answer.kind == AppMessageKind::Failed) {
        process_.reset();
        throw std::runtime_error(answer.text);
    }
    takeFrame(answer);
}

void SBApplication::terminate() {
    if (process_) process_->end(kFrameDeadline);
    process_.reset();
    frame_ = nullptr;
}

AppMessage SBApplication::request(AppMessage message) {
    if (!isRunning()) throw AppProcess::Failed("isn't running");
    message.time = NSDate::now();
    try {
        return process_->request(message, kFrameDeadline);
    } catch (const AppProcess::Failed&) {
        process_.reset();
        frame_ = nullptr;
        throw;
    }
}

bool SBApplication::takeFrame(const AppMessage& answer) {
    if (!answer.frameChanged && frame_) return false;
    const SharedFrameBuffer& buffer = process_->frameBuffer();
    const auto pixels = buffer.pixels();
    CGImage::Pixels copy(pixels.size());
    std::copy(pixels.begin(), pixels.end(), copy.begin());
    frame_ = std::make_shared<const CGImage>(buffer.pixelWidth(), buffer.pixelHeight(),
                                             std::move(copy), true);
    return true;
}

bool SBApplication::advance() {
    return takeFrame(request(AppMessage(AppMessageKind::Frame)));
}

bool SBApplication::finger(AppMessageKind phase, int finger, CGPoint point) {
    AppMessage message(phase);
    message.finger = finger;
    message.x = point.x;
    message.y = point.y;
    return takeFrame(request(message));
}

bool SBApplication::type(AppMessageKind key, const std::string& text) {
    AppMessage message(key);
    message.text = text;
    return takeFrame(request(message));
}

bool SBApplication::enterBackground() {
    return takeFrame(request(AppMessage(AppMessageKind::Background)));
}

bool SBApplication::enterForeground() {
    return takeFrame(request(AppMessage(AppMessageKind::Foreground)));
}

double SBApplication::runCommand(const std::vector<std::string>& words) {
    AppMessage message(AppMessageKind::Command);
    message.text = encodeWords(words);
    const AppMessage answer = request(message);
    takeFrame(answer);
    if (answer.kind == AppMessageKind::Failed) throw std::runtime_error(answer.text);
    return answer.time;
}

std::string SBApplication::viewTreeDump() {
    const AppMessage answer = request(AppMessage(AppMessageKind::Dump));
    if (answer.kind == AppMessageKind::Failed) throw std::runtime_error(answer.text);
    return answer.text;
}
