#pragma once

#include "admin/BrowserPreferencesForm.h"
#include "admin/ui/KVFilePickerController.h"
#include "platform/ui/Screen.h"

#include <QPointer>

class QLineEdit;

namespace korvel {

class Alert;
class TableView;

// The browser-preferences editor: one grouped table over most of the preference record. Numbers
// are checked while they are typed, dependent rows follow their switches, the upload server and
// the brightness act at once; everything else is written back, logged and saved when the editor
// goes (also when it opens a sub-screen, which is why it re-reads the record on every appearance).
class KVBrowserPreferences final : public Screen, public KVFilePickerDelegate {
    Q_OBJECT
public:
    enum Section { AdminSection, PrivacySection, WindowSection, WallpaperSection, IdleSection, ServerSection, FileSection, DownloadSection, RecoverySection, LanguageSection };
    // The rows' ids: section x 100 + row; the rows are in these fixed places.
    static constexpr int id(int section, int row) { return section * 100 + row; }

    explicit KVBrowserPreferences(QWidget* parent = nullptr);

    TableView* tableView() const { return m_table; }
    const BrowserPreferencesForm& form() const { return m_form; }
    // The text field of a row; nullptr when it has none.
    QLineEdit* field(int rowId) const;

    // Opened from the settings search: reveal that row once shown.
    void setScrollToIndexPath(int section, int row);

    // A numeric field's text ended (return or focus lost): refused text is reset to its fall-back
    // with a toast and the field keeps the focus. Returns whether the text was accepted.
    bool textFieldShouldEndEditing(int rowId);
    // The password field's return: the weak-password question unless it was accepted. Returns the
    // question, or nullptr when none is needed.
    Alert* passwordReturned();
    // The back button: the weak-password question while the password field holds a weak one
    // that was not accepted; otherwise goes back.
    Alert* goBack();
    // The upload server switch, acting at once.
    void serverOnOff(bool on);
    // The access code's field ended: the code is stored at once, so the running server asks for
    // it from the next request on.
    void accessCodeChosen();
    // The HTTPS switch, stored at once (a running server starts again speaking TLS).
    void tlsOnOff(bool on);
    Alert* showResetIconLayout();

    void filePicker(KVFilePickerController* picker, int didFinishSelectingFileWithAction) override;

    void viewDidLoad() override;
    void viewWillAppear(bool animated) override;
    void viewDidAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

private:
    void loadSettingsOfBrowserPreferences();
    void showRows();
    void applyRowStates();
    void switchValueChanged(int rowId, bool on);
    void textChanged(int rowId, const QString& text);
    void didSelectRow(int rowId);
    void setServerDetail(const QString& text);
    // The rows of the server section follow the switch and the code (the warning, the address);
    // rebuilt once the control that changed them has finished its own signal.
    void refreshRowsLater();
    void chooseWallpaper();
    void leave();

    BrowserPreferencesForm m_form;
    BrowserPreferencesForm m_opened;  // as the record was shown: what differs is what the administrator changed
    TableView* m_table = nullptr;
    bool m_weakPasswordAccepted = false;
    bool m_leaving = false;
    int m_scrollTo = -1;
    QString m_serverDetail;
    QPointer<Alert> m_question;
};

}  // namespace korvel
