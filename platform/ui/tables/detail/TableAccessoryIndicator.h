#pragma once

#include <memory>

#include "platform/ui/views/UIView.h"

class UIColor;

// The mark at a row's trailing edge: the disclosure chevron or the checkmark, stroked in its
// colour at its natural size.
class TableAccessoryIndicator : public UIView {
    RUNTIME_CLASS(TableAccessoryIndicator)
    enum class Mark { Chevron, Checkmark };
    TableAccessoryIndicator();

    void configure(Mark mark, std::shared_ptr<UIColor> color);
    Mark mark() const { return mark_; }
    CGSize sizeThatFits(CGSize) const override;
    void drawRect(CGRect rect) override;

private:
    Mark mark_ = Mark::Chevron;
    std::shared_ptr<UIColor> color_;
};
