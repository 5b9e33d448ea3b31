#pragma once

#include "admin/ui/KVFilePickerController.h"
#include "platform/ui/Screen.h"
#include "policy/CategoryEditing.h"

#include <functional>
#include <optional>

namespace korvel {

class Alert;
class TableView;

// The category editor: title and icon file. Saves through the editing operations; a refusal is a
// toast and the editor stays.
class KVManageCategoryDetailViewController final : public Screen, public KVFilePickerDelegate {
    Q_OBJECT
public:
    enum Row { TitleRow, IconPathRow, ChooseIconRow, DeleteRow };

    // Edits the category at `index`; adds one without.
    explicit KVManageCategoryDetailViewController(std::optional<qsizetype> index = std::nullopt, QWidget* parent = nullptr);

    // Told the new category's id after an addition (the website editor selects it).
    void setOnAdded(std::function<void(qint64 categoryId)> onAdded) { m_onAdded = std::move(onAdded); }

    TableView* tableView() const { return m_table; }
    const CategoryInput& input() const { return m_input; }

    // Returns true when the category was saved and the editor went back.
    bool save();
    Alert* deleteCategory();
    void chooseIcon();

    void filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction) override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;

private:
    void leave();

    std::optional<qsizetype> m_index;
    CategoryInput m_input;
    std::function<void(qint64)> m_onAdded;
    TableView* m_table = nullptr;
};

}  // namespace korvel
