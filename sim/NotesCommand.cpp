#include "sim/NotesCommand.h"

#include <ostream>
#include <sstream>

#include "platform/foundation/DeviceRoot.h"
#include "platform/notes/NoteContext.h"
#include "sim/DateText.h"
#include "sim/DefaultDeviceRoot.h"

namespace {

constexpr char kUsage[] = "usage: plakko-sim notes [--root DIR] list\n";

void printNote(const StoredNote& note, std::ostream& out) {
    out << dateText(note.modificationDate) << "  " << note.title << "\n";
    std::istringstream lines(note.content);
    for (std::string line; std::getline(lines, line);) out << "    " << line << "\n";
}

}  // namespace

int runNotesCommand(const std::vector<std::string>& arguments, std::ostream& out,
                    std::ostream& err) {
    std::vector<std::string> args = arguments;
    const auto root = takeRootOption(args, "notes", kUsage, err);
    if (!root) return 2;
    if (args != std::vector<std::string>{"list"}) {
        err << kUsage;
        return 2;
    }
    DeviceRoot::setPath(*root);
    if (!NoteContext::storeExists()) {
        err << "notes: there is no Notes store at "
            << DeviceRoot::resolve(NoteContext::kDatabasePath).string() << "\n";
        return 1;
    }
    auto notes = NoteContext::allNotes();
    if (!notes) {
        err << "notes: the notes database "
            << DeviceRoot::resolve(NoteContext::kDatabasePath).string() << " can't be read\n";
        return 1;
    }
    if (notes->empty()) out << "No notes.\n";
    for (size_t i = 0; i < notes->size(); ++i) {
        if (i > 0) out << "\n";
        printNote((*notes)[i], out);
    }
    return 0;
}
