// Bytes as a settings bundle's specifier list, shown as a pane would show it: loaded into a pane
// at the root of a navigation controller in a window, every row's cell made, every row tapped
// (links open their pane or choice list, buttons send their action, text rows start editing) and
// every pane that opened closed again, then the list reloaded. Bad lists are logged, never crash.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

#include "fuzz/ScratchPath.h"
#include "platform/foundation/Clock.h"
#include "platform/foundation/DeviceRoot.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/NSRunLoop.h"
#include "platform/foundation/SystemLog.h"
#include "platform/settings/PSListController.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UIApplication.h"
#include "platform/ui/views/UIWindow.h"

namespace {

constexpr char kBundle[] = "/Library/PreferenceBundles/Fuzz.bundle";

// A device root of its own, removed as the process ends.
const std::filesystem::path& deviceRoot() {
    static const std::filesystem::path root = scratchPath("settings-pane-fuzz");
    return root;
}

// The device root, on virtual time.
void prepareDevice() {
    static const bool prepared = [] {
        DeviceRoot::setPath(deviceRoot());
        std::filesystem::create_directories(DeviceRoot::resolve(kBundle));
        std::atexit([] {
            std::error_code error;
            std::filesystem::remove_all(deviceRoot(), error);
        });
        Clock::setCurrent(std::make_shared<VirtualClock>());
        return true;
    }();
    (void)prepared;
}

// Lets a second of virtual time pass: slides and fades end.
void settle() {
    NSRunLoop::mainRunLoop().runUntilDate(Clock::current().now() + 1);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    prepareDevice();
    SystemLogCapture quiet;  // bad lists are expected; keep their log lines off stderr
    FileIO::writeFile(DeviceRoot::resolve(std::string(kBundle) + "/Fuzz.plist"),
                      std::string(reinterpret_cast<const char*>(data), size));

    auto pane = std::make_shared<PSListController>();
    pane->setBundlePath(kBundle);
    pane->setSpecifiers(pane->loadSpecifiersFromPlistName_target("Fuzz", pane));
    auto navigation = UINavigationController::make(pane);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 320, 568));
    window->setRootViewController(navigation);
    window->makeKeyAndVisible();
    settle();

    const auto& table = pane->table();
    for (size_t section = 0; table && section < table->numberOfSections(); ++section) {
        for (size_t row = 0; row < table->numberOfRowsInSection(section); ++row) {
            table->scrollToRowAtIndexPath_atScrollPosition_animated(
                {section, row}, UITableViewScrollPosition::Middle, false);
            table->layoutIfNeeded();
            pane->tableView_didSelectRowAtIndexPath(table.get(), {section, row});
            settle();
            while (navigation->popViewControllerAnimated(false)) {
            }
        }
    }
    pane->reload();
    settle();
    UIApplication::sharedApplication().removeWindow(window.get());
    return 0;
}
