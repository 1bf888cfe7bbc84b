#pragma once

class UIAlertView;

// Told what becomes of an alert; every operation is optional.
class UIAlertViewDelegate {
public:
    virtual ~UIAlertViewDelegate() = default;
    // A button was tapped (the cancel button is 0 when there is one); the alert dismisses itself
    // after this returns.
    virtual void alertView_clickedButtonAtIndex(UIAlertView*, long) {}
    // The alert is off the screen.
    virtual void alertView_didDismissWithButtonIndex(UIAlertView*, long) {}
};
