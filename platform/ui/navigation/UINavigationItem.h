#pragma once

#include <memory>
#include <string>

#include "platform/runtime/NSObject.h"

class UINavigationBar;

// What a navigation bar shows for one pane: its title in the middle when the pane is on top,
// and on the back button when the pane below the top one. Ownership: the bar it is on is not
// owned.
class UINavigationItem : public NSObject {
    RUNTIME_CLASS(UINavigationItem)
    UINavigationItem() = default;
    explicit UINavigationItem(std::string title) : title_(std::move(title)) {}

    const std::string& title() const { return title_; }
    // The bar showing the item shows the new title.
    void setTitle(std::string title);

    // Kept by the bar the item is pushed on.
    void setNavigationBar(const std::shared_ptr<UINavigationBar>& bar) { bar_ = bar; }

private:
    std::string title_;
    std::weak_ptr<UINavigationBar> bar_;
};
