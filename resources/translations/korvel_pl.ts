<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name></name>
    <message id="ALLOW_DOWNLOADING_FILES_TO_DEVICE">
        <source>Allows files to be downloaded to this device</source>
        <translation>Umożliwia pobieranie plików na to urządzenie</translation>
    </message>
    <message id="ALLOW_DOWNLOADS">
        <source>Allow Downloads</source>
        <translation>Zezwalaj na pobieranie</translation>
    </message>
    <message id="ALLOW_DOWNLOADS_SHOULD_BE_ENABLED">
        <source>Turn on Allow Downloads first.</source>
        <translation>Najpierw należy włączyć opcję „Zezwalaj na pobieranie”.</translation>
    </message>
    <message id="BTN_CHOOSE_QR_PICTURE">
        <source>Choose a picture from Documents</source>
        <translation>Wybierz obraz z Dokumentów</translation>
    </message>
    <message id="BTN_TITLE_CANCEL">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="CAMERA_ACCESS_DENIED_ERROR_MESSAGE">
        <source>Korvel may not use the camera, so QR codes cannot be scanned.</source>
        <translation>Korvel nie może używać kamery, więc nie można skanować kodów QR.</translation>
    </message>
    <message id="CAMERA_ACCESS_RESTRICTED_ERROR_MESSAGE">
        <source>The camera may not be used on this device.</source>
        <translation>Na tym urządzeniu nie można używać kamery.</translation>
    </message>
    <message id="CHANGE_PDF_VIEWER_SETTINGS">
        <source>Change PDF Viewer Settings</source>
        <translation>Zmień ustawienia przeglądarki PDF</translation>
    </message>
    <message id="CHECK_TO_KEEP_DOWNLOAD_HISTORY">
        <source>Keeps a list of downloaded files</source>
        <translation>Przechowuje listę pobranych plików</translation>
    </message>
    <message id="CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Otwiera plik od razu po pobraniu</translation>
    </message>
    <message id="DETAIL_MESSAGE">
        <source>Delete the selected items?</source>
        <translation>Usunąć zaznaczone elementy?</translation>
    </message>
    <message id="DOWNLOADS">
        <source>Download Settings</source>
        <translation>Ustawienia pobierania</translation>
    </message>
    <message id="DOWNLOAD_IS_IN_PROGRESS">
        <source>A download is in progress.</source>
        <translation>Trwa pobieranie.</translation>
    </message>
    <message id="ENABLES_VIEWING_OF_GOOGLE_DOCS">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Dokumenty, których kiosk nie może wyświetlić, otwierają się w internetowej przeglądarce Google (docs.google.com), która pobiera je z ich adresu: należy zezwolić także na docs.google.com.</translation>
    </message>
    <message id="FILE_DOES_NOT_EXIST">
        <source>The file does not exist any more.</source>
        <translation>Ten plik już nie istnieje.</translation>
    </message>
    <message id="FILE_SETTINGS">
        <source>File Settings</source>
        <translation>Ustawienia plików</translation>
    </message>
    <message id="KEEP_DOWNLOAD_HISTORY">
        <source>Keep Download History</source>
        <translation>Zachowuj historię pobierania</translation>
    </message>
    <message id="KORVEL_DOWNLOADS">
        <source>Korvel Downloads</source>
        <translation>Pobrane pliki Korvel</translation>
    </message>
    <message id="OPEN_FILE_AFTER_DOWNLOAD">
        <source>Open File After Download</source>
        <translation>Otwieraj plik po pobraniu</translation>
    </message>
    <message id="OPEN_SOURCE_LICENSES">
        <source>Open Source Licenses</source>
        <translation>Licencje open source</translation>
    </message>
    <message id="PDF_VIEWER">
        <source>PDF Viewer</source>
        <translation>Przeglądarka PDF</translation>
    </message>
    <message id="PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE">
        <source>Downloading from the PDF viewer is turned off.</source>
        <translation>Pobieranie z przeglądarki PDF jest wyłączone.</translation>
    </message>
    <message id="PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR">
        <source>Opening documents is turned off. Please contact the administrator.</source>
        <translation>Otwieranie dokumentów jest wyłączone. Należy skontaktować się z administratorem.</translation>
    </message>
    <message id="PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE">
        <source>Select at least one item to delete.</source>
        <translation>Należy zaznaczyć co najmniej jeden element do usunięcia.</translation>
    </message>
    <message id="SHOW_FILES_USING_GOOGLE_DOCS">
        <source>Show Files Using Google Docs</source>
        <translation>Pokazuj pliki w Dokumentach Google</translation>
    </message>
    <message id="STATUS_DOWNLOADING">
        <source>Downloading</source>
        <translation>Pobieranie</translation>
    </message>
    <message id="TEXT_ADMIN_PASSWORD">
        <source>Administrator Password</source>
        <translation>Hasło administratora</translation>
    </message>
    <message id="TEXT_ALERT">
        <source>Alert</source>
        <translation>Uwaga</translation>
    </message>
    <message id="TEXT_ALLOW_ALL_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Każda witryna oprócz zablokowanych; ich lista jest w menu</translation>
    </message>
    <message id="TEXT_APPLY">
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
    <message id="TEXT_AUDIO_FILES">
        <source>Audio Files</source>
        <translation>Pliki audio</translation>
    </message>
    <message id="TEXT_BACK">
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message id="TEXT_BLOCKED_WEBSITE">
        <source>Blocked Website</source>
        <translation>Zablokowana witryna</translation>
    </message>
    <message id="TEXT_CACHES_DIRECTORY">
        <source>Caches</source>
        <translation>Pamięć podręczna</translation>
    </message>
    <message id="TEXT_CANCEL">
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message id="TEXT_CATEGORY">
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message id="TEXT_CATEGORY_PLACEHOLDER">
        <source>News</source>
        <translation>Wiadomości</translation>
    </message>
    <message id="TEXT_CHANGE">
        <source>Change</source>
        <translation>Zmień</translation>
    </message>
    <message id="TEXT_CHANGE_PASSWORD_TITLE">
        <source>Change the password</source>
        <translation>Zmiana hasła</translation>
    </message>
    <message id="TEXT_CHOOSE_COLOUR">
        <source>Choose a Colour</source>
        <translation>Wybierz kolor</translation>
    </message>
    <message id="TEXT_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Wybierz plik</translation>
    </message>
    <message id="TEXT_CHOOSE_ICON">
        <source>Choose Icon from Documents</source>
        <translation>Wybierz ikonę z Dokumentów</translation>
    </message>
    <message id="TEXT_CLEAR_HISTORY">
        <source>Clear History</source>
        <translation>Wyczyść historię</translation>
    </message>
    <message id="TEXT_CLOSE">
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message id="TEXT_CLOSE_TAB">
        <source>Close tab</source>
        <translation>Zamknij kartę</translation>
    </message>
    <message id="TEXT_CLOUD_ID">
        <source>Cloud ID</source>
        <translation>ID w chmurze</translation>
    </message>
    <message id="TEXT_CLOUD_ID_PLACEHOLDER">
        <source>At least 10 characters</source>
        <translation>Co najmniej 10 znaków</translation>
    </message>
    <message id="TEXT_CLOUD_WELCOME_FOOTER">
        <source>Enter the cloud ID your administrator gave you to take over the settings stored under it.</source>
        <translation>Należy wpisać ID w chmurze otrzymane od administratora, aby przejąć zapisane pod nim ustawienia.</translation>
    </message>
    <message id="TEXT_CONFIGURE_TABBED_BROWSING">
        <source>Configure Tabbed Browsing</source>
        <translation>Konfiguruj przeglądanie w kartach</translation>
    </message>
    <message id="TEXT_DAY_FRIDAY">
        <source>Friday</source>
        <translation>Piątek</translation>
    </message>
    <message id="TEXT_DAY_MONDAY">
        <source>Monday</source>
        <translation>Poniedziałek</translation>
    </message>
    <message id="TEXT_DAY_SATURDAY">
        <source>Saturday</source>
        <translation>Sobota</translation>
    </message>
    <message id="TEXT_DAY_SUNDAY">
        <source>Sunday</source>
        <translation>Niedziela</translation>
    </message>
    <message id="TEXT_DAY_THURSDAY">
        <source>Thursday</source>
        <translation>Czwartek</translation>
    </message>
    <message id="TEXT_DAY_TUESDAY">
        <source>Tuesday</source>
        <translation>Wtorek</translation>
    </message>
    <message id="TEXT_DAY_WEDNESDAY">
        <source>Wednesday</source>
        <translation>Środa</translation>
    </message>
    <message id="TEXT_DELETE">
        <source>Delete</source>
        <translation>Usuń</translation>
    </message>
    <message id="TEXT_DELETE_CATEGORY">
        <source>Delete Category</source>
        <translation>Usuń kategorię</translation>
    </message>
    <message id="TEXT_DELETE_WEBSITE">
        <source>Delete Website</source>
        <translation>Usuń witrynę</translation>
    </message>
    <message id="TEXT_DEVICE">
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message id="TEXT_DOCUMENTS_DIRECTORY">
        <source>Documents</source>
        <translation>Dokumenty</translation>
    </message>
    <message id="TEXT_DOCUMENT_FILES">
        <source>Document Files</source>
        <translation>Pliki dokumentów</translation>
    </message>
    <message id="TEXT_DONE">
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message id="TEXT_DOWNLOADING">
        <source>Downloading…</source>
        <translation>Pobieranie…</translation>
    </message>
    <message id="TEXT_DOWNLOADING_STARTED">
        <source>Download started</source>
        <translation>Rozpoczęto pobieranie</translation>
    </message>
    <message id="TEXT_DOWNLOADS">
        <source>Downloads</source>
        <translation>Pobrane</translation>
    </message>
    <message id="TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT">
        <source>Downloads are turned off. Please contact the administrator to turn them on.</source>
        <translation>Pobieranie jest wyłączone. Aby je włączyć, należy skontaktować się z administratorem.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_CANCELLED">
        <source>Download cancelled</source>
        <translation>Anulowano pobieranie</translation>
    </message>
    <message id="TEXT_DOWNLOAD_QUOTA_REACHED">
        <source>This visit cannot save more files.</source>
        <translation>Podczas tej wizyty nie można zapisać więcej plików.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_FAILED">
        <source>The download failed.</source>
        <translation>Pobieranie nie powiodło się.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_PROGRESS">
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message id="TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL">
        <source>Replace the settings stored under an ID</source>
        <translation>Zastąpienie ustawień zapisanych pod danym ID</translation>
    </message>
    <message id="TEXT_EXPORT_NEW_CLOUD_ID_DETAIL">
        <source>The cloud service issues a new ID for these settings</source>
        <translation>Usługa w chmurze nada tym ustawieniom nowe ID</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE">
        <source>The factory password is still in use. Change it.</source>
        <translation>Nadal używane jest hasło fabryczne. Należy je zmienić.</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE_DETAIL">
        <source>Anyone who knows it can open these settings.</source>
        <translation>Każdy, kto je zna, może otworzyć te ustawienia.</translation>
    </message>
    <message id="TEXT_FETCH_FROM">
        <source>On this network it can be fetched from %1</source>
        <translation>W tej sieci można to pobrać z %1</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN">
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN_REFUSED">
        <source>%1: %2. It will not be imported.</source>
        <translation>%1: %2. Nie zostanie zaimportowany.</translation>
    </message>
    <message id="TEXT_FILE_SAVED_IN_DOCUMENTS">
        <source>%1, saved in Documents.</source>
        <translation>%1, zapisano w Dokumentach.</translation>
    </message>
    <message id="TEXT_FORWARD">
        <source>Forward</source>
        <translation>Dalej</translation>
    </message>
    <message id="TEXT_FUNCTION_NOT_AVAILABLE">
        <source>This function is not available in this version of Korvel.</source>
        <translation>Ta funkcja nie jest dostępna w tej wersji Korvel.</translation>
    </message>
    <message id="TEXT_HOLD_QR_TO_CAMERA">
        <source>Hold the QR code in front of the camera.</source>
        <translation>Kod QR należy przytrzymać przed kamerą.</translation>
    </message>
    <message id="TEXT_HOME">
        <source>Home</source>
        <translation>Strona główna</translation>
    </message>
    <message id="TEXT_HOME_DIRECTORY">
        <source>Home directory</source>
        <translation>Katalog domowy</translation>
    </message>
    <message id="TEXT_HTML_FILES">
        <source>HTML Files</source>
        <translation>Pliki HTML</translation>
    </message>
    <message id="TEXT_ICON_PLACEHOLDER">
        <source>An image in Documents</source>
        <translation>Obraz w Dokumentach</translation>
    </message>
    <message id="TEXT_IMAGE_FILES">
        <source>Image Files</source>
        <translation>Pliki obrazów</translation>
    </message>
    <message id="TEXT_KORVEL_MENU">
        <source>Korvel Menu</source>
        <translation>Menu Korvel</translation>
    </message>
    <message id="TEXT_LICENSES_FOOTER">
        <source>Korvel is built on these libraries. Tap one to read its licence.</source>
        <translation>Korvel korzysta z tych bibliotek. Dotknięcie biblioteki wyświetla jej licencję.</translation>
    </message>
    <message id="TEXT_LICENSE_NOT_INSTALLED">
        <source>The licence notice of this library is not installed on this device (%1).</source>
        <translation>Informacja o licencji tej biblioteki nie jest zainstalowana na tym urządzeniu (%1).</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_ANSWERING">
        <source>The website is not answering right now.</source>
        <translation>Witryna w tej chwili nie odpowiada.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_CONNECTED">
        <source>This device is not connected to the network.</source>
        <translation>To urządzenie nie jest połączone z siecią.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_OTHER">
        <source>The page could not be loaded.</source>
        <translation>Nie można wczytać strony.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_UNTRUSTED">
        <source>The website's identity could not be verified.</source>
        <translation>Nie można zweryfikować tożsamości witryny.</translation>
    </message>
    <message id="TEXT_LOG_NOT_WRITTEN">
        <source>The log could not be written.</source>
        <translation>Nie można zapisać dziennika.</translation>
    </message>
    <message id="TEXT_LOG_VIEW_OPTIONS">
        <source>View Options</source>
        <translation>Opcje widoku</translation>
    </message>
    <message id="TEXT_MAIL_HANDED_OVER">
        <source>The log is in the mail program.</source>
        <translation>Dziennik przekazano do programu pocztowego.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_TITLE">
        <source>Mail the Log</source>
        <translation>Wysyłanie dziennika e-mailem</translation>
    </message>
    <message id="TEXT_MAIL_LOG_ASK_ADDRESS">
        <source>No support address is configured for this kiosk. Type the address the log goes to.</source>
        <translation>Dla tego kiosku nie skonfigurowano adresu pomocy technicznej. Należy wpisać adres, na który ma trafić dziennik.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_SEND">
        <source>Mail</source>
        <translation>Wyślij</translation>
    </message>
    <message id="TEXT_MAIL_LOG_BAD_ADDRESS">
        <source>That is not one mail address; nothing was mailed.</source>
        <translation>To nie jest pojedynczy adres e-mail; nic nie wysłano.</translation>
    </message>
    <message id="TEXT_MAIL_LOG">
        <source>Mail Log</source>
        <translation>Wyślij dziennik</translation>
    </message>
    <message id="TEXT_MAIL_NOT_OPENED">
        <source>The mail program could not be opened.</source>
        <translation>Nie można otworzyć programu pocztowego.</translation>
    </message>
    <message id="TEXT_MANAGED_ABSENT">
        <source>%1 (none; nothing is managed)</source>
        <translation>%1 (brak; nic nie jest zarządzane)</translation>
    </message>
    <message id="TEXT_MANAGED_CONFIGURATION">
        <source>Managed configuration</source>
        <translation>Konfiguracja zarządzana</translation>
    </message>
    <message id="TEXT_MANAGED_PRESENT">
        <source>%1 (present)</source>
        <translation>%1 (istnieje)</translation>
    </message>
    <message id="TEXT_MORE">
        <source>More</source>
        <translation>Więcej</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Blokowanie ekranu, gdy urządzenie jest w ruchu (urządzenia z modemem komórkowym)</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_SETTINGS">
        <source>Motion Detection Settings</source>
        <translation>Ustawienia wykrywania ruchu</translation>
    </message>
    <message id="TEXT_MOTION_LOCKED">
        <source>The screen is locked while the device is moving.</source>
        <translation>Ekran jest zablokowany, gdy urządzenie jest w ruchu.</translation>
    </message>
    <message id="TEXT_MULTITAB_EXCLUDES">
        <source>Korvel does not support these features with tabbed browsing:
• Allow Icon Relocation
• Allow Icon Resize
• Wallpaper Settings</source>
        <translation>Korvel nie obsługuje tych funkcji podczas przeglądania w kartach:
• Zezwalaj na przenoszenie ikon
• Zezwalaj na zmianę rozmiaru ikon
• Ustawienia tapety</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD">
        <source>New password</source>
        <translation>Nowe hasło</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD_AGAIN">
        <source>The new password again</source>
        <translation>Nowe hasło (ponownie)</translation>
    </message>
    <message id="TEXT_NEW_TAB">
        <source>New tab</source>
        <translation>Nowa karta</translation>
    </message>
    <message id="TEXT_NO">
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message id="TEXT_NO_CAMERA_CHOOSE_PICTURE">
        <source>This device has no camera. Choose a picture of the QR code from the Documents folder.</source>
        <translation>To urządzenie nie ma kamery. Należy wybrać obraz kodu QR z folderu Dokumenty.</translation>
    </message>
    <message id="TEXT_NO_DOWNLOADS">
        <source>Nothing has been downloaded yet.</source>
        <translation>Nic jeszcze nie pobrano.</translation>
    </message>
    <message id="TEXT_NO_FILES_IN_DOCUMENTS">
        <source>There are no files in Documents.</source>
        <translation>W Dokumentach nie ma plików.</translation>
    </message>
    <message id="TEXT_NO_FILE_SELECTED">
        <source>No File Selected</source>
        <translation>Nie wybrano pliku</translation>
    </message>
    <message id="TEXT_NO_MAIL_MESSAGE">
        <source>The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again.</source>
        <translation>Dziennik zapisano w Dokumentach jako %1. Można go stamtąd skopiować przez serwer przesyłania, podając jego kod dostępu, albo skonfigurować program pocztowy na tym urządzeniu i wysłać dziennik ponownie.</translation>
    </message>
    <message id="TEXT_NO_MAIL_TITLE">
        <source>No mail program is set up</source>
        <translation>Nie skonfigurowano programu pocztowego</translation>
    </message>
    <message id="TEXT_NO_QR_IN_PICTURE">
        <source>There is no QR code in this picture.</source>
        <translation>Na tym obrazie nie ma kodu QR.</translation>
    </message>
    <message id="TEXT_NO_SETTING_FOUND">
        <source>No setting has that name.</source>
        <translation>Żadne ustawienie nie ma takiej nazwy.</translation>
    </message>
    <message id="TEXT_OPEN">
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message id="TEXT_ORIGIN_DEVICE">
        <source>saved by the settings on this device</source>
        <translation>zapisany przez ustawienia na tym urządzeniu</translation>
    </message>
    <message id="TEXT_ORIGIN_DOWNLOAD">
        <source>downloaded by a visitor</source>
        <translation>pobrany przez odwiedzającego</translation>
    </message>
    <message id="TEXT_ORIGIN_KORVELCTL">
        <source>placed with korvelctl</source>
        <translation>umieszczony za pomocą korvelctl</translation>
    </message>
    <message id="TEXT_ORIGIN_PRINTOUT">
        <source>printed by a visitor</source>
        <translation>wydrukowany przez odwiedzającego</translation>
    </message>
    <message id="TEXT_ORIGIN_SETTINGS_DOCUMENT">
        <source>carried by an imported settings document</source>
        <translation>dołączony do zaimportowanego dokumentu ustawień</translation>
    </message>
    <message id="TEXT_ORIGIN_UNKNOWN">
        <source>of unknown origin</source>
        <translation>nieznanego pochodzenia</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITHOUT_CODE">
        <source>uploaded without the access code</source>
        <translation>przesłany bez kodu dostępu</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITH_CODE">
        <source>uploaded with the access code</source>
        <translation>przesłany z kodem dostępu</translation>
    </message>
    <message id="TEXT_OTHER_FILES">
        <source>Other Files</source>
        <translation>Inne pliki</translation>
    </message>
    <message id="TEXT_PASSWORD">
        <source>Password</source>
        <translation>Hasło</translation>
    </message>
    <message id="TEXT_PASSWORDS_DIFFER">
        <source>The two passwords differ.</source>
        <translation>Hasła się różnią.</translation>
    </message>
    <message id="TEXT_PASSWORD_ALERT_HEADING">
        <source>Weak Password</source>
        <translation>Słabe hasło</translation>
    </message>
    <message id="TEXT_PASSWORD_CHANGED">
        <source>The password is changed.</source>
        <translation>Hasło zostało zmienione.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT">
        <source>A strong password has at least 8 characters.</source>
        <translation>Silne hasło ma co najmniej 8 znaków.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT_ONE">
        <source>It mixes upper-case letters, digits and symbols.</source>
        <translation>Łączy wielkie litery, cyfry i symbole.</translation>
    </message>
    <message id="TEXT_PASSWORD_EMPTY">
        <source>The password cannot be empty.</source>
        <translation>Hasło nie może być puste.</translation>
    </message>
    <message id="TEXT_PASSWORD_NOT_SAVED">
        <source>The password could not be saved.</source>
        <translation>Nie można zapisać hasła.</translation>
    </message>
    <message id="TEXT_SETTINGS_NOT_SAVED">
        <source>The settings could not be saved. What was changed last is not kept after a restart.</source>
        <translation>Nie można zapisać ustawień. Ostatnie zmiany nie zostaną zachowane po ponownym uruchomieniu.</translation>
    </message>
    <message id="TEXT_PASSWORD_PAUSED">
        <source>Too many wrong passwords. Try again in %1.</source>
        <translation>Zbyt wiele błędnych haseł. Można spróbować ponownie za %1.</translation>
    </message>
    <message id="TEXT_PASSWORD_QUESTION">
        <source>Use this password anyway?</source>
        <translation>Mimo to użyć tego hasła?</translation>
    </message>
    <message id="TEXT_PASSWORD_STORE_DAMAGED">
        <source>The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:</source>
        <translation>Magazyn haseł jest uszkodzony, więc ustawienia pozostają zablokowane. Nowe hasło należy ustawić na urządzeniu jako użytkownik, na którego koncie działa Korvel, poleceniem:</translation>
    </message>
    <message id="TEXT_PASSWORD_UNCHANGED">
        <source>Unchanged</source>
        <translation>Bez zmian</translation>
    </message>
    <message id="TEXT_PDF_ALREADY_IN_DOCUMENTS">
        <source>This document is already saved in Documents.</source>
        <translation>Ten dokument jest już zapisany w Dokumentach.</translation>
    </message>
    <message id="TEXT_PDF_APPEARANCE">
        <source>Aa</source>
        <translation>Aa</translation>
    </message>
    <message id="TEXT_PDF_CANNOT_BE_OPENED">
        <source>This document cannot be opened. It may be damaged or incomplete.</source>
        <translation>Nie można otworzyć tego dokumentu. Może być uszkodzony lub niekompletny.</translation>
    </message>
    <message id="TEXT_PDF_CONTENTS">
        <source>Contents</source>
        <translation>Spis treści</translation>
    </message>
    <message id="TEXT_PDF_DOWNLOAD">
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message id="TEXT_PDF_LOADING">
        <source>Loading the document...</source>
        <translation>Wczytywanie dokumentu...</translation>
    </message>
    <message id="TEXT_PDF_NO_CONTENTS">
        <source>This document has no table of contents.</source>
        <translation>Ten dokument nie ma spisu treści.</translation>
    </message>
    <message id="TEXT_PDF_NO_MATCHES">
        <source>No matches.</source>
        <translation>Brak wyników.</translation>
    </message>
    <message id="TEXT_PDF_NO_PRINTER">
        <source>No printer is set up on this device.</source>
        <translation>Na tym urządzeniu nie skonfigurowano drukarki.</translation>
    </message>
    <message id="TEXT_PDF_PAGES">
        <source>Pages</source>
        <translation>Strony</translation>
    </message>
    <message id="TEXT_PDF_PAGE_LABEL">
        <source>Page %1</source>
        <translation>Strona %1</translation>
    </message>
    <message id="TEXT_PDF_PAGE_OF">
        <source>%1 of %2</source>
        <translation>%1 z %2</translation>
    </message>
    <message id="TEXT_PDF_PAPER_DAY">
        <source>Day</source>
        <translation>Dzień</translation>
    </message>
    <message id="TEXT_PDF_PAPER_NIGHT">
        <source>Night</source>
        <translation>Noc</translation>
    </message>
    <message id="TEXT_PDF_PAPER_SEPIA">
        <source>Sepia</source>
        <translation>Sepia</translation>
    </message>
    <message id="TEXT_PDF_SEARCH">
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message id="TEXT_PDF_SEARCH_PLACEHOLDER">
        <source>Search in the document</source>
        <translation>Szukaj w dokumencie</translation>
    </message>
    <message id="TEXT_PDF_SHARE">
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message id="TEXT_POWER_ALWAYS_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Przyciemnianie ekranu po każdym upływie czasu bezczynności</translation>
    </message>
    <message id="TEXT_POWER_DAYS">
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message id="TEXT_POWER_END_TIME">
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message id="TEXT_CLEAR_FIELD">
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message id="TEXT_STEPPER_DECREASE">
        <source>Decrease</source>
        <translation>Zmniejsz</translation>
    </message>
    <message id="TEXT_STEPPER_INCREASE">
        <source>Increase</source>
        <translation>Zwiększ</translation>
    </message>
    <message id="TEXT_POWER_HOURS">
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message id="TEXT_POWER_HOURS_FOOTER">
        <source>A window that ends before it starts goes on past midnight. The same start and end never saves power.</source>
        <translation>Przedział, który kończy się przed początkiem, trwa przez północ. Ten sam początek i koniec oznacza brak oszczędzania energii.</translation>
    </message>
    <message id="TEXT_POWER_SCHEDULE_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Przyciemnianie po czasie bezczynności tylko w tych godzinach</translation>
    </message>
    <message id="TEXT_POWER_START_TIME">
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message id="TEXT_PRINT">
        <source>Print</source>
        <translation>Drukuj</translation>
    </message>
    <message id="TEXT_PROTOCOL">
        <source>Protocol</source>
        <translation>Protokół</translation>
    </message>
    <message id="TEXT_QR_NOT_SAVED">
        <source>The QR code could not be saved: %1</source>
        <translation>Nie można zapisać kodu QR: %1</translation>
    </message>
    <message id="TEXT_REFRESH">
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message id="TEXT_SAVED_IN_DOCUMENTS">
        <source>%1 is saved in Documents.</source>
        <translation>Zapisano %1 w Dokumentach.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Wybierz plik</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL">
        <source>An image, video or page in the documents folder</source>
        <translation>Obraz, film lub strona w folderze Dokumenty</translation>
    </message>
    <message id="TEXT_SCREENSAVER_ENABLE_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Włącza się po upływie czasu bezczynności; każde dotknięcie go wyłącza.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_NAMING">
        <source>Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page.</source>
        <translation>Filmy mają rozszerzenie .mp4, .mov, .mpv lub .3gp, a obrazy .jpg, .png lub .tif, pisane małymi literami; wszystko inne jest wyświetlane jako strona internetowa.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_IMAGE">
        <source>Shown as an image over the whole screen.</source>
        <translation>Wyświetlane jako obraz na całym ekranie.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_NOTHING">
        <source>Nothing is shown: give a web address or choose a file.</source>
        <translation>Nic nie jest wyświetlane: należy podać adres internetowy lub wybrać plik.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_PAGE">
        <source>Shown as a web page.</source>
        <translation>Wyświetlane jako strona internetowa.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_VIDEO">
        <source>Shown as a video, looping without sound.</source>
        <translation>Wyświetlane jako film, odtwarzany w pętli bez dźwięku.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE">
        <source>Show</source>
        <translation>Wyświetlaj</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE_PLACEHOLDER">
        <source>https://... or a file name</source>
        <translation>https://... lub nazwa pliku</translation>
    </message>
    <message id="TEXT_SEARCH">
        <source>Search</source>
        <translation>Szukaj</translation>
    </message>
    <message id="TEXT_SEARCH_LOG">
        <source>Search the log</source>
        <translation>Szukaj w dzienniku</translation>
    </message>
    <message id="TEXT_SEARCH_SETTINGS">
        <source>Search all settings</source>
        <translation>Szukaj we wszystkich ustawieniach</translation>
    </message>
    <message id="TEXT_SEARCH_WEBSITE">
        <source>Search Website</source>
        <translation>Szukaj w witrynie</translation>
    </message>
    <message id="TEXT_SERVER_NOT_RUNNING">
        <source>Not running</source>
        <translation>Nie działa</translation>
    </message>
    <message id="TEXT_SETTINGS_FILE">
        <source>Settings file</source>
        <translation>Plik ustawień</translation>
    </message>
    <message id="TEXT_SHOW_ID_AS_QR_CODE">
        <source>Show ID as QR Code</source>
        <translation>Pokaż ID jako kod QR</translation>
    </message>
    <message id="TEXT_SIZE">
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message id="TEXT_SPECIAL_LINKS_DETAIL">
        <source>Tap to configure special links.</source>
        <translation>Konfiguracja linków specjalnych.</translation>
    </message>
    <message id="TEXT_STOP">
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message id="TEXT_SYSTEM">
        <source>System</source>
        <translation>System</translation>
    </message>
    <message id="TEXT_SYSTEM_FILES">
        <source>Files and Folders</source>
        <translation>Pliki i foldery</translation>
    </message>
    <message id="TEXT_SYSTEM_NETWORK">
        <source>Local Network</source>
        <translation>Sieć lokalna</translation>
    </message>
    <message id="TEXT_SYSTEM_VERSIONS">
        <source>Software Versions</source>
        <translation>Wersje oprogramowania</translation>
    </message>
    <message id="TEXT_TAB_ERROR">
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message id="TEXT_TITLE_PLACEHOLDER">
        <source>Derived from the address when empty</source>
        <translation>Jeśli puste, tworzony z adresu</translation>
    </message>
    <message id="TEXT_TOOLBAR_IMAGES_FOOTER">
        <source>Images in Documents; empty uses the built-in image. Tap a row to pick one.</source>
        <translation>Obrazy w Dokumentach; puste pole oznacza obraz wbudowany. Dotknięcie wiersza pozwala wybrać obraz.</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE">
        <source>Upload Access Code</source>
        <translation>Kod dostępu do przesyłania</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Wymagany od każdego innego urządzenia korzystającego z serwera przesyłania; puste pole pozostawia serwer otwarty.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ADDRESS">
        <source>Upload server</source>
        <translation>Serwer przesyłania</translation>
    </message>
    <message id="TEXT_URL_PLACEHOLDER">
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message id="TEXT_VIDEO_FILES">
        <source>Video Files</source>
        <translation>Pliki wideo</translation>
    </message>
    <message id="TEXT_ENGINE_HARDENING">
        <source>Engine hardening</source>
        <translation>Zabezpieczenia silnika</translation>
    </message>
    <message id="TEXT_HARDENING_NO_DEBUGGING">
        <source>remote debugging refused</source>
        <translation>zdalne debugowanie odrzucane</translation>
    </message>
    <message id="TEXT_HARDENING_NO_JIT">
        <source>JIT off</source>
        <translation>JIT wyłączony</translation>
    </message>
    <message id="TEXT_HARDENING_WEBRTC">
        <source>WebRTC through a proxy only</source>
        <translation>WebRTC tylko przez serwer proxy</translation>
    </message>
    <message id="TEXT_HARDENING_COOKIES">
        <source>third-party cookies refused</source>
        <translation>pliki cookie innych firm odrzucane</translation>
    </message>
    <message id="TITLE_CHECK_LOCKDOWN">
        <source>Check Lockdown</source>
        <translation>Sprawdź blokadę</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_CHECK_LOCKDOWN">
        <source>What could break out of this kiosk</source>
        <translation>Co mogłoby wydostać się z tego kiosku</translation>
    </message>
    <message id="TEXT_LOCKDOWN_PROBES">
        <source>Probes</source>
        <translation>Testy</translation>
    </message>
    <message id="TEXT_PROBE_PASSED">
        <source>Passed</source>
        <translation>Zaliczony</translation>
    </message>
    <message id="TEXT_PROBE_WARNING">
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message id="TEXT_PROBE_FAILED">
        <source>Failed</source>
        <translation>Niezaliczony</translation>
    </message>
    <message id="TEXT_LOCKDOWN_UNAVAILABLE">
        <source>The check cannot run here: start Korvel in its kiosk session.</source>
        <translation>Tutaj nie można przeprowadzić sprawdzenia: należy uruchomić Korvel w jego sesji kiosku.</translation>
    </message>
    <message id="TEXT_WEB_ENGINE">
        <source>Web engine</source>
        <translation>Silnik przeglądarki</translation>
    </message>
    <message id="TEXT_WHEN">
        <source>When</source>
        <translation>Kiedy</translation>
    </message>
    <message id="TEXT_YES">
        <source>Yes</source>
        <translation>Tak</translation>
    </message>
    <message id="THIS_FILE_IS_PASSWORD_PROTECTED">
        <source>This file is password protected.</source>
        <translation>Ten plik jest chroniony hasłem.</translation>
    </message>
    <message id="TITLE_CLOUD_ID_QR_CODE">
        <source>Cloud ID QR Code</source>
        <translation>Kod QR ID w chmurze</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_SYSTEM_SETTINGS">
        <source>Korvel in the system's settings</source>
        <translation>Korvel w ustawieniach systemu</translation>
    </message>
    <message id="TITLE_DOWNLOAD_SUCCESSFULLY">
        <source>Downloaded successfully</source>
        <translation>Pobrano pomyślnie</translation>
    </message>
    <message id="TITLE_EDIT">
        <source>Edit</source>
        <translation>Edytuj</translation>
    </message>
    <message id="TITLE_PDF_FILE">
        <source>PDF File</source>
        <translation>Plik PDF</translation>
    </message>
    <message id="TITLE_SCAN_QR">
        <source>Scan QR Code</source>
        <translation>Skanuj kod QR</translation>
    </message>
    <message id="TITLE_SELECT_ALL">
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message id="TITLE_SYSTEM_SETTINGS">
        <source>System Settings</source>
        <translation>Ustawienia systemu</translation>
    </message>
    <message id="TITLE_UNSELECT_ALL">
        <source>Unselect All</source>
        <translation>Odznacz wszystko</translation>
    </message>
    <message id="TXT_DOWNLOAD">
        <source>Download</source>
        <translation>Pobierz</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_OPEN_WARNING">
        <source>Anyone on this network can change the documents folder</source>
        <translation>Każdy w tej sieci może zmieniać folder Dokumenty</translation>
    </message>
    <message id="TEXT_SET_ACCESS_CODE">
        <source>Set access code</source>
        <translation>Ustaw kod dostępu</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE">
        <source>Open on a Phone</source>
        <translation>Otwórz na telefonie</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL">
        <source>The address as a QR code, and the certificate's fingerprint</source>
        <translation>Adres jako kod QR oraz odcisk palca certyfikatu</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS">
        <source>Use HTTPS</source>
        <translation>Używaj HTTPS</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Z własnym certyfikatem urządzenia, który telefon sprawdza po odcisku palca</translation>
    </message>
    <message id="TITLE_UPLOAD_SERVER_ON_A_PHONE">
        <source>Upload Server on a Phone</source>
        <translation>Serwer przesyłania na telefonie</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_NO_ADDRESS">
        <source>The upload server is not running, or this device has no address on the network.</source>
        <translation>Serwer przesyłania nie działa albo to urządzenie nie ma adresu w sieci.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_SCAN">
        <source>Scan the code with a phone's camera to open the upload page.</source>
        <translation>Aby otworzyć stronę przesyłania, należy zeskanować kod aparatem telefonu.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_PLAIN">
        <source>The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network.</source>
        <translation>Strona i kod dostępu są przesyłane bez szyfrowania. Aby chronić je w sieci, należy włączyć opcję „Używaj HTTPS”.</translation>
    </message>
    <message id="TEXT_CERTIFICATE_MISSING">
        <source>The device's certificate cannot be had: %1</source>
        <translation>Nie można uzyskać certyfikatu urządzenia: %1</translation>
    </message>
    <message id="TEXT_CERTIFICATE_FINGERPRINT">
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Odcisk palca certyfikatu (SHA-256)</translation>
    </message>
    <message id="TEXT_CERTIFICATE_CHECK">
        <source>The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one.</source>
        <translation>Przeglądarka telefonu ostrzega przed własnym certyfikatem tego urządzenia. Kontynuować można tylko wtedy, gdy pokazany odcisk palca SHA-256 jest taki jak ten.</translation>
    </message>
    <message id="TEXT_RECOVERY_SETTINGS">
        <source>Recovery</source>
        <translation>Odzyskiwanie</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT">
        <source>Page Memory Limit (MB)</source>
        <translation>Limit pamięci strony (MB)</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Strona, której proces renderujący przekroczy ten limit, zostanie ponownie wczytana, gdy nikt nie będzie dotykać kiosku. 0: 1 GiB lub połowa pamięci, zależnie od tego, co mniejsze.</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_INVALID">
        <source>Invalid memory limit. Please enter megabytes, or 0 for the automatic limit.</source>
        <translation>Nieprawidłowy limit pamięci. Należy podać wartość w megabajtach lub 0 dla limitu automatycznego.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Codzienny restart o (HH:MM)</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel uruchamia się ponownie o tej godzinie lub później, gdy nikt z niego nie korzysta. Puste: nigdy.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_INVALID">
        <source>Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart.</source>
        <translation>Należy podać godzinę w formacie HH:MM (zegar 24-godzinny) lub nic, aby nie restartować codziennie.</translation>
    </message>
    <message id="TEXT_BOUNCE_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Bez znaczenia na tym urządzeniu: silnik przeglądarki przewija strony bez efektu odbicia.</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS">
        <source>Enable Browser Plugins</source>
        <translation>Włącz wtyczki przeglądarki</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Pozwala stronom korzystać z wtyczek silnika przeglądarki. Nie zainstalowano tu żadnej wtyczki dla tego silnika, więc nic to nie zmienia.</translation>
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
        <translation>Drukarka</translation>
    </message>
    <message id="BROWSER_PRINT_FAILED">
        <source>Cannot complete print request</source>
        <translation>Nie można ukończyć drukowania</translation>
    </message>
    <message id="BROWSER_AUTH_REQUIRED">
        <source>Authentication Required</source>
        <translation>Wymagane uwierzytelnienie</translation>
    </message>
    <message id="BROWSER_AUTH_LOGIN">
        <source>Login</source>
        <translation>Zaloguj</translation>
    </message>
    <message id="BROWSER_POPUPS_BLOCKED">
        <source>Popups are blocked!</source>
        <translation>Wyskakujące okienka są zablokowane!</translation>
    </message>
    <message id="BROWSER_APP_NOT_AVAILABLE">
        <source>Application is not available. Please install.</source>
        <translation>Aplikacja nie jest dostępna. Należy ją zainstalować.</translation>
    </message>
    <message id="HOME_ACCESS_DENIED">
        <source>Access Denied for %1</source>
        <translation>Brak dostępu do %1</translation>
    </message>
    <message id="APP_PASSWORD_PROMPT">
        <source>Enter password to enter settings.</source>
        <translation>Aby otworzyć ustawienia, należy wpisać hasło.</translation>
    </message>
    <message id="APP_DEFAULT_PASSWORD">
        <source>Default password is %1</source>
        <translation>Domyślne hasło to %1</translation>
    </message>
    <message id="APP_WRONG_PASSWORD">
        <source>Wrong Password!</source>
        <translation>Błędne hasło!</translation>
    </message>
    <message id="APP_LANGUAGE">
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message id="APP_LANGUAGE_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>Język ekranów i klawiatury ekranowej oraz preferowany język stron internetowych.</translation>
    </message>
    <message id="APP_LANGUAGE_SYSTEM">
        <source>System Language</source>
        <translation>Język systemu</translation>
    </message>
    <message id="FILES_HISTORY_DELETE_COUNT" numerus="yes">
        <source>%n entries will be removed from the history.</source>
        <translation>
            <numerusform>%n wpis zostanie usunięty z historii.</numerusform>
            <numerusform>%n wpisy zostaną usunięte z historii.</numerusform>
            <numerusform>%n wpisów zostanie usuniętych z historii.</numerusform>
        </translation>
    </message>
    <message id="BROWSER_ERROR_TITLE">
        <source>ERROR</source>
        <translation>BŁĄD</translation>
    </message>
    <message id="PREF_RefreshOnError_TITLE">
        <source>Refresh Current Page on Recovering from Error</source>
        <translation>Odśwież bieżącą stronę po ustąpieniu błędu</translation>
    </message>
    <message id="PREF_CopyPaste_TITLE">
        <source>Enable Copy Paste</source>
        <translation>Włącz kopiowanie i wklejanie</translation>
    </message>
    <message id="PREF_PhoneLinks_TITLE">
        <source>Phone Numbers</source>
        <translation>Numery telefonów</translation>
    </message>
    <message id="PREF_PhoneLinks_DETAIL">
        <source>This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application.</source>
        <translation>To urządzenie nie wykonuje połączeń: dotknięty link do numeru telefonu, poczty lub wiadomości jest tylko zapisywany w dzienniku i nigdy nie trafia do innej aplikacji.</translation>
    </message>
    <message id="PREF_PrintLinks_TITLE">
        <source>Print Links</source>
        <translation>Linki drukowania</translation>
    </message>
    <message id="PREF_PrintLinks_DETAIL">
        <source>A page's own print link prints the page.</source>
        <translation>Własny link drukowania strony drukuje tę stronę.</translation>
    </message>
    <message id="PREF_DrivingMode_TITLE">
        <source>Motion Detection</source>
        <translation>Wykrywanie ruchu</translation>
    </message>
    <message id="PREF_DrivingMode_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Blokowanie ekranu, gdy urządzenie jest w ruchu (urządzenia z modemem komórkowym)</translation>
    </message>
    <message id="PREF_MotionType_TITLE">
        <source>Sensitivity</source>
        <translation>Czułość</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Walking">
        <source>Walking</source>
        <translation>Chód</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Running">
        <source>Running</source>
        <translation>Bieg</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Automotive">
        <source>Automotive</source>
        <translation>Pojazd</translation>
    </message>
    <message id="PREF_IdleTimeout_TITLE">
        <source>Idle Timeout (Seconds)</source>
        <translation>Czas bezczynności (sekundy)</translation>
    </message>
    <message id="PREF_AllowAllWebsites_TITLE">
        <source>Allow All Websites</source>
        <translation>Zezwalaj na wszystkie witryny</translation>
    </message>
    <message id="PREF_AllowAllWebsites_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Każda witryna oprócz zablokowanych; ich lista jest w menu</translation>
    </message>
    <message id="PREF_AllowContentBlocking_TITLE">
        <source>Enable Content Blocking</source>
        <translation>Włącz blokowanie treści</translation>
    </message>
    <message id="PREF_AllowContentBlocking_DETAIL">
        <source>Enable to allow content blocking</source>
        <translation>Umożliwia blokowanie treści</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_TITLE">
        <source>Add keywords to block access</source>
        <translation>Dodaj słowa kluczowe do blokowania</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_DETAIL">
        <source>Block sites containing the keywords</source>
        <translation>Blokuje witryny zawierające te słowa kluczowe</translation>
    </message>
    <message id="PREF_IgnoreSSLWarnings_TITLE">
        <source>Ignore SSL Warnings</source>
        <translation>Ignoruj ostrzeżenia SSL</translation>
    </message>
    <message id="PREF_GoHomeOnNetworkGain_TITLE">
        <source>Go to Home on Network Gain</source>
        <translation>Wróć do strony głównej po odzyskaniu sieci</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_TITLE">
        <source>Go to Home</source>
        <translation>Wróć do strony głównej</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_DETAIL">
        <source>Goto Home Screen on idletimeout</source>
        <translation>Powrót do strony głównej po upływie czasu bezczynności</translation>
    </message>
    <message id="PREF_EnableMenu_TITLE">
        <source>Show Options Menu on Browser Screen</source>
        <translation>Pokazuj menu opcji w przeglądarce</translation>
    </message>
    <message id="PREF_PrivateBrowsing_TITLE">
        <source>Clear Cookies on Home</source>
        <translation>Usuwaj pliki cookie po powrocie do strony głównej</translation>
    </message>
    <message id="PREF_OfflineCacheBrowsing_TITLE">
        <source>Clear App Cache on Home</source>
        <translation>Czyść pamięć podręczną po powrocie do strony głównej</translation>
    </message>
    <message id="PREF_PluginsEnable_TITLE">
        <source>Enable Browser Plugins</source>
        <translation>Włącz wtyczki przeglądarki</translation>
    </message>
    <message id="PREF_PluginsEnable_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Pozwala stronom korzystać z wtyczek silnika przeglądarki. Nie zainstalowano tu żadnej wtyczki dla tego silnika, więc nic to nie zmienia.</translation>
    </message>
    <message id="PREF_Wallpaper_TITLE">
        <source>Wallpaper</source>
        <translation>Tapeta</translation>
    </message>
    <message id="PREF_ZoomEnable_TITLE">
        <source>Enable Zoom</source>
        <translation>Włącz powiększanie</translation>
    </message>
    <message id="PREF_FullScreen_TITLE">
        <source>Enable FullScreen</source>
        <translation>Włącz pełny ekran</translation>
    </message>
    <message id="PREF_PreventSuspend_TITLE">
        <source>Prevent Device Suspend</source>
        <translation>Zapobiegaj uśpieniu urządzenia</translation>
    </message>
    <message id="PREF_WallpaperStyle_TITLE">
        <source>Wallpaper Style</source>
        <translation>Styl tapety</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Center">
        <source>Center</source>
        <translation>Wyśrodkuj</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Stretch">
        <source>Stretch</source>
        <translation>Rozciągnij</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_AspectFit">
        <source>AspectFit</source>
        <translation>Dopasuj</translation>
    </message>
    <message id="PREF_BrowserOrientation_TITLE">
        <source>Browser Orientation</source>
        <translation>Orientacja przeglądarki</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_None">
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Landscape">
        <source>Landscape</source>
        <translation>Pozioma</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Portrait">
        <source>Portrait</source>
        <translation>Pionowa</translation>
    </message>
    <message id="PREF_PasswordTimeout_TITLE">
        <source>Restrict Settings after (Minutes)</source>
        <translation>Blokuj ustawienia po (minutach)</translation>
    </message>
    <message id="PREF_RestrictSettings_TITLE">
        <source>Restrict Korvel Settings Menu</source>
        <translation>Ogranicz menu ustawień Korvel</translation>
    </message>
    <message id="PREF_UserAgents_TITLE">
        <source>User Agent</source>
        <translation>Agent użytkownika</translation>
    </message>
    <message id="PREF_MakeToast_TITLE">
        <source>Enable Toast Messages</source>
        <translation>Włącz krótkie powiadomienia</translation>
    </message>
    <message id="PREF_EnableScreenSaver_TITLE">
        <source>Enable ScreenSaver</source>
        <translation>Włącz wygaszacz ekranu</translation>
    </message>
    <message id="PREF_EnableScreenSaver_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Włącza się po upływie czasu bezczynności; każde dotknięcie go wyłącza.</translation>
    </message>
    <message id="PREF_ScreenSaver_TITLE">
        <source>Show</source>
        <translation>Wyświetlaj</translation>
    </message>
    <message id="PREF_ScreenSaver_DETAIL">
        <source>https://... or a file name</source>
        <translation>https://... lub nazwa pliku</translation>
    </message>
    <message id="PREF_EnableToolBar_TITLE">
        <source>Show Navigation Toolbar</source>
        <translation>Pokazuj pasek nawigacji</translation>
    </message>
    <message id="PREF_NumberOfTaps_TITLE">
        <source>Tap count</source>
        <translation>Liczba dotknięć</translation>
    </message>
    <message id="PREF_NumberOfTaps_DETAIL">
        <source>Number of taps to access settings. Default 5.</source>
        <translation>Liczba dotknięć potrzebna do otwarcia ustawień. Domyślnie 5.</translation>
    </message>
    <message id="PREF_AccessDenied_TITLE">
        <source>Go to Home on Access Denied</source>
        <translation>Wróć do strony głównej po odmowie dostępu</translation>
    </message>
    <message id="PREF_ServerSwitch_TITLE">
        <source>Enable Upload Server</source>
        <translation>Włącz serwer przesyłania</translation>
    </message>
    <message id="PREF_Port_TITLE">
        <source>Run on Port</source>
        <translation>Port serwera</translation>
    </message>
    <message id="PREF_UploadAccessCode_TITLE">
        <source>Upload Access Code</source>
        <translation>Kod dostępu do przesyłania</translation>
    </message>
    <message id="PREF_UploadAccessCode_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Wymagany od każdego innego urządzenia korzystającego z serwera przesyłania; puste pole pozostawia serwer otwarty.</translation>
    </message>
    <message id="PREF_UploadServerTLS_TITLE">
        <source>Use HTTPS</source>
        <translation>Używaj HTTPS</translation>
    </message>
    <message id="PREF_UploadServerTLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Z własnym certyfikatem urządzenia, który telefon sprawdza po odcisku palca</translation>
    </message>
    <message id="PREF_Zoom_TITLE">
        <source>Set Initial Zoom Level</source>
        <translation>Ustaw początkowe powiększenie</translation>
    </message>
    <message id="PREF_Bounce_TITLE">
        <source>WebView Bounce</source>
        <translation>Efekt odbicia stron</translation>
    </message>
    <message id="PREF_Bounce_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Bez znaczenia na tym urządzeniu: silnik przeglądarki przewija strony bez efektu odbicia.</translation>
    </message>
    <message id="PREF_AllowPopup_TITLE">
        <source>Allow Pop-Ups</source>
        <translation>Zezwalaj na wyskakujące okienka</translation>
    </message>
    <message id="PREF_AllowPopupInSameWindow_TITLE">
        <source>Show Pop-Ups in same window</source>
        <translation>Wyskakujące okienka w tym samym oknie</translation>
    </message>
    <message id="PREF_EnableRefreshButton_TITLE">
        <source>Show Refresh Button</source>
        <translation>Pokazuj przycisk Odśwież</translation>
    </message>
    <message id="PREF_EnableHomeButton_TITLE">
        <source>Show Home Button</source>
        <translation>Pokazuj przycisk Strona główna</translation>
    </message>
    <message id="PREF_EnableBackButton_TITLE">
        <source>Show Back Button</source>
        <translation>Pokazuj przycisk Wstecz</translation>
    </message>
    <message id="PREF_EnableForwardButton_TITLE">
        <source>Show Forward Button</source>
        <translation>Pokazuj przycisk Dalej</translation>
    </message>
    <message id="PREF_EnablePrintButton_TITLE">
        <source>Show Print Button</source>
        <translation>Pokazuj przycisk Drukuj</translation>
    </message>
    <message id="PREF_RefreshImage_TITLE">
        <source>Refresh Button Image</source>
        <translation>Obraz przycisku Odśwież</translation>
    </message>
    <message id="PREF_RefreshImage_DETAIL">
        <source>Image used to show Refresh Button. Recommended size: 44*44</source>
        <translation>Obraz przycisku Odśwież. Zalecany rozmiar: 44*44</translation>
    </message>
    <message id="PREF_HomeImage_TITLE">
        <source>Home Button Image</source>
        <translation>Obraz przycisku Strona główna</translation>
    </message>
    <message id="PREF_HomeImage_DETAIL">
        <source>Image used to show Home Button. Recommended size: 44*44</source>
        <translation>Obraz przycisku Strona główna. Zalecany rozmiar: 44*44</translation>
    </message>
    <message id="PREF_BackImage_TITLE">
        <source>Back Button Image</source>
        <translation>Obraz przycisku Wstecz</translation>
    </message>
    <message id="PREF_BackImage_DETAIL">
        <source>Image used to show Back Button. Recommended size: 44*44</source>
        <translation>Obraz przycisku Wstecz. Zalecany rozmiar: 44*44</translation>
    </message>
    <message id="PREF_ForwardImage_TITLE">
        <source>Forward Button Image</source>
        <translation>Obraz przycisku Dalej</translation>
    </message>
    <message id="PREF_ForwardImage_DETAIL">
        <source>Image used to show Forward Button. Recommended size: 44*44</source>
        <translation>Obraz przycisku Dalej. Zalecany rozmiar: 44*44</translation>
    </message>
    <message id="PREF_PrintImage_TITLE">
        <source>Print Button Image</source>
        <translation>Obraz przycisku Drukuj</translation>
    </message>
    <message id="PREF_PrintImage_DETAIL">
        <source>Image used to show Print Button. Recommended size: 44*44</source>
        <translation>Obraz przycisku Drukuj. Zalecany rozmiar: 44*44</translation>
    </message>
    <message id="PREF_ToolbarImage_TITLE">
        <source>Toolbar Background</source>
        <translation>Tło paska narzędzi</translation>
    </message>
    <message id="PREF_ToolbarImage_DETAIL">
        <source>Image for Navigation Toolbar Background</source>
        <translation>Obraz tła paska nawigacji</translation>
    </message>
    <message id="PREF_Brightness_TITLE">
        <source>Adjust Brightness</source>
        <translation>Dostosuj jasność</translation>
    </message>
    <message id="PREF_AllowDragDrop_TITLE">
        <source>Allow Icon Relocation</source>
        <translation>Zezwalaj na przenoszenie ikon</translation>
    </message>
    <message id="PREF_AllowResize_TITLE">
        <source>Allow Icon Resize</source>
        <translation>Zezwalaj na zmianę rozmiaru ikon</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_TITLE">
        <source>Schedule Power Saver</source>
        <translation>Harmonogram oszczędzania energii</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Przyciemnianie po czasie bezczynności tylko w tych godzinach</translation>
    </message>
    <message id="PREF_StartTime_TITLE">
        <source>Start</source>
        <translation>Początek</translation>
    </message>
    <message id="PREF_StartTime_DETAIL">
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message id="PREF_EndTime_TITLE">
        <source>End</source>
        <translation>Koniec</translation>
    </message>
    <message id="PREF_EndTime_DETAIL">
        <source>Hours</source>
        <translation>Godziny</translation>
    </message>
    <message id="PREF_DaySelected_TITLE">
        <source>Days</source>
        <translation>Dni</translation>
    </message>
    <message id="PREF_AlwaysSavePower_TITLE">
        <source>Always Save Power</source>
        <translation>Zawsze oszczędzaj energię</translation>
    </message>
    <message id="PREF_AlwaysSavePower_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Przyciemnianie ekranu po każdym upływie czasu bezczynności</translation>
    </message>
    <message id="PREF_UseMultiTab_TITLE">
        <source>Enable Multi-Tab</source>
        <translation>Włącz wiele kart</translation>
    </message>
    <message id="PREF_EnableLoadingIcon_TITLE">
        <source>Enable Loading Icon</source>
        <translation>Włącz ikonę wczytywania</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_TITLE">
        <source>Custom User Agent Header</source>
        <translation>Własny nagłówek agenta użytkownika</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_DETAIL">
        <source>Note:If Header field is empty.Default header is set to Korvel.</source>
        <translation>Uwaga: jeśli pole jest puste, używany jest domyślny nagłówek Korvel.</translation>
    </message>
    <message id="PREF_EnableCustomUserAgentHeader_TITLE">
        <source>Enable Custom User Agent Header</source>
        <translation>Włącz własny nagłówek agenta użytkownika</translation>
    </message>
    <message id="PREF_CountOfTabs_TITLE">
        <source>Maximum Number of Tab(s)</source>
        <translation>Maksymalna liczba kart</translation>
    </message>
    <message id="PREF_CountOfTabs_DETAIL">
        <source>Enter a value between 1 to 8.</source>
        <translation>Należy podać wartość od 1 do 8.</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_TITLE">
        <source>Show Files Using Google Docs</source>
        <translation>Pokazuj pliki w Dokumentach Google</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_DETAIL">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Dokumenty, których kiosk nie może wyświetlić, otwierają się w internetowej przeglądarce Google (docs.google.com), która pobiera je z ich adresu: należy zezwolić także na docs.google.com.</translation>
    </message>
    <message id="PREF_AllowPDFViewer_TITLE">
        <source>PDF Viewer</source>
        <translation>Przeglądarka PDF</translation>
    </message>
    <message id="PREF_AllowPDFViewer_DETAIL">
        <source>Opens PDF documents in the kiosk's own reader.</source>
        <translation>Otwiera dokumenty PDF we wbudowanej przeglądarce kiosku.</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_TITLE">
        <source>Allow Download</source>
        <translation>Zezwalaj na pobieranie</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_DETAIL">
        <source>The reader's Download button saves the document in Documents.</source>
        <translation>Przycisk Pobierz w przeglądarce zapisuje dokument w Dokumentach.</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_TITLE">
        <source>Allow Print</source>
        <translation>Zezwalaj na drukowanie</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_DETAIL">
        <source>The reader's Share sheet offers printing.</source>
        <translation>Menu Udostępnij w przeglądarce umożliwia drukowanie.</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_TITLE">
        <source>Allow Downloads</source>
        <translation>Zezwalaj na pobieranie</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_DETAIL">
        <source>Allows files to be downloaded to this device</source>
        <translation>Umożliwia pobieranie plików na to urządzenie</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_TITLE">
        <source>Open File After Download</source>
        <translation>Otwieraj plik po pobraniu</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_DETAIL">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Otwiera plik od razu po pobraniu</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_TITLE">
        <source>Keep Download History</source>
        <translation>Zachowuj historię pobierania</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_DETAIL">
        <source>Keeps a list of downloaded files</source>
        <translation>Przechowuje listę pobranych plików</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_TITLE">
        <source>Page Memory Limit (MB)</source>
        <translation>Limit pamięci strony (MB)</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Strona, której proces renderujący przekroczy ten limit, zostanie ponownie wczytana, gdy nikt nie będzie dotykać kiosku. 0: 1 GiB lub połowa pamięci, zależnie od tego, co mniejsze.</translation>
    </message>
    <message id="PREF_RestartDailyAt_TITLE">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Codzienny restart o (HH:MM)</translation>
    </message>
    <message id="PREF_RestartDailyAt_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel uruchamia się ponownie o tej godzinie lub później, gdy nikt z niego nie korzysta. Puste: nigdy.</translation>
    </message>
    <message id="PREF_StrictSubresources_TITLE">
        <source>Strict Loading</source>
        <translation>Ścisłe wczytywanie</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_TITLE">
        <source>Also allowed for loading</source>
        <translation>Dozwolone również do wczytywania</translation>
    </message>
    <message id="PREF_LearnSubresources_TITLE">
        <source>Learn What Pages Load</source>
        <translation>Ucz się, co wczytują strony</translation>
    </message>
    <message id="ADMIN_ABOUT">
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message id="ADMIN_ABOUT_APPLICATION">
        <source>Application</source>
        <translation>Aplikacja</translation>
    </message>
    <message id="ADMIN_ABOUT_VERSION">
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message id="SETTINGS_UPDATE">
        <source>Update</source>
        <translation>Aktualizuj</translation>
    </message>
    <message id="SETTINGS_ADD">
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message id="SETTINGS_URL_LABEL">
        <source>URL:</source>
        <translation>Adres URL:</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITE_DETAILS">
        <source>Blocked Website Details</source>
        <translation>Szczegóły zablokowanej witryny</translation>
    </message>
    <message id="SETTINGS_DELETE_WEBSITE_QUESTION">
        <source>Are you sure you want to delete this website?</source>
        <translation>Usunąć tę witrynę?</translation>
    </message>
    <message id="SETTINGS_SCREEN_ADVANCED">
        <source>Advanced Settings</source>
        <translation>Ustawienia zaawansowane</translation>
    </message>
    <message id="SETTINGS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="SETTINGS_CATEGORY_NONE">
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message id="SETTINGS_WEBSITE_DETAILS">
        <source>Website Details</source>
        <translation>Szczegóły witryny</translation>
    </message>
    <message id="SETTINGS_ASSIGN_CATEGORY">
        <source>Assign Category:</source>
        <translation>Przypisz kategorię:</translation>
    </message>
    <message id="SETTINGS_TITLE_LABEL">
        <source>Title:</source>
        <translation>Tytuł:</translation>
    </message>
    <message id="SETTINGS_ICON_PATH_LABEL">
        <source>Icon Path:</source>
        <translation>Ścieżka ikony:</translation>
    </message>
    <message id="SETTINGS_RUN_AT_STARTUP">
        <source>Run At Startup</source>
        <translation>Otwieraj przy uruchomieniu</translation>
    </message>
    <message id="SETTINGS_HIDE_ICON">
        <source>Hide Icon</source>
        <translation>Ukryj ikonę</translation>
    </message>
    <message id="SETTINGS_ALLOW_SUBDOMAIN">
        <source>Allow SubDomain</source>
        <translation>Zezwalaj na subdomeny</translation>
    </message>
    <message id="SETTINGS_ALLOW_ONLY_THIS_URL">
        <source>Allow Only This URL</source>
        <translation>Zezwalaj tylko na ten URL</translation>
    </message>
    <message id="SETTINGS_USE_FAVICON">
        <source>Use Favicon</source>
        <translation>Używaj favikony</translation>
    </message>
    <message id="SETTINGS_SET_AS_ERROR_PAGE">
        <source>Set as Error Page</source>
        <translation>Ustaw jako stronę błędu</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES">
        <source>Save Changes?</source>
        <translation>Zapisać zmiany?</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES_QUESTION">
        <source>Do you wish to save the changes?</source>
        <translation>Czy zapisać zmiany?</translation>
    </message>
    <message id="SETTINGS_ADD_NEW_CATEGORY">
        <source>+ Add New Category</source>
        <translation>+ Dodaj kategorię</translation>
    </message>
    <message id="SETTINGS_CURRENT_BRIGHTNESS">
        <source>Current Brightness: %d %%</source>
        <translation>Bieżąca jasność: %d %%</translation>
    </message>
    <message id="SETTINGS_SCREEN_BROWSER_PREFERENCES">
        <source>Browser Preferences</source>
        <translation>Preferencje przeglądarki</translation>
    </message>
    <message id="SETTINGS_SERVER_OFF">
        <source>Server is OFF</source>
        <translation>Serwer wyłączony</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON">
        <source>Server Running on: %@:%ld</source>
        <translation>Serwer działa pod adresem: %@:%ld</translation>
    </message>
    <message id="SETTINGS_DEFAULT">
        <source>Default</source>
        <translation>Domyślne</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT">
        <source>Reset Icon Layout</source>
        <translation>Przywróć układ ikon</translation>
    </message>
    <message id="SETTINGS_WALLPAPER_PLACEHOLDER">
        <source>&lt;enter file name in documents directory&gt;</source>
        <translation>&lt;nazwa pliku w folderze Dokumenty&gt;</translation>
    </message>
    <message id="SETTINGS_SECTION_ADMIN">
        <source>Browser Admin Settings</source>
        <translation>Ustawienia administratora przeglądarki</translation>
    </message>
    <message id="SETTINGS_SECTION_PRIVACY">
        <source>Privacy Settings</source>
        <translation>Ustawienia prywatności</translation>
    </message>
    <message id="SETTINGS_SECTION_WINDOW">
        <source>Browser Window Settings</source>
        <translation>Ustawienia okna przeglądarki</translation>
    </message>
    <message id="SETTINGS_SECTION_WALLPAPER">
        <source>Wallpaper Settings</source>
        <translation>Ustawienia tapety</translation>
    </message>
    <message id="SETTINGS_SECTION_IDLE">
        <source>Idle Timeout Settings</source>
        <translation>Ustawienia czasu bezczynności</translation>
    </message>
    <message id="SETTINGS_SECTION_SERVER">
        <source>Server Settings</source>
        <translation>Ustawienia serwera</translation>
    </message>
    <message id="SETTINGS_SCREEN_NAVIGATION_TOOLBAR">
        <source>Configure Navigation Toolbar</source>
        <translation>Konfiguruj pasek nawigacji</translation>
    </message>
    <message id="SETTINGS_CONFIGURE_TOOLBAR_DETAIL">
        <source>Tap to configure the toolbar.</source>
        <translation>Konfiguracja paska narzędzi.</translation>
    </message>
    <message id="SETTINGS_SCREEN_SPECIAL_LINKS">
        <source>Enable Special Links</source>
        <translation>Włącz linki specjalne</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE">
        <source>ScreenSaver Mode</source>
        <translation>Tryb wygaszacza ekranu</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE_DETAIL">
        <source>Tap to configure ScreenSaver on idletimeout</source>
        <translation>Konfiguracja wygaszacza ekranu po upływie czasu bezczynności</translation>
    </message>
    <message id="SETTINGS_SCREEN_POWER_SAVER">
        <source>Power Saver Mode</source>
        <translation>Tryb oszczędzania energii</translation>
    </message>
    <message id="SETTINGS_POWER_SAVER_MODE_DETAIL">
        <source>Tap to configure Power Saver on idletimeout</source>
        <translation>Konfiguracja oszczędzania energii po upływie czasu bezczynności</translation>
    </message>
    <message id="SETTINGS_NOT_SAVED">
        <source>The settings could not be saved.</source>
        <translation>Nie można zapisać ustawień.</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON_URL">
        <source>Running on URL: %@:%ld</source>
        <translation>Działa pod adresem URL: %@:%ld</translation>
    </message>
    <message id="SETTINGS_SERVER_ERROR">
        <source>Error running the server</source>
        <translation>Błąd działania serwera</translation>
    </message>
    <message id="SETTINGS_SERVER_NO_ADDRESS">
        <source>Local ip could not be retrieved. Please check your wifi settings.</source>
        <translation>Nie można ustalić lokalnego adresu IP. Należy sprawdzić ustawienia Wi-Fi.</translation>
    </message>
    <message id="SETTINGS_SERVER_RESTART">
        <source>Error running server. Please switch on/off again</source>
        <translation>Błąd działania serwera. Należy go wyłączyć i włączyć ponownie.</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT_QUESTION">
        <source>Do you want to reset the icon layout on Korvel HomeScreen ?</source>
        <translation>Przywrócić układ ikon na ekranie głównym Korvel?</translation>
    </message>
    <message id="SETTINGS_ICON_LAYOUT_RESET">
        <source>Icon Layout set to default</source>
        <translation>Przywrócono domyślny układ ikon</translation>
    </message>
    <message id="SETTINGS_ENABLE_TOOLBAR_FIRST">
        <source>Enable 'Show Navigation Toolbar' to configure.</source>
        <translation>Aby skonfigurować, należy włączyć opcję „Pokazuj pasek nawigacji”.</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_FILE">
        <source>Please select a valid file</source>
        <translation>Należy wybrać prawidłowy plik</translation>
    </message>
    <message id="SETTINGS_INVALID_FILE">
        <source>Invalid File!</source>
        <translation>Nieprawidłowy plik!</translation>
    </message>
    <message id="LOG_TITLE">
        <source>Korvel Log</source>
        <translation>Dziennik Korvel</translation>
    </message>
    <message id="LOG_CLEAR">
        <source>Clear Log</source>
        <translation>Wyczyść dziennik</translation>
    </message>
    <message id="LOG_CLEAR_QUESTION">
        <source>Are you sure?</source>
        <translation>Czy na pewno?</translation>
    </message>
    <message id="LOG_ALLOW_WEBSITE_QUESTION">
        <source>Allow this WebSite: %@ ?</source>
        <translation>Zezwolić na tę witrynę: %@?</translation>
    </message>
    <message id="LOG_ALLOW">
        <source>Allow</source>
        <translation>Zezwól</translation>
    </message>
    <message id="LOG_DELETE_WEBSITE_QUESTION">
        <source>Delete this URL from Allowed WebSites: %@ ?</source>
        <translation>Usunąć ten URL z dozwolonych witryn: %@?</translation>
    </message>
    <message id="LOG_WEBSITE_ALLOWED">
        <source>Website Allowed!</source>
        <translation>Witryna dozwolona!</translation>
    </message>
    <message id="LOG_WEBSITE_DELETED">
        <source> Website Deleted!</source>
        <translation> Witryna usunięta!</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>Settings</source>
        <translation>Ustawienia</translation>
    </message>
    <message id="LOG_PREPARING">
        <source>Preparing Logs...</source>
        <translation>Przygotowywanie dziennika...</translation>
    </message>
    <message id="SETTINGS_CATEGORY_DETAILS">
        <source>Enter Category Details</source>
        <translation>Szczegóły kategorii</translation>
    </message>
    <message id="SETTINGS_DELETE_CATEGORY_QUESTION">
        <source>Are you sure you want to delete this category?</source>
        <translation>Usunąć tę kategorię?</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_BUTTONS">
        <source>Buttons</source>
        <translation>Przyciski</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_IMAGES">
        <source>Images</source>
        <translation>Obrazy</translation>
    </message>
    <message id="SETTINGS_CHECK_AND_RETRY">
        <source>Please check and try again</source>
        <translation>Należy sprawdzić i spróbować ponownie</translation>
    </message>
    <message id="SETTINGS_INVALID_IMAGE_FILE">
        <source>Invalid Image File!</source>
        <translation>Nieprawidłowy plik obrazu!</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_IMAGE">
        <source>Please select a valid image file</source>
        <translation>Należy wybrać prawidłowy plik obrazu</translation>
    </message>
    <message id="SETTINGS_ALLOWED_WEBSITES">
        <source>Allowed Websites</source>
        <translation>Dozwolone witryny</translation>
    </message>
    <message id="SETTINGS_EDIT_CATEGORIES">
        <source>Add/Edit Categories</source>
        <translation>Dodaj/edytuj kategorie</translation>
    </message>
    <message id="SETTINGS_SEARCH_CATEGORY">
        <source>Search Category</source>
        <translation>Szukaj kategorii</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITES">
        <source>Blocked Websites</source>
        <translation>Zablokowane witryny</translation>
    </message>
    <message id="SETTINGS_SCREEN_SCREENSAVER">
        <source>Screensaver Mode</source>
        <translation>Tryb wygaszacza ekranu</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_SCREENSAVER_FILE">
        <source>Please select a valid Image/Video/HTML file</source>
        <translation>Należy wybrać prawidłowy plik obrazu, wideo lub HTML</translation>
    </message>
    <message id="SETTINGS_SEARCH_TITLE">
        <source>Search Settings</source>
        <translation>Szukaj w ustawieniach</translation>
    </message>
    <message id="SETTINGS_SET">
        <source>Set</source>
        <translation>Ustaw</translation>
    </message>
    <message id="ADMIN_WELCOME_GET_STARTED">
        <source>Get Started</source>
        <translation>Rozpocznij</translation>
    </message>
    <message id="CLOUD_IMPORT_FROM_CLOUD">
        <source>Import from Cloud</source>
        <translation>Importuj z chmury</translation>
    </message>
    <message id="ADMIN_WELCOME_GOT_IT">
        <source>OK, Got it</source>
        <translation>OK, rozumiem</translation>
    </message>
    <message id="SETTINGS_INVALID_TAB_COUNT">
        <source>Invalid Number of Tabs. Please enter value between or equal to 1 - 8.</source>
        <translation>Nieprawidłowa liczba kart. Należy podać wartość od 1 do 8.</translation>
    </message>
    <message id="SETTINGS_MENU_ALLOWED_DETAIL">
        <source>List of allowed websites</source>
        <translation>Lista dozwolonych witryn</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES">
        <source>Manage Categories</source>
        <translation>Zarządzaj kategoriami</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES_DETAIL">
        <source>Add/Edit/Remove Categories</source>
        <translation>Dodawanie, edycja i usuwanie kategorii</translation>
    </message>
    <message id="SETTINGS_MENU_BROWSER_PREFERENCES_DETAIL">
        <source>Korvel Browser Preferences</source>
        <translation>Preferencje przeglądarki Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_ADVANCED_DETAIL">
        <source>Korvel Advanced Settings</source>
        <translation>Ustawienia zaawansowane Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_IMPORT_EXPORT">
        <source>Import/Export</source>
        <translation>Import/eksport</translation>
    </message>
    <message id="TRANSFER_TITLE">
        <source>Import/Export Settings</source>
        <translation>Import/eksport ustawień</translation>
    </message>
    <message id="SETTINGS_MENU_LOG">
        <source>View Korvel Log</source>
        <translation>Wyświetl dziennik Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_BLOCKED_DETAIL">
        <source>List of blocked websites</source>
        <translation>Lista zablokowanych witryn</translation>
    </message>
    <message id="SETTINGS_ADMIN_PASSWORD_DETAIL">
        <source>The password that opens these settings</source>
        <translation>Hasło otwierające te ustawienia</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_FILE">
        <source>Export to File</source>
        <translation>Eksportuj do pliku</translation>
    </message>
    <message id="TRANSFER_TO_FILE_DETAIL">
        <source>To a file in Documents Directory</source>
        <translation>Do pliku w folderze Dokumenty</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD">
        <source>Export to Cloud</source>
        <translation>Eksportuj do chmury</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD_DETAIL">
        <source>Export Settings to Cloud storage</source>
        <translation>Eksport ustawień do magazynu w chmurze</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR">
        <source>Export Settings to Cloud and Generate QR Code</source>
        <translation>Eksportuj do chmury i utwórz kod QR</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR_DETAIL">
        <source>Export Settings to Cloud storage and show Cloud ID as QR Code</source>
        <translation>Eksport ustawień do magazynu w chmurze i pokazanie ID w chmurze jako kodu QR</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR">
        <source>Export for Pellmor</source>
        <translation>Eksportuj dla Pellmor</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR_DETAIL">
        <source>Export as txt file for Pellmor Configuration</source>
        <translation>Eksport jako plik txt do konfiguracji Pellmor</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_FILE">
        <source>Import from File</source>
        <translation>Importuj z pliku</translation>
    </message>
    <message id="TRANSFER_FROM_FILE_DETAIL">
        <source>From a file in Documents Directory</source>
        <translation>Z pliku w folderze Dokumenty</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_CLOUD_DETAIL">
        <source>Import settings from Cloud storage</source>
        <translation>Import ustawień z magazynu w chmurze</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL">
        <source>Import from URL</source>
        <translation>Importuj z adresu URL</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL_DETAIL">
        <source>Import settings from URL</source>
        <translation>Import ustawień z adresu URL</translation>
    </message>
    <message id="TRANSFER_RESET">
        <source>Reset Settings</source>
        <translation>Resetuj ustawienia</translation>
    </message>
    <message id="TRANSFER_RESET_DETAIL">
        <source>Set settings to default</source>
        <translation>Przywrócenie ustawień domyślnych</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT">
        <source>AutoImport Korvel Settings:</source>
        <translation>Automatyczny import ustawień Korvel:</translation>
    </message>
    <message id="TRANSFER_AUTOMATIC_IMPORT">
        <source>Automatic Import</source>
        <translation>Automatyczny import</translation>
    </message>
    <message id="TRANSFER_PERIOD">
        <source>Periodically Check (Minutes)</source>
        <translation>Sprawdzaj okresowo (minuty)</translation>
    </message>
    <message id="CLOUD_EXPORT_NEW_ID">
        <source>Export to New Cloud ID</source>
        <translation>Eksportuj do nowego ID w chmurze</translation>
    </message>
    <message id="CLOUD_EXPORT_EXISTING_ID">
        <source>Export to existing ID</source>
        <translation>Eksportuj do istniejącego ID</translation>
    </message>
    <message id="CLOUD_EXPORTING">
        <source>Exporting..</source>
        <translation>Eksportowanie...</translation>
    </message>
    <message id="CLOUD_COPY_ID">
        <source>Copy ID</source>
        <translation>Kopiuj ID</translation>
    </message>
    <message id="QR_SCAN_FOR_CLOUD_ID">
        <source>Scan this QRCode for Cloud ID: %1</source>
        <translation>Ten kod QR zawiera ID w chmurze: %1</translation>
    </message>
    <message id="QR_SAVE">
        <source>Save</source>
        <translation>Zapisz</translation>
    </message>
    <message id="QR_SHARE">
        <source>Share</source>
        <translation>Udostępnij</translation>
    </message>
    <message id="QR_SAVED">
        <source>Successfully saved photo</source>
        <translation>Zapisano zdjęcie</translation>
    </message>
    <message id="TRANSFER_EXPORT_SETTINGS">
        <source>Export Settings</source>
        <translation>Eksportuj ustawienia</translation>
    </message>
    <message id="CLOUD_AUTO_IMPORT_TITLE">
        <source>Auto Import from Cloud</source>
        <translation>Automatyczny import z chmury</translation>
    </message>
    <message id="CLOUD_IMPORTING">
        <source>Importing..</source>
        <translation>Importowanie...</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_FROM">
        <source>Auto Import From</source>
        <translation>Automatyczny import z</translation>
    </message>
    <message id="TRANSFER_SOURCE_FILE">
        <source>File</source>
        <translation>Plik</translation>
    </message>
    <message id="TRANSFER_SOURCE_CLOUD">
        <source>Cloud</source>
        <translation>Chmura</translation>
    </message>
    <message id="TRANSFER_SOURCE_URL">
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message id="TRANSFER_PATH">
        <source>Path:</source>
        <translation>Ścieżka:</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_CLOUD">
        <source>Automatic import from Cloud</source>
        <translation>Automatyczny import z chmury</translation>
    </message>
    <message id="TRANSFER_CLOUD_ID_IN_USE">
        <source>Cloud ID in use: %1</source>
        <translation>Używane ID w chmurze: %1</translation>
    </message>
    <message id="TRANSFER_NOT_SET">
        <source>Not Set</source>
        <translation>Nie ustawiono</translation>
    </message>
    <message id="TRANSFER_IMPORT_SETTINGS">
        <source>Import Settings</source>
        <translation>Importuj ustawienia</translation>
    </message>
    <message id="TRANSFER_EXPORT_FILE_PROMPT">
        <source>Please enter the Filename to export settings</source>
        <translation>Należy podać nazwę pliku do eksportu ustawień</translation>
    </message>
    <message id="TRANSFER_EXPORT">
        <source>Export</source>
        <translation>Eksportuj</translation>
    </message>
    <message id="TRANSFER_IMPORT_FILE_PROMPT">
        <source>Please enter the Filename to import settings</source>
        <translation>Należy podać nazwę pliku do importu ustawień</translation>
    </message>
    <message id="TRANSFER_IMPORT">
        <source>Import</source>
        <translation>Importuj</translation>
    </message>
    <message id="TRANSFER_IMPORT_URL_PROMPT">
        <source>Please enter the file URL to import settings</source>
        <translation>Należy podać adres URL pliku do importu ustawień</translation>
    </message>
    <message id="TRANSFER_RESET_QUESTION">
        <source>This will reset Korvel settings to defaults. Are you sure?</source>
        <translation>Ustawienia Korvel zostaną przywrócone do domyślnych. Czy na pewno?</translation>
    </message>
    <message id="QR_INVALID_ID">
        <source>Invalid ID</source>
        <translation>Nieprawidłowe ID</translation>
    </message>
    <message id="SETTINGS_SCREEN_MULTITAB">
        <source>MultiTab Settings</source>
        <translation>Ustawienia wielu kart</translation>
    </message>
    <message id="SETTINGS_SCREEN_PDF_VIEWER">
        <source>Change PDF Viewer preferences</source>
        <translation>Zmień preferencje przeglądarki PDF</translation>
    </message>
    <message id="SETTINGS_SCREEN_IMPORT_EXPORT">
        <source>Import/Export settings</source>
        <translation>Import/eksport ustawień</translation>
    </message>
    <message id="TRANSFER_FIELD_EMPTY">
        <source>Textfield cannot be empty</source>
        <translation>Pole tekstowe nie może być puste</translation>
    </message>
    <message id="SETTINGS_INVALID_IDLE_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 9 and less than 60000.</source>
        <translation>Nieprawidłowy limit czasu. Należy podać wartość większą niż 9 i mniejszą niż 60000.</translation>
    </message>
    <message id="SETTINGS_INVALID_PASSWORD_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 0 and less than 1000.</source>
        <translation>Nieprawidłowy limit czasu. Należy podać wartość większą niż 0 i mniejszą niż 1000.</translation>
    </message>
    <message id="SETTINGS_INVALID_TAP_COUNT">
        <source>Invalid Number of Taps. Please enter value between or equal to 4 - 40.</source>
        <translation>Nieprawidłowa liczba dotknięć. Należy podać wartość od 4 do 40.</translation>
    </message>
    <message id="SETTINGS_INVALID_PORT">
        <source>Port cannot be used. Please use port between 1024 and 65535</source>
        <translation>Nie można użyć tego portu. Należy użyć portu od 1024 do 65535</translation>
    </message>
    <message id="SETTINGS_INVALID_ZOOM">
        <source>Invalid scale: Please enter between 100 and 999</source>
        <translation>Nieprawidłowa skala: należy podać wartość od 100 do 999</translation>
    </message>
    <message id="SETTINGS_STRICT_LOADING_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Strony wczytują zasoby tylko z dozwolonych witryn i poniższych hostów</translation>
    </message>
    <message id="SETTINGS_ALSO_ALLOWED_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Hosty, z których każda strona może wczytywać zasoby, wraz z subdomenami</translation>
    </message>
    <message id="SETTINGS_LEARN_LOADING_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Rejestrowanie hostów; korvelctl learn show i learn apply</translation>
    </message>
    <message id="ADMIN_WELCOME_INSTRUCTIONS">
        <source> 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 6 times within 3 seconds.
 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.
 3. Enter Website Url to be allowed.
 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit.</source>
        <translation> 1. Otworzyć „Ustawienia Korvel”, dotykając ekranu powitalnego 6 razy w ciągu 3 sekund.
 2. Dotknąć „Dozwolone witryny” i wybrać „Dodaj URL” na pasku nawigacji.
 3. Wpisać adres URL witryny, która ma być dozwolona.
 4. Dotknąć „Dodaj” na pasku nawigacji i wracać lewym przyciskiem paska nawigacji aż do wyjścia.</translation>
    </message>
    <message id="PREF_Language_TITLE">
        <source>Language</source>
        <translation>Język</translation>
    </message>
    <message id="PREF_Language_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>Język ekranów i klawiatury ekranowej oraz preferowany język stron internetowych.</translation>
    </message>
    <message id="PREF_StrictSubresources_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Strony wczytują zasoby tylko z dozwolonych witryn i poniższych hostów</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Hosty, z których każda strona może wczytywać zasoby, wraz z subdomenami</translation>
    </message>
    <message id="PREF_LearnSubresources_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Rejestrowanie hostów; korvelctl learn show i learn apply</translation>
    </message>
    <message id="PREF_SpatialNavigation_TITLE">
        <source>Arrow Key Navigation</source>
        <translation>Nawigacja klawiszami strzałek</translation>
    </message>
    <message id="PREF_SpatialNavigation_DETAIL">
        <source>Arrow keys move between the links and fields of a page</source>
        <translation>Klawisze strzałek przechodzą między linkami i polami strony</translation>
    </message>
    <message id="PREF_LargerText_TITLE">
        <source>Larger Text</source>
        <translation>Większy tekst</translation>
    </message>
    <message id="PREF_LargerText_DETAIL">
        <source>The kiosk's texts and the pages grow together</source>
        <translation>Teksty kiosku i strony powiększają się razem</translation>
    </message>
    <message id="PREF_LargerText_VALUE_100%">
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message id="PREF_LargerText_VALUE_125%">
        <source>125%</source>
        <translation>125%</translation>
    </message>
    <message id="PREF_LargerText_VALUE_150%">
        <source>150%</source>
        <translation>150%</translation>
    </message>
    <message id="PREF_HighContrast_TITLE">
        <source>High Contrast</source>
        <translation>Wysoki kontrast</translation>
    </message>
    <message id="PREF_HighContrast_DETAIL">
        <source>Text stands out at least 7:1 from its background</source>
        <translation>Tekst odcina się od tła z kontrastem co najmniej 7:1</translation>
    </message>
</context>
</TS>
