#include <iostream>
#include <string>
#include <vector>

#include "sim/DefaultsCommand.h"
#include "sim/WheelCommand.h"

namespace {

constexpr char kUsage[] =
    "usage: plakko-sim COMMAND [ARGUMENTS]\n"
    "commands:\n"
    "  defaults   read, write and delete preference domains of the simulated device\n"
    "  wheel      write the colour wheel bitmap of a wheel view as a PNG file\n";

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty() || args[0] == "-h" || args[0] == "--help") {
        (args.empty() ? std::cerr : std::cout) << kUsage;
        return args.empty() ? 2 : 0;
    }
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "defaults")
        return runDefaultsCommand(args, std::cout, std::cerr);
    if (command == "wheel")
        return runWheelCommand(args, std::cout, std::cerr);
    std::cerr << "plakko-sim: unknown command \"" << command << "\"\n" << kUsage;
    return 2;
}
