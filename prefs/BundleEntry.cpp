// The settings bundle's load-time initialiser: registers its panes and cells, so that the Settings
// app and the specifier lists find them by name.
#include "prefs/ColorPickerCell.h"
#include "prefs/FontColorController.h"
#include "prefs/PlakkoColorController.h"
#include "prefs/PlakkoColorPickerCell.h"
#include "prefs/PlakkoDurationSliderCell.h"
#include "prefs/PlakkoListController.h"
#include "prefs/PlakkoPasswordController.h"
#include "prefs/PrefsLockAlert.h"
#include "prefs/passClass.h"
#include "prefs/passwordCell.h"
#include "prefs/selectedColorCell.h"
#include "prefs/selectedColorCell_plakko.h"

namespace {

__attribute__((constructor)) void registerBundleClasses() {
    PlakkoListController::classObject();
    PlakkoPasswordController::classObject();
    passClass::classObject();
    passwordCell::classObject();
    PlakkoDurationSliderCell::classObject();
    PrefsLockAlert::classObject();
    PlakkoColorController::classObject();
    FontColorController::classObject();
    PlakkoColorPickerCell::classObject();
    ColorPickerCell::classObject();
    selectedColorCell_plakko::classObject();
    selectedColorCell::classObject();
}

}  // namespace
