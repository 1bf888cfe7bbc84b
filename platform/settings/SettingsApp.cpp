#include "platform/settings/SettingsApp.h"

#include "platform/settings/PSEditableTableCell.h"
#include "platform/settings/PSListItemsController.h"
#include "platform/settings/PSSegmentTableCell.h"
#include "platform/settings/PSSliderTableCell.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSSwitchTableCell.h"
#include "platform/settings/PSUnavailableController.h"
#include "platform/settings/SettingsAboutController.h"
#include "platform/settings/SettingsGeneralController.h"
#include "platform/settings/SettingsRootController.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIWindow.h"

namespace {

// The framework's classes, so that specifier lists and bundles find them by name.
void registerFrameworkClasses() {
    PSSpecifier::classObject();
    PSTableCell::classObject();
    PSSwitchTableCell::classObject();
    PSSliderTableCell::classObject();
    PSSegmentTableCell::classObject();
    PSEditableTableCell::classObject();
    PSListController::classObject();
    PSListItemsController::classObject();
    PSUnavailableController::classObject();
    SettingsRootController::classObject();
    SettingsGeneralController::classObject();
    SettingsAboutController::classObject();
}

}  // namespace

SettingsApp& SettingsApp::shared() {
    static SettingsApp* app = new SettingsApp();  // lives as long as the process
    return *app;
}

void SettingsApp::launch(About about) {
    if (isLaunched()) return;
    about_ = std::move(about);
    registerFrameworkClasses();
    navigation_ = UINavigationController::make(std::make_shared<SettingsRootController>());
    window_ = std::make_shared<UIWindow>(UIScreen::mainScreen().bounds());
    window_->setRootViewController(navigation_);
    window_->makeKeyAndVisible();
}
