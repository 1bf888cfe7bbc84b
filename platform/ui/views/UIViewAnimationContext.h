#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/ui/layers/CALayer.h"
#include "platform/ui/views/UIView.h"

// The open view-animation blocks of the main thread, innermost last, and what a layer change
// inside them turns into. Modern blocks (animateWithDuration:…) make each animation at once;
// the older blocks (beginAnimations:…) collect the changes and make the animations at commit, with
// the settings the block has by then.
namespace UIViewAnimationContext {

struct BlockSettings {
    double duration = 0.2;  // the platform's default
    double delay = 0;
    unsigned long options = 0;
    bool spring = false;
    double dampingRatio = 1;
    double initialVelocity = 0;
};

void beginBlock(BlockSettings settings, UIView::Completion completion);
// Closes the innermost modern block; its completion runs when its animations have all stopped,
// or at the next turn when it made none.
void endBlock();

void beginLegacyBlock(std::string animationID, void* context);
void commitLegacyBlock();
// Settings of the innermost older block; ignored outside one.
BlockSettings* legacySettings();
void setLegacyTransition(int transition, const std::shared_ptr<UIView>& view);
void setLegacyPosition(CGPoint position);
void setLegacyDelegate(const std::shared_ptr<NSObject>& delegate, SEL selector);

// What a change of `key` on `layer` (a view's layer) should do inside the current block.
CALayerDelegate::ActionResult actionForChange(CALayer& layer, std::string_view key,
                                              const AnimatableValue& oldValue);

}  // namespace UIViewAnimationContext
