#include "sim/ScriptRunner.h"

#include <istream>
#include <optional>
#include <vector>

#include "sim/ScriptCommandTable.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptError.h"

namespace {

struct Step {
    size_t lineNumber;
    const ScriptCommandTable::Command* command;
    ScriptCommandTable::Arguments arguments;
};

// The words of one line, without its comment.
std::vector<std::string> splitLine(const std::string& line) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted) {
            if (c == '"') {
                quoted = false;
            } else if (c == '\\' && i + 1 < line.size() &&
                       (line[i + 1] == '"' || line[i + 1] == '\\')) {
                word += line[++i];
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
    return Step{lineNumber, command, std::move(words)};
}

ScriptError atLine(const std::string& scriptName, size_t lineNumber, const ScriptError& error) {
    return ScriptError(scriptName + ":" + std::to_string(lineNumber) + ": " + error.what());
}

// Every line's step, checked.
std::vector<Step> parseScript(std::istream& script, const std::string& scriptName,
                              const ScriptCommandTable& commands) {
    std::vector<Step> steps;
    std::string line;
    for (size_t lineNumber = 1; std::getline(script, line); ++lineNumber) {
        try {
            if (auto step = parseLine(line, lineNumber, commands))
                steps.push_back(std::move(*step));
        } catch (const ScriptError& error) {
            throw atLine(scriptName, lineNumber, error);
        }
    }
    if (script.bad()) throw ScriptError(scriptName + ": can't be read");
    return steps;
}

}  // namespace

void checkScript(std::istream& script, const std::string& scriptName,
                 const ScriptCommandTable& commands) {
    parseScript(script, scriptName, commands);
}

std::optional<size_t> runScript(std::istream& script, const std::string& scriptName,
                                const ScriptCommandTable& commands, ScriptContext& context,
                                size_t firstLine) {
    const std::vector<Step> steps = parseScript(script, scriptName, commands);
    for (const Step& step : steps) {
        if (step.lineNumber < firstLine) continue;
        try {
            step.command->handler(step.arguments, context);
        } catch (const ScriptError& error) {
            throw atLine(scriptName, step.lineNumber, error);
        }
        if (context.restartRequested) return step.lineNumber + 1;
    }
    return std::nullopt;
}
