#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "sim/AppProcessMain.h"
#include "sim/DefaultsCommand.h"
#include "sim/NotesCommand.h"
#include "sim/SimulatorCommand.h"
#include "sim/SimulatorOptions.h"
#include "sim/TerminationSignals.h"
#include "sim/UnbufferedInput.h"
#include "sim/WheelCommand.h"

namespace {

constexpr char kCommands[] =
    "       plakko-sim COMMAND [ARGUMENTS]\n"
    "Without a command it runs the simulated device: in a window, or headless on virtual time\n"
    "with --headless or --script (FILE, or - for standard input).\n"
    "commands:\n"
    "  springboard  the simulated device with SpringBoard, as without a command\n"
    "  settings     the Settings app with the installed settings bundles, over the same device\n"
    "               (the options above but --scene and --convergance)\n"
    "  defaults     read, write and delete preference domains of the simulated device\n"
    "  notes        list the notes in the simulated device's Notes store\n"
    "  wheel        write the colour wheel bitmap of a wheel view as a PNG file\n"
    "  app          an app's process, as SpringBoard starts it from the home screen\n";

void printUsage(std::ostream& out) {
    out << SimulatorOptions::usage() << kCommands;
}

// This program again, in place of the running process: what a respring does to SpringBoard.
void restartProcess(const std::vector<std::string>& arguments) {
    std::vector<std::string> command{"plakko-sim"};
    command.insert(command.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : command) argv.push_back(argument.data());
    argv.push_back(nullptr);
    std::cout.flush();
    std::cerr.flush();
    execv("/proc/self/exe", argv.data());
    throw std::runtime_error(std::string("can't start SpringBoard again: ") + std::strerror(errno));
}

// The simulated device: a signal ends it as Escape does, and a script on standard input is read
// as it comes, no further than the line that runs.
int runDevice(const std::vector<std::string>& args) {
    TerminationSignals::install();
    UnbufferedInput standardInput(STDIN_FILENO);
    std::istream in(&standardInput);
    return runSimulator(args, in, std::cout, std::cerr,
                        {restartProcess, std::filesystem::read_symlink("/proc/self/exe")});
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (!args.empty() && (args[0] == "-h" || args[0] == "--help")) {
        printUsage(std::cout);
        return 0;
    }
    if (args.empty() || args[0].starts_with("-")) return runDevice(args);
    const std::string command = args[0];
    args.erase(args.begin());
    if (command == "springboard") return runDevice(args);
    if (command == "settings") {
        args.insert(args.begin(), {"--scene", "settings"});
        return runDevice(args);
    }
    if (command == "app") return runAppProcess(args, std::cerr);
    if (command == "defaults") return runDefaultsCommand(args, std::cout, std::cerr);
    if (command == "notes") return runNotesCommand(args, std::cout, std::cerr);
    if (command == "wheel") return runWheelCommand(args, std::cout, std::cerr);
    std::cerr << "plakko-sim: unknown command \"" << command << "\"\n";
    printUsage(std::cerr);
    return 2;
}
