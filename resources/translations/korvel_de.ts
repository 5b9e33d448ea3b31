<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name></name>
    <message id="ALLOW_DOWNLOADING_FILES_TO_DEVICE">
        <source>Allows files to be downloaded to this device</source>
        <translation>Erlaubt das Herunterladen von Dateien auf dieses Gerät</translation>
    </message>
    <message id="ALLOW_DOWNLOADS">
        <source>Allow Downloads</source>
        <translation>Downloads erlauben</translation>
    </message>
    <message id="ALLOW_DOWNLOADS_SHOULD_BE_ENABLED">
        <source>Turn on Allow Downloads first.</source>
        <translation>Aktivieren Sie zuerst „Downloads erlauben“.</translation>
    </message>
    <message id="BTN_CHOOSE_QR_PICTURE">
        <source>Choose a picture from Documents</source>
        <translation>Bild aus „Dokumente“ wählen</translation>
    </message>
    <message id="BTN_TITLE_CANCEL">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="CAMERA_ACCESS_DENIED_ERROR_MESSAGE">
        <source>Korvel may not use the camera, so QR codes cannot be scanned.</source>
        <translation>Korvel darf die Kamera nicht verwenden, daher können keine QR-Codes gescannt werden.</translation>
    </message>
    <message id="CAMERA_ACCESS_RESTRICTED_ERROR_MESSAGE">
        <source>The camera may not be used on this device.</source>
        <translation>Die Kamera darf auf diesem Gerät nicht verwendet werden.</translation>
    </message>
    <message id="CHANGE_PDF_VIEWER_SETTINGS">
        <source>Change PDF Viewer Settings</source>
        <translation>PDF-Viewer-Einstellungen ändern</translation>
    </message>
    <message id="CHECK_TO_KEEP_DOWNLOAD_HISTORY">
        <source>Keeps a list of downloaded files</source>
        <translation>Führt eine Liste der heruntergeladenen Dateien</translation>
    </message>
    <message id="CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Öffnet eine Datei, sobald sie heruntergeladen ist</translation>
    </message>
    <message id="DETAIL_MESSAGE">
        <source>Delete the selected items?</source>
        <translation>Ausgewählte Elemente löschen?</translation>
    </message>
    <message id="DOWNLOADS">
        <source>Download Settings</source>
        <translation>Download-Einstellungen</translation>
    </message>
    <message id="DOWNLOAD_IS_IN_PROGRESS">
        <source>A download is in progress.</source>
        <translation>Ein Download läuft.</translation>
    </message>
    <message id="ENABLES_VIEWING_OF_GOOGLE_DOCS">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Dokumente, die der Kiosk nicht anzeigen kann, öffnen sich im Online-Viewer von Google (docs.google.com), der sie von ihrer Adresse abruft: Erlauben Sie auch docs.google.com.</translation>
    </message>
    <message id="FILE_DOES_NOT_EXIST">
        <source>The file does not exist any more.</source>
        <translation>Die Datei existiert nicht mehr.</translation>
    </message>
    <message id="FILE_SETTINGS">
        <source>File Settings</source>
        <translation>Dateieinstellungen</translation>
    </message>
    <message id="KEEP_DOWNLOAD_HISTORY">
        <source>Keep Download History</source>
        <translation>Downloadverlauf behalten</translation>
    </message>
    <message id="KORVEL_DOWNLOADS">
        <source>Korvel Downloads</source>
        <translation>Korvel-Downloads</translation>
    </message>
    <message id="OPEN_FILE_AFTER_DOWNLOAD">
        <source>Open File After Download</source>
        <translation>Datei nach Download öffnen</translation>
    </message>
    <message id="OPEN_SOURCE_LICENSES">
        <source>Open Source Licenses</source>
        <translation>Open-Source-Lizenzen</translation>
    </message>
    <message id="PDF_VIEWER">
        <source>PDF Viewer</source>
        <translation>PDF-Viewer</translation>
    </message>
    <message id="PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE">
        <source>Downloading from the PDF viewer is turned off.</source>
        <translation>Herunterladen aus dem PDF-Viewer ist deaktiviert.</translation>
    </message>
    <message id="PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR">
        <source>Opening documents is turned off. Please contact the administrator.</source>
        <translation>Das Öffnen von Dokumenten ist deaktiviert. Bitte wenden Sie sich an den Administrator.</translation>
    </message>
    <message id="PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE">
        <source>Select at least one item to delete.</source>
        <translation>Wählen Sie mindestens ein Element zum Löschen aus.</translation>
    </message>
    <message id="SHOW_FILES_USING_GOOGLE_DOCS">
        <source>Show Files Using Google Docs</source>
        <translation>Dateien mit Google Docs anzeigen</translation>
    </message>
    <message id="STATUS_DOWNLOADING">
        <source>Downloading</source>
        <translation>Download läuft</translation>
    </message>
    <message id="TEXT_ADMIN_PASSWORD">
        <source>Administrator Password</source>
        <translation>Administratorpasswort</translation>
    </message>
    <message id="TEXT_ALERT">
        <source>Alert</source>
        <translation>Hinweis</translation>
    </message>
    <message id="TEXT_ALLOW_ALL_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Alle Websites außer den blockierten; das Menü listet sie auf</translation>
    </message>
    <message id="TEXT_APPLY">
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message id="TEXT_AUDIO_FILES">
        <source>Audio Files</source>
        <translation>Audiodateien</translation>
    </message>
    <message id="TEXT_BACK">
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message id="TEXT_BLOCKED_WEBSITE">
        <source>Blocked Website</source>
        <translation>Blockierte Website</translation>
    </message>
    <message id="TEXT_CACHES_DIRECTORY">
        <source>Caches</source>
        <translation>Caches</translation>
    </message>
    <message id="TEXT_CANCEL">
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message id="TEXT_CATEGORY">
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message id="TEXT_CATEGORY_PLACEHOLDER">
        <source>News</source>
        <translation>Nachrichten</translation>
    </message>
    <message id="TEXT_CHANGE">
        <source>Change</source>
        <translation>Ändern</translation>
    </message>
    <message id="TEXT_CHANGE_PASSWORD_TITLE">
        <source>Change the password</source>
        <translation>Passwort ändern</translation>
    </message>
    <message id="TEXT_CHOOSE_COLOUR">
        <source>Choose a Colour</source>
        <translation>Farbe wählen</translation>
    </message>
    <message id="TEXT_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Datei wählen</translation>
    </message>
    <message id="TEXT_CHOOSE_ICON">
        <source>Choose Icon from Documents</source>
        <translation>Symbol aus „Dokumente“ wählen</translation>
    </message>
    <message id="TEXT_CLEAR_HISTORY">
        <source>Clear History</source>
        <translation>Verlauf löschen</translation>
    </message>
    <message id="TEXT_CLOSE">
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message id="TEXT_CLOSE_TAB">
        <source>Close tab</source>
        <translation>Tab schließen</translation>
    </message>
    <message id="TEXT_CLOUD_ID">
        <source>Cloud ID</source>
        <translation>Cloud-ID</translation>
    </message>
    <message id="TEXT_CLOUD_ID_PLACEHOLDER">
        <source>At least 10 characters</source>
        <translation>Mindestens 10 Zeichen</translation>
    </message>
    <message id="TEXT_CLOUD_WELCOME_FOOTER">
        <source>Enter the cloud ID your administrator gave you to take over the settings stored under it.</source>
        <translation>Geben Sie die Cloud-ID von Ihrem Administrator ein, um die darunter gespeicherten Einstellungen zu übernehmen.</translation>
    </message>
    <message id="TEXT_CONFIGURE_TABBED_BROWSING">
        <source>Configure Tabbed Browsing</source>
        <translation>Surfen mit Tabs einrichten</translation>
    </message>
    <message id="TEXT_DAY_FRIDAY">
        <source>Friday</source>
        <translation>Freitag</translation>
    </message>
    <message id="TEXT_DAY_MONDAY">
        <source>Monday</source>
        <translation>Montag</translation>
    </message>
    <message id="TEXT_DAY_SATURDAY">
        <source>Saturday</source>
        <translation>Samstag</translation>
    </message>
    <message id="TEXT_DAY_SUNDAY">
        <source>Sunday</source>
        <translation>Sonntag</translation>
    </message>
    <message id="TEXT_DAY_THURSDAY">
        <source>Thursday</source>
        <translation>Donnerstag</translation>
    </message>
    <message id="TEXT_DAY_TUESDAY">
        <source>Tuesday</source>
        <translation>Dienstag</translation>
    </message>
    <message id="TEXT_DAY_WEDNESDAY">
        <source>Wednesday</source>
        <translation>Mittwoch</translation>
    </message>
    <message id="TEXT_DELETE">
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message id="TEXT_DELETE_CATEGORY">
        <source>Delete Category</source>
        <translation>Kategorie löschen</translation>
    </message>
    <message id="TEXT_DELETE_WEBSITE">
        <source>Delete Website</source>
        <translation>Website löschen</translation>
    </message>
    <message id="TEXT_DEVICE">
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message id="TEXT_DOCUMENTS_DIRECTORY">
        <source>Documents</source>
        <translation>Dokumente</translation>
    </message>
    <message id="TEXT_DOCUMENT_FILES">
        <source>Document Files</source>
        <translation>Dokumentdateien</translation>
    </message>
    <message id="TEXT_DONE">
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message id="TEXT_DOWNLOADING">
        <source>Downloading…</source>
        <translation>Download läuft…</translation>
    </message>
    <message id="TEXT_DOWNLOADING_STARTED">
        <source>Download started</source>
        <translation>Download gestartet</translation>
    </message>
    <message id="TEXT_DOWNLOADS">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT">
        <source>Downloads are turned off. Please contact the administrator to turn them on.</source>
        <translation>Downloads sind deaktiviert. Bitte wenden Sie sich an den Administrator, um sie zu aktivieren.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_CANCELLED">
        <source>Download cancelled</source>
        <translation>Download abgebrochen</translation>
    </message>
    <message id="TEXT_DOWNLOAD_QUOTA_REACHED">
        <source>This visit cannot save more files.</source>
        <translation>Bei diesem Besuch können keine weiteren Dateien gespeichert werden.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_FAILED">
        <source>The download failed.</source>
        <translation>Der Download ist fehlgeschlagen.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_PROGRESS">
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message id="TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL">
        <source>Replace the settings stored under an ID</source>
        <translation>Die unter einer ID gespeicherten Einstellungen ersetzen</translation>
    </message>
    <message id="TEXT_EXPORT_NEW_CLOUD_ID_DETAIL">
        <source>The cloud service issues a new ID for these settings</source>
        <translation>Der Cloud-Dienst vergibt eine neue ID für diese Einstellungen</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE">
        <source>The factory password is still in use. Change it.</source>
        <translation>Das Werkspasswort wird noch verwendet. Ändern Sie es.</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE_DETAIL">
        <source>Anyone who knows it can open these settings.</source>
        <translation>Jeder, der es kennt, kann diese Einstellungen öffnen.</translation>
    </message>
    <message id="TEXT_FETCH_FROM">
        <source>On this network it can be fetched from %1</source>
        <translation>In diesem Netzwerk abrufbar unter %1</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN">
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN_REFUSED">
        <source>%1: %2. It will not be imported.</source>
        <translation>%1: %2. Wird nicht importiert.</translation>
    </message>
    <message id="TEXT_FILE_SAVED_IN_DOCUMENTS">
        <source>%1, saved in Documents.</source>
        <translation>%1, gespeichert in „Dokumente“.</translation>
    </message>
    <message id="TEXT_FORWARD">
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message id="TEXT_FUNCTION_NOT_AVAILABLE">
        <source>This function is not available in this version of Korvel.</source>
        <translation>Diese Funktion ist in dieser Version von Korvel nicht verfügbar.</translation>
    </message>
    <message id="TEXT_HOLD_QR_TO_CAMERA">
        <source>Hold the QR code in front of the camera.</source>
        <translation>Halten Sie den QR-Code vor die Kamera.</translation>
    </message>
    <message id="TEXT_HOME">
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message id="TEXT_HOME_DIRECTORY">
        <source>Home directory</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message id="TEXT_HTML_FILES">
        <source>HTML Files</source>
        <translation>HTML-Dateien</translation>
    </message>
    <message id="TEXT_ICON_PLACEHOLDER">
        <source>An image in Documents</source>
        <translation>Ein Bild in „Dokumente“</translation>
    </message>
    <message id="TEXT_IMAGE_FILES">
        <source>Image Files</source>
        <translation>Bilddateien</translation>
    </message>
    <message id="TEXT_KORVEL_MENU">
        <source>Korvel Menu</source>
        <translation>Korvel-Menü</translation>
    </message>
    <message id="TEXT_LICENSES_FOOTER">
        <source>Korvel is built on these libraries. Tap one to read its licence.</source>
        <translation>Korvel baut auf diesen Bibliotheken auf. Tippen Sie auf eine, um ihre Lizenz zu lesen.</translation>
    </message>
    <message id="TEXT_LICENSE_NOT_INSTALLED">
        <source>The licence notice of this library is not installed on this device (%1).</source>
        <translation>Der Lizenzhinweis dieser Bibliothek ist auf diesem Gerät nicht installiert (%1).</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_ANSWERING">
        <source>The website is not answering right now.</source>
        <translation>Die Website antwortet gerade nicht.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_CONNECTED">
        <source>This device is not connected to the network.</source>
        <translation>Dieses Gerät ist nicht mit dem Netzwerk verbunden.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_OTHER">
        <source>The page could not be loaded.</source>
        <translation>Die Seite konnte nicht geladen werden.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_UNTRUSTED">
        <source>The website's identity could not be verified.</source>
        <translation>Die Identität der Website konnte nicht überprüft werden.</translation>
    </message>
    <message id="TEXT_LOG_NOT_WRITTEN">
        <source>The log could not be written.</source>
        <translation>Das Protokoll konnte nicht geschrieben werden.</translation>
    </message>
    <message id="TEXT_LOG_VIEW_OPTIONS">
        <source>View Options</source>
        <translation>Ansichtsoptionen</translation>
    </message>
    <message id="TEXT_MAIL_HANDED_OVER">
        <source>The log is in the mail program.</source>
        <translation>Das Protokoll ist im E-Mail-Programm.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_TITLE">
        <source>Mail the Log</source>
        <translation>Protokoll per E-Mail</translation>
    </message>
    <message id="TEXT_MAIL_LOG_ASK_ADDRESS">
        <source>No support address is configured for this kiosk. Type the address the log goes to.</source>
        <translation>Für diesen Kiosk ist keine Support-Adresse eingerichtet. Geben Sie die Adresse ein, an die das Protokoll gehen soll.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_SEND">
        <source>Mail</source>
        <translation>Senden</translation>
    </message>
    <message id="TEXT_MAIL_LOG_BAD_ADDRESS">
        <source>That is not one mail address; nothing was mailed.</source>
        <translation>Das ist nicht genau eine E-Mail-Adresse; es wurde nichts gesendet.</translation>
    </message>
    <message id="TEXT_MAIL_LOG">
        <source>Mail Log</source>
        <translation>Protokoll senden</translation>
    </message>
    <message id="TEXT_MAIL_NOT_OPENED">
        <source>The mail program could not be opened.</source>
        <translation>Das E-Mail-Programm konnte nicht geöffnet werden.</translation>
    </message>
    <message id="TEXT_MANAGED_ABSENT">
        <source>%1 (none; nothing is managed)</source>
        <translation>%1 (keine; nichts wird verwaltet)</translation>
    </message>
    <message id="TEXT_MANAGED_CONFIGURATION">
        <source>Managed configuration</source>
        <translation>Verwaltete Konfiguration</translation>
    </message>
    <message id="TEXT_MANAGED_PRESENT">
        <source>%1 (present)</source>
        <translation>%1 (vorhanden)</translation>
    </message>
    <message id="TEXT_MORE">
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Bildschirm sperren, solange sich das Gerät bewegt (Geräte mit Mobilfunkmodem)</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_SETTINGS">
        <source>Motion Detection Settings</source>
        <translation>Bewegungserkennung</translation>
    </message>
    <message id="TEXT_MOTION_LOCKED">
        <source>The screen is locked while the device is moving.</source>
        <translation>Der Bildschirm ist gesperrt, solange sich das Gerät bewegt.</translation>
    </message>
    <message id="TEXT_MULTITAB_EXCLUDES">
        <source>Korvel does not support these features with tabbed browsing:
• Allow Icon Relocation
• Allow Icon Resize
• Wallpaper Settings</source>
        <translation>Korvel unterstützt diese Funktionen beim Surfen mit Tabs nicht:
• Symbole verschieben erlauben
• Symbolgröße ändern erlauben
• Hintergrundbild</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD">
        <source>New password</source>
        <translation>Neues Passwort</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD_AGAIN">
        <source>The new password again</source>
        <translation>Neues Passwort wiederholen</translation>
    </message>
    <message id="TEXT_NEW_TAB">
        <source>New tab</source>
        <translation>Neuer Tab</translation>
    </message>
    <message id="TEXT_NO">
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message id="TEXT_NO_CAMERA_CHOOSE_PICTURE">
        <source>This device has no camera. Choose a picture of the QR code from the Documents folder.</source>
        <translation>Dieses Gerät hat keine Kamera. Wählen Sie ein Bild des QR-Codes aus dem Ordner „Dokumente“.</translation>
    </message>
    <message id="TEXT_NO_DOWNLOADS">
        <source>Nothing has been downloaded yet.</source>
        <translation>Noch nichts heruntergeladen.</translation>
    </message>
    <message id="TEXT_NO_FILES_IN_DOCUMENTS">
        <source>There are no files in Documents.</source>
        <translation>In „Dokumente“ sind keine Dateien.</translation>
    </message>
    <message id="TEXT_NO_FILE_SELECTED">
        <source>No File Selected</source>
        <translation>Keine Datei ausgewählt</translation>
    </message>
    <message id="TEXT_NO_MAIL_MESSAGE">
        <source>The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again.</source>
        <translation>Das Protokoll ist in „Dokumente“ als %1 gespeichert. Kopieren Sie es von dort über den Upload-Server mit dessen Zugangscode, oder richten Sie auf diesem Gerät ein E-Mail-Programm ein und senden Sie es erneut.</translation>
    </message>
    <message id="TEXT_NO_MAIL_TITLE">
        <source>No mail program is set up</source>
        <translation>Kein E-Mail-Programm eingerichtet</translation>
    </message>
    <message id="TEXT_NO_QR_IN_PICTURE">
        <source>There is no QR code in this picture.</source>
        <translation>Auf diesem Bild ist kein QR-Code.</translation>
    </message>
    <message id="TEXT_NO_SETTING_FOUND">
        <source>No setting has that name.</source>
        <translation>Keine Einstellung hat diesen Namen.</translation>
    </message>
    <message id="TEXT_OPEN">
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message id="TEXT_ORIGIN_DEVICE">
        <source>saved by the settings on this device</source>
        <translation>von den Einstellungen auf diesem Gerät gespeichert</translation>
    </message>
    <message id="TEXT_ORIGIN_DOWNLOAD">
        <source>downloaded by a visitor</source>
        <translation>von einem Besucher heruntergeladen</translation>
    </message>
    <message id="TEXT_ORIGIN_KORVELCTL">
        <source>placed with korvelctl</source>
        <translation>mit korvelctl abgelegt</translation>
    </message>
    <message id="TEXT_ORIGIN_PRINTOUT">
        <source>printed by a visitor</source>
        <translation>von einem Besucher gedruckt</translation>
    </message>
    <message id="TEXT_ORIGIN_SETTINGS_DOCUMENT">
        <source>carried by an imported settings document</source>
        <translation>aus einem importierten Einstellungsdokument</translation>
    </message>
    <message id="TEXT_ORIGIN_UNKNOWN">
        <source>of unknown origin</source>
        <translation>unbekannter Herkunft</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITHOUT_CODE">
        <source>uploaded without the access code</source>
        <translation>ohne Zugangscode hochgeladen</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITH_CODE">
        <source>uploaded with the access code</source>
        <translation>mit Zugangscode hochgeladen</translation>
    </message>
    <message id="TEXT_OTHER_FILES">
        <source>Other Files</source>
        <translation>Andere Dateien</translation>
    </message>
    <message id="TEXT_PASSWORD">
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message id="TEXT_PASSWORDS_DIFFER">
        <source>The two passwords differ.</source>
        <translation>Die beiden Passwörter stimmen nicht überein.</translation>
    </message>
    <message id="TEXT_PASSWORD_ALERT_HEADING">
        <source>Weak Password</source>
        <translation>Schwaches Passwort</translation>
    </message>
    <message id="TEXT_PASSWORD_CHANGED">
        <source>The password is changed.</source>
        <translation>Das Passwort wurde geändert.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT">
        <source>A strong password has at least 8 characters.</source>
        <translation>Ein sicheres Passwort hat mindestens 8 Zeichen.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT_ONE">
        <source>It mixes upper-case letters, digits and symbols.</source>
        <translation>Es mischt Großbuchstaben, Ziffern und Sonderzeichen.</translation>
    </message>
    <message id="TEXT_PASSWORD_EMPTY">
        <source>The password cannot be empty.</source>
        <translation>Das Passwort darf nicht leer sein.</translation>
    </message>
    <message id="TEXT_PASSWORD_NOT_SAVED">
        <source>The password could not be saved.</source>
        <translation>Das Passwort konnte nicht gespeichert werden.</translation>
    </message>
    <message id="TEXT_SETTINGS_NOT_SAVED">
        <source>The settings could not be saved. What was changed last is not kept after a restart.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden. Die letzten Änderungen gehen bei einem Neustart verloren.</translation>
    </message>
    <message id="TEXT_PASSWORD_PAUSED">
        <source>Too many wrong passwords. Try again in %1.</source>
        <translation>Zu viele falsche Passwörter. Versuchen Sie es in %1 erneut.</translation>
    </message>
    <message id="TEXT_PASSWORD_QUESTION">
        <source>Use this password anyway?</source>
        <translation>Dieses Passwort trotzdem verwenden?</translation>
    </message>
    <message id="TEXT_PASSWORD_STORE_DAMAGED">
        <source>The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:</source>
        <translation>Der Passwortspeicher ist beschädigt, daher bleiben die Einstellungen gesperrt. Setzen Sie auf dem Gerät als der Benutzer, unter dem Korvel läuft, ein neues Passwort mit:</translation>
    </message>
    <message id="TEXT_PASSWORD_UNCHANGED">
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message id="TEXT_PDF_ALREADY_IN_DOCUMENTS">
        <source>This document is already saved in Documents.</source>
        <translation>Dieses Dokument ist bereits in „Dokumente“ gespeichert.</translation>
    </message>
    <message id="TEXT_PDF_APPEARANCE">
        <source>Aa</source>
        <translation>Aa</translation>
    </message>
    <message id="TEXT_PDF_CANNOT_BE_OPENED">
        <source>This document cannot be opened. It may be damaged or incomplete.</source>
        <translation>Dieses Dokument kann nicht geöffnet werden. Es ist eventuell beschädigt oder unvollständig.</translation>
    </message>
    <message id="TEXT_PDF_CONTENTS">
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message id="TEXT_PDF_DOWNLOAD">
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message id="TEXT_PDF_LOADING">
        <source>Loading the document...</source>
        <translation>Dokument wird geladen...</translation>
    </message>
    <message id="TEXT_PDF_NO_CONTENTS">
        <source>This document has no table of contents.</source>
        <translation>Dieses Dokument hat kein Inhaltsverzeichnis.</translation>
    </message>
    <message id="TEXT_PDF_NO_MATCHES">
        <source>No matches.</source>
        <translation>Keine Treffer.</translation>
    </message>
    <message id="TEXT_PDF_NO_PRINTER">
        <source>No printer is set up on this device.</source>
        <translation>Auf diesem Gerät ist kein Drucker eingerichtet.</translation>
    </message>
    <message id="TEXT_PDF_PAGES">
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message id="TEXT_PDF_PAGE_LABEL">
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message id="TEXT_PDF_PAGE_OF">
        <source>%1 of %2</source>
        <translation>%1 von %2</translation>
    </message>
    <message id="TEXT_PDF_PAPER_DAY">
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message id="TEXT_PDF_PAPER_NIGHT">
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message id="TEXT_PDF_PAPER_SEPIA">
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message id="TEXT_PDF_SEARCH">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="TEXT_PDF_SEARCH_PLACEHOLDER">
        <source>Search in the document</source>
        <translation>Im Dokument suchen</translation>
    </message>
    <message id="TEXT_PDF_SHARE">
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message id="TEXT_POWER_ALWAYS_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Bildschirm nach jeder Leerlaufzeit dimmen</translation>
    </message>
    <message id="TEXT_POWER_DAYS">
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message id="TEXT_POWER_END_TIME">
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message id="TEXT_CLEAR_FIELD">
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message id="TEXT_STEPPER_DECREASE">
        <source>Decrease</source>
        <translation>Verringern</translation>
    </message>
    <message id="TEXT_STEPPER_INCREASE">
        <source>Increase</source>
        <translation>Erhöhen</translation>
    </message>
    <message id="TEXT_POWER_HOURS">
        <source>Hours</source>
        <translation>Zeiten</translation>
    </message>
    <message id="TEXT_POWER_HOURS_FOOTER">
        <source>A window that ends before it starts goes on past midnight. The same start and end never saves power.</source>
        <translation>Ein Zeitraum, der vor seinem Beginn endet, reicht über Mitternacht. Gleicher Beginn und gleiches Ende sparen nie Strom.</translation>
    </message>
    <message id="TEXT_POWER_SCHEDULE_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Nach der Leerlaufzeit nur zu diesen Zeiten dimmen</translation>
    </message>
    <message id="TEXT_POWER_START_TIME">
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message id="TEXT_PRINT">
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message id="TEXT_PROTOCOL">
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message id="TEXT_QR_NOT_SAVED">
        <source>The QR code could not be saved: %1</source>
        <translation>Der QR-Code konnte nicht gespeichert werden: %1</translation>
    </message>
    <message id="TEXT_REFRESH">
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="TEXT_SAVED_IN_DOCUMENTS">
        <source>%1 is saved in Documents.</source>
        <translation>%1 ist in „Dokumente“ gespeichert.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Datei wählen</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL">
        <source>An image, video or page in the documents folder</source>
        <translation>Ein Bild, Video oder eine Seite im Ordner „Dokumente“</translation>
    </message>
    <message id="TEXT_SCREENSAVER_ENABLE_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Startet nach der Leerlaufzeit; jede Berührung beendet ihn.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_NAMING">
        <source>Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page.</source>
        <translation>Videos enden auf .mp4, .mov, .mpv oder .3gp und Bilder auf .jpg, .png oder .tif, in Kleinbuchstaben; alles andere wird als Webseite angezeigt.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_IMAGE">
        <source>Shown as an image over the whole screen.</source>
        <translation>Wird als Bild im Vollbild angezeigt.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_NOTHING">
        <source>Nothing is shown: give a web address or choose a file.</source>
        <translation>Nichts wird angezeigt: Geben Sie eine Webadresse an oder wählen Sie eine Datei.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_PAGE">
        <source>Shown as a web page.</source>
        <translation>Wird als Webseite angezeigt.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_VIDEO">
        <source>Shown as a video, looping without sound.</source>
        <translation>Wird als Video in Endlosschleife ohne Ton angezeigt.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE_PLACEHOLDER">
        <source>https://... or a file name</source>
        <translation>https://... oder ein Dateiname</translation>
    </message>
    <message id="TEXT_SEARCH">
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message id="TEXT_SEARCH_LOG">
        <source>Search the log</source>
        <translation>Protokoll durchsuchen</translation>
    </message>
    <message id="TEXT_SEARCH_SETTINGS">
        <source>Search all settings</source>
        <translation>Alle Einstellungen durchsuchen</translation>
    </message>
    <message id="TEXT_SEARCH_WEBSITE">
        <source>Search Website</source>
        <translation>Website suchen</translation>
    </message>
    <message id="TEXT_SERVER_NOT_RUNNING">
        <source>Not running</source>
        <translation>Läuft nicht</translation>
    </message>
    <message id="TEXT_SETTINGS_FILE">
        <source>Settings file</source>
        <translation>Einstellungsdatei</translation>
    </message>
    <message id="TEXT_SHOW_ID_AS_QR_CODE">
        <source>Show ID as QR Code</source>
        <translation>ID als QR-Code anzeigen</translation>
    </message>
    <message id="TEXT_SIZE">
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message id="TEXT_SPECIAL_LINKS_DETAIL">
        <source>Tap to configure special links.</source>
        <translation>Tippen, um Sonderlinks einzurichten.</translation>
    </message>
    <message id="TEXT_STOP">
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message id="TEXT_SYSTEM">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="TEXT_SYSTEM_FILES">
        <source>Files and Folders</source>
        <translation>Dateien und Ordner</translation>
    </message>
    <message id="TEXT_SYSTEM_NETWORK">
        <source>Local Network</source>
        <translation>Lokales Netzwerk</translation>
    </message>
    <message id="TEXT_SYSTEM_VERSIONS">
        <source>Software Versions</source>
        <translation>Softwareversionen</translation>
    </message>
    <message id="TEXT_TAB_ERROR">
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message id="TEXT_TITLE_PLACEHOLDER">
        <source>Derived from the address when empty</source>
        <translation>Wenn leer, aus der Adresse abgeleitet</translation>
    </message>
    <message id="TEXT_TOOLBAR_IMAGES_FOOTER">
        <source>Images in Documents; empty uses the built-in image. Tap a row to pick one.</source>
        <translation>Bilder in „Dokumente“; leer nutzt das integrierte Bild. Tippen Sie auf eine Zeile, um eines zu wählen.</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE">
        <source>Upload Access Code</source>
        <translation>Upload-Zugangscode</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Wird von jedem anderen Gerät verlangt, das den Upload-Server nutzt; leer lässt ihn offen.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ADDRESS">
        <source>Upload server</source>
        <translation>Upload-Server</translation>
    </message>
    <message id="TEXT_URL_PLACEHOLDER">
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message id="TEXT_VIDEO_FILES">
        <source>Video Files</source>
        <translation>Videodateien</translation>
    </message>
    <message id="TEXT_ENGINE_HARDENING">
        <source>Engine hardening</source>
        <translation>Engine-Härtung</translation>
    </message>
    <message id="TEXT_HARDENING_NO_DEBUGGING">
        <source>remote debugging refused</source>
        <translation>Remote-Debugging abgelehnt</translation>
    </message>
    <message id="TEXT_HARDENING_NO_JIT">
        <source>JIT off</source>
        <translation>JIT aus</translation>
    </message>
    <message id="TEXT_HARDENING_WEBRTC">
        <source>WebRTC through a proxy only</source>
        <translation>WebRTC nur über einen Proxy</translation>
    </message>
    <message id="TEXT_HARDENING_COOKIES">
        <source>third-party cookies refused</source>
        <translation>Drittanbieter-Cookies abgelehnt</translation>
    </message>
    <message id="TITLE_CHECK_LOCKDOWN">
        <source>Check Lockdown</source>
        <translation>Abschottung prüfen</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_CHECK_LOCKDOWN">
        <source>What could break out of this kiosk</source>
        <translation>Was aus diesem Kiosk ausbrechen könnte</translation>
    </message>
    <message id="TEXT_LOCKDOWN_PROBES">
        <source>Probes</source>
        <translation>Tests</translation>
    </message>
    <message id="TEXT_PROBE_PASSED">
        <source>Passed</source>
        <translation>Bestanden</translation>
    </message>
    <message id="TEXT_PROBE_WARNING">
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message id="TEXT_PROBE_FAILED">
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message id="TEXT_LOCKDOWN_UNAVAILABLE">
        <source>The check cannot run here: start Korvel in its kiosk session.</source>
        <translation>Die Prüfung kann hier nicht laufen: Starten Sie Korvel in seiner Kiosk-Sitzung.</translation>
    </message>
    <message id="TEXT_WEB_ENGINE">
        <source>Web engine</source>
        <translation>Web-Engine</translation>
    </message>
    <message id="TEXT_WHEN">
        <source>When</source>
        <translation>Wann</translation>
    </message>
    <message id="TEXT_YES">
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message id="THIS_FILE_IS_PASSWORD_PROTECTED">
        <source>This file is password protected.</source>
        <translation>Diese Datei ist passwortgeschützt.</translation>
    </message>
    <message id="TITLE_CLOUD_ID_QR_CODE">
        <source>Cloud ID QR Code</source>
        <translation>QR-Code der Cloud-ID</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_SYSTEM_SETTINGS">
        <source>Korvel in the system's settings</source>
        <translation>Korvel in den Systemeinstellungen</translation>
    </message>
    <message id="TITLE_DOWNLOAD_SUCCESSFULLY">
        <source>Downloaded successfully</source>
        <translation>Erfolgreich heruntergeladen</translation>
    </message>
    <message id="TITLE_EDIT">
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message id="TITLE_PDF_FILE">
        <source>PDF File</source>
        <translation>PDF-Datei</translation>
    </message>
    <message id="TITLE_SCAN_QR">
        <source>Scan QR Code</source>
        <translation>QR-Code scannen</translation>
    </message>
    <message id="TITLE_SELECT_ALL">
        <source>Select All</source>
        <translation>Alle auswählen</translation>
    </message>
    <message id="TITLE_SYSTEM_SETTINGS">
        <source>System Settings</source>
        <translation>Systemeinstellungen</translation>
    </message>
    <message id="TITLE_UNSELECT_ALL">
        <source>Unselect All</source>
        <translation>Alle abwählen</translation>
    </message>
    <message id="TXT_DOWNLOAD">
        <source>Download</source>
        <translation>Download</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_OPEN_WARNING">
        <source>Anyone on this network can change the documents folder</source>
        <translation>Jeder in diesem Netzwerk kann den Ordner „Dokumente“ ändern</translation>
    </message>
    <message id="TEXT_SET_ACCESS_CODE">
        <source>Set access code</source>
        <translation>Zugangscode festlegen</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE">
        <source>Open on a Phone</source>
        <translation>Auf Smartphone öffnen</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL">
        <source>The address as a QR code, and the certificate's fingerprint</source>
        <translation>Die Adresse als QR-Code und der Fingerabdruck des Zertifikats</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS">
        <source>Use HTTPS</source>
        <translation>HTTPS verwenden</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Mit dem eigenen Zertifikat des Geräts, das ein Smartphone an seinem Fingerabdruck prüft</translation>
    </message>
    <message id="TITLE_UPLOAD_SERVER_ON_A_PHONE">
        <source>Upload Server on a Phone</source>
        <translation>Upload-Server auf dem Smartphone</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_NO_ADDRESS">
        <source>The upload server is not running, or this device has no address on the network.</source>
        <translation>Der Upload-Server läuft nicht, oder dieses Gerät hat keine Adresse im Netzwerk.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_SCAN">
        <source>Scan the code with a phone's camera to open the upload page.</source>
        <translation>Scannen Sie den Code mit der Kamera eines Smartphones, um die Upload-Seite zu öffnen.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_PLAIN">
        <source>The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network.</source>
        <translation>Die Seite und der Zugangscode werden unverschlüsselt übertragen. Aktivieren Sie „HTTPS verwenden“, um sie im Netzwerk zu schützen.</translation>
    </message>
    <message id="TEXT_CERTIFICATE_MISSING">
        <source>The device's certificate cannot be had: %1</source>
        <translation>Das Zertifikat des Geräts ist nicht verfügbar: %1</translation>
    </message>
    <message id="TEXT_CERTIFICATE_FINGERPRINT">
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Fingerabdruck des Zertifikats (SHA-256)</translation>
    </message>
    <message id="TEXT_CERTIFICATE_CHECK">
        <source>The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one.</source>
        <translation>Der Browser des Smartphones warnt vor dem eigenen Zertifikat dieses Geräts. Fahren Sie nur fort, wenn der dort angezeigte SHA-256-Fingerabdruck genau dieser ist.</translation>
    </message>
    <message id="TEXT_RECOVERY_SETTINGS">
        <source>Recovery</source>
        <translation>Wiederherstellung</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT">
        <source>Page Memory Limit (MB)</source>
        <translation>Speicherlimit pro Seite (MB)</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Eine Seite, deren Renderer darüber hinaus wächst, wird neu geladen, sobald niemand den Kiosk berührt. 0: 1 GiB oder der halbe Speicher, je nachdem, was kleiner ist.</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_INVALID">
        <source>Invalid memory limit. Please enter megabytes, or 0 for the automatic limit.</source>
        <translation>Ungültiges Speicherlimit. Bitte geben Sie Megabyte ein, oder 0 für das automatische Limit.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Täglicher Neustart um (HH:MM)</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel startet zu dieser Uhrzeit neu, oder später, sobald es niemand nutzt. Leer: nie.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_INVALID">
        <source>Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart.</source>
        <translation>Bitte geben Sie eine Uhrzeit als HH:MM (24-Stunden-Format) ein, oder nichts für keinen täglichen Neustart.</translation>
    </message>
    <message id="TEXT_BOUNCE_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Keine Wirkung auf diesem Gerät: Die Web-Engine scrollt Seiten ohne Nachfedern.</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS">
        <source>Enable Browser Plugins</source>
        <translation>Browser-Plug-ins aktivieren</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Lässt Seiten die Plug-ins der Web-Engine nutzen. Für diese Engine ist hier kein Plug-in installiert, daher ändert es nichts.</translation>
    </message>
    <message id="BROWSER_OK">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="APP_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="BROWSER_PRINTER">
        <source>Printer</source>
        <translation>Drucker</translation>
    </message>
    <message id="BROWSER_PRINT_FAILED">
        <source>Cannot complete print request</source>
        <translation>Druckauftrag kann nicht ausgeführt werden</translation>
    </message>
    <message id="BROWSER_AUTH_REQUIRED">
        <source>Authentication Required</source>
        <translation>Anmeldung erforderlich</translation>
    </message>
    <message id="BROWSER_AUTH_LOGIN">
        <source>Login</source>
        <translation>Anmelden</translation>
    </message>
    <message id="BROWSER_POPUPS_BLOCKED">
        <source>Popups are blocked!</source>
        <translation>Pop-ups sind blockiert!</translation>
    </message>
    <message id="BROWSER_APP_NOT_AVAILABLE">
        <source>Application is not available. Please install.</source>
        <translation>Die Anwendung ist nicht verfügbar. Bitte installieren Sie sie.</translation>
    </message>
    <message id="HOME_ACCESS_DENIED">
        <source>Access Denied for %1</source>
        <translation>Zugriff verweigert für %1</translation>
    </message>
    <message id="APP_PASSWORD_PROMPT">
        <source>Enter password to enter settings.</source>
        <translation>Geben Sie das Passwort ein, um die Einstellungen zu öffnen.</translation>
    </message>
    <message id="APP_DEFAULT_PASSWORD">
        <source>Default password is %1</source>
        <translation>Das Standardpasswort ist %1</translation>
    </message>
    <message id="APP_WRONG_PASSWORD">
        <source>Wrong Password!</source>
        <translation>Falsches Passwort!</translation>
    </message>
    <message id="APP_LANGUAGE">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="APP_LANGUAGE_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>Die Sprache der Bildschirme und der Bildschirmtastatur sowie die Sprache, in der Webseiten angefragt werden.</translation>
    </message>
    <message id="APP_LANGUAGE_SYSTEM">
        <source>System Language</source>
        <translation>Systemsprache</translation>
    </message>
    <message id="FILES_HISTORY_DELETE_COUNT" numerus="yes">
        <source>%n entries will be removed from the history.</source>
        <translation>
            <numerusform>%n Eintrag wird aus dem Verlauf entfernt.</numerusform>
            <numerusform>%n Einträge werden aus dem Verlauf entfernt.</numerusform>
        </translation>
    </message>
    <message id="BROWSER_ERROR_TITLE">
        <source>ERROR</source>
        <translation>FEHLER</translation>
    </message>
    <message id="PREF_RefreshOnError_TITLE">
        <source>Refresh Current Page on Recovering from Error</source>
        <translation>Aktuelle Seite nach einem Fehler neu laden</translation>
    </message>
    <message id="PREF_CopyPaste_TITLE">
        <source>Enable Copy Paste</source>
        <translation>Kopieren und Einfügen aktivieren</translation>
    </message>
    <message id="PREF_PhoneLinks_TITLE">
        <source>Phone Numbers</source>
        <translation>Telefonnummern</translation>
    </message>
    <message id="PREF_PhoneLinks_DETAIL">
        <source>This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application.</source>
        <translation>Dieses Gerät telefoniert nicht: Ein angetippter Telefon-, E-Mail- oder Nachrichtenlink wird nur protokolliert, nie an eine andere Anwendung übergeben.</translation>
    </message>
    <message id="PREF_PrintLinks_TITLE">
        <source>Print Links</source>
        <translation>Drucklinks</translation>
    </message>
    <message id="PREF_PrintLinks_DETAIL">
        <source>A page's own print link prints the page.</source>
        <translation>Der eigene Drucklink einer Seite druckt die Seite.</translation>
    </message>
    <message id="PREF_DrivingMode_TITLE">
        <source>Motion Detection</source>
        <translation>Bewegungserkennung</translation>
    </message>
    <message id="PREF_DrivingMode_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Bildschirm sperren, solange sich das Gerät bewegt (Geräte mit Mobilfunkmodem)</translation>
    </message>
    <message id="PREF_MotionType_TITLE">
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Walking">
        <source>Walking</source>
        <translation>Gehen</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Running">
        <source>Running</source>
        <translation>Laufen</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Automotive">
        <source>Automotive</source>
        <translation>Fahrzeug</translation>
    </message>
    <message id="PREF_IdleTimeout_TITLE">
        <source>Idle Timeout (Seconds)</source>
        <translation>Leerlaufzeit (Sekunden)</translation>
    </message>
    <message id="PREF_AllowAllWebsites_TITLE">
        <source>Allow All Websites</source>
        <translation>Alle Websites erlauben</translation>
    </message>
    <message id="PREF_AllowAllWebsites_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Alle Websites außer den blockierten; das Menü listet sie auf</translation>
    </message>
    <message id="PREF_AllowContentBlocking_TITLE">
        <source>Enable Content Blocking</source>
        <translation>Inhaltsblockierung aktivieren</translation>
    </message>
    <message id="PREF_AllowContentBlocking_DETAIL">
        <source>Enable to allow content blocking</source>
        <translation>Erlaubt das Blockieren von Inhalten</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_TITLE">
        <source>Add keywords to block access</source>
        <translation>Schlüsselwörter zum Blockieren hinzufügen</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_DETAIL">
        <source>Block sites containing the keywords</source>
        <translation>Websites mit diesen Schlüsselwörtern blockieren</translation>
    </message>
    <message id="PREF_IgnoreSSLWarnings_TITLE">
        <source>Ignore SSL Warnings</source>
        <translation>SSL-Warnungen ignorieren</translation>
    </message>
    <message id="PREF_GoHomeOnNetworkGain_TITLE">
        <source>Go to Home on Network Gain</source>
        <translation>Bei Netzwerkverbindung zur Startseite</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_TITLE">
        <source>Go to Home</source>
        <translation>Zur Startseite</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_DETAIL">
        <source>Goto Home Screen on idletimeout</source>
        <translation>Nach der Leerlaufzeit zum Startbildschirm</translation>
    </message>
    <message id="PREF_EnableMenu_TITLE">
        <source>Show Options Menu on Browser Screen</source>
        <translation>Optionsmenü im Browser anzeigen</translation>
    </message>
    <message id="PREF_PrivateBrowsing_TITLE">
        <source>Clear Cookies on Home</source>
        <translation>Bei Startseite Cookies löschen</translation>
    </message>
    <message id="PREF_OfflineCacheBrowsing_TITLE">
        <source>Clear App Cache on Home</source>
        <translation>Bei Startseite App-Cache löschen</translation>
    </message>
    <message id="PREF_PluginsEnable_TITLE">
        <source>Enable Browser Plugins</source>
        <translation>Browser-Plug-ins aktivieren</translation>
    </message>
    <message id="PREF_PluginsEnable_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Lässt Seiten die Plug-ins der Web-Engine nutzen. Für diese Engine ist hier kein Plug-in installiert, daher ändert es nichts.</translation>
    </message>
    <message id="PREF_Wallpaper_TITLE">
        <source>Wallpaper</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message id="PREF_ZoomEnable_TITLE">
        <source>Enable Zoom</source>
        <translation>Zoom aktivieren</translation>
    </message>
    <message id="PREF_FullScreen_TITLE">
        <source>Enable FullScreen</source>
        <translation>Vollbild aktivieren</translation>
    </message>
    <message id="PREF_PreventSuspend_TITLE">
        <source>Prevent Device Suspend</source>
        <translation>Ruhezustand verhindern</translation>
    </message>
    <message id="PREF_WallpaperStyle_TITLE">
        <source>Wallpaper Style</source>
        <translation>Hintergrundstil</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Center">
        <source>Center</source>
        <translation>Zentriert</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Stretch">
        <source>Stretch</source>
        <translation>Gestreckt</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_AspectFit">
        <source>AspectFit</source>
        <translation>Einpassen</translation>
    </message>
    <message id="PREF_BrowserOrientation_TITLE">
        <source>Browser Orientation</source>
        <translation>Browser-Ausrichtung</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_None">
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Landscape">
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Portrait">
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message id="PREF_PasswordTimeout_TITLE">
        <source>Restrict Settings after (Minutes)</source>
        <translation>Einstellungen sperren nach (Minuten)</translation>
    </message>
    <message id="PREF_RestrictSettings_TITLE">
        <source>Restrict Korvel Settings Menu</source>
        <translation>Korvel-Einstellungen einschränken</translation>
    </message>
    <message id="PREF_UserAgents_TITLE">
        <source>User Agent</source>
        <translation>User-Agent</translation>
    </message>
    <message id="PREF_MakeToast_TITLE">
        <source>Enable Toast Messages</source>
        <translation>Kurzmeldungen aktivieren</translation>
    </message>
    <message id="PREF_EnableScreenSaver_TITLE">
        <source>Enable ScreenSaver</source>
        <translation>Bildschirmschoner aktivieren</translation>
    </message>
    <message id="PREF_EnableScreenSaver_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Startet nach der Leerlaufzeit; jede Berührung beendet ihn.</translation>
    </message>
    <message id="PREF_ScreenSaver_TITLE">
        <source>Show</source>
        <translation>Anzeigen</translation>
    </message>
    <message id="PREF_ScreenSaver_DETAIL">
        <source>https://... or a file name</source>
        <translation>https://... oder ein Dateiname</translation>
    </message>
    <message id="PREF_EnableToolBar_TITLE">
        <source>Show Navigation Toolbar</source>
        <translation>Navigationsleiste anzeigen</translation>
    </message>
    <message id="PREF_NumberOfTaps_TITLE">
        <source>Tap count</source>
        <translation>Anzahl Antippen</translation>
    </message>
    <message id="PREF_NumberOfTaps_DETAIL">
        <source>Number of taps to access settings. Default 5.</source>
        <translation>So oft antippen, um die Einstellungen zu öffnen. Standard: 5.</translation>
    </message>
    <message id="PREF_AccessDenied_TITLE">
        <source>Go to Home on Access Denied</source>
        <translation>Bei verweigertem Zugriff zur Startseite</translation>
    </message>
    <message id="PREF_ServerSwitch_TITLE">
        <source>Enable Upload Server</source>
        <translation>Upload-Server aktivieren</translation>
    </message>
    <message id="PREF_Port_TITLE">
        <source>Run on Port</source>
        <translation>Port</translation>
    </message>
    <message id="PREF_UploadAccessCode_TITLE">
        <source>Upload Access Code</source>
        <translation>Upload-Zugangscode</translation>
    </message>
    <message id="PREF_UploadAccessCode_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Wird von jedem anderen Gerät verlangt, das den Upload-Server nutzt; leer lässt ihn offen.</translation>
    </message>
    <message id="PREF_UploadServerTLS_TITLE">
        <source>Use HTTPS</source>
        <translation>HTTPS verwenden</translation>
    </message>
    <message id="PREF_UploadServerTLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Mit dem eigenen Zertifikat des Geräts, das ein Smartphone an seinem Fingerabdruck prüft</translation>
    </message>
    <message id="PREF_Zoom_TITLE">
        <source>Set Initial Zoom Level</source>
        <translation>Anfangszoom festlegen</translation>
    </message>
    <message id="PREF_Bounce_TITLE">
        <source>WebView Bounce</source>
        <translation>WebView-Nachfedern</translation>
    </message>
    <message id="PREF_Bounce_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Keine Wirkung auf diesem Gerät: Die Web-Engine scrollt Seiten ohne Nachfedern.</translation>
    </message>
    <message id="PREF_AllowPopup_TITLE">
        <source>Allow Pop-Ups</source>
        <translation>Pop-ups erlauben</translation>
    </message>
    <message id="PREF_AllowPopupInSameWindow_TITLE">
        <source>Show Pop-Ups in same window</source>
        <translation>Pop-ups im selben Fenster anzeigen</translation>
    </message>
    <message id="PREF_EnableRefreshButton_TITLE">
        <source>Show Refresh Button</source>
        <translation>Schaltfläche „Aktualisieren“ anzeigen</translation>
    </message>
    <message id="PREF_EnableHomeButton_TITLE">
        <source>Show Home Button</source>
        <translation>Schaltfläche „Startseite“ anzeigen</translation>
    </message>
    <message id="PREF_EnableBackButton_TITLE">
        <source>Show Back Button</source>
        <translation>Schaltfläche „Zurück“ anzeigen</translation>
    </message>
    <message id="PREF_EnableForwardButton_TITLE">
        <source>Show Forward Button</source>
        <translation>Schaltfläche „Vorwärts“ anzeigen</translation>
    </message>
    <message id="PREF_EnablePrintButton_TITLE">
        <source>Show Print Button</source>
        <translation>Schaltfläche „Drucken“ anzeigen</translation>
    </message>
    <message id="PREF_RefreshImage_TITLE">
        <source>Refresh Button Image</source>
        <translation>Bild für „Aktualisieren“</translation>
    </message>
    <message id="PREF_RefreshImage_DETAIL">
        <source>Image used to show Refresh Button. Recommended size: 44*44</source>
        <translation>Bild für die Schaltfläche „Aktualisieren“. Empfohlene Größe: 44*44</translation>
    </message>
    <message id="PREF_HomeImage_TITLE">
        <source>Home Button Image</source>
        <translation>Bild für „Startseite“</translation>
    </message>
    <message id="PREF_HomeImage_DETAIL">
        <source>Image used to show Home Button. Recommended size: 44*44</source>
        <translation>Bild für die Schaltfläche „Startseite“. Empfohlene Größe: 44*44</translation>
    </message>
    <message id="PREF_BackImage_TITLE">
        <source>Back Button Image</source>
        <translation>Bild für „Zurück“</translation>
    </message>
    <message id="PREF_BackImage_DETAIL">
        <source>Image used to show Back Button. Recommended size: 44*44</source>
        <translation>Bild für die Schaltfläche „Zurück“. Empfohlene Größe: 44*44</translation>
    </message>
    <message id="PREF_ForwardImage_TITLE">
        <source>Forward Button Image</source>
        <translation>Bild für „Vorwärts“</translation>
    </message>
    <message id="PREF_ForwardImage_DETAIL">
        <source>Image used to show Forward Button. Recommended size: 44*44</source>
        <translation>Bild für die Schaltfläche „Vorwärts“. Empfohlene Größe: 44*44</translation>
    </message>
    <message id="PREF_PrintImage_TITLE">
        <source>Print Button Image</source>
        <translation>Bild für „Drucken“</translation>
    </message>
    <message id="PREF_PrintImage_DETAIL">
        <source>Image used to show Print Button. Recommended size: 44*44</source>
        <translation>Bild für die Schaltfläche „Drucken“. Empfohlene Größe: 44*44</translation>
    </message>
    <message id="PREF_ToolbarImage_TITLE">
        <source>Toolbar Background</source>
        <translation>Leistenhintergrund</translation>
    </message>
    <message id="PREF_ToolbarImage_DETAIL">
        <source>Image for Navigation Toolbar Background</source>
        <translation>Bild für den Hintergrund der Navigationsleiste</translation>
    </message>
    <message id="PREF_Brightness_TITLE">
        <source>Adjust Brightness</source>
        <translation>Helligkeit anpassen</translation>
    </message>
    <message id="PREF_AllowDragDrop_TITLE">
        <source>Allow Icon Relocation</source>
        <translation>Symbole verschieben erlauben</translation>
    </message>
    <message id="PREF_AllowResize_TITLE">
        <source>Allow Icon Resize</source>
        <translation>Symbolgröße ändern erlauben</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_TITLE">
        <source>Schedule Power Saver</source>
        <translation>Energiesparen planen</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Nach der Leerlaufzeit nur zu diesen Zeiten dimmen</translation>
    </message>
    <message id="PREF_StartTime_TITLE">
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message id="PREF_StartTime_DETAIL">
        <source>Hours</source>
        <translation>Uhrzeit</translation>
    </message>
    <message id="PREF_EndTime_TITLE">
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message id="PREF_EndTime_DETAIL">
        <source>Hours</source>
        <translation>Uhrzeit</translation>
    </message>
    <message id="PREF_DaySelected_TITLE">
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message id="PREF_AlwaysSavePower_TITLE">
        <source>Always Save Power</source>
        <translation>Immer Energie sparen</translation>
    </message>
    <message id="PREF_AlwaysSavePower_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Bildschirm nach jeder Leerlaufzeit dimmen</translation>
    </message>
    <message id="PREF_UseMultiTab_TITLE">
        <source>Enable Multi-Tab</source>
        <translation>Mehrere Tabs aktivieren</translation>
    </message>
    <message id="PREF_EnableLoadingIcon_TITLE">
        <source>Enable Loading Icon</source>
        <translation>Ladesymbol aktivieren</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_TITLE">
        <source>Custom User Agent Header</source>
        <translation>Eigener User-Agent-Header</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_DETAIL">
        <source>Note:If Header field is empty.Default header is set to Korvel.</source>
        <translation>Hinweis: Ist das Header-Feld leer, wird der Standard-Header Korvel gesendet.</translation>
    </message>
    <message id="PREF_EnableCustomUserAgentHeader_TITLE">
        <source>Enable Custom User Agent Header</source>
        <translation>Eigenen User-Agent-Header aktivieren</translation>
    </message>
    <message id="PREF_CountOfTabs_TITLE">
        <source>Maximum Number of Tab(s)</source>
        <translation>Maximale Anzahl Tabs</translation>
    </message>
    <message id="PREF_CountOfTabs_DETAIL">
        <source>Enter a value between 1 to 8.</source>
        <translation>Geben Sie einen Wert von 1 bis 8 ein.</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_TITLE">
        <source>Show Files Using Google Docs</source>
        <translation>Dateien mit Google Docs anzeigen</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_DETAIL">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Dokumente, die der Kiosk nicht anzeigen kann, öffnen sich im Online-Viewer von Google (docs.google.com), der sie von ihrer Adresse abruft: Erlauben Sie auch docs.google.com.</translation>
    </message>
    <message id="PREF_AllowPDFViewer_TITLE">
        <source>PDF Viewer</source>
        <translation>PDF-Viewer</translation>
    </message>
    <message id="PREF_AllowPDFViewer_DETAIL">
        <source>Opens PDF documents in the kiosk's own reader.</source>
        <translation>Öffnet PDF-Dokumente im eigenen PDF-Viewer des Kiosks.</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_TITLE">
        <source>Allow Download</source>
        <translation>Download erlauben</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_DETAIL">
        <source>The reader's Download button saves the document in Documents.</source>
        <translation>Die Schaltfläche „Download“ im PDF-Viewer speichert das Dokument in „Dokumente“.</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_TITLE">
        <source>Allow Print</source>
        <translation>Drucken erlauben</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_DETAIL">
        <source>The reader's Share sheet offers printing.</source>
        <translation>Das Menü „Teilen“ im PDF-Viewer bietet Drucken an.</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_TITLE">
        <source>Allow Downloads</source>
        <translation>Downloads erlauben</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_DETAIL">
        <source>Allows files to be downloaded to this device</source>
        <translation>Erlaubt das Herunterladen von Dateien auf dieses Gerät</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_TITLE">
        <source>Open File After Download</source>
        <translation>Datei nach Download öffnen</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_DETAIL">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Öffnet eine Datei, sobald sie heruntergeladen ist</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_TITLE">
        <source>Keep Download History</source>
        <translation>Downloadverlauf behalten</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_DETAIL">
        <source>Keeps a list of downloaded files</source>
        <translation>Führt eine Liste der heruntergeladenen Dateien</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_TITLE">
        <source>Page Memory Limit (MB)</source>
        <translation>Speicherlimit pro Seite (MB)</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Eine Seite, deren Renderer darüber hinaus wächst, wird neu geladen, sobald niemand den Kiosk berührt. 0: 1 GiB oder der halbe Speicher, je nachdem, was kleiner ist.</translation>
    </message>
    <message id="PREF_RestartDailyAt_TITLE">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Täglicher Neustart um (HH:MM)</translation>
    </message>
    <message id="PREF_RestartDailyAt_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel startet zu dieser Uhrzeit neu, oder später, sobald es niemand nutzt. Leer: nie.</translation>
    </message>
    <message id="PREF_StrictSubresources_TITLE">
        <source>Strict Loading</source>
        <translation>Strenges Laden</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_TITLE">
        <source>Also allowed for loading</source>
        <translation>Zusätzlich zum Laden erlaubt</translation>
    </message>
    <message id="PREF_LearnSubresources_TITLE">
        <source>Learn What Pages Load</source>
        <translation>Lernen, was Seiten laden</translation>
    </message>
    <message id="ADMIN_ABOUT">
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message id="ADMIN_ABOUT_APPLICATION">
        <source>Application</source>
        <translation>Anwendung</translation>
    </message>
    <message id="ADMIN_ABOUT_VERSION">
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message id="SETTINGS_UPDATE">
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message id="SETTINGS_ADD">
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message id="SETTINGS_URL_LABEL">
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITE_DETAILS">
        <source>Blocked Website Details</source>
        <translation>Details der blockierten Website</translation>
    </message>
    <message id="SETTINGS_DELETE_WEBSITE_QUESTION">
        <source>Are you sure you want to delete this website?</source>
        <translation>Möchten Sie diese Website wirklich löschen?</translation>
    </message>
    <message id="SETTINGS_SCREEN_ADVANCED">
        <source>Advanced Settings</source>
        <translation>Erweiterte Einstellungen</translation>
    </message>
    <message id="SETTINGS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="SETTINGS_CATEGORY_NONE">
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message id="SETTINGS_WEBSITE_DETAILS">
        <source>Website Details</source>
        <translation>Website-Details</translation>
    </message>
    <message id="SETTINGS_ASSIGN_CATEGORY">
        <source>Assign Category:</source>
        <translation>Kategorie zuweisen:</translation>
    </message>
    <message id="SETTINGS_TITLE_LABEL">
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message id="SETTINGS_ICON_PATH_LABEL">
        <source>Icon Path:</source>
        <translation>Symbolpfad:</translation>
    </message>
    <message id="SETTINGS_RUN_AT_STARTUP">
        <source>Run At Startup</source>
        <translation>Beim Start öffnen</translation>
    </message>
    <message id="SETTINGS_HIDE_ICON">
        <source>Hide Icon</source>
        <translation>Symbol ausblenden</translation>
    </message>
    <message id="SETTINGS_ALLOW_SUBDOMAIN">
        <source>Allow SubDomain</source>
        <translation>Subdomains erlauben</translation>
    </message>
    <message id="SETTINGS_ALLOW_ONLY_THIS_URL">
        <source>Allow Only This URL</source>
        <translation>Nur diese URL erlauben</translation>
    </message>
    <message id="SETTINGS_USE_FAVICON">
        <source>Use Favicon</source>
        <translation>Favicon verwenden</translation>
    </message>
    <message id="SETTINGS_SET_AS_ERROR_PAGE">
        <source>Set as Error Page</source>
        <translation>Als Fehlerseite festlegen</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES">
        <source>Save Changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES_QUESTION">
        <source>Do you wish to save the changes?</source>
        <translation>Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message id="SETTINGS_ADD_NEW_CATEGORY">
        <source>+ Add New Category</source>
        <translation>+ Neue Kategorie</translation>
    </message>
    <message id="SETTINGS_CURRENT_BRIGHTNESS">
        <source>Current Brightness: %d %%</source>
        <translation>Aktuelle Helligkeit: %d %%</translation>
    </message>
    <message id="SETTINGS_SCREEN_BROWSER_PREFERENCES">
        <source>Browser Preferences</source>
        <translation>Browsereinstellungen</translation>
    </message>
    <message id="SETTINGS_SERVER_OFF">
        <source>Server is OFF</source>
        <translation>Server ist AUS</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON">
        <source>Server Running on: %@:%ld</source>
        <translation>Server läuft auf: %@:%ld</translation>
    </message>
    <message id="SETTINGS_DEFAULT">
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT">
        <source>Reset Icon Layout</source>
        <translation>Symbole zurücksetzen</translation>
    </message>
    <message id="SETTINGS_WALLPAPER_PLACEHOLDER">
        <source>&lt;enter file name in documents directory&gt;</source>
        <translation>&lt;Dateiname im Ordner „Dokumente“ eingeben&gt;</translation>
    </message>
    <message id="SETTINGS_SECTION_ADMIN">
        <source>Browser Admin Settings</source>
        <translation>Administration</translation>
    </message>
    <message id="SETTINGS_SECTION_PRIVACY">
        <source>Privacy Settings</source>
        <translation>Datenschutz</translation>
    </message>
    <message id="SETTINGS_SECTION_WINDOW">
        <source>Browser Window Settings</source>
        <translation>Browserfenster</translation>
    </message>
    <message id="SETTINGS_SECTION_WALLPAPER">
        <source>Wallpaper Settings</source>
        <translation>Hintergrundbild</translation>
    </message>
    <message id="SETTINGS_SECTION_IDLE">
        <source>Idle Timeout Settings</source>
        <translation>Leerlaufzeit</translation>
    </message>
    <message id="SETTINGS_SECTION_SERVER">
        <source>Server Settings</source>
        <translation>Server</translation>
    </message>
    <message id="SETTINGS_SCREEN_NAVIGATION_TOOLBAR">
        <source>Configure Navigation Toolbar</source>
        <translation>Navigationsleiste einrichten</translation>
    </message>
    <message id="SETTINGS_CONFIGURE_TOOLBAR_DETAIL">
        <source>Tap to configure the toolbar.</source>
        <translation>Tippen, um die Symbolleiste einzurichten.</translation>
    </message>
    <message id="SETTINGS_SCREEN_SPECIAL_LINKS">
        <source>Enable Special Links</source>
        <translation>Sonderlinks aktivieren</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE">
        <source>ScreenSaver Mode</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE_DETAIL">
        <source>Tap to configure ScreenSaver on idletimeout</source>
        <translation>Tippen, um den Bildschirmschoner nach der Leerlaufzeit einzurichten</translation>
    </message>
    <message id="SETTINGS_SCREEN_POWER_SAVER">
        <source>Power Saver Mode</source>
        <translation>Energiesparmodus</translation>
    </message>
    <message id="SETTINGS_POWER_SAVER_MODE_DETAIL">
        <source>Tap to configure Power Saver on idletimeout</source>
        <translation>Tippen, um das Energiesparen nach der Leerlaufzeit einzurichten</translation>
    </message>
    <message id="SETTINGS_NOT_SAVED">
        <source>The settings could not be saved.</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden.</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON_URL">
        <source>Running on URL: %@:%ld</source>
        <translation>Läuft unter URL: %@:%ld</translation>
    </message>
    <message id="SETTINGS_SERVER_ERROR">
        <source>Error running the server</source>
        <translation>Fehler beim Ausführen des Servers</translation>
    </message>
    <message id="SETTINGS_SERVER_NO_ADDRESS">
        <source>Local ip could not be retrieved. Please check your wifi settings.</source>
        <translation>Die lokale IP-Adresse konnte nicht ermittelt werden. Bitte prüfen Sie Ihre WLAN-Einstellungen.</translation>
    </message>
    <message id="SETTINGS_SERVER_RESTART">
        <source>Error running server. Please switch on/off again</source>
        <translation>Fehler beim Ausführen des Servers. Bitte aus- und wieder einschalten.</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT_QUESTION">
        <source>Do you want to reset the icon layout on Korvel HomeScreen ?</source>
        <translation>Möchten Sie die Anordnung der Symbole auf dem Korvel-Startbildschirm zurücksetzen?</translation>
    </message>
    <message id="SETTINGS_ICON_LAYOUT_RESET">
        <source>Icon Layout set to default</source>
        <translation>Symbolanordnung zurückgesetzt</translation>
    </message>
    <message id="SETTINGS_ENABLE_TOOLBAR_FIRST">
        <source>Enable 'Show Navigation Toolbar' to configure.</source>
        <translation>Aktivieren Sie „Navigationsleiste anzeigen“, um sie einzurichten.</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_FILE">
        <source>Please select a valid file</source>
        <translation>Bitte wählen Sie eine gültige Datei</translation>
    </message>
    <message id="SETTINGS_INVALID_FILE">
        <source>Invalid File!</source>
        <translation>Ungültige Datei!</translation>
    </message>
    <message id="LOG_TITLE">
        <source>Korvel Log</source>
        <translation>Korvel-Protokoll</translation>
    </message>
    <message id="LOG_CLEAR">
        <source>Clear Log</source>
        <translation>Protokoll löschen</translation>
    </message>
    <message id="LOG_CLEAR_QUESTION">
        <source>Are you sure?</source>
        <translation>Sind Sie sicher?</translation>
    </message>
    <message id="LOG_ALLOW_WEBSITE_QUESTION">
        <source>Allow this WebSite: %@ ?</source>
        <translation>Diese Website erlauben: %@?</translation>
    </message>
    <message id="LOG_ALLOW">
        <source>Allow</source>
        <translation>Erlauben</translation>
    </message>
    <message id="LOG_DELETE_WEBSITE_QUESTION">
        <source>Delete this URL from Allowed WebSites: %@ ?</source>
        <translation>Diese URL aus den erlaubten Websites löschen: %@?</translation>
    </message>
    <message id="LOG_WEBSITE_ALLOWED">
        <source>Website Allowed!</source>
        <translation>Website erlaubt!</translation>
    </message>
    <message id="LOG_WEBSITE_DELETED">
        <source> Website Deleted!</source>
        <translation> Website gelöscht!</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message id="LOG_PREPARING">
        <source>Preparing Logs...</source>
        <translation>Protokolle werden vorbereitet...</translation>
    </message>
    <message id="SETTINGS_CATEGORY_DETAILS">
        <source>Enter Category Details</source>
        <translation>Kategoriedetails eingeben</translation>
    </message>
    <message id="SETTINGS_DELETE_CATEGORY_QUESTION">
        <source>Are you sure you want to delete this category?</source>
        <translation>Möchten Sie diese Kategorie wirklich löschen?</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_BUTTONS">
        <source>Buttons</source>
        <translation>Schaltflächen</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_IMAGES">
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message id="SETTINGS_CHECK_AND_RETRY">
        <source>Please check and try again</source>
        <translation>Bitte prüfen und erneut versuchen</translation>
    </message>
    <message id="SETTINGS_INVALID_IMAGE_FILE">
        <source>Invalid Image File!</source>
        <translation>Ungültige Bilddatei!</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_IMAGE">
        <source>Please select a valid image file</source>
        <translation>Bitte wählen Sie eine gültige Bilddatei</translation>
    </message>
    <message id="SETTINGS_ALLOWED_WEBSITES">
        <source>Allowed Websites</source>
        <translation>Erlaubte Websites</translation>
    </message>
    <message id="SETTINGS_EDIT_CATEGORIES">
        <source>Add/Edit Categories</source>
        <translation>Kategorien bearbeiten</translation>
    </message>
    <message id="SETTINGS_SEARCH_CATEGORY">
        <source>Search Category</source>
        <translation>Kategorie suchen</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITES">
        <source>Blocked Websites</source>
        <translation>Blockierte Websites</translation>
    </message>
    <message id="SETTINGS_SCREEN_SCREENSAVER">
        <source>Screensaver Mode</source>
        <translation>Bildschirmschoner</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_SCREENSAVER_FILE">
        <source>Please select a valid Image/Video/HTML file</source>
        <translation>Bitte wählen Sie eine gültige Bild-, Video- oder HTML-Datei</translation>
    </message>
    <message id="SETTINGS_SEARCH_TITLE">
        <source>Search Settings</source>
        <translation>Einstellungen durchsuchen</translation>
    </message>
    <message id="SETTINGS_SET">
        <source>Set</source>
        <translation>Festlegen</translation>
    </message>
    <message id="ADMIN_WELCOME_GET_STARTED">
        <source>Get Started</source>
        <translation>Los geht’s</translation>
    </message>
    <message id="CLOUD_IMPORT_FROM_CLOUD">
        <source>Import from Cloud</source>
        <translation>Aus der Cloud importieren</translation>
    </message>
    <message id="ADMIN_WELCOME_GOT_IT">
        <source>OK, Got it</source>
        <translation>OK, verstanden</translation>
    </message>
    <message id="SETTINGS_INVALID_TAB_COUNT">
        <source>Invalid Number of Tabs. Please enter value between or equal to 1 - 8.</source>
        <translation>Ungültige Anzahl von Tabs. Bitte geben Sie einen Wert von 1 bis 8 ein.</translation>
    </message>
    <message id="SETTINGS_MENU_ALLOWED_DETAIL">
        <source>List of allowed websites</source>
        <translation>Liste der erlaubten Websites</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES">
        <source>Manage Categories</source>
        <translation>Kategorien verwalten</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES_DETAIL">
        <source>Add/Edit/Remove Categories</source>
        <translation>Kategorien hinzufügen/bearbeiten/entfernen</translation>
    </message>
    <message id="SETTINGS_MENU_BROWSER_PREFERENCES_DETAIL">
        <source>Korvel Browser Preferences</source>
        <translation>Korvel-Browsereinstellungen</translation>
    </message>
    <message id="SETTINGS_MENU_ADVANCED_DETAIL">
        <source>Korvel Advanced Settings</source>
        <translation>Erweiterte Korvel-Einstellungen</translation>
    </message>
    <message id="SETTINGS_MENU_IMPORT_EXPORT">
        <source>Import/Export</source>
        <translation>Import/Export</translation>
    </message>
    <message id="TRANSFER_TITLE">
        <source>Import/Export Settings</source>
        <translation>Einstellungen importieren/exportieren</translation>
    </message>
    <message id="SETTINGS_MENU_LOG">
        <source>View Korvel Log</source>
        <translation>Korvel-Protokoll anzeigen</translation>
    </message>
    <message id="SETTINGS_MENU_BLOCKED_DETAIL">
        <source>List of blocked websites</source>
        <translation>Liste der blockierten Websites</translation>
    </message>
    <message id="SETTINGS_ADMIN_PASSWORD_DETAIL">
        <source>The password that opens these settings</source>
        <translation>Das Passwort, das diese Einstellungen öffnet</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_FILE">
        <source>Export to File</source>
        <translation>In Datei exportieren</translation>
    </message>
    <message id="TRANSFER_TO_FILE_DETAIL">
        <source>To a file in Documents Directory</source>
        <translation>In eine Datei im Ordner „Dokumente“</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD">
        <source>Export to Cloud</source>
        <translation>In die Cloud exportieren</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD_DETAIL">
        <source>Export Settings to Cloud storage</source>
        <translation>Einstellungen in den Cloud-Speicher exportieren</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR">
        <source>Export Settings to Cloud and Generate QR Code</source>
        <translation>In die Cloud exportieren und QR-Code erzeugen</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR_DETAIL">
        <source>Export Settings to Cloud storage and show Cloud ID as QR Code</source>
        <translation>Einstellungen in den Cloud-Speicher exportieren und die Cloud-ID als QR-Code anzeigen</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR">
        <source>Export for Pellmor</source>
        <translation>Für Pellmor exportieren</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR_DETAIL">
        <source>Export as txt file for Pellmor Configuration</source>
        <translation>Als TXT-Datei für die Pellmor-Konfiguration exportieren</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_FILE">
        <source>Import from File</source>
        <translation>Aus Datei importieren</translation>
    </message>
    <message id="TRANSFER_FROM_FILE_DETAIL">
        <source>From a file in Documents Directory</source>
        <translation>Aus einer Datei im Ordner „Dokumente“</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_CLOUD_DETAIL">
        <source>Import settings from Cloud storage</source>
        <translation>Einstellungen aus dem Cloud-Speicher importieren</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL">
        <source>Import from URL</source>
        <translation>Von URL importieren</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL_DETAIL">
        <source>Import settings from URL</source>
        <translation>Einstellungen von einer URL importieren</translation>
    </message>
    <message id="TRANSFER_RESET">
        <source>Reset Settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message id="TRANSFER_RESET_DETAIL">
        <source>Set settings to default</source>
        <translation>Einstellungen auf Standard zurücksetzen</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT">
        <source>AutoImport Korvel Settings:</source>
        <translation>Korvel-Einstellungen automatisch importieren:</translation>
    </message>
    <message id="TRANSFER_AUTOMATIC_IMPORT">
        <source>Automatic Import</source>
        <translation>Automatischer Import</translation>
    </message>
    <message id="TRANSFER_PERIOD">
        <source>Periodically Check (Minutes)</source>
        <translation>Regelmäßig prüfen (Minuten)</translation>
    </message>
    <message id="CLOUD_EXPORT_NEW_ID">
        <source>Export to New Cloud ID</source>
        <translation>In neue Cloud-ID exportieren</translation>
    </message>
    <message id="CLOUD_EXPORT_EXISTING_ID">
        <source>Export to existing ID</source>
        <translation>In vorhandene ID exportieren</translation>
    </message>
    <message id="CLOUD_EXPORTING">
        <source>Exporting..</source>
        <translation>Wird exportiert…</translation>
    </message>
    <message id="CLOUD_COPY_ID">
        <source>Copy ID</source>
        <translation>ID kopieren</translation>
    </message>
    <message id="QR_SCAN_FOR_CLOUD_ID">
        <source>Scan this QRCode for Cloud ID: %1</source>
        <translation>Scannen Sie diesen QR-Code für die Cloud-ID: %1</translation>
    </message>
    <message id="QR_SAVE">
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message id="QR_SHARE">
        <source>Share</source>
        <translation>Teilen</translation>
    </message>
    <message id="QR_SAVED">
        <source>Successfully saved photo</source>
        <translation>Bild gespeichert</translation>
    </message>
    <message id="TRANSFER_EXPORT_SETTINGS">
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message id="CLOUD_AUTO_IMPORT_TITLE">
        <source>Auto Import from Cloud</source>
        <translation>Automatischer Import aus der Cloud</translation>
    </message>
    <message id="CLOUD_IMPORTING">
        <source>Importing..</source>
        <translation>Wird importiert…</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_FROM">
        <source>Auto Import From</source>
        <translation>Automatisch importieren aus</translation>
    </message>
    <message id="TRANSFER_SOURCE_FILE">
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message id="TRANSFER_SOURCE_CLOUD">
        <source>Cloud</source>
        <translation>Cloud</translation>
    </message>
    <message id="TRANSFER_SOURCE_URL">
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message id="TRANSFER_PATH">
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_CLOUD">
        <source>Automatic import from Cloud</source>
        <translation>Automatischer Import aus der Cloud</translation>
    </message>
    <message id="TRANSFER_CLOUD_ID_IN_USE">
        <source>Cloud ID in use: %1</source>
        <translation>Verwendete Cloud-ID: %1</translation>
    </message>
    <message id="TRANSFER_NOT_SET">
        <source>Not Set</source>
        <translation>Nicht festgelegt</translation>
    </message>
    <message id="TRANSFER_IMPORT_SETTINGS">
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message id="TRANSFER_EXPORT_FILE_PROMPT">
        <source>Please enter the Filename to export settings</source>
        <translation>Bitte geben Sie den Dateinamen für den Export der Einstellungen ein</translation>
    </message>
    <message id="TRANSFER_EXPORT">
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message id="TRANSFER_IMPORT_FILE_PROMPT">
        <source>Please enter the Filename to import settings</source>
        <translation>Bitte geben Sie den Dateinamen für den Import der Einstellungen ein</translation>
    </message>
    <message id="TRANSFER_IMPORT">
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message id="TRANSFER_IMPORT_URL_PROMPT">
        <source>Please enter the file URL to import settings</source>
        <translation>Bitte geben Sie die Datei-URL für den Import der Einstellungen ein</translation>
    </message>
    <message id="TRANSFER_RESET_QUESTION">
        <source>This will reset Korvel settings to defaults. Are you sure?</source>
        <translation>Dadurch werden die Korvel-Einstellungen auf Standard zurückgesetzt. Sind Sie sicher?</translation>
    </message>
    <message id="QR_INVALID_ID">
        <source>Invalid ID</source>
        <translation>Ungültige ID</translation>
    </message>
    <message id="SETTINGS_SCREEN_MULTITAB">
        <source>MultiTab Settings</source>
        <translation>Tab-Einstellungen</translation>
    </message>
    <message id="SETTINGS_SCREEN_PDF_VIEWER">
        <source>Change PDF Viewer preferences</source>
        <translation>PDF-Viewer-Einstellungen ändern</translation>
    </message>
    <message id="SETTINGS_SCREEN_IMPORT_EXPORT">
        <source>Import/Export settings</source>
        <translation>Einstellungen importieren/exportieren</translation>
    </message>
    <message id="TRANSFER_FIELD_EMPTY">
        <source>Textfield cannot be empty</source>
        <translation>Das Feld darf nicht leer sein</translation>
    </message>
    <message id="SETTINGS_INVALID_IDLE_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 9 and less than 60000.</source>
        <translation>Ungültige Zeit. Bitte geben Sie einen Wert größer als 9 und kleiner als 60000 ein.</translation>
    </message>
    <message id="SETTINGS_INVALID_PASSWORD_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 0 and less than 1000.</source>
        <translation>Ungültige Zeit. Bitte geben Sie einen Wert größer als 0 und kleiner als 1000 ein.</translation>
    </message>
    <message id="SETTINGS_INVALID_TAP_COUNT">
        <source>Invalid Number of Taps. Please enter value between or equal to 4 - 40.</source>
        <translation>Ungültige Anzahl. Bitte geben Sie einen Wert von 4 bis 40 ein.</translation>
    </message>
    <message id="SETTINGS_INVALID_PORT">
        <source>Port cannot be used. Please use port between 1024 and 65535</source>
        <translation>Dieser Port kann nicht verwendet werden. Bitte verwenden Sie einen Port zwischen 1024 und 65535</translation>
    </message>
    <message id="SETTINGS_INVALID_ZOOM">
        <source>Invalid scale: Please enter between 100 and 999</source>
        <translation>Ungültiger Zoom: Bitte geben Sie einen Wert zwischen 100 und 999 ein</translation>
    </message>
    <message id="SETTINGS_STRICT_LOADING_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Seiten laden nur von den erlaubten Websites und den Hosts unten</translation>
    </message>
    <message id="SETTINGS_ALSO_ALLOWED_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Hosts, von denen jede Seite laden darf, samt ihren Subdomains</translation>
    </message>
    <message id="SETTINGS_LEARN_LOADING_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Hosts aufzeichnen; korvelctl learn show und learn apply</translation>
    </message>
    <message id="ADMIN_WELCOME_INSTRUCTIONS">
        <source> 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 6 times within 3 seconds.
 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.
 3. Enter Website Url to be allowed.
 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit.</source>
        <translation> 1. Öffnen Sie die „Korvel-Einstellungen“, indem Sie innerhalb von 3 Sekunden 6-mal auf den Begrüßungsbildschirm tippen.
 2. Tippen Sie auf „Erlaubte Websites“ und wählen Sie in der Navigationsleiste „URL hinzufügen“.
 3. Geben Sie die URL der Website ein, die erlaubt werden soll.
 4. Tippen Sie in der Navigationsleiste auf „Hinzufügen“ und gehen Sie mit der linken Navigationsleiste zurück, bis Sie die Einstellungen verlassen.</translation>
    </message>
    <message id="PREF_Language_TITLE">
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message id="PREF_Language_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>Die Sprache der Bildschirme und der Bildschirmtastatur sowie die Sprache, in der Webseiten angefragt werden.</translation>
    </message>
    <message id="PREF_StrictSubresources_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Seiten laden nur von den erlaubten Websites und den Hosts unten</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Hosts, von denen jede Seite laden darf, samt ihren Subdomains</translation>
    </message>
    <message id="PREF_LearnSubresources_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Hosts aufzeichnen; korvelctl learn show und learn apply</translation>
    </message>
    <message id="PREF_SpatialNavigation_TITLE">
        <source>Arrow Key Navigation</source>
        <translation>Navigation mit Pfeiltasten</translation>
    </message>
    <message id="PREF_SpatialNavigation_DETAIL">
        <source>Arrow keys move between the links and fields of a page</source>
        <translation>Pfeiltasten springen zwischen den Links und Feldern einer Seite</translation>
    </message>
    <message id="PREF_LargerText_TITLE">
        <source>Larger Text</source>
        <translation>Größere Schrift</translation>
    </message>
    <message id="PREF_LargerText_DETAIL">
        <source>The kiosk's texts and the pages grow together</source>
        <translation>Die Texte des Kiosks und die Seiten wachsen gemeinsam</translation>
    </message>
    <message id="PREF_LargerText_VALUE_100%">
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message id="PREF_LargerText_VALUE_125%">
        <source>125%</source>
        <translation>125 %</translation>
    </message>
    <message id="PREF_LargerText_VALUE_150%">
        <source>150%</source>
        <translation>150 %</translation>
    </message>
    <message id="PREF_HighContrast_TITLE">
        <source>High Contrast</source>
        <translation>Hoher Kontrast</translation>
    </message>
    <message id="PREF_HighContrast_DETAIL">
        <source>Text stands out at least 7:1 from its background</source>
        <translation>Text hebt sich mindestens 7:1 von seinem Hintergrund ab</translation>
    </message>
</context>
</TS>
