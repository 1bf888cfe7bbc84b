#pragma once

#include <memory>
#include <string>

class UINavigationController;
class UIWindow;

// The Settings app's process: a window with a navigation controller whose root is the list of
// settings (the built-in General pane, and a group of the installed settings bundles' entries).
// Main thread only; one per process.
class SettingsApp {
public:
    static constexpr char kBundleIdentifier[] = "com.apple.Preferences";

    // What General → About tells of the device.
    struct About {
        std::string name;   // "iPhone 5"
        std::string model;  // "iPhone"
    };

    static SettingsApp& shared();

    // Registers the framework's classes and shows the root list.
    void launch(About about);
    bool isLaunched() const { return window_ != nullptr; }
    const About& about() const { return about_; }
    const std::shared_ptr<UINavigationController>& navigationController() const {
        return navigation_;
    }

private:
    SettingsApp() = default;

    About about_;
    std::shared_ptr<UIWindow> window_;
    std::shared_ptr<UINavigationController> navigation_;
};
