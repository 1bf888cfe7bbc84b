#include "sim/ScriptRunner.h"

#include <istream>
#include <optional>
#include <vector>

#include "platform/foundation/NSRunLoop.h"
#include "sim/ScriptCommandTable.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"

namespace {

struct Step {
    size_t lineNumber;
    ScriptCommandTable::Action action;
};

// The character a backslash before `c` stands for; nothing when the backslash is itself.
std::optional<char> escaped(char c) {
    switch (c) {
        case '\\':
        case '"':
            return c;
        case 'n':
            return '\n';
        default:
            return std::nullopt;
    }
}

// The words of one line, without its comment.
std::vector<std::string> splitLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (c == '\\' && i + 1 < line.size() && escaped(line[i + 1])) {
            inWord = true;
            word += *escaped(line[++i]);
        } else if (quoted) {
            if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == '#') {
            break;
        } else if (c == ' ' || c == '\t' || c == '\r') {
            if (inWord) words.push_back(std::move(word));
            word.clear();
            inWord = false;
        } else {
            inWord = true;
            if (c == '"') {
                quoted = true;
            } else {
                word += c;
            }
        }
    }
    if (quoted) throw ScriptError("a quoted argument is not closed");
    if (inWord) words.push_back(std::move(word));
    return words;
}

// Nothing for a blank or comment line.
std::optional<Step> parseLine(const std::string& line, size_t lineNumber,
                              const ScriptCommandTable& commands) {
    std::vector<std::string> words = splitLine(line);
    if (words.empty()) return std::nullopt;
    const ScriptCommandTable::Command* command = commands.find(words[0]);
    if (command == nullptr) throw ScriptError("unknown command \"" + words[0] + "\"");
    words.erase(words.begin());
    if (words.size() < command->minimumArguments || words.size() > command->maximumArguments) {
        throw ScriptError("wrong number of arguments; usage: " + command->usage);
    }
    return Step{lineNumber, command->prepare(words)};
}

ScriptError atLine(const std::string& scriptName, size_t lineNumber, const ScriptError& error) {
    return ScriptError(scriptName + ":" + std::to_string(lineNumber) + ": " + error.what());
}

// Reads and checks the next line that holds a command; nothing at the end of the script.
std::optional<Step> nextStep(std::istream& script, const std::string& scriptName,
                             const ScriptCommandTable& commands, size_t& lineNumber,
                             ScriptReading reading) {
    std::string line;
    for (;;) {
        if (reading == ScriptReading::LineByLine && script.rdbuf()->in_avail() <= 0)
            NSRunLoop::mainRunLoop().runOneTurn();
        if (!std::getline(script, line)) {
            if (script.bad()) throw ScriptError(scriptName + ": can't be read");
            return std::nullopt;
        }
        const size_t number = lineNumber++;
        try {
            if (auto step = parseLine(line, number, commands)) return step;
        } catch (const ScriptError& error) {
            throw atLine(scriptName, number, error);
        }
    }
}

// Runs one step; true when the device's process is to start again.
bool runStep(const Step& step, const std::string& scriptName, ScriptContext& context) {
    try {
        step.action(context);
    } catch (const ScriptError& error) {
        throw atLine(scriptName, step.lineNumber, error);
    }
    return context.restartRequested;
}

}  // namespace

void checkScript(std::istream& script, const std::string& scriptName,
                 const ScriptCommandTable& commands) {
    size_t lineNumber = 1;
    while (nextStep(script, scriptName, commands, lineNumber, ScriptReading::Whole)) {
    }
}

std::optional<size_t> runScript(std::istream& script, const std::string& scriptName,
                                const ScriptCommandTable& commands, ScriptContext& context,
                                size_t firstLine, ScriptReading reading) {
    if (reading == ScriptReading::LineByLine) {
        size_t lineNumber = firstLine;
        while (auto step = nextStep(script, scriptName, commands, lineNumber, reading)) {
            if (runStep(*step, scriptName, context)) return step->lineNumber + 1;
        }
        return std::nullopt;
    }
    std::vector<Step> steps;
    size_t lineNumber = 1;
    while (auto step = nextStep(script, scriptName, commands, lineNumber, reading))
        steps.push_back(std::move(*step));
    for (const Step& step : steps) {
        if (step.lineNumber >= firstLine && runStep(step, scriptName, context))
            return step.lineNumber + 1;
    }
    return std::nullopt;
}
