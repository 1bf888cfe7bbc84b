#pragma once

#include <memory>

#include "platform/foundation/Subscription.h"

class NotesListController;
class UINavigationController;
class UIWindow;

// The Notes app's process: a window with a navigation controller whose root is the list of the
// device's notes; a row opens the note's page. The app only reads the Notes store. Main thread
// only; one per process.
//
// Ownership: the app owns its window, its navigation controller and the list.
class NotesApp {
public:
    static constexpr char kBundleIdentifier[] = "com.apple.mobilenotes";

    static NotesApp& shared();

    // Registers the app's classes and shows the list; from then on the application's coming to
    // the front again (UIApplicationWillEnterForegroundNotification) calls willEnterForeground.
    void launch();
    bool isLaunched() const { return window_ != nullptr; }
    // The app comes to the front again: the list reads the store anew, so notes saved while the
    // app was away show; a note's page that is open stays open.
    void willEnterForeground();

    const std::shared_ptr<UINavigationController>& navigationController() const {
        return navigation_;
    }
    const std::shared_ptr<NotesListController>& listController() const { return list_; }

private:
    NotesApp() = default;

    std::shared_ptr<UIWindow> window_;
    std::shared_ptr<UINavigationController> navigation_;
    std::shared_ptr<NotesListController> list_;
    Subscription foreground_;
};
