#pragma once

#include "admin/ui/KVFilePickerController.h"
#include "platform/ui/Screen.h"
#include "policy/AllowedWebsiteEditing.h"

#include <optional>

namespace korvel {

class Alert;
class TableView;

// The allowed-website editor: address with its protocol, title, icon file, category and switches.
// "Add"/"Update" saves through the editing operations (a refusal is a toast and the editor stays);
// leaving with changes asks whether to save them.
class KVAllowedWebsiteDetails final : public Screen, public KVFilePickerDelegate {
    Q_OBJECT
public:
    // Rows of the editor, by identity.
    enum Row {
        UrlRow,
        ProtocolRow,
        TitleRow,
        IconPathRow,
        ChooseIconRow,
        CategoryRow,
        RunAtStartupRow,
        HideIconRow,
        AllowSubDomainRow,
        AllowOnlyThisRow,
        UseFaviconRow,
        ErrorPageRow,
        DeleteRow,
    };

    // Edits the website at `index`; adds one without.
    explicit KVAllowedWebsiteDetails(std::optional<qsizetype> index = std::nullopt, QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    const AllowedWebsiteInput& input() const { return m_input; }
    bool hasChanges() const { return !(m_input == m_original); }

    // "Add" / "Update". Returns true when the website was saved and the editor went back.
    bool save();
    // The back button: asks "Save Changes?" when something changed. Returns that question.
    Alert* goBack();
    // "Delete": asks first. Returns the question.
    Alert* deleteWebsite();
    // The category menu: "None", every category and "+ Add New Category".
    Alert* showCategoryMenu();
    // A category added from this editor becomes its category.
    void categoryAdded(qint64 categoryId);
    // Opens the file picker for the icon.
    void chooseIcon();

    void filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction) override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void showInput();
    void showCategory();
    void leave();

    std::optional<qsizetype> m_index;
    AllowedWebsiteInput m_input;
    AllowedWebsiteInput m_original;
    TableView* m_table = nullptr;
};

}  // namespace korvel
