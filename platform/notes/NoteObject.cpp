#include "platform/notes/NoteObject.h"

#include "platform/runtime/Runtime.h"

Class NoteObject::classObject() {
    static const Class cls = defineClass<NoteObject>("NoteObject", NSObject::classObject());
    return cls;
}

Class NoteStoreObject::classObject() {
    static const Class cls =
        defineClass<NoteStoreObject>("NoteStoreObject", NSObject::classObject());
    return cls;
}
