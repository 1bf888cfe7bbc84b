// Bytes as the notes database file: listed read-only, then opened for writing, saved into and
// listed again. Failures must be reported, never crash.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "fuzz/ScratchPath.h"
#include "platform/foundation/FileIO.h"
#include "platform/foundation/SystemLog.h"
#include "platform/notes/NoteContext.h"
#include "platform/notes/NotesDatabase.h"

namespace {

std::filesystem::path databaseFile() {
    static const std::filesystem::path file = scratchPath("notes-fuzz").string() + ".sqlite";
    return file;
}

void removeDatabase() {
    std::error_code error;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        std::filesystem::remove(databaseFile().string() + suffix, error);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    SystemLogCapture quiet;  // failures are expected; keep them off stderr
    removeDatabase();
    const std::string file = databaseFile().string();
    FileIO::writeFile(file, std::string(reinterpret_cast<const char*>(data), size));
    if (auto database = NotesDatabase::openExisting(file)) database->notesNewestFirst();
    if (auto database = NotesDatabase::open(file)) {
        auto note = std::make_shared<NoteObject>();
        note->setTitle("Plakko Note");
        note->setContent("fuzz");
        database->insertNotes({note});
        database->notesNewestFirst();
    }
    removeDatabase();
    return 0;
}
