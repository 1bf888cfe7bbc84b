#include "sim/NotesScene.h"

#include "platform/notesapp/NotesApp.h"

void launchNotesApp() {
    NotesApp::shared().launch();
}
