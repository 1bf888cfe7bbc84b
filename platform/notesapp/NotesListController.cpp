#include "platform/notesapp/NotesListController.h"

#include "platform/foundation/Clock.h"
#include "platform/notesapp/NoteDisplayTitle.h"
#include "platform/notesapp/NotePageController.h"
#include "platform/notesapp/NotesDateText.h"
#include "platform/notesapp/NotesLook.h"
#include "platform/notesapp/NotesPaperRowView.h"
#include "platform/runtime/Runtime.h"
#include "platform/ui/navigation/UINavigationController.h"
#include "platform/ui/tables/UITableView.h"
#include "platform/ui/views/UILabel.h"
#include "platform/ui/views/UIScreen.h"
#include "platform/ui/views/UIViewAnimationOptions.h"

namespace {

constexpr char kRowIdentifier[] = "note";
constexpr CGFloat kEmptyLabelTop = 88;
constexpr CGFloat kEmptyLabelHeight = 30;

std::shared_ptr<UITableViewCell> makeRow(const NotesLook& look) {
    auto cell = UITableViewCell::make(UITableViewCellStyle::Value1, kRowIdentifier);
    cell->setAccessoryType(UITableViewCellAccessoryType::DisclosureIndicator);
    cell->textLabel()->setFont(look.titleFont);
    cell->textLabel()->setTextColor(look.titleColor);
    cell->detailTextLabel()->setFont(look.dateFont);
    cell->detailTextLabel()->setTextColor(look.dateColor);
    if (look.paper)
        cell->setBackgroundView(std::make_shared<NotesPaperRowView>(look.background, look.rule));
    return cell;
}

}  // namespace

Class NotesListController::classObject() {
    static const Class cls =
        defineClass<NotesListController>("NotesListController", UIViewController::classObject());
    return cls;
}

NotesListController::NotesListController() {
    setTitle("Notes");
}

NotesListController::~NotesListController() = default;

void NotesListController::reloadNotes() {
    notes_ = NoteContext::allNotes().value_or(std::vector<StoredNote>{});
    if (emptyLabel_) emptyLabel_->setHidden(!notes_.empty());
    if (table_) table_->reloadData();
}

void NotesListController::loadView() {
    const NotesLook& look = NotesLook::current();
    const CGRect screen = UIScreen::mainScreen().bounds();
    table_ = UITableView::make(screen, UITableViewStyle::Plain);
    table_->setBackgroundColor(look.background);
    table_->setDataSource(std::shared_ptr<UITableViewDataSource>(shared_from_this(), this));
    table_->setDelegate(std::shared_ptr<UITableViewDelegate>(shared_from_this(), this));
    emptyLabel_ = std::make_shared<UILabel>(
        CGRect{{0, kEmptyLabelTop}, {screen.size.width, kEmptyLabelHeight}});
    emptyLabel_->setText("No Notes");
    emptyLabel_->setFont(look.titleFont);
    emptyLabel_->setTextColor(look.emptyColor);
    emptyLabel_->setTextAlignment(NSTextAlignmentCenter);
    emptyLabel_->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    table_->addSubview(emptyLabel_);
    setView(table_);
    reloadNotes();
}

void NotesListController::viewWillAppear(bool animated) {
    UIViewController::viewWillAppear(animated);
    if (!table_) return;
    if (auto selected = table_->indexPathForSelectedRow())
        table_->deselectRowAtIndexPath_animated(*selected, animated);
}

void NotesListController::viewDidUnload() {
    UIViewController::viewDidUnload();
    table_.reset();
    emptyLabel_.reset();
}

size_t NotesListController::tableView_numberOfRowsInSection(UITableView*, size_t) {
    return notes_.size();
}

std::shared_ptr<UITableViewCell> NotesListController::tableView_cellForRowAtIndexPath(
    UITableView* tableView, NSIndexPath indexPath) {
    if (indexPath.row >= notes_.size()) return nullptr;
    auto cell = tableView->dequeueReusableCellWithIdentifier(kRowIdentifier);
    if (!cell) cell = makeRow(NotesLook::current());
    const StoredNote& note = notes_[indexPath.row];
    cell->textLabel()->setText(noteDisplayTitle(note));
    cell->detailTextLabel()->setText(notesListDateText(note.modificationDate, NSDate::now()));
    return cell;
}

void NotesListController::tableView_didSelectRowAtIndexPath(UITableView* tableView,
                                                            NSIndexPath indexPath) {
    auto navigation = navigationController();
    if (indexPath.row >= notes_.size() || !navigation) {
        tableView->deselectRowAtIndexPath_animated(indexPath, true);
        return;
    }
    navigation->pushViewController_animated(
        std::make_shared<NotePageController>(notes_[indexPath.row]), true);
}
