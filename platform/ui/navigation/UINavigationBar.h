#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/ui/navigation/UINavigationBarDelegate.h"
#include "platform/ui/views/UIControl.h"

class NavigationBackButton;
class UILabel;
class UINavigationItem;

// The bar across the top of a navigation interface: a stack of items, the top one's title in the
// middle and, when there is an item below it, a back button titled with that item's title
// ("Back" when it has none). A tap on the back button asks the delegate, then pops the top item.
// Drawn in the device's look: translucent near-white with a hairline below (system 7), or a
// blue-grey gradient with white text (before 7).
//
// Ownership: the bar owns its items and its title and button views; the delegate is not owned.
class UINavigationBar : public UIView {
    RUNTIME_CLASS(UINavigationBar)
    UINavigationBar();
    explicit UINavigationBar(CGRect frame);

    static constexpr CGFloat kHeight = 44;
    static constexpr double kTitleFadeDuration = 0.35;

    const std::vector<std::shared_ptr<UINavigationItem>>& items() const { return items_; }
    std::shared_ptr<UINavigationItem> topItem() const;
    std::shared_ptr<UINavigationItem> backItem() const;
    // Animated, the new title and back button fade in.
    void pushNavigationItem_animated(const std::shared_ptr<UINavigationItem>& item, bool animated);
    // The item popped, or null when there is none.
    std::shared_ptr<UINavigationItem> popNavigationItemAnimated(bool animated);

    std::shared_ptr<UINavigationBarDelegate> delegate() const { return delegate_.lock(); }
    void setDelegate(const std::shared_ptr<UINavigationBarDelegate>& delegate) {
        delegate_ = delegate;
    }

    // What the bar shows, for those that read it (hidden when there is nothing to go back to).
    const std::shared_ptr<UILabel>& titleLabel() const { return titleLabel_; }
    std::shared_ptr<UIControl> backButton() const;
    const std::string& backButtonTitle() const;

    void layoutSubviews() override;
    void drawRect(CGRect rect) override;

private:
    void goBack();
    void itemsChanged(bool animated);

    bool classic_;
    std::vector<std::shared_ptr<UINavigationItem>> items_;
    std::weak_ptr<UINavigationBarDelegate> delegate_;
    std::shared_ptr<UILabel> titleLabel_;
    std::shared_ptr<NavigationBackButton> backButton_;
    bool backButtonWired_ = false;
};
