#include "sim/AlertCommands.h"

#include <limits>

#include "platform/ui/views/UIAlertView.h"
#include "platform/ui/views/UIAlertViewButton.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptError.h"

namespace {

std::string restOfLine(const ScriptCommandTable::Arguments& arguments) {
    std::string line;
    for (const std::string& word : arguments) line += (line.empty() ? "" : " ") + word;
    return line;
}

void pressAlertButton(const std::string& label) {
    const auto alerts = UIAlertView::visibleAlerts();
    if (alerts.empty()) throw ScriptError("no alert is shown to press \"" + label + "\" on");
    const auto& alert = alerts.back();
    for (long index = 0; index < alert->numberOfButtons(); ++index) {
        if (alert->buttonTitleAtIndex(index) != label) continue;
        alert->buttonAtIndex(index)->sendActionsForControlEvents(UIControlEventTouchUpInside);
        return;
    }
    throw ScriptError("the alert \"" + alert->title() + "\" has no button \"" + label + "\"");
}

ScriptCommandTable::Action alertButton(const ScriptCommandTable::Arguments& arguments) {
    return [label = restOfLine(arguments)](ScriptContext&) { pressAlertButton(label); };
}

}  // namespace

void addAlertCommands(ScriptCommandTable& commands) {
    commands.add("alert-button",
                 {"alert-button LABEL", 1, std::numeric_limits<size_t>::max(), alertButton});
}
