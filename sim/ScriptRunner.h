#pragma once

#include <iosfwd>
#include <string>

class ScriptCommandTable;
struct ScriptContext;

// Runs a headless script: one command a line, its arguments separated by spaces ("double quotes"
// keep spaces together, with \" and \\ inside them), "#" outside quotes starts a comment, blank
// lines are skipped. Every line's command and number of arguments are checked before the first
// one runs, so a typo near the end costs no time. Throws ScriptError "NAME:LINE: reason" for the
// first line that fails.
void runScript(std::istream& script, const std::string& scriptName,
               const ScriptCommandTable& commands, ScriptContext& context);
