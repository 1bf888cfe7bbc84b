// A headless script checked against every command the simulator knows: line splitting, quoting,
// comments, command names and argument counts. Nothing is run.
#include <cstdint>
#include <sstream>
#include <string>

#include "sim/ScriptCommands.h"
#include "sim/ScriptError.h"
#include "sim/ScriptRunner.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ScriptCommandTable commands = scriptCommands();
    std::istringstream script(std::string(reinterpret_cast<const char*>(data), size));
    try {
        checkScript(script, "fuzz", commands);
    } catch (const ScriptError&) {
    }
    return 0;
}
