#include "platform/notesapp/NotesApp.h"

#include "platform/foundation/NSNotificationCenter.h"
#include "platform/notesapp/NotePageController.h"
#include "platform/notesapp/NoteTextView.h"
#include "platform/notesapp/NotesListController.h"
#include "platform/notesapp/NotesPaperRowView.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

NotesApp& NotesApp::shared() {
    static NotesApp* app = new NotesApp();  // lives as long as the process
    return *app;
}

void NotesApp::launch() {
    if (isLaunched()) return;
    NotesListController::classObject();
    NotePageController::classObject();
    NoteTextView::classObject();
    NotesPaperRowView::classObject();
    list_ = std::make_shared<NotesListController>();
    navigation_ = UINavigationController::make(list_);
    window_ = std::make_shared<UIWindow>(UIScreen::mainScreen().bounds());
    window_->setRootViewController(navigation_);
    window_->makeKeyAndVisible();
    foreground_ = NSNotificationCenter::defaultCenter().addObserverForName(
        UIApplicationWillEnterForegroundNotification, nullptr,
        [this](const NSNotification&) { willEnterForeground(); });
}

void NotesApp::willEnterForeground() {
    if (isLaunched()) list_->reloadNotes();
}
