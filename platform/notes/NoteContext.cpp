#include "platform/notes/NoteContext.h"

#include <filesystem>

#include "platform/foundation/DeviceRoot.h"
#include "platform/notes/NotesDatabase.h"
#include "platform/runtime/Runtime.h"

Class NoteContext::classObject() {
    static const Class cls =
        defineClass<NoteContext>("NoteContext", NSObject::classObject(), [](RuntimeClass& c) {
            c.addMethod(
                "newlyAddedNote",
                +[](id self, SEL) { return static_cast<NoteContext*>(self)->newlyAddedNote(); });
            c.addMethod(
                "localStore",
                +[](id self, SEL) { return static_cast<NoteContext*>(self)->localStore(); });
            c.addMethod(
                "saveOutsideApp:", +[](id self, SEL, NSObject* argument) {
                    return static_cast<NoteContext*>(self)->saveOutsideApp(argument);
                });
        });
    return cls;
}

NoteContext::NoteContext() : localStore_(std::make_shared<NoteStoreObject>()) {}

NoteContext::~NoteContext() = default;

std::shared_ptr<NoteObject> NoteContext::newlyAddedNote() {
    auto note = std::make_shared<NoteObject>();
    unsaved_.push_back(note);
    return note;
}

bool NoteContext::saveOutsideApp(NSObject*) {
    if (unsaved_.empty()) return true;
    auto database = NotesDatabase::open(DeviceRoot::resolve(kDatabasePath).string());
    if (!database || !database->insertNotes(unsaved_)) return false;
    unsaved_.clear();
    return true;
}

bool NoteContext::storeExists() {
    std::error_code error;
    return std::filesystem::exists(DeviceRoot::resolve(kDatabasePath), error);
}

std::optional<std::vector<StoredNote>> NoteContext::allNotes() {
    if (!storeExists()) return std::vector<StoredNote>{};
    auto database = NotesDatabase::openExisting(DeviceRoot::resolve(kDatabasePath).string());
    if (!database) return std::nullopt;
    return database->notesNewestFirst();
}
