#pragma once

#include "admin/ui/KVFilePickerController.h"
#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// The navigation toolbar's buttons and images. An image is a file of Documents, picked or typed;
// empty is the built-in one. Written back and saved when the screen goes.
class KVNavigationToolbarTableViewController final : public Screen, public KVFilePickerDelegate {
    Q_OBJECT
public:
    explicit KVNavigationToolbarTableViewController(QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    // A typed image name ended: refused names get a toast. Returns whether it was accepted.
    bool imageNameEnded(int rowId);
    // Opens the file picker for the image row `rowId`.
    void chooseImage(int rowId);

    void filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction) override;

    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    TableView* m_table = nullptr;
    int m_picking = -1;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
