// The note controller's hiding and showing: the hide button's tap, the five hide effects and the
// way back.
#include <cmath>

#include "common/SettingsKeys.h"
#include "common/SettingsStore.h"
#include "platform/ui/views/UIImageView.h"
#include "platform/ui/views/UIView.h"
#include "tweak/LockAlert.h"
#include "tweak/ModuleState.h"
#include "tweak/SettingWrites.h"
#include "tweak/imageView.h"

namespace {

constexpr double kDefaultHideDuration = 0.3;

}  // namespace

void imageView::detectTap(UIGestureRecognizer*) {
    loadSettings();
    const bool hidden = cachedBool(Settings::Key::hidden);
    if (cachedBool(Settings::Key::passEnabled) && hidden) {
        std::make_shared<LockAlert>()->showAlert();
    } else if (hidden) {
        show();
    } else {
        hide();
    }
}

void imageView::hide() {
    // The effect and its length as the previous load left them.
    const float animation = cachedFloat(Settings::Key::animation);
    const float duration = cachedFloat(Settings::Key::duration);
    checkSettings();
    // A length that isn't finite would never end: it counts as no length set.
    const double hideDuration =
        isSet && std::isfinite(duration) ? duration / 10.0 : kDefaultHideDuration;
    ModuleState& module = moduleState();
    auto note = module.noteView.lock();
    if (note && animation != 1.0f) note->setAlpha(0);

    UIView::beginAnimations_context("", nullptr);
    if (note) {
        if (animation == 1.0f) {
            UIView::animateWithDuration_delay_options_animations_completion(
                hideDuration, 0, UIViewAnimationOptionOverrideInheritedDuration,
                [note] { note->setAlpha(0); }, nullptr);
        } else if (animation == 2.0f) {
            UIView::setAnimationTransition_forView_cache(UIViewAnimationTransitionCurlUp, note,
                                                         true);
        } else if (animation == 3.0f) {
            UIView::setAnimationTransition_forView_cache(UIViewAnimationTransitionSuck, note, true);
            if (auto hideButton = module.hideButton.lock())
                UIView::setAnimationPosition(hideButton->frame().origin);
        } else if (animation == 4.0f) {
            UIView::setAnimationTransition_forView_cache(UIViewAnimationTransitionFlipFromRight,
                                                         note, true);
        } else if (animation == 5.0f) {
            UIView::setAnimationTransition_forView_cache(UIViewAnimationTransitionFlipFromLeft,
                                                         note, true);
        }
    }
    UIView::setAnimationDuration(hideDuration);
    module.isHidden = true;
    writeSetting(Settings::Key::hidden, PlistValue::boolean(true));
    UIView::commitAnimations();
}

void imageView::show() {
    checkSettings();
    // An opacity that isn't finite can't be shown: the note then comes back fully opaque.
    const float setting = cachedFloat(Settings::Key::alpha);
    alpha = isAlpha && std::isfinite(setting) ? setting : 1.0;
    auto note = moduleState().noteView.lock();
    const double target = alpha;
    noteSpring(
        [note, target] {
            if (note) note->setAlpha(target);
        },
        [](bool) {
            moduleState().isHidden = false;
            writeSetting(Settings::Key::hidden, PlistValue::boolean(false));
        });
}
