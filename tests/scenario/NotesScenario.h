#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/foundation/Clock.h"
#include "tests/scenario/LockScreenScenario.h"

class NotePageController;
class NotesListController;

// A row of the Notes app's list: what it shows.
struct NoteRow {
    std::string name;
    std::string date;
    bool operator==(const NoteRow&) const = default;
};
void PrintTo(const NoteRow& row, std::ostream* out);

// A headless run of the Notes app over a fresh device root whose Notes store the test fills
// first. After the first script the app stays up in the test's process: more script lines can
// run (`more`), and a test can reach the list and the pages directly.
class NotesScenario : public LockScreenScenario {
protected:
    // The virtual clock's first moment (midnight, January 1, 2026) and a few dates around it.
    static constexpr double kToday941 = VirtualClock::kDefaultStart + 9 * 3600 + 41 * 60;
    static constexpr double kYesterdayEvening = VirtualClock::kDefaultStart - 5 * 3600;
    static constexpr double kDecember29 = VirtualClock::kDefaultStart - 3 * 86400 + 3600;

    // Saves a note as another process does (the lock screen's export): a context's new note,
    // written with saveOutsideApp.
    static void addNote(const std::string& title, const std::string& text, double date);
    // Saves `count` notes "Note 0" … one hour apart, "Note 0" the newest, in one save.
    static void addNumberedNotes(size_t count);
    void runNotes(const std::string& script = "wait 0.5\n",
                  DeviceProfileName device = kIPhone5System7);
    // Runs more script lines in the app started by runNotes.
    void more(const std::string& script);

    static std::shared_ptr<NotesListController> list();
    // The page on top of the navigation stack; null when the list is.
    static std::shared_ptr<NotePageController> topPage();
    // Each row's name and date, top to bottom, brought on screen in turn.
    static std::vector<NoteRow> rows();
    // The texts of a page's blocks of text, top to bottom, scrolled into view in turn.
    static std::vector<std::string> pageBlocks(const NotePageController& page);

    std::filesystem::path storeFile() const;
    // The store file's bytes; empty when there is none.
    std::string storeBytes() const;
};
