<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_PT">
<context>
    <name></name>
    <message id="ALLOW_DOWNLOADING_FILES_TO_DEVICE">
        <source>Allows files to be downloaded to this device</source>
        <translation>Permite transferir ficheiros para este dispositivo</translation>
    </message>
    <message id="ALLOW_DOWNLOADS">
        <source>Allow Downloads</source>
        <translation>Permitir transferências</translation>
    </message>
    <message id="ALLOW_DOWNLOADS_SHOULD_BE_ENABLED">
        <source>Turn on Allow Downloads first.</source>
        <translation>Ative primeiro Permitir transferências.</translation>
    </message>
    <message id="BTN_CHOOSE_QR_PICTURE">
        <source>Choose a picture from Documents</source>
        <translation>Escolher uma imagem de Documentos</translation>
    </message>
    <message id="BTN_TITLE_CANCEL">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="CAMERA_ACCESS_DENIED_ERROR_MESSAGE">
        <source>Korvel may not use the camera, so QR codes cannot be scanned.</source>
        <translation>O Korvel não pode usar a câmara, por isso não é possível ler códigos QR.</translation>
    </message>
    <message id="CAMERA_ACCESS_RESTRICTED_ERROR_MESSAGE">
        <source>The camera may not be used on this device.</source>
        <translation>Não é permitido usar a câmara neste dispositivo.</translation>
    </message>
    <message id="CHANGE_PDF_VIEWER_SETTINGS">
        <source>Change PDF Viewer Settings</source>
        <translation>Alterar definições do visualizador de PDF</translation>
    </message>
    <message id="CHECK_TO_KEEP_DOWNLOAD_HISTORY">
        <source>Keeps a list of downloaded files</source>
        <translation>Mantém uma lista dos ficheiros transferidos</translation>
    </message>
    <message id="CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Abre um ficheiro assim que a transferência termina</translation>
    </message>
    <message id="DETAIL_MESSAGE">
        <source>Delete the selected items?</source>
        <translation>Eliminar os itens selecionados?</translation>
    </message>
    <message id="DOWNLOADS">
        <source>Download Settings</source>
        <translation>Definições de transferências</translation>
    </message>
    <message id="DOWNLOAD_IS_IN_PROGRESS">
        <source>A download is in progress.</source>
        <translation>Está a decorrer uma transferência.</translation>
    </message>
    <message id="ENABLES_VIEWING_OF_GOOGLE_DOCS">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Os documentos que o quiosque não consegue mostrar abrem no visualizador online da Google (docs.google.com), que os obtém a partir do respetivo endereço: permita também docs.google.com.</translation>
    </message>
    <message id="FILE_DOES_NOT_EXIST">
        <source>The file does not exist any more.</source>
        <translation>O ficheiro já não existe.</translation>
    </message>
    <message id="FILE_SETTINGS">
        <source>File Settings</source>
        <translation>Definições de ficheiros</translation>
    </message>
    <message id="KEEP_DOWNLOAD_HISTORY">
        <source>Keep Download History</source>
        <translation>Manter histórico de transferências</translation>
    </message>
    <message id="KORVEL_DOWNLOADS">
        <source>Korvel Downloads</source>
        <translation>Transferências do Korvel</translation>
    </message>
    <message id="OPEN_FILE_AFTER_DOWNLOAD">
        <source>Open File After Download</source>
        <translation>Abrir ficheiro após transferir</translation>
    </message>
    <message id="OPEN_SOURCE_LICENSES">
        <source>Open Source Licenses</source>
        <translation>Licenças de código aberto</translation>
    </message>
    <message id="PDF_VIEWER">
        <source>PDF Viewer</source>
        <translation>Visualizador de PDF</translation>
    </message>
    <message id="PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE">
        <source>Downloading from the PDF viewer is turned off.</source>
        <translation>A transferência a partir do visualizador de PDF está desativada.</translation>
    </message>
    <message id="PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR">
        <source>Opening documents is turned off. Please contact the administrator.</source>
        <translation>A abertura de documentos está desativada. Contacte o administrador.</translation>
    </message>
    <message id="PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE">
        <source>Select at least one item to delete.</source>
        <translation>Selecione pelo menos um item para eliminar.</translation>
    </message>
    <message id="SHOW_FILES_USING_GOOGLE_DOCS">
        <source>Show Files Using Google Docs</source>
        <translation>Mostrar ficheiros com o Google Docs</translation>
    </message>
    <message id="STATUS_DOWNLOADING">
        <source>Downloading</source>
        <translation>A transferir</translation>
    </message>
    <message id="TEXT_ADMIN_PASSWORD">
        <source>Administrator Password</source>
        <translation>Palavra-passe de administrador</translation>
    </message>
    <message id="TEXT_ALERT">
        <source>Alert</source>
        <translation>Alerta</translation>
    </message>
    <message id="TEXT_ALLOW_ALL_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Todos os sites exceto os bloqueados; o menu lista-os</translation>
    </message>
    <message id="TEXT_APPLY">
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
    <message id="TEXT_AUDIO_FILES">
        <source>Audio Files</source>
        <translation>Ficheiros de áudio</translation>
    </message>
    <message id="TEXT_BACK">
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message id="TEXT_BLOCKED_WEBSITE">
        <source>Blocked Website</source>
        <translation>Site bloqueado</translation>
    </message>
    <message id="TEXT_CACHES_DIRECTORY">
        <source>Caches</source>
        <translation>Cache</translation>
    </message>
    <message id="TEXT_CANCEL">
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message id="TEXT_CATEGORY">
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message id="TEXT_CATEGORY_PLACEHOLDER">
        <source>News</source>
        <translation>Notícias</translation>
    </message>
    <message id="TEXT_CHANGE">
        <source>Change</source>
        <translation>Alterar</translation>
    </message>
    <message id="TEXT_CHANGE_PASSWORD_TITLE">
        <source>Change the password</source>
        <translation>Alterar a palavra-passe</translation>
    </message>
    <message id="TEXT_CHOOSE_COLOUR">
        <source>Choose a Colour</source>
        <translation>Escolher uma cor</translation>
    </message>
    <message id="TEXT_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Escolher um ficheiro</translation>
    </message>
    <message id="TEXT_CHOOSE_ICON">
        <source>Choose Icon from Documents</source>
        <translation>Escolher ícone de Documentos</translation>
    </message>
    <message id="TEXT_CLEAR_HISTORY">
        <source>Clear History</source>
        <translation>Limpar histórico</translation>
    </message>
    <message id="TEXT_CLOSE">
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message id="TEXT_CLOSE_TAB">
        <source>Close tab</source>
        <translation>Fechar separador</translation>
    </message>
    <message id="TEXT_CLOUD_ID">
        <source>Cloud ID</source>
        <translation>ID da nuvem</translation>
    </message>
    <message id="TEXT_CLOUD_ID_PLACEHOLDER">
        <source>At least 10 characters</source>
        <translation>Pelo menos 10 carateres</translation>
    </message>
    <message id="TEXT_CLOUD_WELCOME_FOOTER">
        <source>Enter the cloud ID your administrator gave you to take over the settings stored under it.</source>
        <translation>Introduza o ID da nuvem que o administrador lhe deu para adotar as definições guardadas com esse ID.</translation>
    </message>
    <message id="TEXT_CONFIGURE_TABBED_BROWSING">
        <source>Configure Tabbed Browsing</source>
        <translation>Configurar navegação com separadores</translation>
    </message>
    <message id="TEXT_DAY_FRIDAY">
        <source>Friday</source>
        <translation>Sexta-feira</translation>
    </message>
    <message id="TEXT_DAY_MONDAY">
        <source>Monday</source>
        <translation>Segunda-feira</translation>
    </message>
    <message id="TEXT_DAY_SATURDAY">
        <source>Saturday</source>
        <translation>Sábado</translation>
    </message>
    <message id="TEXT_DAY_SUNDAY">
        <source>Sunday</source>
        <translation>Domingo</translation>
    </message>
    <message id="TEXT_DAY_THURSDAY">
        <source>Thursday</source>
        <translation>Quinta-feira</translation>
    </message>
    <message id="TEXT_DAY_TUESDAY">
        <source>Tuesday</source>
        <translation>Terça-feira</translation>
    </message>
    <message id="TEXT_DAY_WEDNESDAY">
        <source>Wednesday</source>
        <translation>Quarta-feira</translation>
    </message>
    <message id="TEXT_DELETE">
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message id="TEXT_DELETE_CATEGORY">
        <source>Delete Category</source>
        <translation>Eliminar categoria</translation>
    </message>
    <message id="TEXT_DELETE_WEBSITE">
        <source>Delete Website</source>
        <translation>Eliminar site</translation>
    </message>
    <message id="TEXT_DEVICE">
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message id="TEXT_DOCUMENTS_DIRECTORY">
        <source>Documents</source>
        <translation>Documentos</translation>
    </message>
    <message id="TEXT_DOCUMENT_FILES">
        <source>Document Files</source>
        <translation>Ficheiros de documentos</translation>
    </message>
    <message id="TEXT_DONE">
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message id="TEXT_DOWNLOADING">
        <source>Downloading…</source>
        <translation>A transferir…</translation>
    </message>
    <message id="TEXT_DOWNLOADING_STARTED">
        <source>Download started</source>
        <translation>Transferência iniciada</translation>
    </message>
    <message id="TEXT_DOWNLOADS">
        <source>Downloads</source>
        <translation>Transferências</translation>
    </message>
    <message id="TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT">
        <source>Downloads are turned off. Please contact the administrator to turn them on.</source>
        <translation>As transferências estão desativadas. Contacte o administrador para as ativar.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_CANCELLED">
        <source>Download cancelled</source>
        <translation>Transferência cancelada</translation>
    </message>
    <message id="TEXT_DOWNLOAD_QUOTA_REACHED">
        <source>This visit cannot save more files.</source>
        <translation>Esta visita não pode guardar mais ficheiros.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_FAILED">
        <source>The download failed.</source>
        <translation>A transferência falhou.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_PROGRESS">
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message id="TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL">
        <source>Replace the settings stored under an ID</source>
        <translation>Substituir as definições guardadas com um ID</translation>
    </message>
    <message id="TEXT_EXPORT_NEW_CLOUD_ID_DETAIL">
        <source>The cloud service issues a new ID for these settings</source>
        <translation>O serviço na nuvem atribui um novo ID a estas definições</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE">
        <source>The factory password is still in use. Change it.</source>
        <translation>A palavra-passe de fábrica ainda está em uso. Altere-a.</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE_DETAIL">
        <source>Anyone who knows it can open these settings.</source>
        <translation>Quem a conhecer pode abrir estas definições.</translation>
    </message>
    <message id="TEXT_FETCH_FROM">
        <source>On this network it can be fetched from %1</source>
        <translation>Nesta rede, pode ser obtido em %1</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN">
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN_REFUSED">
        <source>%1: %2. It will not be imported.</source>
        <translation>%1: %2. Não será importado.</translation>
    </message>
    <message id="TEXT_FILE_SAVED_IN_DOCUMENTS">
        <source>%1, saved in Documents.</source>
        <translation>%1, guardado em Documentos.</translation>
    </message>
    <message id="TEXT_FORWARD">
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message id="TEXT_FUNCTION_NOT_AVAILABLE">
        <source>This function is not available in this version of Korvel.</source>
        <translation>Esta função não está disponível nesta versão do Korvel.</translation>
    </message>
    <message id="TEXT_HOLD_QR_TO_CAMERA">
        <source>Hold the QR code in front of the camera.</source>
        <translation>Segure o código QR em frente à câmara.</translation>
    </message>
    <message id="TEXT_HOME">
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message id="TEXT_HOME_DIRECTORY">
        <source>Home directory</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message id="TEXT_HTML_FILES">
        <source>HTML Files</source>
        <translation>Ficheiros HTML</translation>
    </message>
    <message id="TEXT_ICON_PLACEHOLDER">
        <source>An image in Documents</source>
        <translation>Uma imagem em Documentos</translation>
    </message>
    <message id="TEXT_IMAGE_FILES">
        <source>Image Files</source>
        <translation>Ficheiros de imagem</translation>
    </message>
    <message id="TEXT_KORVEL_MENU">
        <source>Korvel Menu</source>
        <translation>Menu Korvel</translation>
    </message>
    <message id="TEXT_LICENSES_FOOTER">
        <source>Korvel is built on these libraries. Tap one to read its licence.</source>
        <translation>O Korvel é construído com estas bibliotecas. Toque numa para ler a licença.</translation>
    </message>
    <message id="TEXT_LICENSE_NOT_INSTALLED">
        <source>The licence notice of this library is not installed on this device (%1).</source>
        <translation>O aviso de licença desta biblioteca não está instalado neste dispositivo (%1).</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_ANSWERING">
        <source>The website is not answering right now.</source>
        <translation>O site não está a responder neste momento.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_CONNECTED">
        <source>This device is not connected to the network.</source>
        <translation>Este dispositivo não está ligado à rede.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_OTHER">
        <source>The page could not be loaded.</source>
        <translation>Não foi possível carregar a página.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_UNTRUSTED">
        <source>The website's identity could not be verified.</source>
        <translation>Não foi possível verificar a identidade do site.</translation>
    </message>
    <message id="TEXT_LOG_NOT_WRITTEN">
        <source>The log could not be written.</source>
        <translation>Não foi possível escrever o registo.</translation>
    </message>
    <message id="TEXT_LOG_VIEW_OPTIONS">
        <source>View Options</source>
        <translation>Opções de visualização</translation>
    </message>
    <message id="TEXT_MAIL_HANDED_OVER">
        <source>The log is in the mail program.</source>
        <translation>O registo está no programa de e-mail.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_TITLE">
        <source>Mail the Log</source>
        <translation>Enviar o registo por e-mail</translation>
    </message>
    <message id="TEXT_MAIL_LOG_ASK_ADDRESS">
        <source>No support address is configured for this kiosk. Type the address the log goes to.</source>
        <translation>Não há nenhum endereço de suporte configurado para este quiosque. Escreva o endereço para onde enviar o registo.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_SEND">
        <source>Mail</source>
        <translation>Enviar</translation>
    </message>
    <message id="TEXT_MAIL_LOG_BAD_ADDRESS">
        <source>That is not one mail address; nothing was mailed.</source>
        <translation>Isso não é um único endereço de e-mail; nada foi enviado.</translation>
    </message>
    <message id="TEXT_MAIL_LOG">
        <source>Mail Log</source>
        <translation>Enviar registo</translation>
    </message>
    <message id="TEXT_MAIL_NOT_OPENED">
        <source>The mail program could not be opened.</source>
        <translation>Não foi possível abrir o programa de e-mail.</translation>
    </message>
    <message id="TEXT_MANAGED_ABSENT">
        <source>%1 (none; nothing is managed)</source>
        <translation>%1 (não existe; nada é gerido)</translation>
    </message>
    <message id="TEXT_MANAGED_CONFIGURATION">
        <source>Managed configuration</source>
        <translation>Configuração gerida</translation>
    </message>
    <message id="TEXT_MANAGED_PRESENT">
        <source>%1 (present)</source>
        <translation>%1 (existe)</translation>
    </message>
    <message id="TEXT_MORE">
        <source>More</source>
        <translation>Mais</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Bloquear o ecrã enquanto o dispositivo se move (dispositivos com modem de dados móveis)</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_SETTINGS">
        <source>Motion Detection Settings</source>
        <translation>Definições de deteção de movimento</translation>
    </message>
    <message id="TEXT_MOTION_LOCKED">
        <source>The screen is locked while the device is moving.</source>
        <translation>O ecrã está bloqueado enquanto o dispositivo se move.</translation>
    </message>
    <message id="TEXT_MULTITAB_EXCLUDES">
        <source>Korvel does not support these features with tabbed browsing:
• Allow Icon Relocation
• Allow Icon Resize
• Wallpaper Settings</source>
        <translation>O Korvel não suporta estas funcionalidades com navegação com separadores:
• Permitir mover ícones
• Permitir redimensionar ícones
• Definições da imagem de fundo</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD">
        <source>New password</source>
        <translation>Nova palavra-passe</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD_AGAIN">
        <source>The new password again</source>
        <translation>Repita a nova palavra-passe</translation>
    </message>
    <message id="TEXT_NEW_TAB">
        <source>New tab</source>
        <translation>Novo separador</translation>
    </message>
    <message id="TEXT_NO">
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message id="TEXT_NO_CAMERA_CHOOSE_PICTURE">
        <source>This device has no camera. Choose a picture of the QR code from the Documents folder.</source>
        <translation>Este dispositivo não tem câmara. Escolha uma imagem do código QR na pasta Documentos.</translation>
    </message>
    <message id="TEXT_NO_DOWNLOADS">
        <source>Nothing has been downloaded yet.</source>
        <translation>Ainda não foi transferido nada.</translation>
    </message>
    <message id="TEXT_NO_FILES_IN_DOCUMENTS">
        <source>There are no files in Documents.</source>
        <translation>Não há ficheiros em Documentos.</translation>
    </message>
    <message id="TEXT_NO_FILE_SELECTED">
        <source>No File Selected</source>
        <translation>Nenhum ficheiro selecionado</translation>
    </message>
    <message id="TEXT_NO_MAIL_MESSAGE">
        <source>The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again.</source>
        <translation>O registo está guardado em Documentos como %1. Copie-o daí através do servidor de carregamento, com o respetivo código de acesso, ou configure um programa de e-mail neste dispositivo e envie-o novamente.</translation>
    </message>
    <message id="TEXT_NO_MAIL_TITLE">
        <source>No mail program is set up</source>
        <translation>Não há nenhum programa de e-mail configurado</translation>
    </message>
    <message id="TEXT_NO_QR_IN_PICTURE">
        <source>There is no QR code in this picture.</source>
        <translation>Não há nenhum código QR nesta imagem.</translation>
    </message>
    <message id="TEXT_NO_SETTING_FOUND">
        <source>No setting has that name.</source>
        <translation>Nenhuma definição tem esse nome.</translation>
    </message>
    <message id="TEXT_OPEN">
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message id="TEXT_ORIGIN_DEVICE">
        <source>saved by the settings on this device</source>
        <translation>guardado pelas definições deste dispositivo</translation>
    </message>
    <message id="TEXT_ORIGIN_DOWNLOAD">
        <source>downloaded by a visitor</source>
        <translation>transferido por um visitante</translation>
    </message>
    <message id="TEXT_ORIGIN_KORVELCTL">
        <source>placed with korvelctl</source>
        <translation>colocado com korvelctl</translation>
    </message>
    <message id="TEXT_ORIGIN_PRINTOUT">
        <source>printed by a visitor</source>
        <translation>impresso por um visitante</translation>
    </message>
    <message id="TEXT_ORIGIN_SETTINGS_DOCUMENT">
        <source>carried by an imported settings document</source>
        <translation>trazido por um documento de definições importado</translation>
    </message>
    <message id="TEXT_ORIGIN_UNKNOWN">
        <source>of unknown origin</source>
        <translation>de origem desconhecida</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITHOUT_CODE">
        <source>uploaded without the access code</source>
        <translation>carregado sem o código de acesso</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITH_CODE">
        <source>uploaded with the access code</source>
        <translation>carregado com o código de acesso</translation>
    </message>
    <message id="TEXT_OTHER_FILES">
        <source>Other Files</source>
        <translation>Outros ficheiros</translation>
    </message>
    <message id="TEXT_PASSWORD">
        <source>Password</source>
        <translation>Palavra-passe</translation>
    </message>
    <message id="TEXT_PASSWORDS_DIFFER">
        <source>The two passwords differ.</source>
        <translation>As duas palavras-passe são diferentes.</translation>
    </message>
    <message id="TEXT_PASSWORD_ALERT_HEADING">
        <source>Weak Password</source>
        <translation>Palavra-passe fraca</translation>
    </message>
    <message id="TEXT_PASSWORD_CHANGED">
        <source>The password is changed.</source>
        <translation>A palavra-passe foi alterada.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT">
        <source>A strong password has at least 8 characters.</source>
        <translation>Uma palavra-passe forte tem pelo menos 8 carateres.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT_ONE">
        <source>It mixes upper-case letters, digits and symbols.</source>
        <translation>Combina maiúsculas, algarismos e símbolos.</translation>
    </message>
    <message id="TEXT_PASSWORD_EMPTY">
        <source>The password cannot be empty.</source>
        <translation>A palavra-passe não pode estar vazia.</translation>
    </message>
    <message id="TEXT_PASSWORD_NOT_SAVED">
        <source>The password could not be saved.</source>
        <translation>Não foi possível guardar a palavra-passe.</translation>
    </message>
    <message id="TEXT_SETTINGS_NOT_SAVED">
        <source>The settings could not be saved. What was changed last is not kept after a restart.</source>
        <translation>Não foi possível guardar as definições. As últimas alterações perdem-se ao reiniciar.</translation>
    </message>
    <message id="TEXT_PASSWORD_PAUSED">
        <source>Too many wrong passwords. Try again in %1.</source>
        <translation>Demasiadas palavras-passe erradas. Tente novamente dentro de %1.</translation>
    </message>
    <message id="TEXT_PASSWORD_QUESTION">
        <source>Use this password anyway?</source>
        <translation>Usar esta palavra-passe mesmo assim?</translation>
    </message>
    <message id="TEXT_PASSWORD_STORE_DAMAGED">
        <source>The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:</source>
        <translation>O armazenamento de palavras-passe está danificado, por isso as definições continuam bloqueadas. Defina uma nova palavra-passe no dispositivo, como o utilizador que executa o Korvel, com:</translation>
    </message>
    <message id="TEXT_PASSWORD_UNCHANGED">
        <source>Unchanged</source>
        <translation>Inalterada</translation>
    </message>
    <message id="TEXT_PDF_ALREADY_IN_DOCUMENTS">
        <source>This document is already saved in Documents.</source>
        <translation>Este documento já está guardado em Documentos.</translation>
    </message>
    <message id="TEXT_PDF_APPEARANCE">
        <source>Aa</source>
        <translation>Aa</translation>
    </message>
    <message id="TEXT_PDF_CANNOT_BE_OPENED">
        <source>This document cannot be opened. It may be damaged or incomplete.</source>
        <translation>Não é possível abrir este documento. Pode estar danificado ou incompleto.</translation>
    </message>
    <message id="TEXT_PDF_CONTENTS">
        <source>Contents</source>
        <translation>Índice</translation>
    </message>
    <message id="TEXT_PDF_DOWNLOAD">
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message id="TEXT_PDF_LOADING">
        <source>Loading the document...</source>
        <translation>A carregar o documento...</translation>
    </message>
    <message id="TEXT_PDF_NO_CONTENTS">
        <source>This document has no table of contents.</source>
        <translation>Este documento não tem índice.</translation>
    </message>
    <message id="TEXT_PDF_NO_MATCHES">
        <source>No matches.</source>
        <translation>Sem resultados.</translation>
    </message>
    <message id="TEXT_PDF_NO_PRINTER">
        <source>No printer is set up on this device.</source>
        <translation>Não há nenhuma impressora configurada neste dispositivo.</translation>
    </message>
    <message id="TEXT_PDF_PAGES">
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message id="TEXT_PDF_PAGE_LABEL">
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message id="TEXT_PDF_PAGE_OF">
        <source>%1 of %2</source>
        <translation>%1 de %2</translation>
    </message>
    <message id="TEXT_PDF_PAPER_DAY">
        <source>Day</source>
        <translation>Dia</translation>
    </message>
    <message id="TEXT_PDF_PAPER_NIGHT">
        <source>Night</source>
        <translation>Noite</translation>
    </message>
    <message id="TEXT_PDF_PAPER_SEPIA">
        <source>Sepia</source>
        <translation>Sépia</translation>
    </message>
    <message id="TEXT_PDF_SEARCH">
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message id="TEXT_PDF_SEARCH_PLACEHOLDER">
        <source>Search in the document</source>
        <translation>Pesquisar no documento</translation>
    </message>
    <message id="TEXT_PDF_SHARE">
        <source>Share</source>
        <translation>Partilhar</translation>
    </message>
    <message id="TEXT_POWER_ALWAYS_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Escurecer o ecrã sempre que termina o tempo de inatividade</translation>
    </message>
    <message id="TEXT_POWER_DAYS">
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message id="TEXT_POWER_END_TIME">
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message id="TEXT_CLEAR_FIELD">
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message id="TEXT_STEPPER_DECREASE">
        <source>Decrease</source>
        <translation>Diminuir</translation>
    </message>
    <message id="TEXT_STEPPER_INCREASE">
        <source>Increase</source>
        <translation>Aumentar</translation>
    </message>
    <message id="TEXT_POWER_HOURS">
        <source>Hours</source>
        <translation>Horário</translation>
    </message>
    <message id="TEXT_POWER_HOURS_FOOTER">
        <source>A window that ends before it starts goes on past midnight. The same start and end never saves power.</source>
        <translation>Um intervalo que termina antes de começar continua depois da meia-noite. Com o mesmo início e fim, nunca se poupa energia.</translation>
    </message>
    <message id="TEXT_POWER_SCHEDULE_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Escurecer após o tempo de inatividade só dentro deste horário</translation>
    </message>
    <message id="TEXT_POWER_START_TIME">
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message id="TEXT_PRINT">
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message id="TEXT_PROTOCOL">
        <source>Protocol</source>
        <translation>Protocolo</translation>
    </message>
    <message id="TEXT_QR_NOT_SAVED">
        <source>The QR code could not be saved: %1</source>
        <translation>Não foi possível guardar o código QR: %1</translation>
    </message>
    <message id="TEXT_REFRESH">
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message id="TEXT_SAVED_IN_DOCUMENTS">
        <source>%1 is saved in Documents.</source>
        <translation>%1 está guardado em Documentos.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>Escolher um ficheiro</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL">
        <source>An image, video or page in the documents folder</source>
        <translation>Uma imagem, vídeo ou página na pasta de documentos</translation>
    </message>
    <message id="TEXT_SCREENSAVER_ENABLE_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Começa após o tempo de inatividade; termina com qualquer toque.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_NAMING">
        <source>Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page.</source>
        <translation>Os vídeos terminam em .mp4, .mov, .mpv ou .3gp e as imagens em .jpg, .png ou .tif, em minúsculas; tudo o resto é mostrado como página web.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_IMAGE">
        <source>Shown as an image over the whole screen.</source>
        <translation>Mostrado como imagem em todo o ecrã.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_NOTHING">
        <source>Nothing is shown: give a web address or choose a file.</source>
        <translation>Nada é mostrado: indique um endereço web ou escolha um ficheiro.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_PAGE">
        <source>Shown as a web page.</source>
        <translation>Mostrado como página web.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_VIDEO">
        <source>Shown as a video, looping without sound.</source>
        <translation>Mostrado como vídeo, em ciclo e sem som.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE">
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE_PLACEHOLDER">
        <source>https://... or a file name</source>
        <translation>https://... ou um nome de ficheiro</translation>
    </message>
    <message id="TEXT_SEARCH">
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message id="TEXT_SEARCH_LOG">
        <source>Search the log</source>
        <translation>Pesquisar no registo</translation>
    </message>
    <message id="TEXT_SEARCH_SETTINGS">
        <source>Search all settings</source>
        <translation>Pesquisar em todas as definições</translation>
    </message>
    <message id="TEXT_SEARCH_WEBSITE">
        <source>Search Website</source>
        <translation>Pesquisar site</translation>
    </message>
    <message id="TEXT_SERVER_NOT_RUNNING">
        <source>Not running</source>
        <translation>Parado</translation>
    </message>
    <message id="TEXT_SETTINGS_FILE">
        <source>Settings file</source>
        <translation>Ficheiro de definições</translation>
    </message>
    <message id="TEXT_SHOW_ID_AS_QR_CODE">
        <source>Show ID as QR Code</source>
        <translation>Mostrar ID como código QR</translation>
    </message>
    <message id="TEXT_SIZE">
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message id="TEXT_SPECIAL_LINKS_DETAIL">
        <source>Tap to configure special links.</source>
        <translation>Toque para configurar links especiais.</translation>
    </message>
    <message id="TEXT_STOP">
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message id="TEXT_SYSTEM">
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message id="TEXT_SYSTEM_FILES">
        <source>Files and Folders</source>
        <translation>Ficheiros e pastas</translation>
    </message>
    <message id="TEXT_SYSTEM_NETWORK">
        <source>Local Network</source>
        <translation>Rede local</translation>
    </message>
    <message id="TEXT_SYSTEM_VERSIONS">
        <source>Software Versions</source>
        <translation>Versões do software</translation>
    </message>
    <message id="TEXT_TAB_ERROR">
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message id="TEXT_TITLE_PLACEHOLDER">
        <source>Derived from the address when empty</source>
        <translation>Obtido do endereço se ficar vazio</translation>
    </message>
    <message id="TEXT_TOOLBAR_IMAGES_FOOTER">
        <source>Images in Documents; empty uses the built-in image. Tap a row to pick one.</source>
        <translation>Imagens em Documentos; vazio usa a imagem incorporada. Toque numa linha para escolher uma.</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE">
        <source>Upload Access Code</source>
        <translation>Código de acesso de carregamento</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Pedido a qualquer outro dispositivo que use o servidor de carregamento; vazio deixa-o aberto.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ADDRESS">
        <source>Upload server</source>
        <translation>Servidor de carregamento</translation>
    </message>
    <message id="TEXT_URL_PLACEHOLDER">
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message id="TEXT_VIDEO_FILES">
        <source>Video Files</source>
        <translation>Ficheiros de vídeo</translation>
    </message>
    <message id="TEXT_ENGINE_HARDENING">
        <source>Engine hardening</source>
        <translation>Proteção do motor</translation>
    </message>
    <message id="TEXT_HARDENING_NO_DEBUGGING">
        <source>remote debugging refused</source>
        <translation>depuração remota recusada</translation>
    </message>
    <message id="TEXT_HARDENING_NO_JIT">
        <source>JIT off</source>
        <translation>JIT desativado</translation>
    </message>
    <message id="TEXT_HARDENING_WEBRTC">
        <source>WebRTC through a proxy only</source>
        <translation>WebRTC só através de proxy</translation>
    </message>
    <message id="TEXT_HARDENING_COOKIES">
        <source>third-party cookies refused</source>
        <translation>cookies de terceiros recusados</translation>
    </message>
    <message id="TITLE_CHECK_LOCKDOWN">
        <source>Check Lockdown</source>
        <translation>Verificar bloqueio</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_CHECK_LOCKDOWN">
        <source>What could break out of this kiosk</source>
        <translation>O que poderia escapar deste quiosque</translation>
    </message>
    <message id="TEXT_LOCKDOWN_PROBES">
        <source>Probes</source>
        <translation>Testes</translation>
    </message>
    <message id="TEXT_PROBE_PASSED">
        <source>Passed</source>
        <translation>Aprovado</translation>
    </message>
    <message id="TEXT_PROBE_WARNING">
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message id="TEXT_PROBE_FAILED">
        <source>Failed</source>
        <translation>Falhou</translation>
    </message>
    <message id="TEXT_LOCKDOWN_UNAVAILABLE">
        <source>The check cannot run here: start Korvel in its kiosk session.</source>
        <translation>A verificação não pode ser executada aqui: inicie o Korvel na respetiva sessão de quiosque.</translation>
    </message>
    <message id="TEXT_WEB_ENGINE">
        <source>Web engine</source>
        <translation>Motor web</translation>
    </message>
    <message id="TEXT_WHEN">
        <source>When</source>
        <translation>Quando</translation>
    </message>
    <message id="TEXT_YES">
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message id="THIS_FILE_IS_PASSWORD_PROTECTED">
        <source>This file is password protected.</source>
        <translation>Este ficheiro está protegido por palavra-passe.</translation>
    </message>
    <message id="TITLE_CLOUD_ID_QR_CODE">
        <source>Cloud ID QR Code</source>
        <translation>Código QR do ID da nuvem</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_SYSTEM_SETTINGS">
        <source>Korvel in the system's settings</source>
        <translation>O Korvel nas definições do sistema</translation>
    </message>
    <message id="TITLE_DOWNLOAD_SUCCESSFULLY">
        <source>Downloaded successfully</source>
        <translation>Transferido com êxito</translation>
    </message>
    <message id="TITLE_EDIT">
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message id="TITLE_PDF_FILE">
        <source>PDF File</source>
        <translation>Ficheiro PDF</translation>
    </message>
    <message id="TITLE_SCAN_QR">
        <source>Scan QR Code</source>
        <translation>Ler código QR</translation>
    </message>
    <message id="TITLE_SELECT_ALL">
        <source>Select All</source>
        <translation>Marcar tudo</translation>
    </message>
    <message id="TITLE_SYSTEM_SETTINGS">
        <source>System Settings</source>
        <translation>Definições do sistema</translation>
    </message>
    <message id="TITLE_UNSELECT_ALL">
        <source>Unselect All</source>
        <translation>Desmarcar tudo</translation>
    </message>
    <message id="TXT_DOWNLOAD">
        <source>Download</source>
        <translation>Transferir</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_OPEN_WARNING">
        <source>Anyone on this network can change the documents folder</source>
        <translation>Qualquer pessoa nesta rede pode alterar a pasta de documentos</translation>
    </message>
    <message id="TEXT_SET_ACCESS_CODE">
        <source>Set access code</source>
        <translation>Definir código de acesso</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE">
        <source>Open on a Phone</source>
        <translation>Abrir num telemóvel</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL">
        <source>The address as a QR code, and the certificate's fingerprint</source>
        <translation>O endereço como código QR e a impressão digital do certificado</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS">
        <source>Use HTTPS</source>
        <translation>Usar HTTPS</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Com o certificado do próprio dispositivo, que um telemóvel verifica pela impressão digital</translation>
    </message>
    <message id="TITLE_UPLOAD_SERVER_ON_A_PHONE">
        <source>Upload Server on a Phone</source>
        <translation>Servidor de carregamento num telemóvel</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_NO_ADDRESS">
        <source>The upload server is not running, or this device has no address on the network.</source>
        <translation>O servidor de carregamento não está em execução ou este dispositivo não tem endereço na rede.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_SCAN">
        <source>Scan the code with a phone's camera to open the upload page.</source>
        <translation>Leia o código com a câmara de um telemóvel para abrir a página de carregamento.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_PLAIN">
        <source>The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network.</source>
        <translation>A página e o código de acesso circulam sem encriptação. Ative Usar HTTPS para os proteger na rede.</translation>
    </message>
    <message id="TEXT_CERTIFICATE_MISSING">
        <source>The device's certificate cannot be had: %1</source>
        <translation>Não é possível obter o certificado do dispositivo: %1</translation>
    </message>
    <message id="TEXT_CERTIFICATE_FINGERPRINT">
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>Impressão digital do certificado (SHA-256)</translation>
    </message>
    <message id="TEXT_CERTIFICATE_CHECK">
        <source>The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one.</source>
        <translation>O navegador do telemóvel avisa sobre o certificado próprio deste dispositivo. Continue apenas se a impressão digital SHA-256 que mostrar for esta.</translation>
    </message>
    <message id="TEXT_RECOVERY_SETTINGS">
        <source>Recovery</source>
        <translation>Recuperação</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT">
        <source>Page Memory Limit (MB)</source>
        <translation>Limite de memória da página (MB)</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Uma página cujo renderizador ultrapasse este valor é recarregada quando ninguém estiver a tocar no quiosque. 0: 1 GiB ou metade da memória, o que for menor.</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_INVALID">
        <source>Invalid memory limit. Please enter megabytes, or 0 for the automatic limit.</source>
        <translation>Limite de memória inválido. Introduza megabytes, ou 0 para o limite automático.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Reiniciar diariamente às (HH:MM)</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>O Korvel reinicia a esta hora, ou mais tarde quando ninguém o estiver a usar. Vazio: nunca.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_INVALID">
        <source>Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart.</source>
        <translation>Introduza uma hora no formato HH:MM (24 horas), ou nada para não reiniciar diariamente.</translation>
    </message>
    <message id="TEXT_BOUNCE_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Sem efeito neste dispositivo: o motor web desloca as páginas sem efeito de ressalto.</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS">
        <source>Enable Browser Plugins</source>
        <translation>Ativar plug-ins do navegador</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Permite que as páginas usem os plug-ins do motor web. Não há nenhum plug-in instalado para este motor aqui, por isso não altera nada.</translation>
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
        <translation>Impressora</translation>
    </message>
    <message id="BROWSER_PRINT_FAILED">
        <source>Cannot complete print request</source>
        <translation>Não foi possível concluir a impressão</translation>
    </message>
    <message id="BROWSER_AUTH_REQUIRED">
        <source>Authentication Required</source>
        <translation>Autenticação necessária</translation>
    </message>
    <message id="BROWSER_AUTH_LOGIN">
        <source>Login</source>
        <translation>Iniciar sessão</translation>
    </message>
    <message id="BROWSER_POPUPS_BLOCKED">
        <source>Popups are blocked!</source>
        <translation>Os pop-ups estão bloqueados!</translation>
    </message>
    <message id="BROWSER_APP_NOT_AVAILABLE">
        <source>Application is not available. Please install.</source>
        <translation>A aplicação não está disponível. Instale-a.</translation>
    </message>
    <message id="HOME_ACCESS_DENIED">
        <source>Access Denied for %1</source>
        <translation>Acesso negado a %1</translation>
    </message>
    <message id="APP_PASSWORD_PROMPT">
        <source>Enter password to enter settings.</source>
        <translation>Introduza a palavra-passe para abrir as definições.</translation>
    </message>
    <message id="APP_DEFAULT_PASSWORD">
        <source>Default password is %1</source>
        <translation>A palavra-passe predefinida é %1</translation>
    </message>
    <message id="APP_WRONG_PASSWORD">
        <source>Wrong Password!</source>
        <translation>Palavra-passe incorreta!</translation>
    </message>
    <message id="APP_LANGUAGE">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="APP_LANGUAGE_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>O idioma dos ecrãs, do teclado no ecrã e o idioma pedido às páginas web.</translation>
    </message>
    <message id="APP_LANGUAGE_SYSTEM">
        <source>System Language</source>
        <translation>Idioma do sistema</translation>
    </message>
    <message id="FILES_HISTORY_DELETE_COUNT" numerus="yes">
        <source>%n entries will be removed from the history.</source>
        <translation>
            <numerusform>Será removida %n entrada do histórico.</numerusform>
            <numerusform>Serão removidas %n entradas do histórico.</numerusform>
        </translation>
    </message>
    <message id="BROWSER_ERROR_TITLE">
        <source>ERROR</source>
        <translation>ERRO</translation>
    </message>
    <message id="PREF_RefreshOnError_TITLE">
        <source>Refresh Current Page on Recovering from Error</source>
        <translation>Atualizar a página atual ao recuperar de um erro</translation>
    </message>
    <message id="PREF_CopyPaste_TITLE">
        <source>Enable Copy Paste</source>
        <translation>Ativar copiar e colar</translation>
    </message>
    <message id="PREF_PhoneLinks_TITLE">
        <source>Phone Numbers</source>
        <translation>Números de telefone</translation>
    </message>
    <message id="PREF_PhoneLinks_DETAIL">
        <source>This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application.</source>
        <translation>Este dispositivo não faz chamadas: um número de telefone ou link de e-mail ou mensagem que seja tocado fica apenas no registo e nunca é passado a outra aplicação.</translation>
    </message>
    <message id="PREF_PrintLinks_TITLE">
        <source>Print Links</source>
        <translation>Links de impressão</translation>
    </message>
    <message id="PREF_PrintLinks_DETAIL">
        <source>A page's own print link prints the page.</source>
        <translation>O link de impressão da própria página imprime a página.</translation>
    </message>
    <message id="PREF_DrivingMode_TITLE">
        <source>Motion Detection</source>
        <translation>Deteção de movimento</translation>
    </message>
    <message id="PREF_DrivingMode_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>Bloquear o ecrã enquanto o dispositivo se move (dispositivos com modem de dados móveis)</translation>
    </message>
    <message id="PREF_MotionType_TITLE">
        <source>Sensitivity</source>
        <translation>Sensibilidade</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Walking">
        <source>Walking</source>
        <translation>Caminhada</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Running">
        <source>Running</source>
        <translation>Corrida</translation>
    </message>
    <message id="PREF_MotionType_VALUE_Automotive">
        <source>Automotive</source>
        <translation>Automóvel</translation>
    </message>
    <message id="PREF_IdleTimeout_TITLE">
        <source>Idle Timeout (Seconds)</source>
        <translation>Tempo de inatividade (segundos)</translation>
    </message>
    <message id="PREF_AllowAllWebsites_TITLE">
        <source>Allow All Websites</source>
        <translation>Permitir todos os sites</translation>
    </message>
    <message id="PREF_AllowAllWebsites_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>Todos os sites exceto os bloqueados; o menu lista-os</translation>
    </message>
    <message id="PREF_AllowContentBlocking_TITLE">
        <source>Enable Content Blocking</source>
        <translation>Ativar bloqueio de conteúdo</translation>
    </message>
    <message id="PREF_AllowContentBlocking_DETAIL">
        <source>Enable to allow content blocking</source>
        <translation>Ative para permitir o bloqueio de conteúdo</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_TITLE">
        <source>Add keywords to block access</source>
        <translation>Adicionar palavras-chave para bloquear o acesso</translation>
    </message>
    <message id="PREF_StrBlockedKeyWord_DETAIL">
        <source>Block sites containing the keywords</source>
        <translation>Bloquear sites que contenham as palavras-chave</translation>
    </message>
    <message id="PREF_IgnoreSSLWarnings_TITLE">
        <source>Ignore SSL Warnings</source>
        <translation>Ignorar avisos de SSL</translation>
    </message>
    <message id="PREF_GoHomeOnNetworkGain_TITLE">
        <source>Go to Home on Network Gain</source>
        <translation>Ir para o ecrã inicial ao recuperar a rede</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_TITLE">
        <source>Go to Home</source>
        <translation>Ir para o ecrã inicial</translation>
    </message>
    <message id="PREF_GoHomeOnIdleTimeout_DETAIL">
        <source>Goto Home Screen on idletimeout</source>
        <translation>Ir para o ecrã inicial após o tempo de inatividade</translation>
    </message>
    <message id="PREF_EnableMenu_TITLE">
        <source>Show Options Menu on Browser Screen</source>
        <translation>Mostrar menu de opções no ecrã do navegador</translation>
    </message>
    <message id="PREF_PrivateBrowsing_TITLE">
        <source>Clear Cookies on Home</source>
        <translation>Limpar cookies ao voltar ao início</translation>
    </message>
    <message id="PREF_OfflineCacheBrowsing_TITLE">
        <source>Clear App Cache on Home</source>
        <translation>Limpar cache da aplicação ao voltar ao início</translation>
    </message>
    <message id="PREF_PluginsEnable_TITLE">
        <source>Enable Browser Plugins</source>
        <translation>Ativar plug-ins do navegador</translation>
    </message>
    <message id="PREF_PluginsEnable_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>Permite que as páginas usem os plug-ins do motor web. Não há nenhum plug-in instalado para este motor aqui, por isso não altera nada.</translation>
    </message>
    <message id="PREF_Wallpaper_TITLE">
        <source>Wallpaper</source>
        <translation>Imagem de fundo</translation>
    </message>
    <message id="PREF_ZoomEnable_TITLE">
        <source>Enable Zoom</source>
        <translation>Ativar zoom</translation>
    </message>
    <message id="PREF_FullScreen_TITLE">
        <source>Enable FullScreen</source>
        <translation>Ativar ecrã inteiro</translation>
    </message>
    <message id="PREF_PreventSuspend_TITLE">
        <source>Prevent Device Suspend</source>
        <translation>Impedir a suspensão do dispositivo</translation>
    </message>
    <message id="PREF_WallpaperStyle_TITLE">
        <source>Wallpaper Style</source>
        <translation>Estilo da imagem de fundo</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Center">
        <source>Center</source>
        <translation>Centrar</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_Stretch">
        <source>Stretch</source>
        <translation>Esticar</translation>
    </message>
    <message id="PREF_WallpaperStyle_VALUE_AspectFit">
        <source>AspectFit</source>
        <translation>Ajustar</translation>
    </message>
    <message id="PREF_BrowserOrientation_TITLE">
        <source>Browser Orientation</source>
        <translation>Orientação do navegador</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_None">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Landscape">
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message id="PREF_BrowserOrientation_VALUE_Portrait">
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message id="PREF_PasswordTimeout_TITLE">
        <source>Restrict Settings after (Minutes)</source>
        <translation>Restringir definições após (minutos)</translation>
    </message>
    <message id="PREF_RestrictSettings_TITLE">
        <source>Restrict Korvel Settings Menu</source>
        <translation>Restringir menu de definições do Korvel</translation>
    </message>
    <message id="PREF_UserAgents_TITLE">
        <source>User Agent</source>
        <translation>Agente do utilizador</translation>
    </message>
    <message id="PREF_MakeToast_TITLE">
        <source>Enable Toast Messages</source>
        <translation>Ativar mensagens breves</translation>
    </message>
    <message id="PREF_EnableScreenSaver_TITLE">
        <source>Enable ScreenSaver</source>
        <translation>Ativar proteção de ecrã</translation>
    </message>
    <message id="PREF_EnableScreenSaver_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>Começa após o tempo de inatividade; termina com qualquer toque.</translation>
    </message>
    <message id="PREF_ScreenSaver_TITLE">
        <source>Show</source>
        <translation>Mostrar</translation>
    </message>
    <message id="PREF_ScreenSaver_DETAIL">
        <source>https://... or a file name</source>
        <translation>https://... ou um nome de ficheiro</translation>
    </message>
    <message id="PREF_EnableToolBar_TITLE">
        <source>Show Navigation Toolbar</source>
        <translation>Mostrar barra de navegação</translation>
    </message>
    <message id="PREF_NumberOfTaps_TITLE">
        <source>Tap count</source>
        <translation>Número de toques</translation>
    </message>
    <message id="PREF_NumberOfTaps_DETAIL">
        <source>Number of taps to access settings. Default 5.</source>
        <translation>Número de toques para aceder às definições. Predefinição: 5.</translation>
    </message>
    <message id="PREF_AccessDenied_TITLE">
        <source>Go to Home on Access Denied</source>
        <translation>Ir para o ecrã inicial se o acesso for negado</translation>
    </message>
    <message id="PREF_ServerSwitch_TITLE">
        <source>Enable Upload Server</source>
        <translation>Ativar servidor de carregamento</translation>
    </message>
    <message id="PREF_Port_TITLE">
        <source>Run on Port</source>
        <translation>Executar na porta</translation>
    </message>
    <message id="PREF_UploadAccessCode_TITLE">
        <source>Upload Access Code</source>
        <translation>Código de acesso de carregamento</translation>
    </message>
    <message id="PREF_UploadAccessCode_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>Pedido a qualquer outro dispositivo que use o servidor de carregamento; vazio deixa-o aberto.</translation>
    </message>
    <message id="PREF_UploadServerTLS_TITLE">
        <source>Use HTTPS</source>
        <translation>Usar HTTPS</translation>
    </message>
    <message id="PREF_UploadServerTLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>Com o certificado do próprio dispositivo, que um telemóvel verifica pela impressão digital</translation>
    </message>
    <message id="PREF_Zoom_TITLE">
        <source>Set Initial Zoom Level</source>
        <translation>Definir nível de zoom inicial</translation>
    </message>
    <message id="PREF_Bounce_TITLE">
        <source>WebView Bounce</source>
        <translation>Ressalto da vista web</translation>
    </message>
    <message id="PREF_Bounce_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>Sem efeito neste dispositivo: o motor web desloca as páginas sem efeito de ressalto.</translation>
    </message>
    <message id="PREF_AllowPopup_TITLE">
        <source>Allow Pop-Ups</source>
        <translation>Permitir pop-ups</translation>
    </message>
    <message id="PREF_AllowPopupInSameWindow_TITLE">
        <source>Show Pop-Ups in same window</source>
        <translation>Mostrar pop-ups na mesma janela</translation>
    </message>
    <message id="PREF_EnableRefreshButton_TITLE">
        <source>Show Refresh Button</source>
        <translation>Mostrar botão Atualizar</translation>
    </message>
    <message id="PREF_EnableHomeButton_TITLE">
        <source>Show Home Button</source>
        <translation>Mostrar botão Início</translation>
    </message>
    <message id="PREF_EnableBackButton_TITLE">
        <source>Show Back Button</source>
        <translation>Mostrar botão Voltar</translation>
    </message>
    <message id="PREF_EnableForwardButton_TITLE">
        <source>Show Forward Button</source>
        <translation>Mostrar botão Avançar</translation>
    </message>
    <message id="PREF_EnablePrintButton_TITLE">
        <source>Show Print Button</source>
        <translation>Mostrar botão Imprimir</translation>
    </message>
    <message id="PREF_RefreshImage_TITLE">
        <source>Refresh Button Image</source>
        <translation>Imagem do botão Atualizar</translation>
    </message>
    <message id="PREF_RefreshImage_DETAIL">
        <source>Image used to show Refresh Button. Recommended size: 44*44</source>
        <translation>Imagem usada para o botão Atualizar. Tamanho recomendado: 44*44</translation>
    </message>
    <message id="PREF_HomeImage_TITLE">
        <source>Home Button Image</source>
        <translation>Imagem do botão Início</translation>
    </message>
    <message id="PREF_HomeImage_DETAIL">
        <source>Image used to show Home Button. Recommended size: 44*44</source>
        <translation>Imagem usada para o botão Início. Tamanho recomendado: 44*44</translation>
    </message>
    <message id="PREF_BackImage_TITLE">
        <source>Back Button Image</source>
        <translation>Imagem do botão Voltar</translation>
    </message>
    <message id="PREF_BackImage_DETAIL">
        <source>Image used to show Back Button. Recommended size: 44*44</source>
        <translation>Imagem usada para o botão Voltar. Tamanho recomendado: 44*44</translation>
    </message>
    <message id="PREF_ForwardImage_TITLE">
        <source>Forward Button Image</source>
        <translation>Imagem do botão Avançar</translation>
    </message>
    <message id="PREF_ForwardImage_DETAIL">
        <source>Image used to show Forward Button. Recommended size: 44*44</source>
        <translation>Imagem usada para o botão Avançar. Tamanho recomendado: 44*44</translation>
    </message>
    <message id="PREF_PrintImage_TITLE">
        <source>Print Button Image</source>
        <translation>Imagem do botão Imprimir</translation>
    </message>
    <message id="PREF_PrintImage_DETAIL">
        <source>Image used to show Print Button. Recommended size: 44*44</source>
        <translation>Imagem usada para o botão Imprimir. Tamanho recomendado: 44*44</translation>
    </message>
    <message id="PREF_ToolbarImage_TITLE">
        <source>Toolbar Background</source>
        <translation>Fundo da barra de ferramentas</translation>
    </message>
    <message id="PREF_ToolbarImage_DETAIL">
        <source>Image for Navigation Toolbar Background</source>
        <translation>Imagem de fundo da barra de navegação</translation>
    </message>
    <message id="PREF_Brightness_TITLE">
        <source>Adjust Brightness</source>
        <translation>Ajustar brilho</translation>
    </message>
    <message id="PREF_AllowDragDrop_TITLE">
        <source>Allow Icon Relocation</source>
        <translation>Permitir mover ícones</translation>
    </message>
    <message id="PREF_AllowResize_TITLE">
        <source>Allow Icon Resize</source>
        <translation>Permitir redimensionar ícones</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_TITLE">
        <source>Schedule Power Saver</source>
        <translation>Agendar poupança de energia</translation>
    </message>
    <message id="PREF_EnableSchedulePowerSaver_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>Escurecer após o tempo de inatividade só dentro deste horário</translation>
    </message>
    <message id="PREF_StartTime_TITLE">
        <source>Start</source>
        <translation>Início</translation>
    </message>
    <message id="PREF_StartTime_DETAIL">
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message id="PREF_EndTime_TITLE">
        <source>End</source>
        <translation>Fim</translation>
    </message>
    <message id="PREF_EndTime_DETAIL">
        <source>Hours</source>
        <translation>Horas</translation>
    </message>
    <message id="PREF_DaySelected_TITLE">
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message id="PREF_AlwaysSavePower_TITLE">
        <source>Always Save Power</source>
        <translation>Poupar energia sempre</translation>
    </message>
    <message id="PREF_AlwaysSavePower_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>Escurecer o ecrã sempre que termina o tempo de inatividade</translation>
    </message>
    <message id="PREF_UseMultiTab_TITLE">
        <source>Enable Multi-Tab</source>
        <translation>Ativar vários separadores</translation>
    </message>
    <message id="PREF_EnableLoadingIcon_TITLE">
        <source>Enable Loading Icon</source>
        <translation>Ativar ícone de carregamento</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_TITLE">
        <source>Custom User Agent Header</source>
        <translation>Cabeçalho de agente do utilizador personalizado</translation>
    </message>
    <message id="PREF_CustomUserAgentHeader_DETAIL">
        <source>Note:If Header field is empty.Default header is set to Korvel.</source>
        <translation>Nota: se o campo estiver vazio, o cabeçalho predefinido é Korvel.</translation>
    </message>
    <message id="PREF_EnableCustomUserAgentHeader_TITLE">
        <source>Enable Custom User Agent Header</source>
        <translation>Ativar agente do utilizador personalizado</translation>
    </message>
    <message id="PREF_CountOfTabs_TITLE">
        <source>Maximum Number of Tab(s)</source>
        <translation>Número máximo de separadores</translation>
    </message>
    <message id="PREF_CountOfTabs_DETAIL">
        <source>Enter a value between 1 to 8.</source>
        <translation>Introduza um valor entre 1 e 8.</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_TITLE">
        <source>Show Files Using Google Docs</source>
        <translation>Mostrar ficheiros com o Google Docs</translation>
    </message>
    <message id="PREF_AllowOpenFileInGoogleDocs_DETAIL">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>Os documentos que o quiosque não consegue mostrar abrem no visualizador online da Google (docs.google.com), que os obtém a partir do respetivo endereço: permita também docs.google.com.</translation>
    </message>
    <message id="PREF_AllowPDFViewer_TITLE">
        <source>PDF Viewer</source>
        <translation>Visualizador de PDF</translation>
    </message>
    <message id="PREF_AllowPDFViewer_DETAIL">
        <source>Opens PDF documents in the kiosk's own reader.</source>
        <translation>Abre documentos PDF no leitor do próprio quiosque.</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_TITLE">
        <source>Allow Download</source>
        <translation>Permitir transferência</translation>
    </message>
    <message id="PREF_AllowDownloadInPDFViewer_DETAIL">
        <source>The reader's Download button saves the document in Documents.</source>
        <translation>O botão Transferir do leitor guarda o documento em Documentos.</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_TITLE">
        <source>Allow Print</source>
        <translation>Permitir impressão</translation>
    </message>
    <message id="PREF_AllowPrintInPDFViewer_DETAIL">
        <source>The reader's Share sheet offers printing.</source>
        <translation>O menu Partilhar do leitor permite imprimir.</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_TITLE">
        <source>Allow Downloads</source>
        <translation>Permitir transferências</translation>
    </message>
    <message id="PREF_AllowFileDownloadInDevice_DETAIL">
        <source>Allows files to be downloaded to this device</source>
        <translation>Permite transferir ficheiros para este dispositivo</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_TITLE">
        <source>Open File After Download</source>
        <translation>Abrir ficheiro após transferir</translation>
    </message>
    <message id="PREF_AllowOpenFileAfterDownload_DETAIL">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>Abre um ficheiro assim que a transferência termina</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_TITLE">
        <source>Keep Download History</source>
        <translation>Manter histórico de transferências</translation>
    </message>
    <message id="PREF_KeepDownloadHistory_DETAIL">
        <source>Keeps a list of downloaded files</source>
        <translation>Mantém uma lista dos ficheiros transferidos</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_TITLE">
        <source>Page Memory Limit (MB)</source>
        <translation>Limite de memória da página (MB)</translation>
    </message>
    <message id="PREF_RendererMemoryLimitMB_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>Uma página cujo renderizador ultrapasse este valor é recarregada quando ninguém estiver a tocar no quiosque. 0: 1 GiB ou metade da memória, o que for menor.</translation>
    </message>
    <message id="PREF_RestartDailyAt_TITLE">
        <source>Restart Daily At (HH:MM)</source>
        <translation>Reiniciar diariamente às (HH:MM)</translation>
    </message>
    <message id="PREF_RestartDailyAt_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>O Korvel reinicia a esta hora, ou mais tarde quando ninguém o estiver a usar. Vazio: nunca.</translation>
    </message>
    <message id="PREF_StrictSubresources_TITLE">
        <source>Strict Loading</source>
        <translation>Carregamento estrito</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_TITLE">
        <source>Also allowed for loading</source>
        <translation>Também permitido no carregamento</translation>
    </message>
    <message id="PREF_LearnSubresources_TITLE">
        <source>Learn What Pages Load</source>
        <translation>Aprender o que as páginas carregam</translation>
    </message>
    <message id="ADMIN_ABOUT">
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message id="ADMIN_ABOUT_APPLICATION">
        <source>Application</source>
        <translation>Aplicação</translation>
    </message>
    <message id="ADMIN_ABOUT_VERSION">
        <source>Version</source>
        <translation>Versão</translation>
    </message>
    <message id="SETTINGS_UPDATE">
        <source>Update</source>
        <translation>Atualizar</translation>
    </message>
    <message id="SETTINGS_ADD">
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message id="SETTINGS_URL_LABEL">
        <source>URL:</source>
        <translation>URL:</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITE_DETAILS">
        <source>Blocked Website Details</source>
        <translation>Detalhes do site bloqueado</translation>
    </message>
    <message id="SETTINGS_DELETE_WEBSITE_QUESTION">
        <source>Are you sure you want to delete this website?</source>
        <translation>Tem a certeza de que quer eliminar este site?</translation>
    </message>
    <message id="SETTINGS_SCREEN_ADVANCED">
        <source>Advanced Settings</source>
        <translation>Definições avançadas</translation>
    </message>
    <message id="SETTINGS_OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="SETTINGS_CATEGORY_NONE">
        <source>None</source>
        <translation>Nenhuma</translation>
    </message>
    <message id="SETTINGS_WEBSITE_DETAILS">
        <source>Website Details</source>
        <translation>Detalhes do site</translation>
    </message>
    <message id="SETTINGS_ASSIGN_CATEGORY">
        <source>Assign Category:</source>
        <translation>Atribuir categoria:</translation>
    </message>
    <message id="SETTINGS_TITLE_LABEL">
        <source>Title:</source>
        <translation>Título:</translation>
    </message>
    <message id="SETTINGS_ICON_PATH_LABEL">
        <source>Icon Path:</source>
        <translation>Caminho do ícone:</translation>
    </message>
    <message id="SETTINGS_RUN_AT_STARTUP">
        <source>Run At Startup</source>
        <translation>Abrir ao iniciar</translation>
    </message>
    <message id="SETTINGS_HIDE_ICON">
        <source>Hide Icon</source>
        <translation>Ocultar ícone</translation>
    </message>
    <message id="SETTINGS_ALLOW_SUBDOMAIN">
        <source>Allow SubDomain</source>
        <translation>Permitir subdomínios</translation>
    </message>
    <message id="SETTINGS_ALLOW_ONLY_THIS_URL">
        <source>Allow Only This URL</source>
        <translation>Permitir só este URL</translation>
    </message>
    <message id="SETTINGS_USE_FAVICON">
        <source>Use Favicon</source>
        <translation>Usar favicon</translation>
    </message>
    <message id="SETTINGS_SET_AS_ERROR_PAGE">
        <source>Set as Error Page</source>
        <translation>Definir como página de erro</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES">
        <source>Save Changes?</source>
        <translation>Guardar alterações?</translation>
    </message>
    <message id="SETTINGS_SAVE_CHANGES_QUESTION">
        <source>Do you wish to save the changes?</source>
        <translation>Quer guardar as alterações?</translation>
    </message>
    <message id="SETTINGS_ADD_NEW_CATEGORY">
        <source>+ Add New Category</source>
        <translation>+ Adicionar nova categoria</translation>
    </message>
    <message id="SETTINGS_CURRENT_BRIGHTNESS">
        <source>Current Brightness: %d %%</source>
        <translation>Brilho atual: %d %%</translation>
    </message>
    <message id="SETTINGS_SCREEN_BROWSER_PREFERENCES">
        <source>Browser Preferences</source>
        <translation>Preferências do navegador</translation>
    </message>
    <message id="SETTINGS_SERVER_OFF">
        <source>Server is OFF</source>
        <translation>O servidor está desligado</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON">
        <source>Server Running on: %@:%ld</source>
        <translation>Servidor em execução em: %@:%ld</translation>
    </message>
    <message id="SETTINGS_DEFAULT">
        <source>Default</source>
        <translation>Predefinição</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT">
        <source>Reset Icon Layout</source>
        <translation>Repor disposição dos ícones</translation>
    </message>
    <message id="SETTINGS_WALLPAPER_PLACEHOLDER">
        <source>&lt;enter file name in documents directory&gt;</source>
        <translation>&lt;nome do ficheiro na pasta de documentos&gt;</translation>
    </message>
    <message id="SETTINGS_SECTION_ADMIN">
        <source>Browser Admin Settings</source>
        <translation>Definições de administração do navegador</translation>
    </message>
    <message id="SETTINGS_SECTION_PRIVACY">
        <source>Privacy Settings</source>
        <translation>Definições de privacidade</translation>
    </message>
    <message id="SETTINGS_SECTION_WINDOW">
        <source>Browser Window Settings</source>
        <translation>Definições da janela do navegador</translation>
    </message>
    <message id="SETTINGS_SECTION_WALLPAPER">
        <source>Wallpaper Settings</source>
        <translation>Definições da imagem de fundo</translation>
    </message>
    <message id="SETTINGS_SECTION_IDLE">
        <source>Idle Timeout Settings</source>
        <translation>Definições do tempo de inatividade</translation>
    </message>
    <message id="SETTINGS_SECTION_SERVER">
        <source>Server Settings</source>
        <translation>Definições do servidor</translation>
    </message>
    <message id="SETTINGS_SCREEN_NAVIGATION_TOOLBAR">
        <source>Configure Navigation Toolbar</source>
        <translation>Configurar barra de navegação</translation>
    </message>
    <message id="SETTINGS_CONFIGURE_TOOLBAR_DETAIL">
        <source>Tap to configure the toolbar.</source>
        <translation>Toque para configurar a barra de ferramentas.</translation>
    </message>
    <message id="SETTINGS_SCREEN_SPECIAL_LINKS">
        <source>Enable Special Links</source>
        <translation>Ativar links especiais</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE">
        <source>ScreenSaver Mode</source>
        <translation>Modo de proteção de ecrã</translation>
    </message>
    <message id="SETTINGS_SCREENSAVER_MODE_DETAIL">
        <source>Tap to configure ScreenSaver on idletimeout</source>
        <translation>Toque para configurar a proteção de ecrã após o tempo de inatividade</translation>
    </message>
    <message id="SETTINGS_SCREEN_POWER_SAVER">
        <source>Power Saver Mode</source>
        <translation>Modo de poupança de energia</translation>
    </message>
    <message id="SETTINGS_POWER_SAVER_MODE_DETAIL">
        <source>Tap to configure Power Saver on idletimeout</source>
        <translation>Toque para configurar a poupança de energia após o tempo de inatividade</translation>
    </message>
    <message id="SETTINGS_NOT_SAVED">
        <source>The settings could not be saved.</source>
        <translation>Não foi possível guardar as definições.</translation>
    </message>
    <message id="SETTINGS_SERVER_RUNNING_ON_URL">
        <source>Running on URL: %@:%ld</source>
        <translation>Em execução no URL: %@:%ld</translation>
    </message>
    <message id="SETTINGS_SERVER_ERROR">
        <source>Error running the server</source>
        <translation>Erro ao executar o servidor</translation>
    </message>
    <message id="SETTINGS_SERVER_NO_ADDRESS">
        <source>Local ip could not be retrieved. Please check your wifi settings.</source>
        <translation>Não foi possível obter o IP local. Verifique as definições de Wi-Fi.</translation>
    </message>
    <message id="SETTINGS_SERVER_RESTART">
        <source>Error running server. Please switch on/off again</source>
        <translation>Erro ao executar o servidor. Desligue-o e volte a ligá-lo.</translation>
    </message>
    <message id="SETTINGS_RESET_ICON_LAYOUT_QUESTION">
        <source>Do you want to reset the icon layout on Korvel HomeScreen ?</source>
        <translation>Quer repor a disposição dos ícones no ecrã inicial do Korvel?</translation>
    </message>
    <message id="SETTINGS_ICON_LAYOUT_RESET">
        <source>Icon Layout set to default</source>
        <translation>Disposição dos ícones reposta</translation>
    </message>
    <message id="SETTINGS_ENABLE_TOOLBAR_FIRST">
        <source>Enable 'Show Navigation Toolbar' to configure.</source>
        <translation>Ative 'Mostrar barra de navegação' para configurar.</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_FILE">
        <source>Please select a valid file</source>
        <translation>Selecione um ficheiro válido</translation>
    </message>
    <message id="SETTINGS_INVALID_FILE">
        <source>Invalid File!</source>
        <translation>Ficheiro inválido!</translation>
    </message>
    <message id="LOG_TITLE">
        <source>Korvel Log</source>
        <translation>Registo do Korvel</translation>
    </message>
    <message id="LOG_CLEAR">
        <source>Clear Log</source>
        <translation>Limpar registo</translation>
    </message>
    <message id="LOG_CLEAR_QUESTION">
        <source>Are you sure?</source>
        <translation>Tem a certeza?</translation>
    </message>
    <message id="LOG_ALLOW_WEBSITE_QUESTION">
        <source>Allow this WebSite: %@ ?</source>
        <translation>Permitir este site: %@ ?</translation>
    </message>
    <message id="LOG_ALLOW">
        <source>Allow</source>
        <translation>Permitir</translation>
    </message>
    <message id="LOG_DELETE_WEBSITE_QUESTION">
        <source>Delete this URL from Allowed WebSites: %@ ?</source>
        <translation>Eliminar este URL dos sites permitidos: %@ ?</translation>
    </message>
    <message id="LOG_WEBSITE_ALLOWED">
        <source>Website Allowed!</source>
        <translation>Site permitido!</translation>
    </message>
    <message id="LOG_WEBSITE_DELETED">
        <source> Website Deleted!</source>
        <translation> Site eliminado!</translation>
    </message>
    <message id="SETTINGS_TITLE">
        <source>Settings</source>
        <translation>Definições</translation>
    </message>
    <message id="LOG_PREPARING">
        <source>Preparing Logs...</source>
        <translation>A preparar registos...</translation>
    </message>
    <message id="SETTINGS_CATEGORY_DETAILS">
        <source>Enter Category Details</source>
        <translation>Introduza os detalhes da categoria</translation>
    </message>
    <message id="SETTINGS_DELETE_CATEGORY_QUESTION">
        <source>Are you sure you want to delete this category?</source>
        <translation>Tem a certeza de que quer eliminar esta categoria?</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_BUTTONS">
        <source>Buttons</source>
        <translation>Botões</translation>
    </message>
    <message id="SETTINGS_TOOLBAR_IMAGES">
        <source>Images</source>
        <translation>Imagens</translation>
    </message>
    <message id="SETTINGS_CHECK_AND_RETRY">
        <source>Please check and try again</source>
        <translation>Verifique e tente novamente</translation>
    </message>
    <message id="SETTINGS_INVALID_IMAGE_FILE">
        <source>Invalid Image File!</source>
        <translation>Ficheiro de imagem inválido!</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_IMAGE">
        <source>Please select a valid image file</source>
        <translation>Selecione um ficheiro de imagem válido</translation>
    </message>
    <message id="SETTINGS_ALLOWED_WEBSITES">
        <source>Allowed Websites</source>
        <translation>Sites permitidos</translation>
    </message>
    <message id="SETTINGS_EDIT_CATEGORIES">
        <source>Add/Edit Categories</source>
        <translation>Adicionar/editar categorias</translation>
    </message>
    <message id="SETTINGS_SEARCH_CATEGORY">
        <source>Search Category</source>
        <translation>Pesquisar categoria</translation>
    </message>
    <message id="SETTINGS_BLOCKED_WEBSITES">
        <source>Blocked Websites</source>
        <translation>Sites bloqueados</translation>
    </message>
    <message id="SETTINGS_SCREEN_SCREENSAVER">
        <source>Screensaver Mode</source>
        <translation>Modo de proteção de ecrã</translation>
    </message>
    <message id="SETTINGS_SELECT_VALID_SCREENSAVER_FILE">
        <source>Please select a valid Image/Video/HTML file</source>
        <translation>Selecione um ficheiro de imagem, vídeo ou HTML válido</translation>
    </message>
    <message id="SETTINGS_SEARCH_TITLE">
        <source>Search Settings</source>
        <translation>Pesquisar definições</translation>
    </message>
    <message id="SETTINGS_SET">
        <source>Set</source>
        <translation>Definir</translation>
    </message>
    <message id="ADMIN_WELCOME_GET_STARTED">
        <source>Get Started</source>
        <translation>Começar</translation>
    </message>
    <message id="CLOUD_IMPORT_FROM_CLOUD">
        <source>Import from Cloud</source>
        <translation>Importar da nuvem</translation>
    </message>
    <message id="ADMIN_WELCOME_GOT_IT">
        <source>OK, Got it</source>
        <translation>OK, percebi</translation>
    </message>
    <message id="SETTINGS_INVALID_TAB_COUNT">
        <source>Invalid Number of Tabs. Please enter value between or equal to 1 - 8.</source>
        <translation>Número de separadores inválido. Introduza um valor de 1 a 8.</translation>
    </message>
    <message id="SETTINGS_MENU_ALLOWED_DETAIL">
        <source>List of allowed websites</source>
        <translation>Lista de sites permitidos</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES">
        <source>Manage Categories</source>
        <translation>Gerir categorias</translation>
    </message>
    <message id="SETTINGS_MENU_CATEGORIES_DETAIL">
        <source>Add/Edit/Remove Categories</source>
        <translation>Adicionar/editar/remover categorias</translation>
    </message>
    <message id="SETTINGS_MENU_BROWSER_PREFERENCES_DETAIL">
        <source>Korvel Browser Preferences</source>
        <translation>Preferências do navegador Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_ADVANCED_DETAIL">
        <source>Korvel Advanced Settings</source>
        <translation>Definições avançadas do Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_IMPORT_EXPORT">
        <source>Import/Export</source>
        <translation>Importar/exportar</translation>
    </message>
    <message id="TRANSFER_TITLE">
        <source>Import/Export Settings</source>
        <translation>Importar/exportar definições</translation>
    </message>
    <message id="SETTINGS_MENU_LOG">
        <source>View Korvel Log</source>
        <translation>Ver registo do Korvel</translation>
    </message>
    <message id="SETTINGS_MENU_BLOCKED_DETAIL">
        <source>List of blocked websites</source>
        <translation>Lista de sites bloqueados</translation>
    </message>
    <message id="SETTINGS_ADMIN_PASSWORD_DETAIL">
        <source>The password that opens these settings</source>
        <translation>A palavra-passe que abre estas definições</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_FILE">
        <source>Export to File</source>
        <translation>Exportar para ficheiro</translation>
    </message>
    <message id="TRANSFER_TO_FILE_DETAIL">
        <source>To a file in Documents Directory</source>
        <translation>Para um ficheiro na pasta Documentos</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD">
        <source>Export to Cloud</source>
        <translation>Exportar para a nuvem</translation>
    </message>
    <message id="TRANSFER_EXPORT_TO_CLOUD_DETAIL">
        <source>Export Settings to Cloud storage</source>
        <translation>Exportar definições para o armazenamento na nuvem</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR">
        <source>Export Settings to Cloud and Generate QR Code</source>
        <translation>Exportar definições para a nuvem e gerar código QR</translation>
    </message>
    <message id="TRANSFER_EXPORT_QR_DETAIL">
        <source>Export Settings to Cloud storage and show Cloud ID as QR Code</source>
        <translation>Exportar definições para o armazenamento na nuvem e mostrar o ID da nuvem como código QR</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR">
        <source>Export for Pellmor</source>
        <translation>Exportar para Pellmor</translation>
    </message>
    <message id="TRANSFER_EXPORT_PELLMOR_DETAIL">
        <source>Export as txt file for Pellmor Configuration</source>
        <translation>Exportar como ficheiro txt para configurar o Pellmor</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_FILE">
        <source>Import from File</source>
        <translation>Importar de ficheiro</translation>
    </message>
    <message id="TRANSFER_FROM_FILE_DETAIL">
        <source>From a file in Documents Directory</source>
        <translation>De um ficheiro na pasta Documentos</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_CLOUD_DETAIL">
        <source>Import settings from Cloud storage</source>
        <translation>Importar definições do armazenamento na nuvem</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL">
        <source>Import from URL</source>
        <translation>Importar de URL</translation>
    </message>
    <message id="TRANSFER_IMPORT_FROM_URL_DETAIL">
        <source>Import settings from URL</source>
        <translation>Importar definições de um URL</translation>
    </message>
    <message id="TRANSFER_RESET">
        <source>Reset Settings</source>
        <translation>Repor definições</translation>
    </message>
    <message id="TRANSFER_RESET_DETAIL">
        <source>Set settings to default</source>
        <translation>Repor as predefinições</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT">
        <source>AutoImport Korvel Settings:</source>
        <translation>Importar automaticamente as definições do Korvel:</translation>
    </message>
    <message id="TRANSFER_AUTOMATIC_IMPORT">
        <source>Automatic Import</source>
        <translation>Importação automática</translation>
    </message>
    <message id="TRANSFER_PERIOD">
        <source>Periodically Check (Minutes)</source>
        <translation>Verificar periodicamente (minutos)</translation>
    </message>
    <message id="CLOUD_EXPORT_NEW_ID">
        <source>Export to New Cloud ID</source>
        <translation>Exportar para novo ID da nuvem</translation>
    </message>
    <message id="CLOUD_EXPORT_EXISTING_ID">
        <source>Export to existing ID</source>
        <translation>Exportar para ID existente</translation>
    </message>
    <message id="CLOUD_EXPORTING">
        <source>Exporting..</source>
        <translation>A exportar..</translation>
    </message>
    <message id="CLOUD_COPY_ID">
        <source>Copy ID</source>
        <translation>Copiar ID</translation>
    </message>
    <message id="QR_SCAN_FOR_CLOUD_ID">
        <source>Scan this QRCode for Cloud ID: %1</source>
        <translation>Leia este código QR para obter o ID da nuvem: %1</translation>
    </message>
    <message id="QR_SAVE">
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message id="QR_SHARE">
        <source>Share</source>
        <translation>Partilhar</translation>
    </message>
    <message id="QR_SAVED">
        <source>Successfully saved photo</source>
        <translation>Imagem guardada com êxito</translation>
    </message>
    <message id="TRANSFER_EXPORT_SETTINGS">
        <source>Export Settings</source>
        <translation>Exportar definições</translation>
    </message>
    <message id="CLOUD_AUTO_IMPORT_TITLE">
        <source>Auto Import from Cloud</source>
        <translation>Importação automática da nuvem</translation>
    </message>
    <message id="CLOUD_IMPORTING">
        <source>Importing..</source>
        <translation>A importar..</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_FROM">
        <source>Auto Import From</source>
        <translation>Importar automaticamente de</translation>
    </message>
    <message id="TRANSFER_SOURCE_FILE">
        <source>File</source>
        <translation>Ficheiro</translation>
    </message>
    <message id="TRANSFER_SOURCE_CLOUD">
        <source>Cloud</source>
        <translation>Nuvem</translation>
    </message>
    <message id="TRANSFER_SOURCE_URL">
        <source>URL</source>
        <translation>URL</translation>
    </message>
    <message id="TRANSFER_PATH">
        <source>Path:</source>
        <translation>Caminho:</translation>
    </message>
    <message id="TRANSFER_AUTO_IMPORT_CLOUD">
        <source>Automatic import from Cloud</source>
        <translation>Importação automática da nuvem</translation>
    </message>
    <message id="TRANSFER_CLOUD_ID_IN_USE">
        <source>Cloud ID in use: %1</source>
        <translation>ID da nuvem em uso: %1</translation>
    </message>
    <message id="TRANSFER_NOT_SET">
        <source>Not Set</source>
        <translation>Não definido</translation>
    </message>
    <message id="TRANSFER_IMPORT_SETTINGS">
        <source>Import Settings</source>
        <translation>Importar definições</translation>
    </message>
    <message id="TRANSFER_EXPORT_FILE_PROMPT">
        <source>Please enter the Filename to export settings</source>
        <translation>Introduza o nome do ficheiro para exportar as definições</translation>
    </message>
    <message id="TRANSFER_EXPORT">
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message id="TRANSFER_IMPORT_FILE_PROMPT">
        <source>Please enter the Filename to import settings</source>
        <translation>Introduza o nome do ficheiro para importar as definições</translation>
    </message>
    <message id="TRANSFER_IMPORT">
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message id="TRANSFER_IMPORT_URL_PROMPT">
        <source>Please enter the file URL to import settings</source>
        <translation>Introduza o URL do ficheiro para importar as definições</translation>
    </message>
    <message id="TRANSFER_RESET_QUESTION">
        <source>This will reset Korvel settings to defaults. Are you sure?</source>
        <translation>Isto repõe as predefinições do Korvel. Tem a certeza?</translation>
    </message>
    <message id="QR_INVALID_ID">
        <source>Invalid ID</source>
        <translation>ID inválido</translation>
    </message>
    <message id="SETTINGS_SCREEN_MULTITAB">
        <source>MultiTab Settings</source>
        <translation>Definições de vários separadores</translation>
    </message>
    <message id="SETTINGS_SCREEN_PDF_VIEWER">
        <source>Change PDF Viewer preferences</source>
        <translation>Alterar preferências do visualizador de PDF</translation>
    </message>
    <message id="SETTINGS_SCREEN_IMPORT_EXPORT">
        <source>Import/Export settings</source>
        <translation>Importar/exportar definições</translation>
    </message>
    <message id="TRANSFER_FIELD_EMPTY">
        <source>Textfield cannot be empty</source>
        <translation>O campo de texto não pode estar vazio</translation>
    </message>
    <message id="SETTINGS_INVALID_IDLE_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 9 and less than 60000.</source>
        <translation>Tempo inválido. Introduza um valor maior que 9 e menor que 60000.</translation>
    </message>
    <message id="SETTINGS_INVALID_PASSWORD_TIMEOUT">
        <source>Invalid Timeout. Please enter value greater than 0 and less than 1000.</source>
        <translation>Tempo inválido. Introduza um valor maior que 0 e menor que 1000.</translation>
    </message>
    <message id="SETTINGS_INVALID_TAP_COUNT">
        <source>Invalid Number of Taps. Please enter value between or equal to 4 - 40.</source>
        <translation>Número de toques inválido. Introduza um valor de 4 a 40.</translation>
    </message>
    <message id="SETTINGS_INVALID_PORT">
        <source>Port cannot be used. Please use port between 1024 and 65535</source>
        <translation>Não é possível usar esta porta. Use uma porta entre 1024 e 65535</translation>
    </message>
    <message id="SETTINGS_INVALID_ZOOM">
        <source>Invalid scale: Please enter between 100 and 999</source>
        <translation>Escala inválida: introduza um valor entre 100 e 999</translation>
    </message>
    <message id="SETTINGS_STRICT_LOADING_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>As páginas só carregam a partir dos sites permitidos e dos anfitriões abaixo</translation>
    </message>
    <message id="SETTINGS_ALSO_ALLOWED_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Anfitriões a partir dos quais qualquer página pode carregar, com os seus subdomínios</translation>
    </message>
    <message id="SETTINGS_LEARN_LOADING_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Registar os anfitriões; korvelctl learn show e learn apply</translation>
    </message>
    <message id="ADMIN_WELCOME_INSTRUCTIONS">
        <source> 1. Go to 'Korvel Settings' by tapping on the Welcome Screen 6 times within 3 seconds.
 2. Tap on 'Allowed Websites' and select 'Add Url' on the Navigation Bar.
 3. Enter Website Url to be allowed.
 4. Tap 'Add' on the Navigation Bar and go back using left navigation bar till exit.</source>
        <translation> 1. Abra as 'Definições do Korvel' tocando 6 vezes no ecrã de boas-vindas em 3 segundos.
 2. Toque em 'Sites permitidos' e selecione 'Adicionar URL' na barra de navegação.
 3. Introduza o URL do site a permitir.
 4. Toque em 'Adicionar' na barra de navegação e volte atrás com a barra de navegação à esquerda até sair.</translation>
    </message>
    <message id="PREF_Language_TITLE">
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message id="PREF_Language_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>O idioma dos ecrãs, do teclado no ecrã e o idioma pedido às páginas web.</translation>
    </message>
    <message id="PREF_StrictSubresources_DETAIL">
        <source>Pages load only from the allowed websites and the hosts below</source>
        <translation>As páginas só carregam a partir dos sites permitidos e dos anfitriões abaixo</translation>
    </message>
    <message id="PREF_AlsoAllowedForLoading_DETAIL">
        <source>Hosts every page may load from, with their sub-domains</source>
        <translation>Anfitriões a partir dos quais qualquer página pode carregar, com os seus subdomínios</translation>
    </message>
    <message id="PREF_LearnSubresources_DETAIL">
        <source>Record the hosts; korvelctl learn show and learn apply</source>
        <translation>Registar os anfitriões; korvelctl learn show e learn apply</translation>
    </message>
    <message id="PREF_SpatialNavigation_TITLE">
        <source>Arrow Key Navigation</source>
        <translation>Navegação com as setas</translation>
    </message>
    <message id="PREF_SpatialNavigation_DETAIL">
        <source>Arrow keys move between the links and fields of a page</source>
        <translation>As teclas de seta passam de link em link e de campo em campo na página</translation>
    </message>
    <message id="PREF_LargerText_TITLE">
        <source>Larger Text</source>
        <translation>Texto maior</translation>
    </message>
    <message id="PREF_LargerText_DETAIL">
        <source>The kiosk's texts and the pages grow together</source>
        <translation>Os textos do quiosque e as páginas aumentam juntos</translation>
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
        <translation>Alto contraste</translation>
    </message>
    <message id="PREF_HighContrast_DETAIL">
        <source>Text stands out at least 7:1 from its background</source>
        <translation>O texto se destaca do fundo com contraste de pelo menos 7:1</translation>
    </message>
</context>
</TS>
