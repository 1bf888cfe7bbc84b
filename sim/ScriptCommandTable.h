#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct ScriptContext;

// The commands a headless script can use, by name. Each group of commands lives in its own file
// and adds itself with `add`; the runner checks the number of arguments before a handler runs.
class ScriptCommandTable {
public:
    using Arguments = std::vector<std::string>;
    // Throws ScriptError when the command can't be carried out.
    using Handler = std::function<void(const Arguments&, ScriptContext&)>;

    struct Command {
        // How the command is written, for error messages: "wait SECONDS".
        std::string usage;
        size_t minimumArguments;
        size_t maximumArguments;
        Handler handler;
    };

    // Adds a command, replacing one of the same name.
    void add(const std::string& name, Command command);
    // Null for a name the table doesn't know.
    const Command* find(std::string_view name) const;

private:
    std::map<std::string, Command, std::less<>> commands_;
};
