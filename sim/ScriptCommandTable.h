#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct ScriptContext;

// The commands a headless script can use, by name. Each group of commands lives in its own file
// and adds itself with `add`. A command is checked in two steps: the runner checks the number of
// its arguments, then the command's `prepare` reads them (numbers, names, ranges) and gives the
// action that carries the command out later; so every argument of a script is checked before
// its first line runs.
class ScriptCommandTable {
public:
    using Arguments = std::vector<std::string>;
    // Carries the command out; throws ScriptError when it can't (nothing being edited, a file
    // that can't be written).
    using Action = std::function<void(ScriptContext&)>;
    // Throws ScriptError naming the argument that doesn't fit.
    using Prepare = std::function<Action(const Arguments&)>;

    struct Command {
        // How the command is written, for error messages: "wait SECONDS".
        std::string usage;
        size_t minimumArguments;
        size_t maximumArguments;
        Prepare prepare;
    };

    // Adds a command, replacing one of the same name.
    void add(const std::string& name, Command command);
    // Null for a name the table doesn't know.
    const Command* find(std::string_view name) const;

private:
    std::map<std::string, Command, std::less<>> commands_;
};
