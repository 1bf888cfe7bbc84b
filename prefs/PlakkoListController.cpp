#include "prefs/PlakkoListController.h"

#include "common/SettingsKeys.h"
#include "common/SettingsStore.h"
#include "platform/foundation/CFPreferences.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/views/UIApplication.h"
#include "prefs/PrefsLockAlert.h"

namespace {

constexpr char kProfilePage[] = "https://twitter.com/ovamo";

}  // namespace

Class PlakkoListController::classObject() {
    static const Class cls = defineClass<PlakkoListController>(
        "PlakkoListController", PSListController::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "followOnTwitter",
                +[](id self, SEL) { static_cast<PlakkoListController*>(self)->followOnTwitter(); });
        });
    return cls;
}

PlakkoListController::PlakkoListController() = default;

const PSListController::Specifiers& PlakkoListController::specifiers() {
    return specifiersLoadedFromPlistName("Plakko");
}

void PlakkoListController::viewDidLoad() {
    PSListController::viewDidLoad();
    loadSettings();
    CFPreferencesAppSynchronize(Settings::kDomain);
    if (CFPreferencesGetAppBooleanValue(Settings::Key::passEnabled, Settings::kDomain, nullptr)) {
        auto prompt = std::make_shared<PrefsLockAlert>();
        prompt->showAlertWithSpecifiers(
            std::static_pointer_cast<PSListController>(shared_from_this()));
    }
}

void PlakkoListController::viewDidUnload() {
    PSListController::viewDidUnload();
    settingsCache.clear();
}

void PlakkoListController::followOnTwitter() {
    UIApplication::sharedApplication().openURL(kProfilePage);
}
