<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name></name>
    <message id="ALLOW_DOWNLOADING_FILES_TO_DEVICE">
        <source>Allows files to be downloaded to this device</source>
        <translation>Staat downloads naar dit apparaat toe</translation>
    </message>
    <message id="ALLOW_DOWNLOADS">
        <source>Allow Downloads</source>
        <translation>Downloads toestaan</translation>
    </message>
    <message id="ALLOW_DOWNLOADS_SHOULD_BE_ENABLED">
        <source>Turn on Allow Downloads first.</source>
        <translation>Schakel eerst ‘Downloads toestaan’ in.</translation>
    </message>
    <message id="BTN_CHOOSE_QR_PICTURE">
        <source>Choose a picture from Documents</source>
        <translation>Kies een afbeelding uit Documenten</translation>
    </message>
    <message id="BTN_TITLE_CANCEL">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="CAMERA_ACCESS_DENIED_ERROR_MESSAGE">
        <source>Korvel may not use the camera, so QR codes cannot be scanned.</source>
        <translation>Korvel mag de camera niet gebruiken, dus QR-codes kunnen niet worden gescand.</translation>
    </message>
    <message id="CAMERA_ACCESS_RESTRICTED_ERROR_MESSAGE">
        <source>The camera may not be used on this device.</source>
        <translation>De camera mag op dit apparaat niet worden gebruikt.</translation>
    </message>
    <message id="CHANGE_PDF_VIEWER_SETTINGS">
        <source>Change PDF Viewer Settings</source>
        <translation>Instellingen PDF-viewer wijzigen</translation>
    </message>
    <message id="CHECK_TO_KEEP_DOWNLOAD_HISTORY">
        <source>Keeps a list of downloaded files</source>
        <translation>Houdt een lijst van gedownloade bestanden bij</translation>
    </message>
    <message id="CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Opent een bestand zodra het is gedownload</translation>
    </message>
    <message id="DETAIL_MESSAGE">
        <source>Delete the selected items?</source>
        <translation>Geselecteerde items verwijderen?</translation>
    </message>
    <message id="DOWNLOADS">
        <source>Download Settings</source>
        <translation>Downloadinstellingen</translation>
    </message>
    <message id="DOWNLOAD_IS_IN_PROGRESS">
        <source>A download is in progress.</source>
        <translation>Er loopt een download.</translation>
    </message>
    <message id="ENABLES_VIEWING_OF_GOOGLE_DOCS">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Documenten die de kiosk niet kan tonen, worden geopend in de onlineviewer van Google (docs.google.com), die ze van hun adres ophaalt: sta docs.google.com ook toe.</translation>
    </message>
    <message id="FILE_DOES_NOT_EXIST">
        <source>The file does not exist any more.</source>
        <translation>Het bestand bestaat niet meer.</translation>
    </message>
    <message id="FILE_SETTINGS">
        <source>File Settings</source>
        <translation>Bestandsinstellingen</translation>
    </message>
    <message id="KEEP_DOWNLOAD_HISTORY">
        <source>Keep Download History</source>
        <translation>Downloadgeschiedenis bewaren</translation>
    </message>
    <message id="KORVEL_DOWNLOADS">
        <source>Korvel Downloads</source>
        <translation>Korvel-downloads</translation>
    </message>
    <message id="OPEN_FILE_AFTER_DOWNLOAD">
        <source>Open File After Download</source>
        <translation>Bestand openen na download</translation>
    </message>
    <message id="OPEN_SOURCE_LICENSES">
        <source>Open Source Licenses</source>
        <translation>Opensourcelicenties</translation>
    </message>
    <message id="PDF_VIEWER">
        <source>PDF Viewer</source>
        <translation>PDF-viewer</translation>
    </message>
    <message id="PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE">
        <source>Downloading from the PDF viewer is turned off.</source>
        <translation>Downloaden vanuit de PDF-viewer is uitgeschakeld.</translation>
    </message>
    <message id="PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR">
        <source>Opening documents is turned off. Please contact the administrator.</source>
        <translation>Documenten openen is uitgeschakeld. Neem contact op met de beheerder.</translation>
    </message>
    <message id="PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE">
        <source>Select at least one item to delete.</source>
        <translation>Selecteer ten minste één item om te verwijderen.</translation>
    </message>
    <message id="SHOW_FILES_USING_GOOGLE_DOCS">
        <source>Show Files Using Google Docs</source>
        <translation>Bestanden tonen met Google Documenten</translation>
    </message>
    <message id="STATUS_DOWNLOADING">
        <source>Downloading</source>
        <translation>Downloaden</translation>
    </message>
    <message id="TEXT_ADMIN_PASSWORD">
        <source>Administrator Password</source>
        <translation>Beheerderswachtwoord</translation>
    </message>
    <message id="TEXT_ALERT">
        <source>Alert</source>
        <translation>Melding</translation>
    </message>
    <message id="TEXT_ALLOW_ALL_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Elke website behalve de geblokkeerde; het menu toont ze</translation>
    </message>
    <message id="TEXT_APPLY">
        <source>Apply</source>
        <translation>Toepassen</translation>
    </message>
    <message id="TEXT_AUDIO_FILES">
        <source>Audio Files</source>
        <translation>Audiobestanden</translation>
    </message>
    <message id="TEXT_BACK">
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message id="TEXT_BLOCKED_WEBSITE">
        <source>Blocked Website</source>
        <translation>Geblokkeerde website</translation>
    </message>
    <message id="TEXT_CACHES_DIRECTORY">
        <source>Caches</source>
        <translation>Cache</translation>
    </message>
    <message id="TEXT_CANCEL">
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message id="TEXT_CATEGORY">
        <source>Category</source>
        <translation>Categorie</translation>
    </message>
    <message id="TEXT_CATEGORY_PLACEHOLDER">
        <source>News</source>
        <translation>Nieuws</translation>
    </message>
    <message id="TEXT_CHANGE">
        <source>Change</source>
        <translation>Wijzigen</translation>
    </message>
    <message id="TEXT_CHANGE_PASSWORD_TITLE">
        <source>Change the password</source>
        <translation>Wachtwoord wijzigen</translation>
    </message>
    <message id="TEXT_CHOOSE_COLOUR">
        <source>Choose a Colour</source>
        <translation>Kies een kleur</translation>
    </message>
    <message id="TEXT_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Kies een bestand</translation>
    </message>
    <message id="TEXT_CHOOSE_ICON">
        <source>Choose Icon from Documents</source>
        <translation>Kies pictogram uit Documenten</translation>
    </message>
    <message id="TEXT_CLEAR_HISTORY">
        <source>Clear History</source>
        <translation>Geschiedenis wissen</translation>
    </message>
    <message id="TEXT_CLOSE">
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message id="TEXT_CLOSE_TAB">
        <source>Close tab</source>
        <translation>Tabblad sluiten</translation>
    </message>
    <message id="TEXT_CLOUD_ID">
        <source>Cloud ID</source>
        <translation>Cloud-ID</translation>
    </message>
    <message id="TEXT_CLOUD_ID_PLACEHOLDER">
        <source>At least 10 characters</source>
        <translation>Minstens 10 tekens</translation>
    </message>
    <message id="TEXT_CLOUD_WELCOME_FOOTER">
        <source>Enter the cloud ID your administrator gave you to take over the settings stored under it.</source>
        <translation>Voer de cloud-ID in die u van de beheerder hebt gekregen om de instellingen over te nemen die eronder zijn opgeslagen.</translation>
    </message>
    <message id="TEXT_CONFIGURE_TABBED_BROWSING">
        <source>Configure Tabbed Browsing</source>
        <translation>Browsen met tabbladen instellen</translation>
    </message>
    <message id="TEXT_DAY_FRIDAY">
        <source>Friday</source>
        <translation>Vrijdag</translation>
    </message>
    <message id="TEXT_DAY_MONDAY">
        <source>Monday</source>
        <translation>Maandag</translation>
    </message>
    <message id="TEXT_DAY_SATURDAY">
        <source>Saturday</source>
        <translation>Zaterdag</translation>
    </message>
    <message id="TEXT_DAY_SUNDAY">
        <source>Sunday</source>
        <translation>Zondag</translation>
    </message>
    <message id="TEXT_DAY_THURSDAY">
        <source>Thursday</source>
        <translation>Donderdag</translation>
    </message>
    <message id="TEXT_DAY_TUESDAY">
        <source>Tuesday</source>
        <translation>Dinsdag</translation>
    </message>
    <message id="TEXT_DAY_WEDNESDAY">
        <source>Wednesday</source>
        <translation>Woensdag</translation>
    </message>
    <message id="TEXT_DELETE">
        <source>Delete</source>
        <translation>Verwijderen</translation>
    </message>
    <message id="TEXT_DELETE_CATEGORY">
        <source>Delete Category</source>
        <translation>Categorie verwijderen</translation>
    </message>
    <message id="TEXT_DELETE_WEBSITE">
        <source>Delete Website</source>
        <translation>Website verwijderen</translation>
    </message>
    <message id="TEXT_DEVICE">
        <source>Device</source>
        <translation>Apparaat</translation>
    </message>
    <message id="TEXT_DOCUMENTS_DIRECTORY">
        <source>Documents</source>
        <translation>Documenten</translation>
    </message>
    <message id="TEXT_DOCUMENT_FILES">
        <source>Document Files</source>
        <translation>Documentbestanden</translation>
    </message>
    <message id="TEXT_DONE">
        <source>Done</source>
        <translation>Gereed</translation>
    </message>
    <message id="TEXT_DOWNLOADING">
        <source>Downloading…</source>
        <translation>Downloaden…</translation>
    </message>
    <message id="TEXT_DOWNLOADING_STARTED">
        <source>Download started</source>
        <translation>Download gestart</translation>
    </message>
    <message id="TEXT_DOWNLOADS">
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message id="TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT">
        <source>Downloads are turned off. Please contact the administrator to turn them on.</source>
        <translation>Downloads zijn uitgeschakeld. Neem contact op met de beheerder om ze in te schakelen.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_CANCELLED">
        <source>Download cancelled</source>
        <translation>Download geannuleerd</translation>
    </message>
    <message id="TEXT_DOWNLOAD_QUOTA_REACHED">
        <source>This visit cannot save more files.</source>
        <translation>Tijdens dit bezoek kunnen geen bestanden meer worden opgeslagen.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_FAILED">
        <source>The download failed.</source>
        <translation>Het downloaden is mislukt.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_PROGRESS">
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message id="TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL">
        <source>Replace the settings stored under an ID</source>
        <translation>Vervang de instellingen die onder een ID zijn opgeslagen</translation>
    </message>
    <message id="TEXT_EXPORT_NEW_CLOUD_ID_DETAIL">
        <source>The cloud service issues a new ID for these settings</source>
        <translation>De clouddienst geeft deze instellingen een nieuwe ID</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE">
        <source>The factory password is still in use. Change it.</source>
        <translation>Het fabriekswachtwoord is nog in gebruik. Wijzig het.</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE_DETAIL">
        <source>Anyone who knows it can open these settings.</source>
        <translation>Iedereen die het kent, kan deze instellingen openen.</translation>
    </message>
    <message id="TEXT_FETCH_FROM">
        <source>On this network it can be fetched from %1</source>
        <translation>In dit netwerk is het op te halen via %1</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN">
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN_REFUSED">
        <source>%1: %2. It will not be imported.</source>
        <translation>%1: %2. Het wordt niet geïmporteerd.</translation>
    </message>
    <message id="TEXT_FILE_SAVED_IN_DOCUMENTS">
        <source>%1, saved in Documents.</source>
        <translation>%1, opgeslagen in Documenten.</translation>
    </message>
    <message id="TEXT_FORWARD">
        <source>Forward</source>
        <translation>Vooruit</translation>
    </message>
    <message id="TEXT_FUNCTION_NOT_AVAILABLE">
        <source>This function is not available in this version of Korvel.</source>
        <translation>Deze functie is niet beschikbaar in deze versie van Korvel.</translation>
    </message>
    <message id="TEXT_HOLD_QR_TO_CAMERA">
        <source>Hold the QR code in front of the camera.</source>
        <translation>Houd de QR-code voor de camera.</translation>
    </message>
    <message id="TEXT_HOME">
        <source>Home</source>
        <translation>Startpagina</translation>
    </message>
    <message id="TEXT_HOME_DIRECTORY">
        <source>Home directory</source>
        <translation>Thuismap</translation>
    </message>
    <message id="TEXT_HTML_FILES">
        <source>HTML Files</source>
        <translation>HTML-bestanden</translation>
    </message>
    <message id="TEXT_ICON_PLACEHOLDER">
        <source>An image in Documents</source>
        <translation>Een afbeelding in Documenten</translation>
    </message>
    <message id="TEXT_IMAGE_FILES">
        <source>Image Files</source>
        <translation>Afbeeldingsbestanden</translation>
    </message>
    <message id="TEXT_KORVEL_MENU">
        <source>Korvel Menu</source>
        <translation>Korvel-menu</translation>
    </message>
    <message id="TEXT_LICENSES_FOOTER">
        <source>Korvel is built on these libraries. Tap one to read its licence.</source>
        <translation>Korvel is gebouwd op deze bibliotheken. Tik op een bibliotheek om de licentie te lezen.</translation>
    </message>
    <message id="TEXT_LICENSE_NOT_INSTALLED">
        <source>The licence notice of this library is not installed on this device (%1).</source>
        <translation>De licentietekst van deze bibliotheek is niet op dit apparaat geïnstalleerd (%1).</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_ANSWERING">
        <source>The website is not answering right now.</source>
        <translation>De website reageert op dit moment niet.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_CONNECTED">
        <source>This device is not connected to the network.</source>
        <translation>Dit apparaat is niet met het netwerk verbonden.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_OTHER">
        <source>The page could not be loaded.</source>
        <translation>De pagina kan niet worden geladen.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_UNTRUSTED">
        <source>The website's identity could not be verified.</source>
        <translation>De identiteit van de website kan niet worden geverifieerd.</translation>
    </message>
    <message id="TEXT_LOG_NOT_WRITTEN">
        <source>The log could not be written.</source>
        <translation>Het logboek kan niet worden geschreven.</translation>
    </message>
    <message id="TEXT_LOG_VIEW_OPTIONS">
        <source>View Options</source>
        <translation>Weergaveopties</translation>
    </message>
    <message id="TEXT_MAIL_HANDED_OVER">
        <source>The log is in the mail program.</source>
        <translation>Het logboek staat in het e-mailprogramma.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_TITLE">
        <source>Mail the Log</source>
        <translation>Logboek e-mailen</translation>
    </message>
    <message id="TEXT_MAIL_LOG_ASK_ADDRESS">
        <source>No support address is configured for this kiosk. Type the address the log goes to.</source>
        <translation>Voor deze kiosk is geen ondersteuningsadres ingesteld. Typ het adres waar het logboek naartoe moet.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_SEND">
        <source>Mail</source>
        <translation>Verzenden</translation>
    </message>
    <message id="TEXT_MAIL_LOG_BAD_ADDRESS">
        <source>That is not one mail address; nothing was mailed.</source>
        <translation>Dat is niet één e-mailadres; er is niets verzonden.</translation>
    </message>
    <message id="TEXT_MAIL_LOG">
        <source>Mail Log</source>
        <translation>Logboek e-mailen</translation>
    </message>
    <message id="TEXT_MAIL_NOT_OPENED">
        <source>The mail program could not be opened.</source>
        <translation>Het e-mailprogramma kan niet worden geopend.</translation>
    </message>
    <message id="TEXT_MANAGED_ABSENT">
        <source>%1 (none; nothing is managed)</source>
        <translation>%1 (geen; er wordt niets beheerd)</translation>
    </message>
    <message id="TEXT_MANAGED_CONFIGURATION">
        <source>Managed configuration</source>
        <translation>Beheerde configuratie</translation>
    </message>
    <message id="TEXT_MANAGED_PRESENT">
        <source>%1 (present)</source>
        <translation>%1 (aanwezig)</translation>
    </message>
    <message id="TEXT_MORE">
        <source>More</source>
        <translation>Meer</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Scherm vergrendelen terwijl het apparaat beweegt (apparaten met een modem voor mobiele data)</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_SETTINGS">
        <source>Motion Detection Settings</source>
        <translation>Instellingen bewegingsdetectie</translation>
    </message>
    <message id="TEXT_MOTION_LOCKED">
        <source>The screen is locked while the device is moving.</source>
        <translation>Het scherm is vergrendeld terwijl het apparaat beweegt.</translation>
    </message>
    <message id="TEXT_MULTITAB_EXCLUDES">
        <source>Korvel does not support these features with tabbed browsing:
• Allow Icon Relocation
• Allow Icon Resize
• Wallpaper Settings</source>
        <translation>Korvel ondersteunt deze functies niet bij browsen met tabbladen:
• Pictogrammen verplaatsen toestaan
• Pictogramgrootte wijzigen toestaan
• Achtergrondinstellingen</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD">
        <source>New password</source>
        <translation>Nieuw wachtwoord</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD_AGAIN">
        <source>The new password again</source>
        <translation>Nieuw wachtwoord herhalen</translation>
    </message>
    <message id="TEXT_NEW_TAB">
        <source>New tab</source>
        <translation>Nieuw tabblad</translation>
    </message>
    <message id="TEXT_NO">
        <source>No</source>
        <translation>Nee</translation>
    </message>
    <message id="TEXT_NO_CAMERA_CHOOSE_PICTURE">
        <source>This device has no camera. Choose a picture of the QR code from the Documents folder.</source>
        <translation>Dit apparaat heeft geen camera. Kies een afbeelding van de QR-code uit de map Documenten.</translation>
    </message>
    <message id="TEXT_NO_DOWNLOADS">
        <source>Nothing has been downloaded yet.</source>
        <translation>Er is nog niets gedownload.</translation>
    </message>
    <message id="TEXT_NO_FILES_IN_DOCUMENTS">
        <source>There are no files in Documents.</source>
        <translation>Er staan geen bestanden in Documenten.</translation>
    </message>
    <message id="TEXT_NO_FILE_SELECTED">
        <source>No File Selected</source>
        <translation>Geen bestand geselecteerd</translation>
    </message>
    <message id="TEXT_NO_MAIL_MESSAGE">
        <source>The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again.</source>
        <translation>Het logboek is in Documenten opgeslagen als %1. Kopieer het van daaruit via de uploadserver met de bijbehorende toegangscode, of stel een e-mailprogramma in op dit apparaat en e-mail het opnieuw.</translation>
    </message>
    <message id="TEXT_NO_MAIL_TITLE">
        <source>No mail program is set up</source>
        <translation>Er is geen e-mailprogramma ingesteld</translation>
    </message>
    <message id="TEXT_NO_QR_IN_PICTURE">
        <source>There is no QR code in this picture.</source>
        <translation>Er staat geen QR-code in deze afbeelding.</translation>
    </message>
    <message id="TEXT_NO_SETTING_FOUND">
        <source>No setting has that name.</source>
        <translation>Er is geen instelling met die naam.</translation>
    </message>
    <message id="TEXT_OPEN">
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message id="TEXT_ORIGIN_DEVICE">
        <source>saved by the settings on this device</source>
        <translation>opgeslagen door de instellingen op dit apparaat</translation>
    </message>
    <message id="TEXT_ORIGIN_DOWNLOAD">
        <source>downloaded by a visitor</source>
        <translation>gedownload door een bezoeker</translation>
    </message>
    <message id="TEXT_ORIGIN_KORVELCTL">
        <source>placed with korvelctl</source>
        <translation>geplaatst met korvelctl</translation>
    </message>
    <message id="TEXT_ORIGIN_PRINTOUT">
        <source>printed by a visitor</source>
        <translation>afgedrukt door een bezoeker</translation>
    </message>
    <message id="TEXT_ORIGIN_SETTINGS_DOCUMENT">
        <source>carried by an imported settings document</source>
        <translation>meegekomen met een geïmporteerd instellingendocument</translation>
    </message>
    <message id="TEXT_ORIGIN_UNKNOWN">
        <source>of unknown origin</source>
        <translation>van onbekende herkomst</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITHOUT_CODE">
        <source>uploaded without the access code</source>
        <translation>geüpload zonder de toegangscode</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITH_CODE">
        <source>uploaded with the access code</source>
        <translation>geüpload met de toegangscode</translation>
    </message>
    <message id="TEXT_OTHER_FILES">
        <source>Other Files</source>
        <translation>Andere bestanden</translation>
    </message>
    <message id="TEXT_PASSWORD">
        <source>Password</source>
        <translation>Wachtwoord</translation>
    </message>
    <message id="TEXT_PASSWORDS_DIFFER">
        <source>The two passwords differ.</source>
        <translation>De twee wachtwoorden verschillen.</translation>
    </message>
    <message id="TEXT_PASSWORD_ALERT_HEADING">
        <source>Weak Password</source>
        <translation>Zwak wachtwoord</translation>
    </message>
    <message id="TEXT_PASSWORD_CHANGED">
        <source>The password is changed.</source>
        <translation>Het wachtwoord is gewijzigd.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT">
        <source>A strong password has at least 8 characters.</source>
        <translation>Een sterk wachtwoord heeft minstens 8 tekens.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT_ONE">
        <source>It mixes upper-case letters, digits and symbols.</source>
        <translation>Het combineert hoofdletters, cijfers en symbolen.</translation>
    </message>
    <message id="TEXT_PASSWORD_EMPTY">
        <source>The password cannot be empty.</source>
        <translation>Het wachtwoord mag niet leeg zijn.</translation>
    </message>
    <message id="TEXT_PASSWORD_NOT_SAVED">
        <source>The password could not be saved.</source>
        <translation>Het wachtwoord kan niet worden opgeslagen.</translation>
    </message>
    <message id="TEXT_SETTINGS_NOT_SAVED">
        <source>The settings could not be saved. What was changed last is not kept after a restart.</source>
        <translation>De instellingen kunnen niet worden opgeslagen. De laatste wijzigingen blijven na een herstart niet bewaard.</translation>
    </message>
    <message id="TEXT_PASSWORD_PAUSED">
        <source>Too many wrong passwords. Try again in %1.</source>
        <translation>Te veel onjuiste wachtwoorden. Probeer het over %1 opnieuw.</translation>
    </message>
    <message id="TEXT_PASSWORD_QUESTION">
        <source>Use this password anyway?</source>
        <translation>Dit wachtwoord toch gebruiken?</translation>
    </message>
    <message id="TEXT_PASSWORD_STORE_DAMAGED">
        <source>The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:</source>
        <translation>De wachtwoordopslag is beschadigd, dus de instellingen blijven vergrendeld. Stel op het apparaat een nieuw wachtwoord in, als de gebruiker waaronder Korvel draait, met:</translation>
    </message>
    <message id="TEXT_PASSWORD_UNCHANGED">
        <source>Unchanged</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message id="TEXT_PDF_ALREADY_IN_DOCUMENTS">
        <source>This document is already saved in Documents.</source>
        <translation>Dit document staat al in Documenten.</translation>
    </message>
    <message id="TEXT_PDF_APPEARANCE">
        <source>Aa</source>
        <translation>Aa</translation>
    </message>
    <message id="TEXT_PDF_CANNOT_BE_OPENED">
        <source>This document cannot be opened. It may be damaged or incomplete.</source>
        <translation>Dit document kan niet worden geopend. Het is mogelijk beschadigd of onvolledig.</translation>
    </message>
    <message id="TEXT_PDF_CONTENTS">
        <source>Contents</source>
        <translation>Inhoud</translation>
    </message>
    <message id="TEXT_PDF_DOWNLOAD">
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message id="TEXT_PDF_LOADING">
        <source>Loading the document...</source>
        <translation>Document laden...</translation>
    </message>
    <message id="TEXT_PDF_NO_CONTENTS">
        <source>This document has no table of contents.</source>
        <translation>Dit document heeft geen inhoudsopgave.</translation>
    </message>
    <message id="TEXT_PDF_NO_MATCHES">
        <source>No matches.</source>
        <translation>Geen resultaten.</translation>
    </message>
    <message id="TEXT_PDF_NO_PRINTER">
        <source>No printer is set up on this device.</source>
        <translation>Er is geen printer ingesteld op dit apparaat.</translation>
    </message>
    <message id="TEXT_PDF_PAGES">
        <source>Pages</source>
        <translation>Pagina's</translation>
    </message>
    <message id="TEXT_PDF_PAGE_LABEL">
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message id="TEXT_PDF_PAGE_OF">
        <source>%1 of %2</source>
        <translation>%1 van %2</translation>
    </message>
    <message id="TEXT_PDF_PAPER_DAY">
        <source>Day</source>
        <translation>Dag</translation>
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
        <translation>Zoeken</translation>
    </message>
    <message id="TEXT_PDF_SEARCH_PLACEHOLDER">
        <source>Search in the document</source>
        <translation>Zoeken in document</translation>
    </message>
    <message id="TEXT_PDF_SHARE">
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message id="TEXT_POWER_ALWAYS_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Scherm dimmen na elke time-out bij inactiviteit</translation>
    </message>
    <message id="TEXT_POWER_DAYS">
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message id="TEXT_POWER_END_TIME">
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message id="TEXT_CLEAR_FIELD">
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message id="TEXT_STEPPER_DECREASE">
        <source>Decrease</source>
        <translation>Verlagen</translation>
    </message>
    <message id="TEXT_STEPPER_INCREASE">
        <source>Increase</source>
        <translation>Verhogen</translation>
    </message>
    <message id="TEXT_POWER_HOURS">
        <source>Hours</source>
        <translation>Tijden</translation>
    </message>
    <message id="TEXT_POWER_HOURS_FOOTER">
        <source>A window that ends before it starts goes on past midnight. The same start and end never saves power.</source>
        <translation>Een periode die eindigt vóór het begin, loopt door na middernacht. Met hetzelfde begin en einde wordt nooit energie bespaard.</translation>
    </message>
    <message id="TEXT_POWER_SCHEDULE_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Alleen binnen deze tijden dimmen na de time-out bij inactiviteit</translation>
    </message>
    <message id="TEXT_POWER_START_TIME">
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message id="TEXT_PRINT">
        <source>Print</source>
        <translation>Afdrukken</translation>
    </message>
    <message id="TEXT_PROTOCOL">
        <source>Protocol</source>
        <translation>Protocol</translation>
    </message>
    <message id="TEXT_QR_NOT_SAVED">
        <source>The QR code could not be saved: %1</source>
        <translation>De QR-code kan niet worden opgeslagen: %1</translation>
    </message>
    <message id="TEXT_REFRESH">
        <source>Refresh</source>
        <translation>Vernieuwen</translation>
    </message>
    <message id="TEXT_SAVED_IN_DOCUMENTS">
        <source>%1 is saved in Documents.</source>
        <translation>%1 is opgeslagen in Documenten.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Kies een bestand</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL">
        <source>An image, video or page in the documents folder</source>
        <translation>Een afbeelding, video of pagina in de map Documenten</translation>
    </message>
    <message id="TEXT_SCREENSAVER_ENABLE_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Start na de time-out bij inactiviteit; elke aanraking beëindigt deze.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_NAMING">
        <source>Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page.</source>
        <translation>Video's eindigen op .mp4, .mov, .mpv of .3gp en afbeeldingen op .jpg, .png of .tif, in kleine letters; al het andere wordt als webpagina getoond.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_IMAGE">
        <source>Shown as an image over the whole screen.</source>
        <translation>Getoond als afbeelding over het hele scherm.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_NOTHING">
        <source>Nothing is shown: give a web address or choose a file.</source>
        <translation>Er wordt niets getoond: geef een webadres op of kies een bestand.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_PAGE">
        <source>Shown as a web page.</source>
        <translation>Getoond als webpagina.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_VIDEO">
        <source>Shown as a video, looping without sound.</source>
        <translation>Getoond als video, steeds herhaald zonder geluid.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE">
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE_PLACEHOLDER">
        <source>https://... or a file name</source>
        <translation>https://... of een bestandsnaam</translation>
    </message>
    <message id="TEXT_SEARCH">
        <source>Search</source>
        <translation>Zoeken</translation>
    </message>
    <message id="TEXT_SEARCH_LOG">
        <source>Search the log</source>
        <translation>Logboek doorzoeken</translation>
    </message>
    <message id="TEXT_SEARCH_SETTINGS">
        <source>Search all settings</source>
        <translation>Alle instellingen doorzoeken</translation>
    </message>
    <message id="TEXT_SEARCH_WEBSITE">
        <source>Search Website</source>
        <translation>Website doorzoeken</translation>
    </message>
    <message id="TEXT_SERVER_NOT_RUNNING">
        <source>Not running</source>
        <translation>Niet actief</translation>
    </message>
    <message id="TEXT_SETTINGS_FILE">
        <source>Settings file</source>
        <translation>Instellingenbestand</translation>
    </message>
    <message id="TEXT_SHOW_ID_AS_QR_CODE">
        <source>Show ID as QR Code</source>
        <translation>ID tonen als QR-code</translation>
    </message>
    <message id="TEXT_SIZE">
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message id="TEXT_SPECIAL_LINKS_DETAIL">
        <source>Tap to configure special links.</source>
        <translation>Tik om speciale links in te stellen.</translation>
    </message>
    <message id="TEXT_STOP">
        <source>Stop</source>
        <translation>Stoppen</translation>
    </message>
    <message id="TEXT_SYSTEM">
        <source>System</source>
        <translation>Systeem</translation>
    </message>
    <message id="TEXT_SYSTEM_FILES">
        <source>Files and Folders</source>
        <translation>Bestanden en mappen</translation>
    </message>
    <message id="TEXT_SYSTEM_NETWORK">
        <source>Local Network</source>
        <translation>Lokaal netwerk</translation>
    </message>
    <message id="TEXT_SYSTEM_VERSIONS">
        <source>Software Versions</source>
        <translation>Softwareversies</translation>
    </message>
    <message id="TEXT_TAB_ERROR">
        <source>Error</source>
        <translation>Fout</translation>
    </message>
    <message id="TEXT_TITLE_PLACEHOLDER">
        <source>Derived from the address when empty</source>
        <translation>Indien leeg afgeleid van het adres</translation>
    </message>
    <message id="TEXT_TOOLBAR_IMAGES_FOOTER">
        <source>Images in Documents; empty uses the built-in image. Tap a row to pick one.</source>
        <translation>Afbeeldingen in Documenten; leeg gebruikt de ingebouwde afbeelding. Tik op een rij om er een te kiezen.</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE">
        <source>Upload Access Code</source>
        <translation>Toegangscode voor uploaden</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Gevraagd aan elk ander apparaat dat de uploadserver gebruikt; leeg laat de server open.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ADDRESS">
        <source>Upload server</source>
        <translation>Uploadserver</translation>
    </message>
    <message id="TEXT_URL_PLACEHOLDER">
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message id="TEXT_VIDEO_FILES">
        <source>Video Files</source>
        <translation>Videobestanden</translation>
    </message>
    <message id="TEXT_ENGINE_HARDENING">
        <source>Engine hardening</source>
        <translation>Engine-beveiliging</translation>
    </message>
    <message id="TEXT_HARDENING_NO_DEBUGGING">
        <source>remote debugging refused</source>
        <translation>foutopsporing op afstand geweigerd</translation>
    </message>
    <message id="TEXT_HARDENING_NO_JIT">
        <source>JIT off</source>
        <translation>JIT uit</translation>
    </message>
    <message id="TEXT_HARDENING_WEBRTC">
        <source>WebRTC through a proxy only</source>
        <translation>WebRTC alleen via een proxy</translation>
    </message>
    <message id="TEXT_HARDENING_COOKIES">
        <source>third-party cookies refused</source>
        <translation>cookies van derden geweigerd</translation>
    </message>
    <message id="TITLE_CHECK_LOCKDOWN">
        <source>Check Lockdown</source>
        <translation>Vergrendeling controleren</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_CHECK_LOCKDOWN">
        <source>What could break out of this kiosk</source>
        <translation>Wat uit deze kiosk zou kunnen ontsnappen</translation>
    </message>
    <message id="TEXT_LOCKDOWN_PROBES">
        <source>Probes</source>
        <translation>Controles</translation>
    </message>
    <message id="TEXT_PROBE_PASSED">
        <source>Passed</source>
        <translation>Geslaagd</translation>
    </message>
    <message id="TEXT_PROBE_WARNING">
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message id="TEXT_PROBE_FAILED">
        <source>Failed</source>
        <translation>Mislukt</translation>
    </message>
    <message id="TEXT_LOCKDOWN_UNAVAILABLE">
        <source>The check cannot run here: start Korvel in its kiosk session.</source>
        <translation>De controle kan hier niet worden uitgevoerd: start Korvel in de eigen kiosksessie.</translation>
    </message>
    <message id="TEXT_WEB_ENGINE">
        <source>Web engine</source>
        <translation>Webengine</translation>
    </message>
    <message id="TEXT_WHEN">
        <source>When</source>
        <translation>Wanneer</translation>
    </message>
    <message id="TEXT_YES">
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message id="THIS_FILE_IS_PASSWORD_PROTECTED">
        <source>This file is password protected.</source>
        <translation>Dit bestand is met een wachtwoord beveiligd.</translation>
    </message>
    <message id="TITLE_CLOUD_ID_QR_CODE">
        <source>Cloud ID QR Code</source>
        <translation>QR-code van cloud-ID</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_SYSTEM_SETTINGS">
        <source>Korvel in the system's settings</source>
        <translation>Korvel in de systeeminstellingen</translation>
    </message>
    <message id="TITLE_DOWNLOAD_SUCCESSFULLY">
        <source>Downloaded successfully</source>
        <translation>Download voltooid</translation>
    </message>
    <message id="TITLE_EDIT">
        <source>Edit</source>
        <translation>Bewerken</translation>
    </message>
    <message id="TITLE_PDF_FILE">
        <source>PDF File</source>
        <translation>PDF-bestand</translation>
    </message>
    <message id="TITLE_SCAN_QR">
        <source>Scan QR Code</source>
        <translation>QR-code scannen</translation>
    </message>
    <message id="TITLE_SELECT_ALL">
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message id="TITLE_SYSTEM_SETTINGS">
        <source>System Settings</source>
        <translation>Systeeminstellingen</translation>
    </message>
    <message id="TITLE_UNSELECT_ALL">
        <source>Unselect All</source>
        <translation>Alles deselecteren</translation>
    </message>
    <message id="TXT_DOWNLOAD">
        <source>Download</source>
        <translation>Downloaden</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_OPEN_WARNING">
        <source>Anyone on this network can change the documents folder</source>
        <translation>Iedereen in dit netwerk kan de map Documenten wijzigen</translation>
    </message>
    <message id="TEXT_SET_ACCESS_CODE">
        <source>Set access code</source>
        <translation>Toegangscode instellen</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE">
        <source>Open on a Phone</source>
        <translation>Openen op een telefoon</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL">
        <source>The address as a QR code, and the certificate's fingerprint</source>
        <translation>Het adres als QR-code en de vingerafdruk van het certificaat</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS">
        <source>Use HTTPS</source>
        <translation>HTTPS gebruiken</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Met het eigen certificaat van het apparaat, dat een telefoon controleert aan de vingerafdruk</translation>
    </message>
    <message id="TITLE_UPLOAD_SERVER_ON_A_PHONE">
        <source>Upload Server on a Phone</source>
        <translation>Uploadserver op een telefoon</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_NO_ADDRESS">
        <source>The upload server is not running, or this device has no address on the network.</source>
        <translation>De uploadserver is niet actief of dit apparaat heeft geen adres in het netwerk.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_SCAN">
        <source>Scan the code with a phone's camera to open the upload page.</source>
        <translation>Scan de code met de camera van een telefoon om de uploadpagina te openen.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_PLAIN">
        <source>The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network.</source>
        <translation>De pagina en de toegangscode gaan onversleuteld over het netwerk. Schakel ‘HTTPS gebruiken’ in om ze te beschermen.</translation>
    </message>
    <message id="TEXT_CERTIFICATE_MISSING">
        <source>The device's certificate cannot be had: %1</source>
        <translation>Het certificaat van het apparaat is niet beschikbaar: %1</translation>
    </message>
    <message id="TEXT_CERTIFICATE_FINGERPRINT">
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Vingerafdruk van certificaat (SHA-256)</translation>
    </message>
    <message id="TEXT_CERTIFICATE_CHECK">
        <source>The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one.</source>
        <translation>De browser van de telefoon waarschuwt voor het eigen certificaat van dit apparaat. Ga alleen verder als de SHA-256-vingerafdruk die hij toont deze is.</translation>
    </message>
    <message id="TEXT_RECOVERY_SETTINGS">
        <source>Recovery</source>
        <translation>Herstel</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT">
        <source>Page Memory Limit (MB)</source>
        <translation>Geheugenlimiet per pagina (MB)</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Een pagina waarvan de renderer hierboven uitkomt, wordt opnieuw geladen zodra niemand de kiosk aanraakt. 0: 1 GiB of de helft van het geheugen, wat het minst is.</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_INVALID">
        <source>Invalid memory limit. Please enter megabytes, or 0 for the automatic limit.</source>
        <translation>Ongeldige geheugenlimiet. Voer megabytes in, of 0 voor de automatische limiet.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Dagelijks herstarten om (HH:MM)</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel herstart op dit tijdstip, of later zodra niemand het gebruikt. Leeg: nooit.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_INVALID">
        <source>Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart.</source>
        <translation>Voer een tijd in als HH:MM (24-uursklok), of niets voor geen dagelijkse herstart.</translation>
    </message>
    <message id="TEXT_BOUNCE_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Geen effect op dit apparaat: de webengine scrolt pagina's zonder te stuiteren.</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS">
        <source>Enable Browser Plugins</source>
        <translation>Browserplug-ins inschakelen</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Laat pagina's de plug-ins van de webengine gebruiken. Hier is geen plug-in voor deze engine geïnstalleerd, dus het verandert niets.</translation>
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
        <translation>Printer</translation>
    </message>
    <message id="BROWSER_PRINT_FAILED">
        <source>Cannot complete print request</source>
        <translation>De afdruk kan niet worden voltooid</translation>
    </message>
    <message id="BROWSER_AUTH_REQUIRED">
        <source>Authentication Required</source>
        <translation>Verificatie vereist</translation>
    </message>
    <message id="BROWSER_AUTH_LOGIN">
        <source>Login</source>
        <translation>Inloggen</translation>
    </message>
    <message id="BROWSER_POPUPS_BLOCKED">
        <source>Popups are blocked!</source>
        <translation>Pop-ups zijn geblokkeerd!</translation>
    </message>
    <message id="BROWSER_APP_NOT_AVAILABLE">
        <source>Application is not available. Please install.</source>
        <translation>De app is niet beschikbaar. Installeer deze.</translation>
    </message>
    <message id="HOME_ACCESS_DENIED">
        <source>Access Denied for %1</source>
        <translation>Toegang geweigerd voor %1</translation>
    </message>
    <message id="APP_PASSWORD_PROMPT">
        <source>Enter password to enter settings.</source>
        <translation>Voer het wachtwoord in om de instellingen te openen.</translation>
    </message>
    <message id="APP_DEFAULT_PASSWORD">
        <source>Default password is %1</source>
        <translation>Het standaardwachtwoord is %1</translation>
    </message>
    <message id="APP_WRONG_PASSWORD">
        <source>Wrong Password!</source>
        <translation>Onjuist wachtwoord!</translation>
    </message>
    <message id="APP_LANGUAGE">
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message id="APP_LANGUAGE_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>De taal van de schermen en het schermtoetsenbord, en de voorkeurstaal voor webpagina's.</translation>
    </message>
    <message id="APP_LANGUAGE_SYSTEM">
        <source>System Language</source>
        <translation>Systeemtaal</translation>
    </message>
    <message id="FILES_HISTORY_DELETE_COUNT" numerus="yes">
        <source>%n entries will be removed from the history.</source>
        <translation>
            <numerusform>%n item wordt uit de geschiedenis verwijderd.</numerusform>
            <numerusform>%n items worden uit de geschiedenis verwijderd.</numerusform>
        </translation>
    </message>
    <message id="BROWSER_ERROR_TITLE">
        <source>ERROR</source>
        <translation>FOUT</translation>
    </message>
    <message id="PREF_RefreshOnError_TITLE">
        <source>Refresh Current Page on Recovering from Error</source>
        <translation>Huidige pagina vernieuwen na herstel van een fout</translation>
    </message>
    <message id="PREF_CopyPaste_TITLE">
        <source>Enable Copy Paste</source>
        <translation>Kopiëren en plakken inschakelen</translation>
    </message>
    <message id="PREF_PhoneLinks_TITLE">
        <source>Phone Numbers</source>
        <translation>Telefoonnummers</translation>
    </message>
    <message id="PREF_PhoneLinks_DETAIL">
        <source>This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application.</source>
        <translation>Dit apparaat belt niet: een aangetikte link naar een telefoonnummer, e-mail of bericht wordt alleen gelogd en nooit aan een andere app doorgegeven.</translation>
    </message>
    <message id="PREF_PrintLinks_TITLE">
        <source>Print Links</source>
        <translation>Afdruklinks</translation>
    </message>
    <message id="PREF_PrintLinks_DETAIL">
        <source>A page's own print link prints the page.</source>
        <translation>De eigen afdruklink van een pagina drukt de pagina af.</translation>
    </message>
    <message id="PREF_DrivingMode_TITLE">
        <source>Motion Detection</source>
        <translation>Bewegingsdetectie</translation>
    </message>
    <message id="PREF_DrivingMode_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Scherm vergrendelen terwijl het apparaat beweegt (apparaten met een modem voor mobiele data)</translation>
    </message>
    <message id="PREF_MotionType_TITLE">
        <source>Sensitivity</source>
        <translation>Gevoeligheid</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Walking">
        <source>Walking</source>
        <translation>Wandelen</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Running">
        <source>Running</source>
        <translation>Hardlopen</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Automotive">
        <source>Automotive</source>
        <translation>Voertuig</translation>
    </message>
    <message id="PREF_IdleTimeout_TITLE">
        <source>Idle Timeout (Seconds)</source>
        <translation>Time-out bij inactiviteit (seconden)</translation>
    </message>
    <message id="PREF_AllowAllWebsites_TITLE">
        <source>Allow All Websites</source>
        <translation>Alle websites toestaan</translation>
    </message>
    <message id="PREF_AllowAllWebsites_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Elke website behalve de geblokkeerde; het menu toont ze</translation>
    </message>
    <message id="PREF_AllowContentBlocking_TITLE">
        <source>Enable Content Blocking</source>
        <translation>Inhoud blokkeren inschakelen</translation>
    </message>
    <message id="PREF_AllowContentBlocking_DETAIL">
        <source>Enable to allow content blocking</source>
        <translation>Hiermee kan inhoud worden geblokkeerd</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_TITLE">
        <source>Add keywords to block access</source>
        <translation>Trefwoorden toevoegen om te blokkeren</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_DETAIL">
        <source>Block sites containing the keywords</source>
        <translation>Blokkeert sites die de trefwoorden bevatten</translation>
    </message>
    <message id="PREF_IgnoreSSLWarnings_TITLE">
        <source>Ignore SSL Warnings</source>
        <translation>SSL-waarschuwingen negeren</translation>
    </message>
    <message id="PREF_GoHomeOnNetworkGain_TITLE">
        <source>Go to Home on Network Gain</source>
        <translation>Naar startpagina bij herstel van netwerk</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_TITLE">
        <source>Go to Home</source>
        <translation>Naar startpagina</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_DETAIL">
        <source>Goto Home Screen on idletimeout</source>
        <translation>Naar de startpagina na de time-out bij inactiviteit</translation>
    </message>
    <message id="PREF_EnableMenu_TITLE">
        <source>Show Options Menu on Browser Screen</source>
        <translation>Optiemenu tonen in browserscherm</translation>
    </message>
    <message id="PREF_PrivateBrowsing_TITLE">
        <source>Clear Cookies on Home</source>
        <translation>Cookies wissen bij terugkeer naar startpagina</translation>
    </message>
    <message id="PREF_OfflineCacheBrowsing_TITLE">
        <source>Clear App Cache on Home</source>
        <translation>App-cache wissen bij terugkeer naar startpagina</translation>
    </message>
    <message id="PREF_PluginsEnable_TITLE">
        <source>Enable Browser Plugins</source>
        <translation>Browserplug-ins inschakelen</translation>
    </message>
    <message id="PREF_PluginsEnable_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Laat pagina's de plug-ins van de webengine gebruiken. Hier is geen plug-in voor deze engine geïnstalleerd, dus het verandert niets.</translation>
    </message>
    <message id="PREF_Wallpaper_TITLE">
        <source>Wallpaper</source>
        <translation>Achtergrond</translation>
    </message>
    <message id="PREF_ZoomEnable_TITLE">
        <source>Enable Zoom</source>
        <translation>Zoomen inschakelen</translation>
    </message>
    <message id="PREF_FullScreen_TITLE">
        <source>Enable FullScreen</source>
        <translation>Volledig scherm inschakelen</translation>
    </message>
    <message id="PREF_PreventSuspend_TITLE">
        <source>Prevent Device Suspend</source>
        <translation>Slaapstand van apparaat voorkomen</translation>
    </message>
    <message id="PREF_WallpaperStyle_TITLE">
        <source>Wallpaper Style</source>
        <translation>Achtergrondstijl</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Center">
        <source>Center</source>
        <translation>Centreren</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Stretch">
        <source>Stretch</source>
        <translation>Uitrekken</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_AspectFit">
        <source>AspectFit</source>
        <translation>Passend maken</translation>
    </message>
    <message id="PREF_BrowserOrientation_TITLE">
        <source>Browser Orientation</source>
        <translation>Browserstand</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_None">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Landscape">
        <source>Landscape</source>
        <translation>Liggend</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Portrait">
        <source>Portrait</source>
        <translation>Staand</translation>
    </message>
    <message id="PREF_PasswordTimeout_TITLE">
        <source>Restrict Settings after (Minutes)</source>
        <translation>Instellingen vergrendelen na (minuten)</translation>
    </message>
    <message id="PREF_RestrictSettings_TITLE">
        <source>Restrict Korvel Settings Menu</source>
        <translation>Instellingenmenu van Korvel beperken</translation>
    </message>
    <message id="PREF_UserAgents_TITLE">
        <source>User Agent</source>
        <translation>User-agent</translation>
    </message>
    <message id="PREF_MakeToast_TITLE">
        <source>Enable Toast Messages</source>
        <translation>Korte meldingen inschakelen</translation>
    </message>
    <message id="PREF_EnableScreenSaver_TITLE">
        <source>Enable ScreenSaver</source>
        <translation>Schermbeveiliging inschakelen</translation>
    </message>
    <message id="PREF_EnableScreenSaver_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Start na de time-out bij inactiviteit; elke aanraking beëindigt deze.</translation>
    </message>
    <message id="PREF_ScreenSaver_TITLE">
        <source>Show</source>
        <translation>Tonen</translation>
    </message>
    <message id="PREF_ScreenSaver_DETAIL">
        <source>https://... or a file name</source>
        <translation>https://... of een bestandsnaam</translation>
    </message>
    <message id="PREF_EnableToolBar_TITLE">
        <source>Show Navigation Toolbar</source>
        <translation>Navigatiewerkbalk tonen</translation>
    </message>
    <message id="PREF_NumberOfTaps_TITLE">
        <source>Tap count</source>
        <translation>Aantal tikken</translation>
    </message>
    <message id="PREF_NumberOfTaps_DETAIL">
        <source>Number of taps to access settings. Default 5.</source>
        <translation>Aantal tikken om de instellingen te openen. Standaard: 5.</translation>
    </message>
    <message id="PREF_AccessDenied_TITLE">
        <source>Go to Home on Access Denied</source>
        <translation>Naar startpagina bij geweigerde toegang</translation>
    </message>
    <message id="PREF_ServerSwitch_TITLE">
        <source>Enable Upload Server</source>
        <translation>Uploadserver inschakelen</translation>
    </message>
    <message id="PREF_Port_TITLE">
        <source>Run on Port</source>
        <translation>Poort</translation>
    </message>
    <message id="PREF_UploadAccessCode_TITLE">
        <source>Upload Access Code</source>
        <translation>Toegangscode voor uploaden</translation>
    </message>
    <message id="PREF_UploadAccessCode_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Gevraagd aan elk ander apparaat dat de uploadserver gebruikt; leeg laat de server open.</translation>
    </message>
    <message id="PREF_UploadServerTLS_TITLE">
        <source>Use HTTPS</source>
        <translation>HTTPS gebruiken</translation>
    </message>
    <message id="PREF_UploadServerTLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Met het eigen certificaat van het apparaat, dat een telefoon controleert aan de vingerafdruk</translation>
    </message>
    <message id="PREF_Zoom_TITLE">
        <source>Set Initial Zoom Level</source>
        <translation>Beginzoomniveau instellen</translation>
    </message>
    <message id="PREF_Bounce_TITLE">
        <source>WebView Bounce</source>
        <translation>Stuiteren van pagina's</translation>
    </message>
    <message id="PREF_Bounce_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Geen effect op dit apparaat: de webengine scrolt pagina's zonder te stuiteren.</translation>
    </message>
    <message id="PREF_AllowPopup_TITLE">
        <source>Allow Pop-Ups</source>
        <translation>Pop-ups toestaan</translation>
    </message>
    <message id="PREF_AllowPopupInSameWindow_TITLE">
        <source>Show Pop-Ups in same window</source>
        <translation>Pop-ups in hetzelfde venster tonen</translation>
    </message>
    <message id="PREF_EnableRefreshButton_TITLE">
        <source>Show Refresh Button</source>
        <translation>Knop Vernieuwen tonen</translation>
    </message>
    <message id="PREF_EnableHomeButton_TITLE">
        <source>Show Home Button</source>
        <translation>Knop Startpagina tonen</translation>
    </message>
    <message id="PREF_EnableBackButton_TITLE">
        <source>Show Back Button</source>
        <translation>Knop Terug tonen</translation>
    </message>
    <message id="PREF_EnableForwardButton_TITLE">
        <source>Show Forward Button</source>
        <translation>Knop Vooruit tonen</translation>
    </message>
    <message id="PREF_EnablePrintButton_TITLE">
        <source>Show Print Button</source>
        <translation>Knop Afdrukken tonen</translation>
    </message>
    <message id="PREF_RefreshImage_TITLE">
        <source>Refresh Button Image</source>
        <translation>Afbeelding knop Vernieuwen</translation>
    </message>
    <message id="PREF_RefreshImage_DETAIL">
        <source>Image used to show Refresh Button. Recommended size: 44*44</source>
        <translation>Afbeelding voor de knop Vernieuwen. Aanbevolen grootte: 44*44</translation>
    </message>
    <message id="PREF_HomeImage_TITLE">
        <source>Home Button Image</source>
        <translation>Afbeelding knop Startpagina</translation>
    </message>
    <message id="PREF_HomeImage_DETAIL">
        <source>Image used to show Home Button. Recommended size: 44*44</source>
        <translation>Afbeelding voor de knop Startpagina. Aanbevolen grootte: 44*44</translation>
    </message>
    <message id="PREF_BackImage_TITLE">
        <source>Back Button Image</source>
        <translation>Afbeelding knop Terug</translation>
    </message>
    <message id="PREF_BackImage_DETAIL">
        <source>Image used to show Back Button. Recommended size: 44*44</source>
        <translation>Afbeelding voor de knop Terug. Aanbevolen grootte: 44*44</translation>
    </message>
    <message id="PREF_ForwardImage_TITLE">
        <source>Forward Button Image</source>
        <translation>Afbeelding knop Vooruit</translation>
    </message>
    <message id="PREF_ForwardImage_DETAIL">
        <source>Image used to show Forward Button. Recommended size: 44*44</source>
        <translation>Afbeelding voor de knop Vooruit. Aanbevolen grootte: 44*44</translation>
    </message>
    <message id="PREF_PrintImage_TITLE">
        <source>Print Button Image</source>
        <translation>Afbeelding knop Afdrukken</translation>
    </message>
    <message id="PREF_PrintImage_DETAIL">
        <source>Image used to show Print Button. Recommended size: 44*44</source>
        <translation>Afbeelding voor de knop Afdrukken. Aanbevolen grootte: 44*44</translation>
    </message>
    <message id="PREF_ToolbarImage_TITLE">
        <source>Toolbar Background</source>
        <translation>Werkbalkachtergrond</translation>
    </message>
    <message id="PREF_ToolbarImage_DETAIL">
        <source>Image for Navigation Toolbar Background</source>
        <translation>Achtergrondafbeelding van de navigatiewerkbalk</translation>
    </message>
    <message id="PREF_Brightness_TITLE">
        <source>Adjust Brightness</source>
        <translation>Helderheid aanpassen</translation>
    </message>
    <message id="PREF_AllowDragDrop_TITLE">
        <source>Allow Icon Relocation</source>
        <translation>Pictogrammen verplaatsen toestaan</translation>
    </message>
    <message id="PREF_AllowResize_TITLE">
        <source>Allow Icon Resize</source>
        <translation>Pictogramgrootte wijzigen toestaan</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_TITLE">
        <source>Schedule Power Saver</source>
        <translation>Energiebesparing plannen</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Alleen binnen deze tijden dimmen na de time-out bij inactiviteit</translation>
    </message>
    <message id="PREF_StartTime_TITLE">
        <source>Start</source>
        <translation>Begin</translation>
    </message>
    <message id="PREF_StartTime_DETAIL">
        <source>Hours</source>
        <translation>Tijden</translation>
    </message>
    <message id="PREF_EndTime_TITLE">
        <source>End</source>
        <translation>Einde</translation>
    </message>
    <message id="PREF_EndTime_DETAIL">
        <source>Hours</source>
        <translation>Tijden</translation>
    </message>
    <message id="PREF_DaySelected_TITLE">
        <source>Days</source>
        <translation>Dagen</translation>
    </message>
    <message id="PREF_AlwaysSavePower_TITLE">
        <source>Always Save Power</source>
        <translation>Altijd energie besparen</translation>
    </message>
    <message id="PREF_AlwaysSavePower_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Scherm dimmen na elke time-out bij inactiviteit</translation>
    </message>
    <message id="PREF_UseMultiTab_TITLE">
        <source>Enable Multi-Tab</source>
        <translation>Meerdere tabbladen inschakelen</translation>
    </message>
    <message id="PREF_EnableLoadingIcon_TITLE">
        <source>Enable Loading Icon</source>
        <translation>Laadpictogram inschakelen</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_TITLE">
        <source>Custom User Agent Header</source>
        <translation>Aangepaste user-agent-header</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_DETAIL">
        <source>Note:If Header field is empty.Default header is set to Korvel.</source>
        <translation>Let op: als het veld leeg is, wordt de standaardheader van Korvel gebruikt.</translation>
    </message>
    <message id="PREF_EnableCustomUserAgentHeader_TITLE">
        <source>Enable Custom User Agent Header</source>
        <translation>Aangepaste user-agent-header inschakelen</translation>
    </message>
    <message id="PREF_CountOfTabs_TITLE">
        <source>Maximum Number of Tab(s)</source>
        <translation>Maximaal aantal tabbladen</translation>
    </message>
    <message id="PREF_CountOfTabs_DETAIL">
        <source>Enter a value between 1 to 8.</source>
        <translation>Voer een waarde van 1 tot en met 8 in.</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_TITLE">
        <source>Show Files Using Google Docs</source>
        <translation>Bestanden tonen met Google Documenten</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_DETAIL">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Documenten die de kiosk niet kan tonen, worden geopend in de onlineviewer van Google (docs.google.com), die ze van hun adres ophaalt: sta docs.google.com ook toe.</translation>
    </message>
    <message id="PREF_AllowPDFViewer_TITLE">
        <source>PDF Viewer</source>
        <translation>PDF-viewer</translation>
    </message>
    <message id="PREF_AllowPDFViewer_DETAIL">
        <source>Opens PDF documents in the kiosk's own reader.</source>
        <translation>Opent PDF-documenten in de eigen viewer van de kiosk.</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_TITLE">
        <source>Allow Download</source>
        <translation>Downloaden toestaan</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_DETAIL">
        <source>The reader's Download button saves the document in Documents.</source>
        <translation>De knop Downloaden van de viewer slaat het document op in Documenten.</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_TITLE">
        <source>Allow Print</source>
        <translation>Afdrukken toestaan</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_DETAIL">
        <source>The reader's Share sheet offers printing.</source>
        <translation>Het menu Delen van de viewer biedt afdrukken aan.</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_TITLE">
        <source>Allow Downloads</source>
        <translation>Downloads toestaan</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_DETAIL">
        <source>Allows files to be downloaded to this device</source>
        <translation>Staat downloads naar dit apparaat toe</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_TITLE">
        <source>Open File After Download</source>
        <translation>Bestand openen na download</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_DETAIL">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Opent een bestand zodra het is gedownload</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_TITLE">
        <source>Keep Download History</source>
        <translation>Downloadgeschiedenis bewaren</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_DETAIL">
        <source>Keeps a list of downloaded files</source>
        <translation>Houdt een lijst van gedownloade bestanden bij</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_TITLE">
        <source>Page Memory Limit (MB)</source>
        <translation>Geheugenlimiet per pagina (MB)</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Een pagina waarvan de renderer hierboven uitkomt, wordt opnieuw geladen zodra niemand de kiosk aanraakt. 0: 1 GiB of de helft van het geheugen, wat het minst is.</translation>
    </message>
    <message id="PREF_RestartDailyAt_TITLE">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Dagelijks herstarten om (HH:MM)</translation>
    </message>
    <message id="PREF_RestartDailyAt_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>Korvel herstart op dit tijdstip, of later zodra niemand het gebruikt. Leeg: nooit.</translation>
    </message>
    <message id="PREF_StrictSubresources_TITLE">
        <source>Strict Loading</source>
        <translation>Strikt laden</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_TITLE">
        <source>Also allowed for loading</source>
        <translation>Ook toegestaan om te laden</translation>
    </message>
    <message id="PREF_LearnSubresources_TITLE">
        <source>Learn What Pages Load</source>
        <translation>Leren wat pagina's laden</translation>
    </message>
    <message id="ADMIN_ABOUT">
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message id="ADMIN_ABOUT_APPLICATION">
        <source>Application</source>
        <translation>Toepassing</translation>
    </message>
    <message id="ADMIN_ABOUT_VERSION">
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message id="SETTINGS_UPDATE">
        <source>Update</source>
        <translation>Bijwerken</translation>
    </message>
    <message id="SETTINGS_ADD">
        <source>Add</source>
        <translation>Toevoegen</translation>
    </message>
    <message id="SETTINGS_URL_LABEL">
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITE_DETAILS">
        <source>Blocked Website Details</source>
        <translation>Gegevens geblokkeerde website</translation>
    </message>
    <message id="SETTINGS_DELETE_WEBSITE_QUESTION">
        <source>Are you sure you want to delete this website?</source>
        <translation>Deze website verwijderen?</translation>
    </message>
    <message id="SETTINGS_SCREEN_ADVANCED">
        <source>Advanced Settings</source>
        <translation>Geavanceerde instellingen</translation>
    </message>
    <message id="SETTINGS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="SETTINGS_CATEGORY_NONE">
        <source>None</source>
        <translation>Geen</translation>
    </message>
    <message id="SETTINGS_WEBSITE_DETAILS">
        <source>Website Details</source>
        <translation>Websitegegevens</translation>
    </message>
    <message id="SETTINGS_ASSIGN_CATEGORY">
        <source>Assign Category:</source>
        <translation>Categorie toewijzen:</translation>
    </message>
    <message id="SETTINGS_TITLE_LABEL">
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message id="SETTINGS_ICON_PATH_LABEL">
        <source>Icon Path:</source>
        <translation>Pictogrampad:</translation>
    </message>
    <message id="SETTINGS_RUN_AT_STARTUP">
        <source>Run At Startup</source>
        <translation>Openen bij opstarten</translation>
    </message>
    <message id="SETTINGS_HIDE_ICON">
        <source>Hide Icon</source>
        <translation>Pictogram verbergen</translation>
    </message>
    <message id="SETTINGS_ALLOW_SUBDOMAIN">
        <source>Allow SubDomain</source>
        <translation>Subdomeinen toestaan</translation>
    </message>
    <message id="SETTINGS_ALLOW_ONLY_THIS_URL">
        <source>Allow Only This URL</source>
        <translation>Alleen deze URL toestaan</translation>
    </message>
    <message id="SETTINGS_USE_FAVICON">
        <source>Use Favicon</source>
        <translation>Favicon gebruiken</translation>
    </message>
    <message id="SETTINGS_SET_AS_ERROR_PAGE">
        <source>Set as Error Page</source>
        <translation>Instellen als foutpagina</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES">
        <source>Save Changes?</source>
        <translation>Wijzigingen opslaan?</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES_QUESTION">
        <source>Do you wish to save the changes?</source>
        <translation>Wilt u de wijzigingen opslaan?</translation>
    </message>
    <message id="SETTINGS_ADD_NEW_CATEGORY">
        <source>+ Add New Category</source>
        <translation>+ Nieuwe categorie toevoegen</translation>
    </message>
    <message id="SETTINGS_CURRENT_BRIGHTNESS">
        <source>Current Brightness: %d %%</source>
        <translation>Huidige helderheid: %d %%</translation>
    </message>
    <message id="SETTINGS_SCREEN_BROWSER_PREFERENCES">
        <source>Browser Preferences</source>
        <translation>Browservoorkeuren</translation>
    </message>
    <message id="SETTINGS_SERVER_OFF">
        <source>Server is OFF</source>
        <translation>Server is uit</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON">
        <source>Server Running on: %@:%ld</source>
        <translation>Server actief op: %@:%ld</translation>
    </message>
    <message id="SETTINGS_DEFAULT">
        <source>Default</source>
        <translation>Standaard</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT">
        <source>Reset Icon Layout</source>
        <translation>Pictogramindeling herstellen</translation>
    </message>
    <message id="SETTINGS_WALLPAPER_PLACEHOLDER">
        <source>&lt;enter file name in documents directory&gt;</source>
        <translation>&lt;bestandsnaam in de map Documenten&gt;</translation>
    </message>
    <message id="SETTINGS_SECTION_ADMIN">
        <source>Browser Admin Settings</source>
        <translation>Beheerinstellingen browser</translation>
    </message>
    <message id="SETTINGS_SECTION_PRIVACY">
        <source>Privacy Settings</source>
        <translation>Privacyinstellingen</translation>
    </message>
    <message id="SETTINGS_SECTION_WINDOW">
        <source>Browser Window Settings</source>
        <translation>Instellingen browservenster</translation>
    </message>
    <message id="SETTINGS_SECTION_WALLPAPER">
        <source>Wallpaper Settings</source>
        <translation>Achtergrondinstellingen</translation>
    </message>
    <message id="SETTINGS_SECTION_IDLE">
        <source>Idle Timeout Settings</source>
        <translation>Instellingen time-out bij inactiviteit</translation>
    </message>
    <message id="SETTINGS_SECTION_SERVER">
        <source>Server Settings</source>
        <translation>Serverinstellingen</translation>
    </message>
    <message id="SETTINGS_SCREEN_NAVIGATION_TOOLBAR">
        <source>Configure Navigation Toolbar</source>
        <translation>Navigatiewerkbalk instellen</translation>
    </message>
    <message id="SETTINGS_CONFIGURE_TOOLBAR_DETAIL">
        <source>Tap to configure the toolbar.</source>
        <translation>Tik om de werkbalk in te stellen.</translation>
    </message>
    <message id="SETTINGS_SCREEN_SPECIAL_LINKS">
        <source>Enable Special Links</source>
        <translation>Speciale links inschakelen</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE">
        <source>ScreenSaver Mode</source>
        <translation>Schermbeveiligingsmodus</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE_DETAIL">
        <source>Tap to configure ScreenSaver on idletimeout</source>
        <translation>Tik om de schermbeveiliging na de time-out bij inactiviteit in te stellen</translation>
    </message>
    <message id="SETTINGS_SCREEN_POWER_SAVER">
        <source>Power Saver Mode</source>
        <translation>Energiebesparingsmodus</translation>
    </message>
    <message id="SETTINGS_POWER_SAVER_MODE_DETAIL">
        <source>Tap to configure Power Saver on idletimeout</source>
        <translation>Tik om energiebesparing na de time-out bij inactiviteit in te stellen</translation>
    </message>
    <message id="SETTINGS_NOT_SAVED">
        <source>The settings could not be saved.</source>
        <translation>De instellingen kunnen niet worden opgeslagen.</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON_URL">
        <source>Running on URL: %@:%ld</source>
        <translation>Actief op URL: %@:%ld</translation>
    </message>
    <message id="SETTINGS_SERVER_ERROR">
        <source>Error running the server</source>
        <translation>Fout bij uitvoeren van de server</translation>
    </message>
    <message id="SETTINGS_SERVER_NO_ADDRESS">
        <source>Local ip could not be retrieved. Please check your wifi settings.</source>
        <translation>Het lokale IP-adres kan niet worden opgehaald. Controleer de wifi-instellingen.</translation>
    </message>
    <message id="SETTINGS_SERVER_RESTART">
        <source>Error running server. Please switch on/off again</source>
        <translation>Fout bij uitvoeren van de server. Zet hem uit en weer aan.</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT_QUESTION">
        <source>Do you want to reset the icon layout on Korvel HomeScreen ?</source>
        <translation>De pictogramindeling op de startpagina van Korvel herstellen?</translation>
    </message>
    <message id="SETTINGS_ICON_LAYOUT_RESET">
        <source>Icon Layout set to default</source>
        <translation>Pictogramindeling teruggezet naar standaard</translation>
    </message>
    <message id="SETTINGS_ENABLE_TOOLBAR_FIRST">
        <source>Enable 'Show Navigation Toolbar' to configure.</source>
        <translation>Schakel ‘Navigatiewerkbalk tonen’ in om deze in te stellen.</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_FILE">
        <source>Please select a valid file</source>
        <translation>Selecteer een geldig bestand</translation>
    </message>
    <message id="SETTINGS_INVALID_FILE">
        <source>Invalid File!</source>
        <translation>Ongeldig bestand!</translation>
    </message>
    <message id="LOG_TITLE">
        <source>Korvel Log</source>
        <translation>Korvel-logboek</translation>
    </message>
    <message id="LOG_CLEAR">
        <source>Clear Log</source>
        <translation>Logboek wissen</translation>
    </message>
    <message id="LOG_CLEAR_QUESTION">
        <source>Are you sure?</source>
        <translation>Weet u het zeker?</translation>
    </message>
    <message id="LOG_ALLOW_WEBSITE_QUESTION">
        <source>Allow this WebSite: %@ ?</source>
        <translation>Deze website toestaan: %@?</translation>
    </message>
    <message id="LOG_ALLOW">
        <source>Allow</source>
        <translation>Toestaan</translation>
    </message>
    <message id="LOG_DELETE_WEBSITE_QUESTION">
        <source>Delete this URL from Allowed WebSites: %@ ?</source>
        <translation>Deze URL verwijderen uit de toegestane websites: %@?</translation>
    </message>
    <message id="LOG_WEBSITE_ALLOWED">
        <source>Website Allowed!</source>
        <translation>Website toegestaan!</translation>
    </message>
    <message id="LOG_WEBSITE_DELETED">
        <source> Website Deleted!</source>
        <translation> Website verwijderd!</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>Settings</source>
        <translation>Instellingen</translation>
    </message>
    <message id="LOG_PREPARING">
        <source>Preparing Logs...</source>
        <translation>Logboek voorbereiden...</translation>
    </message>
    <message id="SETTINGS_CATEGORY_DETAILS">
        <source>Enter Category Details</source>
        <translation>Categoriegegevens invoeren</translation>
    </message>
    <message id="SETTINGS_DELETE_CATEGORY_QUESTION">
        <source>Are you sure you want to delete this category?</source>
        <translation>Deze categorie verwijderen?</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_BUTTONS">
        <source>Buttons</source>
        <translation>Knoppen</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_IMAGES">
        <source>Images</source>
        <translation>Afbeeldingen</translation>
    </message>
    <message id="SETTINGS_CHECK_AND_RETRY">
        <source>Please check and try again</source>
        <translation>Controleer het en probeer het opnieuw</translation>
    </message>
    <message id="SETTINGS_INVALID_IMAGE_FILE">
        <source>Invalid Image File!</source>
        <translation>Ongeldig afbeeldingsbestand!</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_IMAGE">
        <source>Please select a valid image file</source>
        <translation>Selecteer een geldig afbeeldingsbestand</translation>
    </message>
    <message id="SETTINGS_ALLOWED_WEBSITES">
        <source>Allowed Websites</source>
        <translation>Toegestane websites</translation>
    </message>
    <message id="SETTINGS_EDIT_CATEGORIES">
        <source>Add/Edit Categories</source>
        <translation>Categorieën toevoegen/bewerken</translation>
    </message>
    <message id="SETTINGS_SEARCH_CATEGORY">
        <source>Search Category</source>
        <translation>Categorie zoeken</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITES">
        <source>Blocked Websites</source>
        <translation>Geblokkeerde websites</translation>
    </message>
    <message id="SETTINGS_SCREEN_SCREENSAVER">
        <source>Screensaver Mode</source>
        <translation>Schermbeveiligingsmodus</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_SCREENSAVER_FILE">
        <source>Please select a valid Image/Video/HTML file</source>
        <translation>Selecteer een geldig afbeeldings-, video- of HTML-bestand</translation>
    </message>
    <message id="SETTINGS_SEARCH_TITLE">
        <source>Search Settings</source>
        <translation>Instellingen doorzoeken</translation>
    </message>
    <message id="SETTINGS_SET">
        <source>Set</source>
        <translation>Instellen</translation>
    </message>
    <message id="ADMIN_WELCOME_GET_STARTED">
        <source>Get Started</source>
        <translation>Aan de slag</translation>
    </message>
    <message id="CLOUD_IMPORT_FROM_CLOUD">
        <source>Import from Cloud</source>
        <translation>Importeren uit de cloud</translation>
    </message>
    <message id="ADMIN_WELCOME_GOT_IT">
        <source>OK, Got it</source>
        <translation>OK, begrepen</translation>
    </message>
    <message id="SETTINGS_INVALID_TAB_COUNT">
        <source>Invalid Number of Tabs. Please enter value between or equal to 1 - 8.</source>
        <translation>Ongeldig aantal tabbladen. Voer een waarde van 1 tot en met 8 in.</translation>
    </message>
    <message id="SETTINGS_MENU_ALLOWED_DETAIL">
        <source>List of allowed websites</source>
        <translation>Lijst met toegestane websites</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES">
        <source>Manage Categories</source>
        <translation>Categorieën beheren</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES_DETAIL">
        <source>Add/Edit/Remove Categories</source>
        <translation>Categorieën toevoegen, bewerken of verwijderen</translation>
    </message>
    <message id="SETTINGS_MENU_BROWSER_PREFERENCES_DETAIL">
        <source>Korvel Browser Preferences</source>
        <translation>Browservoorkeuren van Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_ADVANCED_DETAIL">
        <source>Korvel Advanced Settings</source>
        <translation>Geavanceerde instellingen van Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_IMPORT_EXPORT">
        <source>Import/Export</source>
        <translation>Import/export</translation>
    </message>
    <message id="TRANSFER_TITLE">
        <source>Import/Export Settings</source>
        <translation>Instellingen importeren/exporteren</translation>
    </message>
    <message id="SETTINGS_MENU_LOG">
        <source>View Korvel Log</source>
        <translation>Korvel-logboek bekijken</translation>
    </message>
    <message id="SETTINGS_MENU_BLOCKED_DETAIL">
        <source>List of blocked websites</source>
        <translation>Lijst met geblokkeerde websites</translation>
    </message>
    <message id="SETTINGS_ADMIN_PASSWORD_DETAIL">
        <source>The password that opens these settings</source>
        <translation>Het wachtwoord waarmee deze instellingen opengaan</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_FILE">
        <source>Export to File</source>
        <translation>Exporteren naar bestand</translation>
    </message>
    <message id="TRANSFER_TO_FILE_DETAIL">
        <source>To a file in Documents Directory</source>
        <translation>Naar een bestand in de map Documenten</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD">
        <source>Export to Cloud</source>
        <translation>Exporteren naar de cloud</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD_DETAIL">
        <source>Export Settings to Cloud storage</source>
        <translation>Instellingen exporteren naar cloudopslag</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR">
        <source>Export Settings to Cloud and Generate QR Code</source>
        <translation>Exporteren naar de cloud en QR-code maken</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR_DETAIL">
        <source>Export Settings to Cloud storage and show Cloud ID as QR Code</source>
        <translation>Instellingen exporteren naar cloudopslag en de cloud-ID als QR-code tonen</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR">
        <source>Export for Pellmor</source>
        <translation>Exporteren voor Pellmor</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR_DETAIL">
        <source>Export as txt file for Pellmor Configuration</source>
        <translation>Exporteren als txt-bestand voor Pellmor-configuratie</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_FILE">
        <source>Import from File</source>
        <translation>Importeren uit bestand</translation>
    </message>
    <message id="TRANSFER_FROM_FILE_DETAIL">
        <source>From a file in Documents Directory</source>
        <translation>Uit een bestand in de map Documenten</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_CLOUD_DETAIL">
        <source>Import settings from Cloud storage</source>
        <translation>Instellingen importeren uit cloudopslag</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL">
        <source>Import from URL</source>
        <translation>Importeren via URL</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL_DETAIL">
        <source>Import settings from URL</source>
        <translation>Instellingen importeren via een URL</translation>
    </message>
    <message id="TRANSFER_RESET">
        <source>Reset Settings</source>
        <translation>Instellingen herstellen</translation>
    </message>
    <message id="TRANSFER_RESET_DETAIL">
        <source>Set settings to default</source>
        <translation>Instellingen terugzetten naar standaard</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT">
        <source>AutoImport Korvel Settings:</source>
        <translation>Korvel-instellingen automatisch importeren:</translation>
    </message>
    <message id="TRANSFER_AUTOMATIC_IMPORT">
        <source>Automatic Import</source>
        <translation>Automatisch importeren</translation>
    </message>
    <message id="TRANSFER_PERIOD">
        <source>Periodically Check (Minutes)</source>
        <translation>Periodiek controleren (minuten)</translation>
    </message>
    <message id="CLOUD_EXPORT_NEW_ID">
        <source>Export to New Cloud ID</source>
        <translation>Exporteren naar nieuwe cloud-ID</translation>
    </message>
    <message id="CLOUD_EXPORT_EXISTING_ID">
        <source>Export to existing ID</source>
        <translation>Exporteren naar bestaande ID</translation>
    </message>
    <message id="CLOUD_EXPORTING">
        <source>Exporting..</source>
        <translation>Exporteren...</translation>
    </message>
    <message id="CLOUD_COPY_ID">
        <source>Copy ID</source>
        <translation>ID kopiëren</translation>
    </message>
    <message id="QR_SCAN_FOR_CLOUD_ID">
        <source>Scan this QRCode for Cloud ID: %1</source>
        <translation>Scan deze QR-code voor de cloud-ID: %1</translation>
    </message>
    <message id="QR_SAVE">
        <source>Save</source>
        <translation>Opslaan</translation>
    </message>
    <message id="QR_SHARE">
        <source>Share</source>
        <translation>Delen</translation>
    </message>
    <message id="QR_SAVED">
        <source>Successfully saved photo</source>
        <translation>Foto opgeslagen</translation>
    </message>
    <message id="TRANSFER_EXPORT_SETTINGS">
        <source>Export Settings</source>
        <translation>Instellingen exporteren</translation>
    </message>
    <message id="CLOUD_AUTO_IMPORT_TITLE">
        <source>Auto Import from Cloud</source>
        <translation>Automatisch importeren uit de cloud</translation>
    </message>
    <message id="CLOUD_IMPORTING">
        <source>Importing..</source>
        <translation>Importeren...</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_FROM">
        <source>Auto Import From</source>
        <translation>Automatisch importeren uit</translation>
    </message>
    <message id="TRANSFER_SOURCE_FILE">
        <source>File</source>
        <translation>Bestand</translation>
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
        <translation>Pad:</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_CLOUD">
        <source>Automatic import from Cloud</source>
        <translation>Automatisch importeren uit de cloud</translation>
    </message>
    <message id="TRANSFER_CLOUD_ID_IN_USE">
        <source>Cloud ID in use: %1</source>
        <translation>Cloud-ID in gebruik: %1</translation>
    </message>
    <message id="TRANSFER_NOT_SET">
        <source>Not Set</source>
        <translation>Niet ingesteld</translation>
    </message>
    <message id="TRANSFER_IMPORT_SETTINGS">
        <source>Import Settings</source>
        <translation>Instellingen importeren</translation>
    </message>
    <message id="TRANSFER_EXPORT_FILE_PROMPT">
        <source>Please enter the Filename to export settings</source>
        <translation>Voer de bestandsnaam in voor de export van de instellingen</translation>
    </message>
    <message id="TRANSFER_EXPORT">
        <source>Export</source>
        <translation>Exporteren</translation>
    </message>
    <message id="TRANSFER_IMPORT_FILE_PROMPT">
        <source>Please enter the Filename to import settings</source>
        <translation>Voer de bestandsnaam in voor de import van de instellingen</translation>
    </message>
    <message id="TRANSFER_IMPORT">
        <source>Import</source>
        <translation>Importeren</translation>
    </message>
    <message id="TRANSFER_IMPORT_URL_PROMPT">
        <source>Please enter the file URL to import settings</source>
        <translation>Voer de URL in van het bestand met de instellingen</translation>
    </message>
    <message id="TRANSFER_RESET_QUESTION">
        <source>This will reset Korvel settings to defaults. Are you sure?</source>
        <translation>Hiermee worden de instellingen van Korvel teruggezet naar de standaardwaarden. Weet u het zeker?</translation>
    </message>
    <message id="QR_INVALID_ID">
        <source>Invalid ID</source>
        <translation>Ongeldige ID</translation>
    </message>
    <message id="SETTINGS_SCREEN_MULTITAB">
        <source>MultiTab Settings</source>
        <translation>Instellingen voor meerdere tabbladen</translation>
    </message>
    <message id="SETTINGS_SCREEN_PDF_VIEWER">
        <source>Change PDF Viewer preferences</source>
        <translation>Voorkeuren PDF-viewer wijzigen</translation>
    </message>
    <message id="SETTINGS_SCREEN_IMPORT_EXPORT">
        <source>Import/Export settings</source>
        <translation>Instellingen importeren/exporteren</translation>
    </message>
    <message id="TRANSFER_FIELD_EMPTY">
        <source>Textfield cannot be empty</source>
        <translation>Het tekstveld mag niet leeg zijn</translation>
    </message>
    <message id="SETTINGS_INVALID_IDLE_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 9 and less than 60000.</source>
        <translation>Ongeldige time-out. Voer een waarde in groter dan 9 en kleiner dan 60000.</translation>
    </message>
    <message id="SETTINGS_INVALID_PASSWORD_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 0 and less than 1000.</source>
        <translation>Ongeldige time-out. Voer een waarde in groter dan 0 en kleiner dan 1000.</translation>
    </message>
    <message id="SETTINGS_INVALID_TAP_COUNT">
        <source>Invalid Number of Taps. Please enter value between or equal to 4 - 40.</source>
        <translation>Ongeldig aantal tikken. Voer een waarde van 4 tot en met 40 in.</translation>
    </message>
    <message id="SETTINGS_INVALID_PORT">
        <source>Port cannot be used. Please use port between 1024 and 65535</source>
        <translation>Deze poort kan niet worden gebruikt. Gebruik een poort tussen 1024 en 65535</translation>
    </message>
    <message id="SETTINGS_INVALID_ZOOM">
        <source>Invalid scale: Please enter between 100 and 999</source>
        <translation>Ongeldige schaal: voer een waarde tussen 100 en 999 in</translation>
    </message>
    <message id="SETTINGS_STRICT_LOADING_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Pagina's laden alleen van de toegestane websites en de hosts hieronder</translation>
    </message>
    <message id="SETTINGS_ALSO_ALLOWED_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Hosts waarvan elke pagina mag laden, met hun subdomeinen</translation>
    </message>
    <message id="SETTINGS_LEARN_LOADING_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Hosts vastleggen; korvelctl learn show en learn apply</translation>
    </message>
    <message id="ADMIN_WELCOME_INSTRUCTIONS">
        <source> 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 6 times within 3 seconds.
 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.
 3. Enter Website Url to be allowed.
 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit.</source>
        <translation> 1. Open ‘Korvel-instellingen’ door binnen 3 seconden 6 keer op het welkomstscherm te tikken.
 2. Tik op ‘Toegestane websites’ en kies ‘URL toevoegen’ in de navigatiebalk.
 3. Voer de URL in van de website die u wilt toestaan.
 4. Tik op ‘Toevoegen’ in de navigatiebalk en ga met de navigatiebalk links terug tot u de instellingen verlaat.</translation>
    </message>
    <message id="PREF_Language_TITLE">
        <source>Language</source>
        <translation>Taal</translation>
    </message>
    <message id="PREF_Language_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>De taal van de schermen en het schermtoetsenbord, en de voorkeurstaal voor webpagina's.</translation>
    </message>
    <message id="PREF_StrictSubresources_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>Pagina's laden alleen van de toegestane websites en de hosts hieronder</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Hosts waarvan elke pagina mag laden, met hun subdomeinen</translation>
    </message>
    <message id="PREF_LearnSubresources_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Hosts vastleggen; korvelctl learn show en learn apply</translation>
    </message>
    <message id="PREF_SpatialNavigation_TITLE">
        <source>Arrow Key Navigation</source>
        <translation>Navigatie met pijltjestoetsen</translation>
    </message>
    <message id="PREF_SpatialNavigation_DETAIL">
        <source>Arrow keys move between the links and fields of a page</source>
        <translation>Met de pijltjestoetsen gaat u tussen de links en velden van een pagina</translation>
    </message>
    <message id="PREF_LargerText_TITLE">
        <source>Larger Text</source>
        <translation>Grotere tekst</translation>
    </message>
    <message id="PREF_LargerText_DETAIL">
        <source>The kiosk's texts and the pages grow together</source>
        <translation>De teksten van de kiosk en de pagina's worden samen groter</translation>
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
        <translation>Hoog contrast</translation>
    </message>
    <message id="PREF_HighContrast_DETAIL">
        <source>Text stands out at least 7:1 from its background</source>
        <translation>Tekst steekt minstens 7:1 af tegen de achtergrond</translation>
    </message>
</context>
</TS>
