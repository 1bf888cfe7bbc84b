#pragma once

class UINavigationBar;
class UINavigationItem;

// Asked before the bar's back button pops its top item.
class UINavigationBarDelegate {
public:
    virtual ~UINavigationBarDelegate() = default;
    // False keeps the item: the delegate pops it itself, or not at all.
    virtual bool navigationBar_shouldPopItem(UINavigationBar*, UINavigationItem*) { return true; }
};
