#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class UIColor;

// A list row drawn as a strip of ruled paper, for the Notes app's look before system 7: the
// paper's colour with a rule along the bottom, one pixel high. Used as a cell's background.
class NotesPaperRowView : public UIView {
    RUNTIME_CLASS(NotesPaperRowView)
    NotesPaperRowView();
    NotesPaperRowView(std::shared_ptr<UIColor> paper, std::shared_ptr<UIColor> rule);

    void drawRect(CGRect rect) override;

private:
    std::shared_ptr<UIColor> paper_;
    std::shared_ptr<UIColor> rule_;
};
