#pragma once

#include "admin/FilePickerLists.h"
#include "browser/ui/PageFilePicker.h"
#include "platform/ui/Screen.h"

#include <QList>
#include <QPair>

#include <functional>

namespace korvel {

class KVFilePickerController;
class TableView;

// The screen that opened the picker; told once how it ended.
class KVFilePickerDelegate {
public:
    virtual ~KVFilePickerDelegate() = default;
    // `didFinishSelectingFileWithAction`: 1 when a file was chosen (read it from the picker), 0 when
    // nothing was.
    virtual void filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction) = 0;
};

// Lists the files of the documents directory by kind and lets the person mark one (or several,
// when the opener asks for several) and confirm with Done.
class KVFilePickerController final : public Screen {
    Q_OBJECT
public:
    enum class Selection { Single, Multiple };

    explicit KVFilePickerController(Selection selection = Selection::Single, QWidget* parent = nullptr);

    void setDelegate(KVFilePickerDelegate* delegate) { m_delegate = delegate; }
    // Only files whose relative path passes are listed; every file when unset. Set before the
    // screen loads.
    void setFileFilter(std::function<bool(const QString& relativePath)> filter) { m_filter = std::move(filter); }

    const QList<FilePickerGroup>& filesArray() const { return m_filesArray; }
    TableView* tableView() const { return m_table; }
    // The marked cells as (section, item), in the order they were marked.
    const QList<QPair<int, int>>& selectedIndexPaths() const { return m_marked; }

    // After Done: the first chosen file relative to the documents directory, its group's title
    // ("Image Files"), and every chosen file. Empty before Done and after Cancel.
    QString fileSelected() const { return m_chosen.value(0); }
    QString selectedFileType() const { return m_chosenType; }
    QStringList filesSelected() const { return m_chosen; }

    void viewDidLoad() override;

    // Marks the file at (section, item); in single selection the previous mark goes.
    void didSelectRow(int section, int item);
    // Without a marked file: the toast "No File Selected" and the picker stays. Otherwise closes
    // and tells the delegate 1.
    void doneButtonPressed();
    // Closes and tells the delegate 0.
    void cancelButtonPressed();
    // The application left the foreground: nothing is chosen (the delegate is told 0).
    void homeButtonPressed();

    // A screen to present that shows `picker` under its own navigation bar (Cancel and Done).
    static Screen* inOwnStack(KVFilePickerController* picker);
    // The picker for a page's file input: only the kinds the page accepts, several files only when
    // it asked for several; `finished` gets the chosen files' absolute paths (none on cancel).
    static Screen* forPage(const PageFileRequest& request, PageFilePicker::Finished finished);

private:
    void finish(int action);
    void close();

    Selection m_selection;
    KVFilePickerDelegate* m_delegate = nullptr;
    std::function<bool(const QString&)> m_filter;
    QList<FilePickerGroup> m_filesArray;
    QList<QPair<int, int>> m_marked;
    QStringList m_chosen;
    QString m_chosenType;
    TableView* m_table = nullptr;
    bool m_finished = false;
};

}  // namespace korvel
