#include "sim/SettingsScene.h"

#include "platform/settings/SettingsApp.h"
#include "sim/SimulatorOptions.h"

void launchSettingsApp(const SimulatorOptions& options) {
    SettingsApp::shared().launch(
        {options.device.displayName,
         options.device.idiom == UIUserInterfaceIdiomPad ? "iPad" : "iPhone"});
}
