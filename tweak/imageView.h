#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/graphics/CGGeometry.h"
#include "platform/ui/text/UITextViewDelegate.h"
#include "platform/ui/touches/UIGestureRecognizerDelegate.h"
#include "platform/ui/views/UIViewController.h"

class ProgressHUD;
class UIColor;
class UIGestureRecognizer;
class UIImage;
class UIImageView;
class UIView;

// The note controller: one instance for the life of SpringBoard. It builds the note into a
// container view, saves its text, position and visibility, reacts to drags, taps and holds, and
// hides and shows it. Its gesture actions are runtime methods named as the recognisers send them.
class imageView : public UIViewController,
                  public UITextViewDelegate,
                  public UIGestureRecognizerDelegate {
    RUNTIME_CLASS(imageView)
    static const std::shared_ptr<imageView>& sharedInstance();

    // Reloads the settings and sets the presence flags and the module's enabled flag.
    void checkSettings();
    // Builds a fresh note (note, text view, buttons, hide button) into `container`. The frame is
    // used only for the hide button, on screens taller than 800 points.
    void addToView_withFrame_withHideButton(const std::shared_ptr<UIView>& container, CGRect frame,
                                            bool withHideButton);
    // The image at `path` colour-burned with `color`; null when the image can't be read.
    static std::shared_ptr<UIImage> imageNamed_withColor(const std::string& path,
                                                         const std::shared_ptr<UIColor>& color);

    // Editing.
    void textViewDidBeginEditing(UITextView* textView) override;
    void textViewDidEndEditing(UITextView* textView) override;
    // The keyboard button's action; the lock screen's tap sends it with no recogniser.
    void dismissKeyboard_(UIGestureRecognizer* sender);
    // Gestures.
    void handlePanGesture(UIGestureRecognizer* recognizer);
    void detectDeleteTap(UIGestureRecognizer* recognizer);
    void handleHold(UIGestureRecognizer* recognizer);
    // Hiding and showing.
    void detectTap(UIGestureRecognizer* recognizer);
    void hide();
    void show();
    // Export to Notes.
    void export_(UIGestureRecognizer* recognizer);
    void fadeButton(const std::shared_ptr<UIView>& button);

    // The note's size on a screen of this width: the small note when the screen is narrower than
    // 800 points and "sizeiPhone" is set.
    static CGSize noteSize(CGFloat screenWidth);

    // The note's one spring: 0.5 s, damping 0.8, velocity 0.6, user interaction allowed, from
    // the current state.
    static void noteSpring(const std::function<void()>& animations,
                           std::function<void(bool)> completion = nullptr);

    // Members, as the last build and the handlers left them.
    std::shared_ptr<UIImageView> dismissKeyboard;
    double x = 0;
    double y = 0;
    double alpha = 0;
    std::shared_ptr<UIImageView> deleteButton;
    std::shared_ptr<UIImageView> exportButton;
    std::shared_ptr<ProgressHUD> hud;
    bool isAlpha = false;
    bool exists = false;
    bool isFontSize = false;
    bool isSet = false;
    bool checkEnabled = false;
    bool isNotNotification = false;

private:
    std::shared_ptr<NSObject> self();
    void attachTap(const std::shared_ptr<UIView>& view, SEL action);
};
