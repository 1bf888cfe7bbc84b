#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

class ScriptCommandTable;
struct ScriptContext;

// Runs a headless script: one command a line, its arguments separated by spaces ("double quotes"
// keep spaces together, with \" and \\ inside them), "#" outside quotes starts a comment, blank
// lines are skipped. Every line's command and number of arguments are checked before the first
// one runs, so a typo near the end costs no time; lines before `firstLine` are checked but not
// run. Throws ScriptError "NAME:LINE: reason" for the first line that fails. A command that
// restarts the device's process (ScriptContext::restartRequested) ends the run here: gives the
// line to go on from in the restarted process, or nothing when the script ran to its end.
std::optional<size_t> runScript(std::istream& script, const std::string& scriptName,
                                const ScriptCommandTable& commands, ScriptContext& context,
                                size_t firstLine = 1);

// Checks a script as runScript does before its first line runs, running nothing.
void checkScript(std::istream& script, const std::string& scriptName,
                 const ScriptCommandTable& commands);
