#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>

class ScriptCommandTable;
struct ScriptContext;

// How the runner reads a script.
enum class ScriptReading {
    // Every line (command, number of arguments and the arguments themselves) is checked before
    // the first one runs, so a typo near the end costs no time.
    Whole,
    // Each line is checked when it has been read and runs before the next is read: a script on
    // standard input can go on for as long as its writer likes. Before waiting for more input
    // the main run loop finishes its turn, so the device's work (a preference write) is done.
    LineByLine,
};

// Runs a headless script: one command a line, its arguments separated by spaces ("double quotes"
// keep spaces and "#" together), "#" outside quotes starts a comment, blank lines are skipped; a
// backslash before "\", '"' or "n" gives a backslash, a double quote or a newline, in quotes or
// not (any other backslash is itself). Read Whole, lines before `firstLine` are checked but not
// run; read LineByLine, the stream's first line is line `firstLine`. Throws ScriptError
// "NAME:LINE: reason" for the first line that fails. A command that restarts the device's process
// (ScriptContext::restartRequested) ends the run here: gives the line to go on from in the
// restarted process, or nothing when the script ran to its end.
std::optional<size_t> runScript(std::istream& script, const std::string& scriptName,
                                const ScriptCommandTable& commands, ScriptContext& context,
                                size_t firstLine = 1, ScriptReading reading = ScriptReading::Whole);

// Checks a script as runScript does before its first line runs, running nothing.
void checkScript(std::istream& script, const std::string& scriptName,
                 const ScriptCommandTable& commands);
