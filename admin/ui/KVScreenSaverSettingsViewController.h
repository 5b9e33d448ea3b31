#pragma once

#include "admin/ui/KVFilePickerController.h"
#include "platform/ui/Screen.h"
#include "settings/KVBrowserPrefSettings.h"

namespace korvel {

class TableView;

// "Screensaver Mode": whether the screensaver starts on idle and what it shows (a web address, or
// an image, video or page of the documents directory). Stored when the screen is left.
class KVScreenSaverSettingsViewController final : public Screen, private KVFilePickerDelegate {
    Q_OBJECT
public:
    explicit KVScreenSaverSettingsViewController(QWidget* parent = nullptr);

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;
    TableView* tableView() const { return m_table; }
    // Opens the file picker for a screensaver file.
    void chooseFile();

private:
    void reload();
    void filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction) override;

    TableView* m_table = nullptr;
    KVBrowserPrefSettings m_edited;
};

}  // namespace korvel
