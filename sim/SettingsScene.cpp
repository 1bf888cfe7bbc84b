#include "sim/SettingsScene.h"

#include "platform/settings/SettingsApp.h"
#include "sim/DeviceRootLayout.h"
#include "sim/SimulatorOptions.h"

void launchSettingsApp(const SimulatorOptions& options) {
    installDeliverables();
    SettingsApp::shared().launch(
        {options.device.displayName,
         options.device.idiom == UIUserInterfaceIdiomPad ? "iPad" : "iPhone"});
}
