<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name></name>
    <message id="ALLOW_DOWNLOADING_FILES_TO_DEVICE">
        <source>Allows files to be downloaded to this device</source>
        <translation>Consente di scaricare file su questo dispositivo</translation>
    </message>
    <message id="ALLOW_DOWNLOADS">
        <source>Allow Downloads</source>
        <translation>Consenti download</translation>
    </message>
    <message id="ALLOW_DOWNLOADS_SHOULD_BE_ENABLED">
        <source>Turn on Allow Downloads first.</source>
        <translation>Attiva prima “Consenti download”.</translation>
    </message>
    <message id="BTN_CHOOSE_QR_PICTURE">
        <source>Choose a picture from Documents</source>
        <translation>Scegli un'immagine da Documenti</translation>
    </message>
    <message id="BTN_TITLE_CANCEL">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="CAMERA_ACCESS_DENIED_ERROR_MESSAGE">
        <source>Korvel may not use the camera, so QR codes cannot be scanned.</source>
        <translation>Korvel non può usare la fotocamera, quindi non è possibile scansionare i codici QR.</translation>
    </message>
    <message id="CAMERA_ACCESS_RESTRICTED_ERROR_MESSAGE">
        <source>The camera may not be used on this device.</source>
        <translation>Su questo dispositivo non è consentito usare la fotocamera.</translation>
    </message>
    <message id="CHANGE_PDF_VIEWER_SETTINGS">
        <source>Change PDF Viewer Settings</source>
        <translation>Modifica impostazioni visualizzatore PDF</translation>
    </message>
    <message id="CHECK_TO_KEEP_DOWNLOAD_HISTORY">
        <source>Keeps a list of downloaded files</source>
        <translation>Conserva un elenco dei file scaricati</translation>
    </message>
    <message id="CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Apre un file appena è stato scaricato</translation>
    </message>
    <message id="DETAIL_MESSAGE">
        <source>Delete the selected items?</source>
        <translation>Eliminare gli elementi selezionati?</translation>
    </message>
    <message id="DOWNLOADS">
        <source>Download Settings</source>
        <translation>Impostazioni download</translation>
    </message>
    <message id="DOWNLOAD_IS_IN_PROGRESS">
        <source>A download is in progress.</source>
        <translation>È in corso un download.</translation>
    </message>
    <message id="ENABLES_VIEWING_OF_GOOGLE_DOCS">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>I documenti che il chiosco non può mostrare si aprono nel visualizzatore online di Google (docs.google.com), che li recupera dal loro indirizzo: consenti anche docs.google.com.</translation>
    </message>
    <message id="FILE_DOES_NOT_EXIST">
        <source>The file does not exist any more.</source>
        <translation>Il file non esiste più.</translation>
    </message>
    <message id="FILE_SETTINGS">
        <source>File Settings</source>
        <translation>Impostazioni file</translation>
    </message>
    <message id="KEEP_DOWNLOAD_HISTORY">
        <source>Keep Download History</source>
        <translation>Conserva cronologia download</translation>
    </message>
    <message id="KORVEL_DOWNLOADS">
        <source>Korvel Downloads</source>
        <translation>Download di Korvel</translation>
    </message>
    <message id="OPEN_FILE_AFTER_DOWNLOAD">
        <source>Open File After Download</source>
        <translation>Apri file dopo il download</translation>
    </message>
    <message id="OPEN_SOURCE_LICENSES">
        <source>Open Source Licenses</source>
        <translation>Licenze open source</translation>
    </message>
    <message id="PDF_VIEWER">
        <source>PDF Viewer</source>
        <translation>Visualizzatore PDF</translation>
    </message>
    <message id="PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE">
        <source>Downloading from the PDF viewer is turned off.</source>
        <translation>Il download dal visualizzatore PDF è disattivato.</translation>
    </message>
    <message id="PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR">
        <source>Opening documents is turned off. Please contact the administrator.</source>
        <translation>L'apertura dei documenti è disattivata. Contatta l'amministratore.</translation>
    </message>
    <message id="PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE">
        <source>Select at least one item to delete.</source>
        <translation>Seleziona almeno un elemento da eliminare.</translation>
    </message>
    <message id="SHOW_FILES_USING_GOOGLE_DOCS">
        <source>Show Files Using Google Docs</source>
        <translation>Mostra file con Documenti Google</translation>
    </message>
    <message id="STATUS_DOWNLOADING">
        <source>Downloading</source>
        <translation>Download in corso</translation>
    </message>
    <message id="TEXT_ADMIN_PASSWORD">
        <source>Administrator Password</source>
        <translation>Password amministratore</translation>
    </message>
    <message id="TEXT_ALERT">
        <source>Alert</source>
        <translation>Avviso</translation>
    </message>
    <message id="TEXT_ALLOW_ALL_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Tutti i siti web tranne quelli bloccati, elencati nel menu</translation>
    </message>
    <message id="TEXT_APPLY">
        <source>Apply</source>
        <translation>Applica</translation>
    </message>
    <message id="TEXT_AUDIO_FILES">
        <source>Audio Files</source>
        <translation>File audio</translation>
    </message>
    <message id="TEXT_BACK">
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message id="TEXT_BLOCKED_WEBSITE">
        <source>Blocked Website</source>
        <translation>Sito web bloccato</translation>
    </message>
    <message id="TEXT_CACHES_DIRECTORY">
        <source>Caches</source>
        <translation>Cache</translation>
    </message>
    <message id="TEXT_CANCEL">
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message id="TEXT_CATEGORY">
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message id="TEXT_CATEGORY_PLACEHOLDER">
        <source>News</source>
        <translation>Notizie</translation>
    </message>
    <message id="TEXT_CHANGE">
        <source>Change</source>
        <translation>Cambia</translation>
    </message>
    <message id="TEXT_CHANGE_PASSWORD_TITLE">
        <source>Change the password</source>
        <translation>Cambia la password</translation>
    </message>
    <message id="TEXT_CHOOSE_COLOUR">
        <source>Choose a Colour</source>
        <translation>Scegli un colore</translation>
    </message>
    <message id="TEXT_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Scegli un file</translation>
    </message>
    <message id="TEXT_CHOOSE_ICON">
        <source>Choose Icon from Documents</source>
        <translation>Scegli icona da Documenti</translation>
    </message>
    <message id="TEXT_CLEAR_HISTORY">
        <source>Clear History</source>
        <translation>Cancella cronologia</translation>
    </message>
    <message id="TEXT_CLOSE">
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message id="TEXT_CLOSE_TAB">
        <source>Close tab</source>
        <translation>Chiudi scheda</translation>
    </message>
    <message id="TEXT_CLOUD_ID">
        <source>Cloud ID</source>
        <translation>ID cloud</translation>
    </message>
    <message id="TEXT_CLOUD_ID_PLACEHOLDER">
        <source>At least 10 characters</source>
        <translation>Almeno 10 caratteri</translation>
    </message>
    <message id="TEXT_CLOUD_WELCOME_FOOTER">
        <source>Enter the cloud ID your administrator gave you to take over the settings stored under it.</source>
        <translation>Inserisci l'ID cloud ricevuto dall'amministratore per adottare le impostazioni salvate con quell'ID.</translation>
    </message>
    <message id="TEXT_CONFIGURE_TABBED_BROWSING">
        <source>Configure Tabbed Browsing</source>
        <translation>Configura navigazione a schede</translation>
    </message>
    <message id="TEXT_DAY_FRIDAY">
        <source>Friday</source>
        <translation>Venerdì</translation>
    </message>
    <message id="TEXT_DAY_MONDAY">
        <source>Monday</source>
        <translation>Lunedì</translation>
    </message>
    <message id="TEXT_DAY_SATURDAY">
        <source>Saturday</source>
        <translation>Sabato</translation>
    </message>
    <message id="TEXT_DAY_SUNDAY">
        <source>Sunday</source>
        <translation>Domenica</translation>
    </message>
    <message id="TEXT_DAY_THURSDAY">
        <source>Thursday</source>
        <translation>Giovedì</translation>
    </message>
    <message id="TEXT_DAY_TUESDAY">
        <source>Tuesday</source>
        <translation>Martedì</translation>
    </message>
    <message id="TEXT_DAY_WEDNESDAY">
        <source>Wednesday</source>
        <translation>Mercoledì</translation>
    </message>
    <message id="TEXT_DELETE">
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message id="TEXT_DELETE_CATEGORY">
        <source>Delete Category</source>
        <translation>Elimina categoria</translation>
    </message>
    <message id="TEXT_DELETE_WEBSITE">
        <source>Delete Website</source>
        <translation>Elimina sito web</translation>
    </message>
    <message id="TEXT_DEVICE">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="TEXT_DOCUMENTS_DIRECTORY">
        <source>Documents</source>
        <translation>Documenti</translation>
    </message>
    <message id="TEXT_DOCUMENT_FILES">
        <source>Document Files</source>
        <translation>File di documento</translation>
    </message>
    <message id="TEXT_DONE">
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message id="TEXT_DOWNLOADING">
        <source>Downloading…</source>
        <translation>Download in corso…</translation>
    </message>
    <message id="TEXT_DOWNLOADING_STARTED">
        <source>Download started</source>
        <translation>Download avviato</translation>
    </message>
    <message id="TEXT_DOWNLOADS">
        <source>Downloads</source>
        <translation>Download</translation>
    </message>
    <message id="TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT">
        <source>Downloads are turned off. Please contact the administrator to turn them on.</source>
        <translation>I download sono disattivati. Per attivarli, contatta l'amministratore.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_CANCELLED">
        <source>Download cancelled</source>
        <translation>Download annullato</translation>
    </message>
    <message id="TEXT_DOWNLOAD_QUOTA_REACHED">
        <source>This visit cannot save more files.</source>
        <translation>In questa visita non è possibile salvare altri file.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_FAILED">
        <source>The download failed.</source>
        <translation>Download non riuscito.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_PROGRESS">
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message id="TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL">
        <source>Replace the settings stored under an ID</source>
        <translation>Sostituisci le impostazioni salvate con un ID</translation>
    </message>
    <message id="TEXT_EXPORT_NEW_CLOUD_ID_DETAIL">
        <source>The cloud service issues a new ID for these settings</source>
        <translation>Il servizio cloud assegna un nuovo ID a queste impostazioni</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE">
        <source>The factory password is still in use. Change it.</source>
        <translation>La password di fabbrica è ancora in uso. Cambiala.</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE_DETAIL">
        <source>Anyone who knows it can open these settings.</source>
        <translation>Chiunque la conosca può aprire queste impostazioni.</translation>
    </message>
    <message id="TEXT_FETCH_FROM">
        <source>On this network it can be fetched from %1</source>
        <translation>In questa rete è disponibile su %1</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN">
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN_REFUSED">
        <source>%1: %2. It will not be imported.</source>
        <translation>%1: %2. Non verrà importato.</translation>
    </message>
    <message id="TEXT_FILE_SAVED_IN_DOCUMENTS">
        <source>%1, saved in Documents.</source>
        <translation>%1, salvato in Documenti.</translation>
    </message>
    <message id="TEXT_FORWARD">
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message id="TEXT_FUNCTION_NOT_AVAILABLE">
        <source>This function is not available in this version of Korvel.</source>
        <translation>Questa funzione non è disponibile in questa versione di Korvel.</translation>
    </message>
    <message id="TEXT_HOLD_QR_TO_CAMERA">
        <source>Hold the QR code in front of the camera.</source>
        <translation>Tieni il codice QR davanti alla fotocamera.</translation>
    </message>
    <message id="TEXT_HOME">
        <source>Home</source>
        <translation>Home</translation>
    </message>
    <message id="TEXT_HOME_DIRECTORY">
        <source>Home directory</source>
        <translation>Cartella home</translation>
    </message>
    <message id="TEXT_HTML_FILES">
        <source>HTML Files</source>
        <translation>File HTML</translation>
    </message>
    <message id="TEXT_ICON_PLACEHOLDER">
        <source>An image in Documents</source>
        <translation>Un'immagine in Documenti</translation>
    </message>
    <message id="TEXT_IMAGE_FILES">
        <source>Image Files</source>
        <translation>File immagine</translation>
    </message>
    <message id="TEXT_KORVEL_MENU">
        <source>Korvel Menu</source>
        <translation>Menu Korvel</translation>
    </message>
    <message id="TEXT_LICENSES_FOOTER">
        <source>Korvel is built on these libraries. Tap one to read its licence.</source>
        <translation>Korvel si basa su queste librerie. Tocca una libreria per leggerne la licenza.</translation>
    </message>
    <message id="TEXT_LICENSE_NOT_INSTALLED">
        <source>The licence notice of this library is not installed on this device (%1).</source>
        <translation>L'informativa sulla licenza di questa libreria non è installata su questo dispositivo (%1).</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_ANSWERING">
        <source>The website is not answering right now.</source>
        <translation>Il sito web al momento non risponde.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_CONNECTED">
        <source>This device is not connected to the network.</source>
        <translation>Questo dispositivo non è connesso alla rete.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_OTHER">
        <source>The page could not be loaded.</source>
        <translation>Impossibile caricare la pagina.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_UNTRUSTED">
        <source>The website's identity could not be verified.</source>
        <translation>Impossibile verificare l'identità del sito web.</translation>
    </message>
    <message id="TEXT_LOG_NOT_WRITTEN">
        <source>The log could not be written.</source>
        <translation>Impossibile scrivere il registro.</translation>
    </message>
    <message id="TEXT_LOG_VIEW_OPTIONS">
        <source>View Options</source>
        <translation>Opzioni vista</translation>
    </message>
    <message id="TEXT_MAIL_HANDED_OVER">
        <source>The log is in the mail program.</source>
        <translation>Il registro è nel programma di posta.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_TITLE">
        <source>Mail the Log</source>
        <translation>Invia il registro per e-mail</translation>
    </message>
    <message id="TEXT_MAIL_LOG_ASK_ADDRESS">
        <source>No support address is configured for this kiosk. Type the address the log goes to.</source>
        <translation>Per questo chiosco non è configurato alcun indirizzo di assistenza. Digita l'indirizzo a cui inviare il registro.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_SEND">
        <source>Mail</source>
        <translation>Invia</translation>
    </message>
    <message id="TEXT_MAIL_LOG_BAD_ADDRESS">
        <source>That is not one mail address; nothing was mailed.</source>
        <translation>Non è un singolo indirizzo e-mail; non è stato inviato nulla.</translation>
    </message>
    <message id="TEXT_MAIL_LOG">
        <source>Mail Log</source>
        <translation>Invia registro</translation>
    </message>
    <message id="TEXT_MAIL_NOT_OPENED">
        <source>The mail program could not be opened.</source>
        <translation>Impossibile aprire il programma di posta.</translation>
    </message>
    <message id="TEXT_MANAGED_ABSENT">
        <source>%1 (none; nothing is managed)</source>
        <translation>%1 (assente; nulla è gestito)</translation>
    </message>
    <message id="TEXT_MANAGED_CONFIGURATION">
        <source>Managed configuration</source>
        <translation>Configurazione gestita</translation>
    </message>
    <message id="TEXT_MANAGED_PRESENT">
        <source>%1 (present)</source>
        <translation>%1 (presente)</translation>
    </message>
    <message id="TEXT_MORE">
        <source>More</source>
        <translation>Altro</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Blocca lo schermo mentre il dispositivo si muove (dispositivi con modem dati mobile)</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_SETTINGS">
        <source>Motion Detection Settings</source>
        <translation>Impostazioni rilevamento movimento</translation>
    </message>
    <message id="TEXT_MOTION_LOCKED">
        <source>The screen is locked while the device is moving.</source>
        <translation>Lo schermo è bloccato mentre il dispositivo si muove.</translation>
    </message>
    <message id="TEXT_MULTITAB_EXCLUDES">
        <source>Korvel does not support these features with tabbed browsing:
• Allow Icon Relocation
• Allow Icon Resize
• Wallpaper Settings</source>
        <translation>Con la navigazione a schede Korvel non supporta queste funzioni:
• Consenti spostamento icone
• Consenti ridimensionamento icone
• Impostazioni sfondo</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD">
        <source>New password</source>
        <translation>Nuova password</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD_AGAIN">
        <source>The new password again</source>
        <translation>Ripeti la nuova password</translation>
    </message>
    <message id="TEXT_NEW_TAB">
        <source>New tab</source>
        <translation>Nuova scheda</translation>
    </message>
    <message id="TEXT_NO">
        <source>No</source>
        <translation>No</translation>
    </message>
    <message id="TEXT_NO_CAMERA_CHOOSE_PICTURE">
        <source>This device has no camera. Choose a picture of the QR code from the Documents folder.</source>
        <translation>Questo dispositivo non ha una fotocamera. Scegli un'immagine del codice QR dalla cartella Documenti.</translation>
    </message>
    <message id="TEXT_NO_DOWNLOADS">
        <source>Nothing has been downloaded yet.</source>
        <translation>Non è stato ancora scaricato nulla.</translation>
    </message>
    <message id="TEXT_NO_FILES_IN_DOCUMENTS">
        <source>There are no files in Documents.</source>
        <translation>Non ci sono file in Documenti.</translation>
    </message>
    <message id="TEXT_NO_FILE_SELECTED">
        <source>No File Selected</source>
        <translation>Nessun file selezionato</translation>
    </message>
    <message id="TEXT_NO_MAIL_MESSAGE">
        <source>The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again.</source>
        <translation>Il registro è salvato in Documenti come %1. Copialo da lì tramite il server di caricamento con il suo codice di accesso, oppure configura un programma di posta su questo dispositivo e invialo di nuovo.</translation>
    </message>
    <message id="TEXT_NO_MAIL_TITLE">
        <source>No mail program is set up</source>
        <translation>Nessun programma di posta configurato</translation>
    </message>
    <message id="TEXT_NO_QR_IN_PICTURE">
        <source>There is no QR code in this picture.</source>
        <translation>In questa immagine non c'è alcun codice QR.</translation>
    </message>
    <message id="TEXT_NO_SETTING_FOUND">
        <source>No setting has that name.</source>
        <translation>Nessuna impostazione ha questo nome.</translation>
    </message>
    <message id="TEXT_OPEN">
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message id="TEXT_ORIGIN_DEVICE">
        <source>saved by the settings on this device</source>
        <translation>salvato dalle impostazioni su questo dispositivo</translation>
    </message>
    <message id="TEXT_ORIGIN_DOWNLOAD">
        <source>downloaded by a visitor</source>
        <translation>scaricato da un visitatore</translation>
    </message>
    <message id="TEXT_ORIGIN_KORVELCTL">
        <source>placed with korvelctl</source>
        <translation>inserito con korvelctl</translation>
    </message>
    <message id="TEXT_ORIGIN_PRINTOUT">
        <source>printed by a visitor</source>
        <translation>stampato da un visitatore</translation>
    </message>
    <message id="TEXT_ORIGIN_SETTINGS_DOCUMENT">
        <source>carried by an imported settings document</source>
        <translation>incluso in un documento di impostazioni importato</translation>
    </message>
    <message id="TEXT_ORIGIN_UNKNOWN">
        <source>of unknown origin</source>
        <translation>di origine sconosciuta</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITHOUT_CODE">
        <source>uploaded without the access code</source>
        <translation>caricato senza il codice di accesso</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITH_CODE">
        <source>uploaded with the access code</source>
        <translation>caricato con il codice di accesso</translation>
    </message>
    <message id="TEXT_OTHER_FILES">
        <source>Other Files</source>
        <translation>Altri file</translation>
    </message>
    <message id="TEXT_PASSWORD">
        <source>Password</source>
        <translation>Password</translation>
    </message>
    <message id="TEXT_PASSWORDS_DIFFER">
        <source>The two passwords differ.</source>
        <translation>Le due password non coincidono.</translation>
    </message>
    <message id="TEXT_PASSWORD_ALERT_HEADING">
        <source>Weak Password</source>
        <translation>Password debole</translation>
    </message>
    <message id="TEXT_PASSWORD_CHANGED">
        <source>The password is changed.</source>
        <translation>La password è stata cambiata.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT">
        <source>A strong password has at least 8 characters.</source>
        <translation>Una password sicura ha almeno 8 caratteri.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT_ONE">
        <source>It mixes upper-case letters, digits and symbols.</source>
        <translation>Combina lettere maiuscole, cifre e simboli.</translation>
    </message>
    <message id="TEXT_PASSWORD_EMPTY">
        <source>The password cannot be empty.</source>
        <translation>La password non può essere vuota.</translation>
    </message>
    <message id="TEXT_PASSWORD_NOT_SAVED">
        <source>The password could not be saved.</source>
        <translation>Impossibile salvare la password.</translation>
    </message>
    <message id="TEXT_SETTINGS_NOT_SAVED">
        <source>The settings could not be saved. What was changed last is not kept after a restart.</source>
        <translation>Impossibile salvare le impostazioni. Le ultime modifiche andranno perse al riavvio.</translation>
    </message>
    <message id="TEXT_PASSWORD_PAUSED">
        <source>Too many wrong passwords. Try again in %1.</source>
        <translation>Troppe password errate. Riprova tra %1.</translation>
    </message>
    <message id="TEXT_PASSWORD_QUESTION">
        <source>Use this password anyway?</source>
        <translation>Usare comunque questa password?</translation>
    </message>
    <message id="TEXT_PASSWORD_STORE_DAMAGED">
        <source>The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:</source>
        <translation>L'archivio delle password è danneggiato, quindi le impostazioni restano bloccate. Imposta una nuova password sul dispositivo, come l'utente con cui viene eseguito Korvel, con:</translation>
    </message>
    <message id="TEXT_PASSWORD_UNCHANGED">
        <source>Unchanged</source>
        <translation>Non modificata</translation>
    </message>
    <message id="TEXT_PDF_ALREADY_IN_DOCUMENTS">
        <source>This document is already saved in Documents.</source>
        <translation>Questo documento è già salvato in Documenti.</translation>
    </message>
    <message id="TEXT_PDF_APPEARANCE">
        <source>Aa</source>
        <translation>Aa</translation>
    </message>
    <message id="TEXT_PDF_CANNOT_BE_OPENED">
        <source>This document cannot be opened. It may be damaged or incomplete.</source>
        <translation>Impossibile aprire questo documento. Potrebbe essere danneggiato o incompleto.</translation>
    </message>
    <message id="TEXT_PDF_CONTENTS">
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message id="TEXT_PDF_DOWNLOAD">
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message id="TEXT_PDF_LOADING">
        <source>Loading the document...</source>
        <translation>Caricamento del documento...</translation>
    </message>
    <message id="TEXT_PDF_NO_CONTENTS">
        <source>This document has no table of contents.</source>
        <translation>Questo documento non ha un sommario.</translation>
    </message>
    <message id="TEXT_PDF_NO_MATCHES">
        <source>No matches.</source>
        <translation>Nessun risultato.</translation>
    </message>
    <message id="TEXT_PDF_NO_PRINTER">
        <source>No printer is set up on this device.</source>
        <translation>Nessuna stampante configurata su questo dispositivo.</translation>
    </message>
    <message id="TEXT_PDF_PAGES">
        <source>Pages</source>
        <translation>Pagine</translation>
    </message>
    <message id="TEXT_PDF_PAGE_LABEL">
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message id="TEXT_PDF_PAGE_OF">
        <source>%1 of %2</source>
        <translation>%1 di %2</translation>
    </message>
    <message id="TEXT_PDF_PAPER_DAY">
        <source>Day</source>
        <translation>Giorno</translation>
    </message>
    <message id="TEXT_PDF_PAPER_NIGHT">
        <source>Night</source>
        <translation>Notte</translation>
    </message>
    <message id="TEXT_PDF_PAPER_SEPIA">
        <source>Sepia</source>
        <translation>Seppia</translation>
    </message>
    <message id="TEXT_PDF_SEARCH">
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message id="TEXT_PDF_SEARCH_PLACEHOLDER">
        <source>Search in the document</source>
        <translation>Cerca nel documento</translation>
    </message>
    <message id="TEXT_PDF_SHARE">
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message id="TEXT_POWER_ALWAYS_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Attenua lo schermo dopo ogni tempo di inattività</translation>
    </message>
    <message id="TEXT_POWER_DAYS">
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message id="TEXT_POWER_END_TIME">
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message id="TEXT_CLEAR_FIELD">
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message id="TEXT_STEPPER_DECREASE">
        <source>Decrease</source>
        <translation>Diminuisci</translation>
    </message>
    <message id="TEXT_STEPPER_INCREASE">
        <source>Increase</source>
        <translation>Aumenta</translation>
    </message>
    <message id="TEXT_POWER_HOURS">
        <source>Hours</source>
        <translation>Orari</translation>
    </message>
    <message id="TEXT_POWER_HOURS_FOOTER">
        <source>A window that ends before it starts goes on past midnight. The same start and end never saves power.</source>
        <translation>Una fascia che finisce prima di iniziare prosegue oltre la mezzanotte. Con inizio e fine uguali non si risparmia mai energia.</translation>
    </message>
    <message id="TEXT_POWER_SCHEDULE_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Attenua dopo il tempo di inattività solo in queste ore</translation>
    </message>
    <message id="TEXT_POWER_START_TIME">
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message id="TEXT_PRINT">
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message id="TEXT_PROTOCOL">
        <source>Protocol</source>
        <translation>Protocollo</translation>
    </message>
    <message id="TEXT_QR_NOT_SAVED">
        <source>The QR code could not be saved: %1</source>
        <translation>Impossibile salvare il codice QR: %1</translation>
    </message>
    <message id="TEXT_REFRESH">
        <source>Refresh</source>
        <translation>Ricarica</translation>
    </message>
    <message id="TEXT_SAVED_IN_DOCUMENTS">
        <source>%1 is saved in Documents.</source>
        <translation>%1 è salvato in Documenti.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Scegli un file</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL">
        <source>An image, video or page in the documents folder</source>
        <translation>Un'immagine, un video o una pagina nella cartella Documenti</translation>
    </message>
    <message id="TEXT_SCREENSAVER_ENABLE_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Si avvia dopo il tempo di inattività; basta un tocco per chiuderlo.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_NAMING">
        <source>Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page.</source>
        <translation>I video terminano in .mp4, .mov, .mpv o .3gp e le immagini in .jpg, .png o .tif, in minuscolo; tutto il resto viene mostrato come pagina web.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_IMAGE">
        <source>Shown as an image over the whole screen.</source>
        <translation>Mostrato come immagine a schermo intero.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_NOTHING">
        <source>Nothing is shown: give a web address or choose a file.</source>
        <translation>Non viene mostrato nulla: indica un indirizzo web o scegli un file.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_PAGE">
        <source>Shown as a web page.</source>
        <translation>Mostrato come pagina web.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_VIDEO">
        <source>Shown as a video, looping without sound.</source>
        <translation>Mostrato come video, ripetuto in loop senza audio.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE">
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE_PLACEHOLDER">
        <source>https://... or a file name</source>
        <translation>https://... o un nome di file</translation>
    </message>
    <message id="TEXT_SEARCH">
        <source>Search</source>
        <translation>Cerca</translation>
    </message>
    <message id="TEXT_SEARCH_LOG">
        <source>Search the log</source>
        <translation>Cerca nel registro</translation>
    </message>
    <message id="TEXT_SEARCH_SETTINGS">
        <source>Search all settings</source>
        <translation>Cerca in tutte le impostazioni</translation>
    </message>
    <message id="TEXT_SEARCH_WEBSITE">
        <source>Search Website</source>
        <translation>Cerca nel sito web</translation>
    </message>
    <message id="TEXT_SERVER_NOT_RUNNING">
        <source>Not running</source>
        <translation>Non attivo</translation>
    </message>
    <message id="TEXT_SETTINGS_FILE">
        <source>Settings file</source>
        <translation>File di impostazioni</translation>
    </message>
    <message id="TEXT_SHOW_ID_AS_QR_CODE">
        <source>Show ID as QR Code</source>
        <translation>Mostra ID come codice QR</translation>
    </message>
    <message id="TEXT_SIZE">
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message id="TEXT_SPECIAL_LINKS_DETAIL">
        <source>Tap to configure special links.</source>
        <translation>Tocca per configurare i link speciali.</translation>
    </message>
    <message id="TEXT_STOP">
        <source>Stop</source>
        <translation>Interrompi</translation>
    </message>
    <message id="TEXT_SYSTEM">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="TEXT_SYSTEM_FILES">
        <source>Files and Folders</source>
        <translation>File e cartelle</translation>
    </message>
    <message id="TEXT_SYSTEM_NETWORK">
        <source>Local Network</source>
        <translation>Rete locale</translation>
    </message>
    <message id="TEXT_SYSTEM_VERSIONS">
        <source>Software Versions</source>
        <translation>Versioni software</translation>
    </message>
    <message id="TEXT_TAB_ERROR">
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message id="TEXT_TITLE_PLACEHOLDER">
        <source>Derived from the address when empty</source>
        <translation>Se vuoto, ricavato dall'indirizzo</translation>
    </message>
    <message id="TEXT_TOOLBAR_IMAGES_FOOTER">
        <source>Images in Documents; empty uses the built-in image. Tap a row to pick one.</source>
        <translation>Immagini in Documenti; se vuoto si usa l'immagine integrata. Tocca una riga per sceglierne una.</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE">
        <source>Upload Access Code</source>
        <translation>Codice di accesso per caricamento</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Richiesto a ogni altro dispositivo che usa il server di caricamento; se vuoto, il server resta aperto.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ADDRESS">
        <source>Upload server</source>
        <translation>Server di caricamento</translation>
    </message>
    <message id="TEXT_URL_PLACEHOLDER">
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message id="TEXT_VIDEO_FILES">
        <source>Video Files</source>
        <translation>File video</translation>
    </message>
    <message id="TEXT_ENGINE_HARDENING">
        <source>Engine hardening</source>
        <translation>Protezione del motore</translation>
    </message>
    <message id="TEXT_HARDENING_NO_DEBUGGING">
        <source>remote debugging refused</source>
        <translation>debug remoto rifiutato</translation>
    </message>
    <message id="TEXT_HARDENING_NO_JIT">
        <source>JIT off</source>
        <translation>JIT disattivato</translation>
    </message>
    <message id="TEXT_HARDENING_WEBRTC">
        <source>WebRTC through a proxy only</source>
        <translation>WebRTC solo tramite proxy</translation>
    </message>
    <message id="TEXT_HARDENING_COOKIES">
        <source>third-party cookies refused</source>
        <translation>cookie di terze parti rifiutati</translation>
    </message>
    <message id="TITLE_CHECK_LOCKDOWN">
        <source>Check Lockdown</source>
        <translation>Verifica blocco</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_CHECK_LOCKDOWN">
        <source>What could break out of this kiosk</source>
        <translation>Cosa potrebbe aggirare il blocco del chiosco</translation>
    </message>
    <message id="TEXT_LOCKDOWN_PROBES">
        <source>Probes</source>
        <translation>Controlli</translation>
    </message>
    <message id="TEXT_PROBE_PASSED">
        <source>Passed</source>
        <translation>Superato</translation>
    </message>
    <message id="TEXT_PROBE_WARNING">
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message id="TEXT_PROBE_FAILED">
        <source>Failed</source>
        <translation>Non superato</translation>
    </message>
    <message id="TEXT_LOCKDOWN_UNAVAILABLE">
        <source>The check cannot run here: start Korvel in its kiosk session.</source>
        <translation>Qui la verifica non può essere eseguita: avvia Korvel nella sua sessione chiosco.</translation>
    </message>
    <message id="TEXT_WEB_ENGINE">
        <source>Web engine</source>
        <translation>Motore web</translation>
    </message>
    <message id="TEXT_WHEN">
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message id="TEXT_YES">
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message id="THIS_FILE_IS_PASSWORD_PROTECTED">
        <source>This file is password protected.</source>
        <translation>Questo file è protetto da password.</translation>
    </message>
    <message id="TITLE_CLOUD_ID_QR_CODE">
        <source>Cloud ID QR Code</source>
        <translation>Codice QR dell'ID cloud</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_SYSTEM_SETTINGS">
        <source>Korvel in the system's settings</source>
        <translation>Korvel nelle impostazioni di sistema</translation>
    </message>
    <message id="TITLE_DOWNLOAD_SUCCESSFULLY">
        <source>Downloaded successfully</source>
        <translation>Download completato</translation>
    </message>
    <message id="TITLE_EDIT">
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message id="TITLE_PDF_FILE">
        <source>PDF File</source>
        <translation>File PDF</translation>
    </message>
    <message id="TITLE_SCAN_QR">
        <source>Scan QR Code</source>
        <translation>Scansiona codice QR</translation>
    </message>
    <message id="TITLE_SELECT_ALL">
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message id="TITLE_SYSTEM_SETTINGS">
        <source>System Settings</source>
        <translation>Impostazioni di sistema</translation>
    </message>
    <message id="TITLE_UNSELECT_ALL">
        <source>Unselect All</source>
        <translation>Deseleziona tutto</translation>
    </message>
    <message id="TXT_DOWNLOAD">
        <source>Download</source>
        <translation>Scarica</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_OPEN_WARNING">
        <source>Anyone on this network can change the documents folder</source>
        <translation>Chiunque in questa rete può modificare la cartella Documenti</translation>
    </message>
    <message id="TEXT_SET_ACCESS_CODE">
        <source>Set access code</source>
        <translation>Imposta codice di accesso</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE">
        <source>Open on a Phone</source>
        <translation>Apri su un telefono</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL">
        <source>The address as a QR code, and the certificate's fingerprint</source>
        <translation>L'indirizzo come codice QR e l'impronta digitale del certificato</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS">
        <source>Use HTTPS</source>
        <translation>Usa HTTPS</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Con il certificato del dispositivo, che il telefono verifica tramite l'impronta digitale</translation>
    </message>
    <message id="TITLE_UPLOAD_SERVER_ON_A_PHONE">
        <source>Upload Server on a Phone</source>
        <translation>Server di caricamento su un telefono</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_NO_ADDRESS">
        <source>The upload server is not running, or this device has no address on the network.</source>
        <translation>Il server di caricamento non è attivo oppure questo dispositivo non ha un indirizzo di rete.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_SCAN">
        <source>Scan the code with a phone's camera to open the upload page.</source>
        <translation>Scansiona il codice con la fotocamera di un telefono per aprire la pagina di caricamento.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_PLAIN">
        <source>The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network.</source>
        <translation>La pagina e il codice di accesso viaggiano non crittografati. Attiva “Usa HTTPS” per proteggerli sulla rete.</translation>
    </message>
    <message id="TEXT_CERTIFICATE_MISSING">
        <source>The device's certificate cannot be had: %1</source>
        <translation>Impossibile ottenere il certificato del dispositivo: %1</translation>
    </message>
    <message id="TEXT_CERTIFICATE_FINGERPRINT">
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Impronta digitale del certificato (SHA-256)</translation>
    </message>
    <message id="TEXT_CERTIFICATE_CHECK">
        <source>The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one.</source>
        <translation>Il browser del telefono mostra un avviso per il certificato di questo dispositivo. Prosegui solo se l'impronta digitale SHA-256 indicata è questa.</translation>
    </message>
    <message id="TEXT_RECOVERY_SETTINGS">
        <source>Recovery</source>
        <translation>Ripristino</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT">
        <source>Page Memory Limit (MB)</source>
        <translation>Limite memoria pagina (MB)</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Una pagina il cui renderer supera questo limite viene ricaricata appena nessuno tocca il chiosco. 0: 1 GiB o metà della memoria, il valore minore.</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_INVALID">
        <source>Invalid memory limit. Please enter megabytes, or 0 for the automatic limit.</source>
        <translation>Limite di memoria non valido. Inserisci un valore in megabyte oppure 0 per il limite automatico.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Riavvio giornaliero alle (HH:MM)</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel si riavvia a quest'ora, o più tardi appena nessuno lo usa. Vuoto: mai.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_INVALID">
        <source>Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart.</source>
        <translation>Inserisci un orario nel formato HH:MM (24 ore) oppure niente per nessun riavvio giornaliero.</translation>
    </message>
    <message id="TEXT_BOUNCE_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Nessun effetto su questo dispositivo: il motore web scorre le pagine senza rimbalzo.</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS">
        <source>Enable Browser Plugins</source>
        <translation>Attiva plug-in del browser</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Consente alle pagine di usare i plug-in del motore web. Qui non è installato alcun plug-in per questo motore, quindi non cambia nulla.</translation>
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
        <translation>Stampante</translation>
    </message>
    <message id="BROWSER_PRINT_FAILED">
        <source>Cannot complete print request</source>
        <translation>Impossibile completare la stampa</translation>
    </message>
    <message id="BROWSER_AUTH_REQUIRED">
        <source>Authentication Required</source>
        <translation>Autenticazione richiesta</translation>
    </message>
    <message id="BROWSER_AUTH_LOGIN">
        <source>Login</source>
        <translation>Accedi</translation>
    </message>
    <message id="BROWSER_POPUPS_BLOCKED">
        <source>Popups are blocked!</source>
        <translation>I pop-up sono bloccati!</translation>
    </message>
    <message id="BROWSER_APP_NOT_AVAILABLE">
        <source>Application is not available. Please install.</source>
        <translation>L'applicazione non è disponibile. Installala.</translation>
    </message>
    <message id="HOME_ACCESS_DENIED">
        <source>Access Denied for %1</source>
        <translation>Accesso negato per %1</translation>
    </message>
    <message id="APP_PASSWORD_PROMPT">
        <source>Enter password to enter settings.</source>
        <translation>Inserisci la password per aprire le impostazioni.</translation>
    </message>
    <message id="APP_DEFAULT_PASSWORD">
        <source>Default password is %1</source>
        <translation>La password predefinita è %1</translation>
    </message>
    <message id="APP_WRONG_PASSWORD">
        <source>Wrong Password!</source>
        <translation>Password errata!</translation>
    </message>
    <message id="APP_LANGUAGE">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="APP_LANGUAGE_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>La lingua delle schermate e della tastiera sullo schermo, e la lingua preferita per le pagine web.</translation>
    </message>
    <message id="APP_LANGUAGE_SYSTEM">
        <source>System Language</source>
        <translation>Lingua di sistema</translation>
    </message>
    <message id="FILES_HISTORY_DELETE_COUNT" numerus="yes">
        <source>%n entries will be removed from the history.</source>
        <translation>
            <numerusform>%n voce verrà rimossa dalla cronologia.</numerusform>
            <numerusform>%n voci verranno rimosse dalla cronologia.</numerusform>
        </translation>
    </message>
    <message id="BROWSER_ERROR_TITLE">
        <source>ERROR</source>
        <translation>ERRORE</translation>
    </message>
    <message id="PREF_RefreshOnError_TITLE">
        <source>Refresh Current Page on Recovering from Error</source>
        <translation>Ricarica la pagina dopo un errore risolto</translation>
    </message>
    <message id="PREF_CopyPaste_TITLE">
        <source>Enable Copy Paste</source>
        <translation>Attiva copia e incolla</translation>
    </message>
    <message id="PREF_PhoneLinks_TITLE">
        <source>Phone Numbers</source>
        <translation>Numeri di telefono</translation>
    </message>
    <message id="PREF_PhoneLinks_DETAIL">
        <source>This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application.</source>
        <translation>Questo dispositivo non effettua chiamate: un link toccato a un numero di telefono, un'e-mail o un messaggio viene solo registrato, mai passato a un'altra applicazione.</translation>
    </message>
    <message id="PREF_PrintLinks_TITLE">
        <source>Print Links</source>
        <translation>Link di stampa</translation>
    </message>
    <message id="PREF_PrintLinks_DETAIL">
        <source>A page's own print link prints the page.</source>
        <translation>Il link di stampa di una pagina stampa la pagina.</translation>
    </message>
    <message id="PREF_DrivingMode_TITLE">
        <source>Motion Detection</source>
        <translation>Rilevamento movimento</translation>
    </message>
    <message id="PREF_DrivingMode_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Blocca lo schermo mentre il dispositivo si muove (dispositivi con modem dati mobile)</translation>
    </message>
    <message id="PREF_MotionType_TITLE">
        <source>Sensitivity</source>
        <translation>Sensibilità</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Walking">
        <source>Walking</source>
        <translation>Camminata</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Running">
        <source>Running</source>
        <translation>Corsa</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Automotive">
        <source>Automotive</source>
        <translation>Veicolo</translation>
    </message>
    <message id="PREF_IdleTimeout_TITLE">
        <source>Idle Timeout (Seconds)</source>
        <translation>Tempo di inattività (secondi)</translation>
    </message>
    <message id="PREF_AllowAllWebsites_TITLE">
        <source>Allow All Websites</source>
        <translation>Consenti tutti i siti web</translation>
    </message>
    <message id="PREF_AllowAllWebsites_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Tutti i siti web tranne quelli bloccati, elencati nel menu</translation>
    </message>
    <message id="PREF_AllowContentBlocking_TITLE">
        <source>Enable Content Blocking</source>
        <translation>Attiva blocco contenuti</translation>
    </message>
    <message id="PREF_AllowContentBlocking_DETAIL">
        <source>Enable to allow content blocking</source>
        <translation>Consente di bloccare i contenuti</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_TITLE">
        <source>Add keywords to block access</source>
        <translation>Aggiungi parole chiave da bloccare</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_DETAIL">
        <source>Block sites containing the keywords</source>
        <translation>Blocca i siti che contengono le parole chiave</translation>
    </message>
    <message id="PREF_IgnoreSSLWarnings_TITLE">
        <source>Ignore SSL Warnings</source>
        <translation>Ignora avvisi SSL</translation>
    </message>
    <message id="PREF_GoHomeOnNetworkGain_TITLE">
        <source>Go to Home on Network Gain</source>
        <translation>Torna alla Home quando c'è di nuovo rete</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_TITLE">
        <source>Go to Home</source>
        <translation>Torna alla Home</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_DETAIL">
        <source>Goto Home Screen on idletimeout</source>
        <translation>Torna alla schermata Home dopo il tempo di inattività</translation>
    </message>
    <message id="PREF_EnableMenu_TITLE">
        <source>Show Options Menu on Browser Screen</source>
        <translation>Mostra menu opzioni nel browser</translation>
    </message>
    <message id="PREF_PrivateBrowsing_TITLE">
        <source>Clear Cookies on Home</source>
        <translation>Cancella i cookie tornando alla Home</translation>
    </message>
    <message id="PREF_OfflineCacheBrowsing_TITLE">
        <source>Clear App Cache on Home</source>
        <translation>Svuota la cache dell'app tornando alla Home</translation>
    </message>
    <message id="PREF_PluginsEnable_TITLE">
        <source>Enable Browser Plugins</source>
        <translation>Attiva plug-in del browser</translation>
    </message>
    <message id="PREF_PluginsEnable_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Consente alle pagine di usare i plug-in del motore web. Qui non è installato alcun plug-in per questo motore, quindi non cambia nulla.</translation>
    </message>
    <message id="PREF_Wallpaper_TITLE">
        <source>Wallpaper</source>
        <translation>Sfondo</translation>
    </message>
    <message id="PREF_ZoomEnable_TITLE">
        <source>Enable Zoom</source>
        <translation>Attiva zoom</translation>
    </message>
    <message id="PREF_FullScreen_TITLE">
        <source>Enable FullScreen</source>
        <translation>Attiva schermo intero</translation>
    </message>
    <message id="PREF_PreventSuspend_TITLE">
        <source>Prevent Device Suspend</source>
        <translation>Impedisci sospensione del dispositivo</translation>
    </message>
    <message id="PREF_WallpaperStyle_TITLE">
        <source>Wallpaper Style</source>
        <translation>Stile sfondo</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Center">
        <source>Center</source>
        <translation>Centrato</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Stretch">
        <source>Stretch</source>
        <translation>Estendi</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_AspectFit">
        <source>AspectFit</source>
        <translation>Adatta</translation>
    </message>
    <message id="PREF_BrowserOrientation_TITLE">
        <source>Browser Orientation</source>
        <translation>Orientamento browser</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_None">
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Landscape">
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Portrait">
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message id="PREF_PasswordTimeout_TITLE">
        <source>Restrict Settings after (Minutes)</source>
        <translation>Blocca impostazioni dopo (minuti)</translation>
    </message>
    <message id="PREF_RestrictSettings_TITLE">
        <source>Restrict Korvel Settings Menu</source>
        <translation>Limita menu impostazioni di Korvel</translation>
    </message>
    <message id="PREF_UserAgents_TITLE">
        <source>User Agent</source>
        <translation>User agent</translation>
    </message>
    <message id="PREF_MakeToast_TITLE">
        <source>Enable Toast Messages</source>
        <translation>Attiva messaggi brevi</translation>
    </message>
    <message id="PREF_EnableScreenSaver_TITLE">
        <source>Enable ScreenSaver</source>
        <translation>Attiva salvaschermo</translation>
    </message>
    <message id="PREF_EnableScreenSaver_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Si avvia dopo il tempo di inattività; basta un tocco per chiuderlo.</translation>
    </message>
    <message id="PREF_ScreenSaver_TITLE">
        <source>Show</source>
        <translation>Mostra</translation>
    </message>
    <message id="PREF_ScreenSaver_DETAIL">
        <source>https://... or a file name</source>
        <translation>https://... o un nome di file</translation>
    </message>
    <message id="PREF_EnableToolBar_TITLE">
        <source>Show Navigation Toolbar</source>
        <translation>Mostra barra di navigazione</translation>
    </message>
    <message id="PREF_NumberOfTaps_TITLE">
        <source>Tap count</source>
        <translation>Numero di tocchi</translation>
    </message>
    <message id="PREF_NumberOfTaps_DETAIL">
        <source>Number of taps to access settings. Default 5.</source>
        <translation>Tocchi necessari per aprire le impostazioni. Predefinito: 5.</translation>
    </message>
    <message id="PREF_AccessDenied_TITLE">
        <source>Go to Home on Access Denied</source>
        <translation>Torna alla Home se l'accesso è negato</translation>
    </message>
    <message id="PREF_ServerSwitch_TITLE">
        <source>Enable Upload Server</source>
        <translation>Attiva server di caricamento</translation>
    </message>
    <message id="PREF_Port_TITLE">
        <source>Run on Port</source>
        <translation>Porta</translation>
    </message>
    <message id="PREF_UploadAccessCode_TITLE">
        <source>Upload Access Code</source>
        <translation>Codice di accesso per caricamento</translation>
    </message>
    <message id="PREF_UploadAccessCode_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Richiesto a ogni altro dispositivo che usa il server di caricamento; se vuoto, il server resta aperto.</translation>
    </message>
    <message id="PREF_UploadServerTLS_TITLE">
        <source>Use HTTPS</source>
        <translation>Usa HTTPS</translation>
    </message>
    <message id="PREF_UploadServerTLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Con il certificato del dispositivo, che il telefono verifica tramite l'impronta digitale</translation>
    </message>
    <message id="PREF_Zoom_TITLE">
        <source>Set Initial Zoom Level</source>
        <translation>Imposta livello di zoom iniziale</translation>
    </message>
    <message id="PREF_Bounce_TITLE">
        <source>WebView Bounce</source>
        <translation>Rimbalzo delle pagine</translation>
    </message>
    <message id="PREF_Bounce_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Nessun effetto su questo dispositivo: il motore web scorre le pagine senza rimbalzo.</translation>
    </message>
    <message id="PREF_AllowPopup_TITLE">
        <source>Allow Pop-Ups</source>
        <translation>Consenti pop-up</translation>
    </message>
    <message id="PREF_AllowPopupInSameWindow_TITLE">
        <source>Show Pop-Ups in same window</source>
        <translation>Mostra pop-up nella stessa finestra</translation>
    </message>
    <message id="PREF_EnableRefreshButton_TITLE">
        <source>Show Refresh Button</source>
        <translation>Mostra pulsante Ricarica</translation>
    </message>
    <message id="PREF_EnableHomeButton_TITLE">
        <source>Show Home Button</source>
        <translation>Mostra pulsante Home</translation>
    </message>
    <message id="PREF_EnableBackButton_TITLE">
        <source>Show Back Button</source>
        <translation>Mostra pulsante Indietro</translation>
    </message>
    <message id="PREF_EnableForwardButton_TITLE">
        <source>Show Forward Button</source>
        <translation>Mostra pulsante Avanti</translation>
    </message>
    <message id="PREF_EnablePrintButton_TITLE">
        <source>Show Print Button</source>
        <translation>Mostra pulsante Stampa</translation>
    </message>
    <message id="PREF_RefreshImage_TITLE">
        <source>Refresh Button Image</source>
        <translation>Immagine pulsante Ricarica</translation>
    </message>
    <message id="PREF_RefreshImage_DETAIL">
        <source>Image used to show Refresh Button. Recommended size: 44*44</source>
        <translation>Immagine del pulsante Ricarica. Dimensione consigliata: 44*44</translation>
    </message>
    <message id="PREF_HomeImage_TITLE">
        <source>Home Button Image</source>
        <translation>Immagine pulsante Home</translation>
    </message>
    <message id="PREF_HomeImage_DETAIL">
        <source>Image used to show Home Button. Recommended size: 44*44</source>
        <translation>Immagine del pulsante Home. Dimensione consigliata: 44*44</translation>
    </message>
    <message id="PREF_BackImage_TITLE">
        <source>Back Button Image</source>
        <translation>Immagine pulsante Indietro</translation>
    </message>
    <message id="PREF_BackImage_DETAIL">
        <source>Image used to show Back Button. Recommended size: 44*44</source>
        <translation>Immagine del pulsante Indietro. Dimensione consigliata: 44*44</translation>
    </message>
    <message id="PREF_ForwardImage_TITLE">
        <source>Forward Button Image</source>
        <translation>Immagine pulsante Avanti</translation>
    </message>
    <message id="PREF_ForwardImage_DETAIL">
        <source>Image used to show Forward Button. Recommended size: 44*44</source>
        <translation>Immagine del pulsante Avanti. Dimensione consigliata: 44*44</translation>
    </message>
    <message id="PREF_PrintImage_TITLE">
        <source>Print Button Image</source>
        <translation>Immagine pulsante Stampa</translation>
    </message>
    <message id="PREF_PrintImage_DETAIL">
        <source>Image used to show Print Button. Recommended size: 44*44</source>
        <translation>Immagine del pulsante Stampa. Dimensione consigliata: 44*44</translation>
    </message>
    <message id="PREF_ToolbarImage_TITLE">
        <source>Toolbar Background</source>
        <translation>Sfondo barra degli strumenti</translation>
    </message>
    <message id="PREF_ToolbarImage_DETAIL">
        <source>Image for Navigation Toolbar Background</source>
        <translation>Immagine di sfondo della barra di navigazione</translation>
    </message>
    <message id="PREF_Brightness_TITLE">
        <source>Adjust Brightness</source>
        <translation>Regola luminosità</translation>
    </message>
    <message id="PREF_AllowDragDrop_TITLE">
        <source>Allow Icon Relocation</source>
        <translation>Consenti spostamento icone</translation>
    </message>
    <message id="PREF_AllowResize_TITLE">
        <source>Allow Icon Resize</source>
        <translation>Consenti ridimensionamento icone</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_TITLE">
        <source>Schedule Power Saver</source>
        <translation>Pianifica risparmio energetico</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Attenua dopo il tempo di inattività solo in queste ore</translation>
    </message>
    <message id="PREF_StartTime_TITLE">
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message id="PREF_StartTime_DETAIL">
        <source>Hours</source>
        <translation>Orari</translation>
    </message>
    <message id="PREF_EndTime_TITLE">
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message id="PREF_EndTime_DETAIL">
        <source>Hours</source>
        <translation>Orari</translation>
    </message>
    <message id="PREF_DaySelected_TITLE">
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message id="PREF_AlwaysSavePower_TITLE">
        <source>Always Save Power</source>
        <translation>Risparmia sempre energia</translation>
    </message>
    <message id="PREF_AlwaysSavePower_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Attenua lo schermo dopo ogni tempo di inattività</translation>
    </message>
    <message id="PREF_UseMultiTab_TITLE">
        <source>Enable Multi-Tab</source>
        <translation>Attiva più schede</translation>
    </message>
    <message id="PREF_EnableLoadingIcon_TITLE">
        <source>Enable Loading Icon</source>
        <translation>Attiva icona di caricamento</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_TITLE">
        <source>Custom User Agent Header</source>
        <translation>Intestazione user agent personalizzata</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_DETAIL">
        <source>Note:If Header field is empty.Default header is set to Korvel.</source>
        <translation>Nota: se il campo è vuoto, viene usata l'intestazione predefinita di Korvel.</translation>
    </message>
    <message id="PREF_EnableCustomUserAgentHeader_TITLE">
        <source>Enable Custom User Agent Header</source>
        <translation>Attiva intestazione user agent personalizzata</translation>
    </message>
    <message id="PREF_CountOfTabs_TITLE">
        <source>Maximum Number of Tab(s)</source>
        <translation>Numero massimo di schede</translation>
    </message>
    <message id="PREF_CountOfTabs_DETAIL">
        <source>Enter a value between 1 to 8.</source>
        <translation>Inserisci un valore da 1 a 8.</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_TITLE">
        <source>Show Files Using Google Docs</source>
        <translation>Mostra file con Documenti Google</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_DETAIL">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>I documenti che il chiosco non può mostrare si aprono nel visualizzatore online di Google (docs.google.com), che li recupera dal loro indirizzo: consenti anche docs.google.com.</translation>
    </message>
    <message id="PREF_AllowPDFViewer_TITLE">
        <source>PDF Viewer</source>
        <translation>Visualizzatore PDF</translation>
    </message>
    <message id="PREF_AllowPDFViewer_DETAIL">
        <source>Opens PDF documents in the kiosk's own reader.</source>
        <translation>Apre i documenti PDF nel visualizzatore integrato del chiosco.</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_TITLE">
        <source>Allow Download</source>
        <translation>Consenti download</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_DETAIL">
        <source>The reader's Download button saves the document in Documents.</source>
        <translation>Il pulsante Scarica del visualizzatore salva il documento in Documenti.</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_TITLE">
        <source>Allow Print</source>
        <translation>Consenti stampa</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_DETAIL">
        <source>The reader's Share sheet offers printing.</source>
        <translation>Il menu Condividi del visualizzatore offre la stampa.</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_TITLE">
        <source>Allow Downloads</source>
        <translation>Consenti download</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_DETAIL">
        <source>Allows files to be downloaded to this device</source>
        <translation>Consente di scaricare file su questo dispositivo</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_TITLE">
        <source>Open File After Download</source>
        <translation>Apri file dopo il download</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_DETAIL">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Apre un file appena è stato scaricato</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_TITLE">
        <source>Keep Download History</source>
        <translation>Conserva cronologia download</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_DETAIL">
        <source>Keeps a list of downloaded files</source>
        <translation>Conserva un elenco dei file scaricati</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_TITLE">
        <source>Page Memory Limit (MB)</source>
        <translation>Limite memoria pagina (MB)</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Una pagina il cui renderer supera questo limite viene ricaricata appena nessuno tocca il chiosco. 0: 1 GiB o metà della memoria, il valore minore.</translation>
    </message>
    <message id="PREF_RestartDailyAt_TITLE">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Riavvio giornaliero alle (HH:MM)</translation>
    </message>
    <message id="PREF_RestartDailyAt_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel si riavvia a quest'ora, o più tardi appena nessuno lo usa. Vuoto: mai.</translation>
    </message>
    <message id="PREF_StrictSubresources_TITLE">
        <source>Strict Loading</source>
        <translation>Caricamento rigoroso</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_TITLE">
        <source>Also allowed for loading</source>
        <translation>Consentiti anche per il caricamento</translation>
    </message>
    <message id="PREF_LearnSubresources_TITLE">
        <source>Learn What Pages Load</source>
        <translation>Impara cosa caricano le pagine</translation>
    </message>
    <message id="ADMIN_ABOUT">
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message id="ADMIN_ABOUT_APPLICATION">
        <source>Application</source>
        <translation>Applicazione</translation>
    </message>
    <message id="ADMIN_ABOUT_VERSION">
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message id="SETTINGS_UPDATE">
        <source>Update</source>
        <translation>Aggiorna</translation>
    </message>
    <message id="SETTINGS_ADD">
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message id="SETTINGS_URL_LABEL">
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITE_DETAILS">
        <source>Blocked Website Details</source>
        <translation>Dettagli sito web bloccato</translation>
    </message>
    <message id="SETTINGS_DELETE_WEBSITE_QUESTION">
        <source>Are you sure you want to delete this website?</source>
        <translation>Eliminare questo sito web?</translation>
    </message>
    <message id="SETTINGS_SCREEN_ADVANCED">
        <source>Advanced Settings</source>
        <translation>Impostazioni avanzate</translation>
    </message>
    <message id="SETTINGS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="SETTINGS_CATEGORY_NONE">
        <source>None</source>
        <translation>Nessuna</translation>
    </message>
    <message id="SETTINGS_WEBSITE_DETAILS">
        <source>Website Details</source>
        <translation>Dettagli sito web</translation>
    </message>
    <message id="SETTINGS_ASSIGN_CATEGORY">
        <source>Assign Category:</source>
        <translation>Assegna categoria:</translation>
    </message>
    <message id="SETTINGS_TITLE_LABEL">
        <source>Title:</source>
        <translation>Titolo:</translation>
    </message>
    <message id="SETTINGS_ICON_PATH_LABEL">
        <source>Icon Path:</source>
        <translation>Percorso icona:</translation>
    </message>
    <message id="SETTINGS_RUN_AT_STARTUP">
        <source>Run At Startup</source>
        <translation>Apri all'avvio</translation>
    </message>
    <message id="SETTINGS_HIDE_ICON">
        <source>Hide Icon</source>
        <translation>Nascondi icona</translation>
    </message>
    <message id="SETTINGS_ALLOW_SUBDOMAIN">
        <source>Allow SubDomain</source>
        <translation>Consenti sottodomini</translation>
    </message>
    <message id="SETTINGS_ALLOW_ONLY_THIS_URL">
        <source>Allow Only This URL</source>
        <translation>Consenti solo questo URL</translation>
    </message>
    <message id="SETTINGS_USE_FAVICON">
        <source>Use Favicon</source>
        <translation>Usa favicon</translation>
    </message>
    <message id="SETTINGS_SET_AS_ERROR_PAGE">
        <source>Set as Error Page</source>
        <translation>Imposta come pagina di errore</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES">
        <source>Save Changes?</source>
        <translation>Salvare le modifiche?</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES_QUESTION">
        <source>Do you wish to save the changes?</source>
        <translation>Vuoi salvare le modifiche?</translation>
    </message>
    <message id="SETTINGS_ADD_NEW_CATEGORY">
        <source>+ Add New Category</source>
        <translation>+ Aggiungi categoria</translation>
    </message>
    <message id="SETTINGS_CURRENT_BRIGHTNESS">
        <source>Current Brightness: %d %%</source>
        <translation>Luminosità attuale: %d %%</translation>
    </message>
    <message id="SETTINGS_SCREEN_BROWSER_PREFERENCES">
        <source>Browser Preferences</source>
        <translation>Preferenze browser</translation>
    </message>
    <message id="SETTINGS_SERVER_OFF">
        <source>Server is OFF</source>
        <translation>Il server è spento</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON">
        <source>Server Running on: %@:%ld</source>
        <translation>Server attivo su: %@:%ld</translation>
    </message>
    <message id="SETTINGS_DEFAULT">
        <source>Default</source>
        <translation>Predefinito</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT">
        <source>Reset Icon Layout</source>
        <translation>Ripristina disposizione icone</translation>
    </message>
    <message id="SETTINGS_WALLPAPER_PLACEHOLDER">
        <source>&lt;enter file name in documents directory&gt;</source>
        <translation>&lt;nome di un file nella cartella Documenti&gt;</translation>
    </message>
    <message id="SETTINGS_SECTION_ADMIN">
        <source>Browser Admin Settings</source>
        <translation>Impostazioni amministratore browser</translation>
    </message>
    <message id="SETTINGS_SECTION_PRIVACY">
        <source>Privacy Settings</source>
        <translation>Impostazioni privacy</translation>
    </message>
    <message id="SETTINGS_SECTION_WINDOW">
        <source>Browser Window Settings</source>
        <translation>Impostazioni finestra browser</translation>
    </message>
    <message id="SETTINGS_SECTION_WALLPAPER">
        <source>Wallpaper Settings</source>
        <translation>Impostazioni sfondo</translation>
    </message>
    <message id="SETTINGS_SECTION_IDLE">
        <source>Idle Timeout Settings</source>
        <translation>Impostazioni tempo di inattività</translation>
    </message>
    <message id="SETTINGS_SECTION_SERVER">
        <source>Server Settings</source>
        <translation>Impostazioni server</translation>
    </message>
    <message id="SETTINGS_SCREEN_NAVIGATION_TOOLBAR">
        <source>Configure Navigation Toolbar</source>
        <translation>Configura barra di navigazione</translation>
    </message>
    <message id="SETTINGS_CONFIGURE_TOOLBAR_DETAIL">
        <source>Tap to configure the toolbar.</source>
        <translation>Tocca per configurare la barra degli strumenti.</translation>
    </message>
    <message id="SETTINGS_SCREEN_SPECIAL_LINKS">
        <source>Enable Special Links</source>
        <translation>Attiva link speciali</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE">
        <source>ScreenSaver Mode</source>
        <translation>Modalità salvaschermo</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE_DETAIL">
        <source>Tap to configure ScreenSaver on idletimeout</source>
        <translation>Tocca per configurare il salvaschermo dopo il tempo di inattività</translation>
    </message>
    <message id="SETTINGS_SCREEN_POWER_SAVER">
        <source>Power Saver Mode</source>
        <translation>Modalità risparmio energetico</translation>
    </message>
    <message id="SETTINGS_POWER_SAVER_MODE_DETAIL">
        <source>Tap to configure Power Saver on idletimeout</source>
        <translation>Tocca per configurare il risparmio energetico dopo il tempo di inattività</translation>
    </message>
    <message id="SETTINGS_NOT_SAVED">
        <source>The settings could not be saved.</source>
        <translation>Impossibile salvare le impostazioni.</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON_URL">
        <source>Running on URL: %@:%ld</source>
        <translation>Attivo all'URL: %@:%ld</translation>
    </message>
    <message id="SETTINGS_SERVER_ERROR">
        <source>Error running the server</source>
        <translation>Errore di esecuzione del server</translation>
    </message>
    <message id="SETTINGS_SERVER_NO_ADDRESS">
        <source>Local ip could not be retrieved. Please check your wifi settings.</source>
        <translation>Impossibile ottenere l'indirizzo IP locale. Controlla le impostazioni Wi-Fi.</translation>
    </message>
    <message id="SETTINGS_SERVER_RESTART">
        <source>Error running server. Please switch on/off again</source>
        <translation>Errore di esecuzione del server. Spegnilo e riaccendilo.</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT_QUESTION">
        <source>Do you want to reset the icon layout on Korvel HomeScreen ?</source>
        <translation>Ripristinare la disposizione delle icone nella schermata Home di Korvel?</translation>
    </message>
    <message id="SETTINGS_ICON_LAYOUT_RESET">
        <source>Icon Layout set to default</source>
        <translation>Disposizione icone ripristinata</translation>
    </message>
    <message id="SETTINGS_ENABLE_TOOLBAR_FIRST">
        <source>Enable 'Show Navigation Toolbar' to configure.</source>
        <translation>Per configurarla, attiva “Mostra barra di navigazione”.</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_FILE">
        <source>Please select a valid file</source>
        <translation>Seleziona un file valido</translation>
    </message>
    <message id="SETTINGS_INVALID_FILE">
        <source>Invalid File!</source>
        <translation>File non valido!</translation>
    </message>
    <message id="LOG_TITLE">
        <source>Korvel Log</source>
        <translation>Registro di Korvel</translation>
    </message>
    <message id="LOG_CLEAR">
        <source>Clear Log</source>
        <translation>Cancella registro</translation>
    </message>
    <message id="LOG_CLEAR_QUESTION">
        <source>Are you sure?</source>
        <translation>Confermi?</translation>
    </message>
    <message id="LOG_ALLOW_WEBSITE_QUESTION">
        <source>Allow this WebSite: %@ ?</source>
        <translation>Consentire questo sito web: %@?</translation>
    </message>
    <message id="LOG_ALLOW">
        <source>Allow</source>
        <translation>Consenti</translation>
    </message>
    <message id="LOG_DELETE_WEBSITE_QUESTION">
        <source>Delete this URL from Allowed WebSites: %@ ?</source>
        <translation>Eliminare questo URL dai siti web consentiti: %@?</translation>
    </message>
    <message id="LOG_WEBSITE_ALLOWED">
        <source>Website Allowed!</source>
        <translation>Sito web consentito!</translation>
    </message>
    <message id="LOG_WEBSITE_DELETED">
        <source> Website Deleted!</source>
        <translation> Sito web eliminato!</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message id="LOG_PREPARING">
        <source>Preparing Logs...</source>
        <translation>Preparazione del registro...</translation>
    </message>
    <message id="SETTINGS_CATEGORY_DETAILS">
        <source>Enter Category Details</source>
        <translation>Inserisci i dettagli della categoria</translation>
    </message>
    <message id="SETTINGS_DELETE_CATEGORY_QUESTION">
        <source>Are you sure you want to delete this category?</source>
        <translation>Eliminare questa categoria?</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_BUTTONS">
        <source>Buttons</source>
        <translation>Pulsanti</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_IMAGES">
        <source>Images</source>
        <translation>Immagini</translation>
    </message>
    <message id="SETTINGS_CHECK_AND_RETRY">
        <source>Please check and try again</source>
        <translation>Controlla e riprova</translation>
    </message>
    <message id="SETTINGS_INVALID_IMAGE_FILE">
        <source>Invalid Image File!</source>
        <translation>File immagine non valido!</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_IMAGE">
        <source>Please select a valid image file</source>
        <translation>Seleziona un file immagine valido</translation>
    </message>
    <message id="SETTINGS_ALLOWED_WEBSITES">
        <source>Allowed Websites</source>
        <translation>Siti web consentiti</translation>
    </message>
    <message id="SETTINGS_EDIT_CATEGORIES">
        <source>Add/Edit Categories</source>
        <translation>Aggiungi/modifica categorie</translation>
    </message>
    <message id="SETTINGS_SEARCH_CATEGORY">
        <source>Search Category</source>
        <translation>Cerca categoria</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITES">
        <source>Blocked Websites</source>
        <translation>Siti web bloccati</translation>
    </message>
    <message id="SETTINGS_SCREEN_SCREENSAVER">
        <source>Screensaver Mode</source>
        <translation>Modalità salvaschermo</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_SCREENSAVER_FILE">
        <source>Please select a valid Image/Video/HTML file</source>
        <translation>Seleziona un file immagine, video o HTML valido</translation>
    </message>
    <message id="SETTINGS_SEARCH_TITLE">
        <source>Search Settings</source>
        <translation>Cerca impostazioni</translation>
    </message>
    <message id="SETTINGS_SET">
        <source>Set</source>
        <translation>Imposta</translation>
    </message>
    <message id="ADMIN_WELCOME_GET_STARTED">
        <source>Get Started</source>
        <translation>Inizia</translation>
    </message>
    <message id="CLOUD_IMPORT_FROM_CLOUD">
        <source>Import from Cloud</source>
        <translation>Importa dal cloud</translation>
    </message>
    <message id="ADMIN_WELCOME_GOT_IT">
        <source>OK, Got it</source>
        <translation>OK, ho capito</translation>
    </message>
    <message id="SETTINGS_INVALID_TAB_COUNT">
        <source>Invalid Number of Tabs. Please enter value between or equal to 1 - 8.</source>
        <translation>Numero di schede non valido. Inserisci un valore da 1 a 8.</translation>
    </message>
    <message id="SETTINGS_MENU_ALLOWED_DETAIL">
        <source>List of allowed websites</source>
        <translation>Elenco dei siti web consentiti</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES">
        <source>Manage Categories</source>
        <translation>Gestisci categorie</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES_DETAIL">
        <source>Add/Edit/Remove Categories</source>
        <translation>Aggiungi, modifica o rimuovi categorie</translation>
    </message>
    <message id="SETTINGS_MENU_BROWSER_PREFERENCES_DETAIL">
        <source>Korvel Browser Preferences</source>
        <translation>Preferenze del browser Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_ADVANCED_DETAIL">
        <source>Korvel Advanced Settings</source>
        <translation>Impostazioni avanzate di Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_IMPORT_EXPORT">
        <source>Import/Export</source>
        <translation>Importa/esporta</translation>
    </message>
    <message id="TRANSFER_TITLE">
        <source>Import/Export Settings</source>
        <translation>Importa/esporta impostazioni</translation>
    </message>
    <message id="SETTINGS_MENU_LOG">
        <source>View Korvel Log</source>
        <translation>Mostra registro di Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_BLOCKED_DETAIL">
        <source>List of blocked websites</source>
        <translation>Elenco dei siti web bloccati</translation>
    </message>
    <message id="SETTINGS_ADMIN_PASSWORD_DETAIL">
        <source>The password that opens these settings</source>
        <translation>La password che apre queste impostazioni</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_FILE">
        <source>Export to File</source>
        <translation>Esporta su file</translation>
    </message>
    <message id="TRANSFER_TO_FILE_DETAIL">
        <source>To a file in Documents Directory</source>
        <translation>In un file nella cartella Documenti</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD">
        <source>Export to Cloud</source>
        <translation>Esporta nel cloud</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD_DETAIL">
        <source>Export Settings to Cloud storage</source>
        <translation>Esporta le impostazioni nell'archivio cloud</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR">
        <source>Export Settings to Cloud and Generate QR Code</source>
        <translation>Esporta nel cloud e genera codice QR</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR_DETAIL">
        <source>Export Settings to Cloud storage and show Cloud ID as QR Code</source>
        <translation>Esporta le impostazioni nell'archivio cloud e mostra l'ID cloud come codice QR</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR">
        <source>Export for Pellmor</source>
        <translation>Esporta per Pellmor</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR_DETAIL">
        <source>Export as txt file for Pellmor Configuration</source>
        <translation>Esporta come file txt per la configurazione di Pellmor</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_FILE">
        <source>Import from File</source>
        <translation>Importa da file</translation>
    </message>
    <message id="TRANSFER_FROM_FILE_DETAIL">
        <source>From a file in Documents Directory</source>
        <translation>Da un file nella cartella Documenti</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_CLOUD_DETAIL">
        <source>Import settings from Cloud storage</source>
        <translation>Importa le impostazioni dall'archivio cloud</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL">
        <source>Import from URL</source>
        <translation>Importa da URL</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL_DETAIL">
        <source>Import settings from URL</source>
        <translation>Importa le impostazioni da un URL</translation>
    </message>
    <message id="TRANSFER_RESET">
        <source>Reset Settings</source>
        <translation>Ripristina impostazioni</translation>
    </message>
    <message id="TRANSFER_RESET_DETAIL">
        <source>Set settings to default</source>
        <translation>Riporta le impostazioni ai valori predefiniti</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT">
        <source>AutoImport Korvel Settings:</source>
        <translation>Importazione automatica impostazioni Korvel:</translation>
    </message>
    <message id="TRANSFER_AUTOMATIC_IMPORT">
        <source>Automatic Import</source>
        <translation>Importazione automatica</translation>
    </message>
    <message id="TRANSFER_PERIOD">
        <source>Periodically Check (Minutes)</source>
        <translation>Controlla periodicamente (minuti)</translation>
    </message>
    <message id="CLOUD_EXPORT_NEW_ID">
        <source>Export to New Cloud ID</source>
        <translation>Esporta in un nuovo ID cloud</translation>
    </message>
    <message id="CLOUD_EXPORT_EXISTING_ID">
        <source>Export to existing ID</source>
        <translation>Esporta in un ID esistente</translation>
    </message>
    <message id="CLOUD_EXPORTING">
        <source>Exporting..</source>
        <translation>Esportazione...</translation>
    </message>
    <message id="CLOUD_COPY_ID">
        <source>Copy ID</source>
        <translation>Copia ID</translation>
    </message>
    <message id="QR_SCAN_FOR_CLOUD_ID">
        <source>Scan this QRCode for Cloud ID: %1</source>
        <translation>Scansiona questo codice QR per l'ID cloud: %1</translation>
    </message>
    <message id="QR_SAVE">
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message id="QR_SHARE">
        <source>Share</source>
        <translation>Condividi</translation>
    </message>
    <message id="QR_SAVED">
        <source>Successfully saved photo</source>
        <translation>Foto salvata</translation>
    </message>
    <message id="TRANSFER_EXPORT_SETTINGS">
        <source>Export Settings</source>
        <translation>Esporta impostazioni</translation>
    </message>
    <message id="CLOUD_AUTO_IMPORT_TITLE">
        <source>Auto Import from Cloud</source>
        <translation>Importazione automatica dal cloud</translation>
    </message>
    <message id="CLOUD_IMPORTING">
        <source>Importing..</source>
        <translation>Importazione...</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_FROM">
        <source>Auto Import From</source>
        <translation>Importa automaticamente da</translation>
    </message>
    <message id="TRANSFER_SOURCE_FILE">
        <source>File</source>
        <translation>File</translation>
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
        <translation>Percorso:</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_CLOUD">
        <source>Automatic import from Cloud</source>
        <translation>Importazione automatica dal cloud</translation>
    </message>
    <message id="TRANSFER_CLOUD_ID_IN_USE">
        <source>Cloud ID in use: %1</source>
        <translation>ID cloud in uso: %1</translation>
    </message>
    <message id="TRANSFER_NOT_SET">
        <source>Not Set</source>
        <translation>Non impostato</translation>
    </message>
    <message id="TRANSFER_IMPORT_SETTINGS">
        <source>Import Settings</source>
        <translation>Importa impostazioni</translation>
    </message>
    <message id="TRANSFER_EXPORT_FILE_PROMPT">
        <source>Please enter the Filename to export settings</source>
        <translation>Inserisci il nome del file in cui esportare le impostazioni</translation>
    </message>
    <message id="TRANSFER_EXPORT">
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message id="TRANSFER_IMPORT_FILE_PROMPT">
        <source>Please enter the Filename to import settings</source>
        <translation>Inserisci il nome del file da cui importare le impostazioni</translation>
    </message>
    <message id="TRANSFER_IMPORT">
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message id="TRANSFER_IMPORT_URL_PROMPT">
        <source>Please enter the file URL to import settings</source>
        <translation>Inserisci l'URL del file da cui importare le impostazioni</translation>
    </message>
    <message id="TRANSFER_RESET_QUESTION">
        <source>This will reset Korvel settings to defaults. Are you sure?</source>
        <translation>Le impostazioni di Korvel verranno riportate ai valori predefiniti. Confermi?</translation>
    </message>
    <message id="QR_INVALID_ID">
        <source>Invalid ID</source>
        <translation>ID non valido</translation>
    </message>
    <message id="SETTINGS_SCREEN_MULTITAB">
        <source>MultiTab Settings</source>
        <translation>Impostazioni schede multiple</translation>
    </message>
    <message id="SETTINGS_SCREEN_PDF_VIEWER">
        <source>Change PDF Viewer preferences</source>
        <translation>Modifica preferenze visualizzatore PDF</translation>
    </message>
    <message id="SETTINGS_SCREEN_IMPORT_EXPORT">
        <source>Import/Export settings</source>
        <translation>Importa/esporta impostazioni</translation>
    </message>
    <message id="TRANSFER_FIELD_EMPTY">
        <source>Textfield cannot be empty</source>
        <translation>Il campo non può essere vuoto</translation>
    </message>
    <message id="SETTINGS_INVALID_IDLE_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 9 and less than 60000.</source>
        <translation>Tempo non valido. Inserisci un valore maggiore di 9 e minore di 60000.</translation>
    </message>
    <message id="SETTINGS_INVALID_PASSWORD_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 0 and less than 1000.</source>
        <translation>Tempo non valido. Inserisci un valore maggiore di 0 e minore di 1000.</translation>
    </message>
    <message id="SETTINGS_INVALID_TAP_COUNT">
        <source>Invalid Number of Taps. Please enter value between or equal to 4 - 40.</source>
        <translation>Numero di tocchi non valido. Inserisci un valore da 4 a 40.</translation>
    </message>
    <message id="SETTINGS_INVALID_PORT">
        <source>Port cannot be used. Please use port between 1024 and 65535</source>
        <translation>Impossibile usare la porta. Usa una porta tra 1024 e 65535</translation>
    </message>
    <message id="SETTINGS_INVALID_ZOOM">
        <source>Invalid scale: Please enter between 100 and 999</source>
        <translation>Scala non valida: inserisci un valore tra 100 e 999</translation>
    </message>
    <message id="SETTINGS_STRICT_LOADING_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Le pagine caricano solo dai siti web consentiti e dagli host qui sotto</translation>
    </message>
    <message id="SETTINGS_ALSO_ALLOWED_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Host da cui ogni pagina può caricare, con i loro sottodomini</translation>
    </message>
    <message id="SETTINGS_LEARN_LOADING_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Registra gli host; korvelctl learn show e learn apply</translation>
    </message>
    <message id="ADMIN_WELCOME_INSTRUCTIONS">
        <source> 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 6 times within 3 seconds.
 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.
 3. Enter Website Url to be allowed.
 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit.</source>
        <translation> 1. Apri “Impostazioni di Korvel” toccando la schermata di benvenuto 6 volte entro 3 secondi.
 2. Tocca “Siti web consentiti” e seleziona “Aggiungi URL” nella barra di navigazione.
 3. Inserisci l'URL del sito web da consentire.
 4. Tocca “Aggiungi” nella barra di navigazione e torna indietro con la barra di navigazione a sinistra fino a uscire.</translation>
    </message>
    <message id="PREF_Language_TITLE">
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message id="PREF_Language_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>La lingua delle schermate e della tastiera sullo schermo, e la lingua preferita per le pagine web.</translation>
    </message>
    <message id="PREF_StrictSubresources_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Le pagine caricano solo dai siti web consentiti e dagli host qui sotto</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Host da cui ogni pagina può caricare, con i loro sottodomini</translation>
    </message>
    <message id="PREF_LearnSubresources_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Registra gli host; korvelctl learn show e learn apply</translation>
    </message>
    <message id="PREF_SpatialNavigation_TITLE">
        <source>Arrow Key Navigation</source>
        <translation>Navigazione con i tasti freccia</translation>
    </message>
    <message id="PREF_SpatialNavigation_DETAIL">
        <source>Arrow keys move between the links and fields of a page</source>
        <translation>I tasti freccia spostano tra i link e i campi di una pagina</translation>
    </message>
    <message id="PREF_LargerText_TITLE">
        <source>Larger Text</source>
        <translation>Testo più grande</translation>
    </message>
    <message id="PREF_LargerText_DETAIL">
        <source>The kiosk's texts and the pages grow together</source>
        <translation>I testi del chiosco e le pagine si ingrandiscono insieme</translation>
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
        <translation>Contrasto elevato</translation>
    </message>
    <message id="PREF_HighContrast_DETAIL">
        <source>Text stands out at least 7:1 from its background</source>
        <translation>Il testo risalta almeno 7:1 rispetto allo sfondo</translation>
    </message>
</context>
</TS>
