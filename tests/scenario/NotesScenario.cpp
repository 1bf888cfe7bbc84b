#include "tests/scenario/NotesScenario.h"

#include <fstream>
#include <sstream>

#include "platform/notes/NoteContext.h"
#include "platform/notesapp/NotePageController.h"
#include "platform/notesapp/NoteTextView.h"
#include "platform/notesapp/NotesApp.h"
#include "platform/notesapp/NotesListController.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UILabel.h"
#include "sim/DeviceScreen.h"
#include "sim/ScriptCommands.h"
#include "sim/ScriptContext.h"
#include "sim/ScriptRunner.h"

void NotesScenario::addNote(const std::string& title, const std::string& text, double date) {
    NoteContext context;
    auto note = context.newlyAddedNote();
    note->setTitle(title);
    note->setContent(text);
    note->setStore(context.localStore());
    note->setCreationDate(date);
    note->setModificationDate(date);
    ASSERT_TRUE(context.saveOutsideApp(note.get()));
}

void NotesScenario::addNumberedNotes(size_t count) {
    NoteContext context;
    for (size_t i = 0; i < count; ++i) {
        auto note = context.newlyAddedNote();
        note->setTitle("Note " + std::to_string(i));
        note->setContent("Text " + std::to_string(i));
        note->setModificationDate(kToday941 - 3600.0 * static_cast<double>(i));
    }
    ASSERT_TRUE(context.saveOutsideApp(nullptr));
}

void NotesScenario::runNotes(const std::string& script, DeviceProfileName device) {
    runScript(script, device, "notes");
}

void NotesScenario::more(const std::string& script) {
    DeviceScreen screen;
    ScriptContext context{screen, {}};
    std::istringstream lines(script);
    ::runScript(lines, "more", scriptCommands(), context);
}

std::shared_ptr<NotesListController> NotesScenario::list() {
    return NotesApp::shared().listController();
}

std::shared_ptr<NotePageController> NotesScenario::topPage() {
    const auto& navigation = NotesApp::shared().navigationController();
    return std::dynamic_pointer_cast<NotePageController>(navigation->topViewController());
}

std::vector<NoteRow> NotesScenario::rows() {
    const auto& table = list()->table();
    std::vector<NoteRow> rows;
    for (size_t row = 0; row < table->numberOfRowsInSection(0); ++row) {
        table->scrollToRowAtIndexPath_atScrollPosition_animated(
            {0, row}, UITableViewScrollPosition::None, false);
        table->layoutIfNeeded();
        const auto cell = table->cellForRowAtIndexPath({0, row});
        if (!cell) {
            ADD_FAILURE() << "no cell for row " << row;
            return rows;
        }
        rows.push_back({cell->textLabel()->text(), cell->detailTextLabel()->text()});
    }
    return rows;
}

std::vector<std::string> NotesScenario::pageBlocks(const NotePageController& page) {
    const auto& view = page.textView();
    std::vector<std::string> blocks;
    CGFloat lastTop = -1;
    for (CGFloat y = 0;; y += view->bounds().size.height) {
        view->setContentOffset({0, y});
        view->layoutIfNeeded();
        for (const auto& label : view->visibleTextLabels()) {
            if (label->frame().origin.y <= lastTop) continue;
            blocks.push_back(label->text());
            lastTop = label->frame().origin.y;
        }
        if (y + view->bounds().size.height >= view->contentSize().height) break;
    }
    return blocks;
}

std::filesystem::path NotesScenario::storeFile() const {
    return root_ / NoteContext::kDatabasePath;
}

std::string NotesScenario::storeBytes() const {
    std::ifstream in(storeFile(), std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

void PrintTo(const NoteRow& row, std::ostream* out) {
    *out << "{\"" << row.name << "\", \"" << row.date << "\"}";
}
