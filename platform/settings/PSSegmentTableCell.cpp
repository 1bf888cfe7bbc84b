#include "platform/settings/PSSegmentTableCell.h"

#include <algorithm>

#include "platform/foundation/SystemLog.h"
#include "platform/runtime/Runtime.h"
#include "platform/settings/PSSpecifier.h"
#include "platform/settings/PSValueText.h"
#include "platform/ui/tables/TableLook.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UISegmentedControl.h"

namespace {

constexpr CGFloat kGap = 10;

struct Segments {
    std::vector<std::string> titles;
    std::vector<PlistValue> values;
};

// Values a preference can hold and a segment can stand for.
bool storable(const PlistValue& value) {
    return value.asString() != nullptr || value.isNumber();
}

// The segments the row's lists make, with what is wrong with the lists, if anything.
Segments readSegments(const PSSpecifier& specifier, std::vector<std::string>& problems) {
    Segments segments;
    const PlistValue* values = specifier.propertyForKey("validValues");
    if (values == nullptr || values->asArray() == nullptr) {
        problems.push_back("it has no validValues list, so no segments");
        return segments;
    }
    const auto& choices = *values->asArray();
    const PlistValue* titles = specifier.propertyForKey("validTitles");
    if (titles == nullptr || titles->asArray() == nullptr) {
        problems.push_back("it has no validTitles list; the values are shown");
    } else if (titles->asArray()->size() != choices.size()) {
        problems.push_back("validTitles has " + std::to_string(titles->asArray()->size()) +
                           " entries for " + std::to_string(choices.size()) + " validValues");
    }
    for (size_t index = 0; index < choices.size(); ++index) {
        if (!storable(choices[index])) {
            problems.push_back("validValues entry " + std::to_string(index) +
                               " is neither a string nor a number; left out");
            continue;
        }
        if (titles != nullptr && titles->asArray() != nullptr &&
            index < titles->asArray()->size() && !(*titles->asArray())[index].asString())
            problems.push_back("validTitles entry " + std::to_string(index) +
                               " is not a string; its value is shown");
        segments.titles.push_back(PSValueText::titleOfChoice(specifier, index));
        segments.values.push_back(choices[index]);
    }
    return segments;
}

std::string joined(const std::vector<std::string>& parts) {
    std::string text;
    for (const std::string& part : parts) text += (text.empty() ? "" : "; ") + part;
    return text;
}

}  // namespace

Class PSSegmentTableCell::classObject() {
    static const Class cls = defineClass<PSSegmentTableCell>(
        "PSSegmentTableCell", PSTableCell::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "segmentChanged:", +[](id self, SEL, UIControl*) {
                    static_cast<PSSegmentTableCell*>(self)->segmentChanged();
                });
        });
    return cls;
}

PSSegmentTableCell::PSSegmentTableCell() = default;

void PSSegmentTableCell::refreshCellContentsWithSpecifier(const PSSpecifier& specifier) {
    PSTableCell::refreshCellContentsWithSpecifier(specifier);
    std::vector<std::string> problems;
    Segments segments = readSegments(specifier, problems);
    if (!problems.empty())
        NSLog("Preferences: the segment row \"" + specifier.name() + "\": " + joined(problems));
    if (control_) control_->removeFromSuperview();
    control_ = std::make_shared<UISegmentedControl>(segments.titles);
    values_ = std::move(segments.values);
    control_->addTarget_action_forControlEvents(shared_from_this(),
                                                "segmentChanged:", UIControlEventValueChanged);
    control_->setEnabled(cellEnabled());
    contentView()->addSubview(control_);
    setSelectionStyle(UITableViewCellSelectionStyle::None);
    setNeedsLayout();
}

void PSSegmentTableCell::setValue(const std::optional<PlistValue>& value) {
    if (!control_) return;
    long selected = UISegmentedControl::UISegmentedControlNoSegment;
    for (size_t index = 0; value && index < values_.size(); ++index) {
        if (PSValueText::sameValue(values_[index], *value)) {
            selected = static_cast<long>(index);
            break;
        }
    }
    control_->setSelectedSegmentIndex(selected);
}

void PSSegmentTableCell::setCellEnabled(bool enabled) {
    PSTableCell::setCellEnabled(enabled);
    if (control_) control_->setEnabled(enabled);
}

void PSSegmentTableCell::layoutSubviews() {
    PSTableCell::layoutSubviews();
    if (!control_) return;
    const CGRect content = contentView()->bounds();
    const CGFloat inset = TableLook::current().contentInset;
    const CGFloat left = layoutLabelBeforeControl(kGap);
    const CGFloat height = control_->sizeThatFits(content.size).height;
    control_->setFrame(CGRectMake(left, (content.size.height - height) / 2,
                                  std::max<CGFloat>(content.size.width - inset - left, 0), height));
}

void PSSegmentTableCell::segmentChanged() {
    const long selected = control_->selectedSegmentIndex();
    if (selected < 0 || static_cast<size_t>(selected) >= values_.size()) return;
    valueChangedByUser(values_[static_cast<size_t>(selected)]);
}
