#include <iostream>
#include <string>
#include <vector>

#include "sim/DefaultsCommand.h"
#include "sim/NotesCommand.h"
#include "sim/SimulatorCommand.h"
#include "sim/SimulatorOptions.h"
#include "sim/WheelCommand.h"

namespace {

constexpr char kCommands[] =
    "       plakko-sim COMMAND [ARGUMENTS]\n"
    "Without a command it runs the simulated device: in a window, or headless on virtual time\n"
    "with --headless or --script (FILE, or - for standard input).\n"
    "commands:\n"
    "  defaults   read, write and delete preference domains of the simulated device\n"
    "  notes      list the notes in the simulated device's Notes store\n"
    "  wheel      write the colour wheel bitmap of a wheel view as a PNG file\n";

void printUsage(std::ostream& out) {
    out << SimulatorOptions::usage() << kCommands;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
        printUsage(std::cout);
        return 0;
    }
    if (args.empty() || args[0].starts_with("-"))
        return runSimulator(args, std::cin, std::cout, std::cerr);
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "defaults")
        return runDefaultsCommand(args, std::cout, std::cerr);
    if (command == "notes")
        return runNotesCommand(args, std::cout, std::cerr);
    if (command == "wheel")
        return runWheelCommand(args, std::cout, std::cerr);
    std::cerr << "plakko-sim: unknown command \"" << command << "\"\n";
    printUsage(std::cerr);
    return 2;
}
