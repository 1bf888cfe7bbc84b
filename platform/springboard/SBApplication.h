#pragma once

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "platform/apps/AppMessage.h"
#include "platform/graphics/CGGeometry.h"
#include "platform/graphics/CGImage.h"

class AppProcess;

// An app SpringBoard opens from the home screen, and its process while it runs. Each request
// first brings the app's clock to SpringBoard's, so the app runs in lock-step with it; the app
// answers with its screen, kept here as its latest frame. A request the process fails (it
// crashed, or missed its deadline and was killed) throws AppProcess::Failed and leaves the app
// not running. Main thread only.
class SBApplication {
public:
    // How long an app may take over a frame, and over its launch (which loads its bundles).
    static constexpr std::chrono::seconds kFrameDeadline{5};
    static constexpr std::chrono::seconds kLaunchDeadline{30};

    explicit SBApplication(std::string name);
    ~SBApplication();
    SBApplication(const SBApplication&) = delete;
    SBApplication& operator=(const SBApplication&) = delete;

    // "Settings": the name under its icon, which is also its process's name.
    const std::string& name() const { return name_; }
    bool isRunning() const;

    // Starts the app's process from `command` and waits for its first frame. Throws
    // std::runtime_error when it can't start, AppProcess::Failed when it fails on the way.
    void launch(const std::vector<std::string>& command);
    // Ends the process: the app finishes its work (its preference writes land) and exits.
    void terminate();

    // The app's screen as of its last answer, at the screen's scale; null before the first.
    const CGImageRef& frame() const { return frame_; }

    // Requests; see AppMessage. Each gives true when the app's screen changed.
    bool advance();
    bool finger(AppMessageKind phase, int finger, CGPoint point);
    bool type(AppMessageKind key, const std::string& text = {});
    bool enterBackground();
    bool enterForeground();
    // Runs a script command (its name, then its arguments) in the app; throws
    // std::runtime_error with the app's reason when it fails there. Gives the app's time after
    // it, which a command that lets time pass (a tap's hold) has moved on.
    double runCommand(const std::vector<std::string>& words);
    // The app's view trees, as JSON text.
    std::string viewTreeDump();

private:
    AppMessage request(AppMessage message);
    bool takeFrame(const AppMessage& answer);

    std::string name_;
    std::unique_ptr<AppProcess> process_;
    CGImageRef frame_;
};
