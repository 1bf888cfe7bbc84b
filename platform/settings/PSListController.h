#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/PlistValue.h"
#include "platform/ui/tables/UITableViewDataSource.h"
#include "platform/ui/tables/UITableViewDelegate.h"
#include "platform/ui/views/UIViewController.h"

class PSSpecifier;
class PSTableCell;
class UITableView;

// A settings pane: a grouped table built from the pane's specifiers. A group specifier starts a
// section (its label is the header, its "footerText" the footer); the others are rows, each
// with a cell made by class name ("cellClass", else the framework's cell for its kind). Value
// rows read their value from the preferences service ("key" in the domain "defaults", the row's
// "default" when the key is missing or holds a value of the wrong kind) and write what the user
// chooses back, posting the row's "PostNotification" afterwards. Tapping a link row pushes the
// pane named by "detail" (a PSListController subclass found by name) or the choice list of a
// "validValues"/"validTitles" row; a button row sends its "action" to the row's target by
// selector name; a settings bundle's entry row loads the bundle.
//
// Ownership: the pane owns its specifiers, its table and one cell per row (kept until reload or a
// memory warning drops the view); the table's data source and delegate (the pane) are not owned
// by the table.
class PSListController : public UIViewController,
                         public UITableViewDataSource,
                         public UITableViewDelegate {
    RUNTIME_CLASS(PSListController)
    PSListController();
    ~PSListController() override;

    using Specifiers = std::vector<std::shared_ptr<PSSpecifier>>;

    // The row list; subclasses fill _specifiers here on first use.
    virtual const Specifiers& specifiers();
    void setSpecifiers(Specifiers specifiers);
    // The rows of "<name>.plist" in the pane's bundle folder, actions going to `target`; the pane's
    // title comes from the list when the pane has none. No rows (logged) for a list that is missing
    // or can't be read.
    Specifiers loadSpecifiersFromPlistName_target(const std::string& name,
                                                  const std::shared_ptr<NSObject>& target);
    // Takes the rows out of the pane; animated, they fade out first.
    void removeContiguousSpecifiers_animated(Specifiers specifiers, bool animated);
    // The cell made for the row with that identifier, if one was made.
    std::shared_ptr<PSTableCell> cachedCellForSpecifierID(const std::string& identifier) const;
    // Makes the rows and cells again from the row list as it is now.
    void reload();

    // The device folder the pane's specifier lists and images come from.
    const std::string& bundlePath() const { return bundlePath_; }
    void setBundlePath(std::string path) { bundlePath_ = std::move(path); }
    // The row that opened the pane, if any.
    const std::shared_ptr<PSSpecifier>& specifier() const { return specifier_; }
    void setSpecifier(std::shared_ptr<PSSpecifier> specifier) { specifier_ = std::move(specifier); }
    // The pane this one was opened from (not owned).
    std::shared_ptr<PSListController> parentController() const { return parent_.lock(); }
    void setParentController(const std::shared_ptr<PSListController>& parent) { parent_ = parent; }

    // The value a row shows: stored, else its default; nothing when neither fits the row.
    virtual std::optional<PlistValue> readPreferenceValue(const PSSpecifier& specifier) const;
    virtual void setPreferenceValue_specifier(const PlistValue& value,
                                              const PSSpecifier& specifier);

    const std::shared_ptr<UITableView>& table() const { return table_; }

    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewDidUnload() override;

    // UITableViewDataSource and UITableViewDelegate.
    size_t numberOfSectionsInTableView(UITableView* tableView) override;
    size_t tableView_numberOfRowsInSection(UITableView* tableView, size_t section) override;
    std::shared_ptr<UITableViewCell> tableView_cellForRowAtIndexPath(
        UITableView* tableView, NSIndexPath indexPath) override;
    std::string tableView_titleForHeaderInSection(UITableView* tableView, size_t section) override;
    std::string tableView_titleForFooterInSection(UITableView* tableView, size_t section) override;
    CGFloat tableView_heightForRowAtIndexPath(UITableView* tableView,
                                              NSIndexPath indexPath) override;
    void tableView_didSelectRowAtIndexPath(UITableView* tableView, NSIndexPath indexPath) override;

protected:
    // A row was tapped (and it is enabled): links open their pane, buttons send their action,
    // text rows start editing. Subclasses answer their own rows.
    virtual void didSelectSpecifier(const std::shared_ptr<PSSpecifier>& specifier);
    // The row list, loaded from "<name>.plist" with this pane as target the first time.
    const Specifiers& specifiersLoadedFromPlistName(const std::string& name);
    // Shows every made cell's value again.
    void refreshValues();

    Specifiers _specifiers;

private:
    struct Section {
        std::shared_ptr<PSSpecifier> group;
        Specifiers rows;
    };

    void buildSections(const Specifiers& specifiers);
    const PSSpecifier* rowAt(NSIndexPath indexPath) const;
    std::shared_ptr<PSTableCell> cellFor(const std::shared_ptr<PSSpecifier>& specifier);
    std::shared_ptr<PSTableCell> makeCell(const std::shared_ptr<PSSpecifier>& specifier);
    void showValue(PSTableCell& cell, const PSSpecifier& specifier) const;
    void performButtonAction(const std::shared_ptr<PSSpecifier>& specifier);
    void pushPane(const std::shared_ptr<PSSpecifier>& specifier);
    void push(const std::shared_ptr<PSListController>& pane,
              const std::shared_ptr<PSSpecifier>& specifier);
    std::shared_ptr<PSListController> paneForDetail(const PSSpecifier& specifier);

    std::string bundlePath_;
    std::shared_ptr<PSSpecifier> specifier_;
    std::weak_ptr<PSListController> parent_;
    std::shared_ptr<UITableView> table_;
    std::vector<Section> sections_;
    std::map<const PSSpecifier*, std::shared_ptr<PSTableCell>> cells_;
};
