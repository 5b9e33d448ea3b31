<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ar">
<context>
    <name></name>
    <message id="ALLOW_DOWNLOADING_FILES_TO_DEVICE">
        <source>Allows files to be downloaded to this device</source>
        <translation>يسمح بتنزيل الملفات على هذا الجهاز</translation>
    </message>
    <message id="ALLOW_DOWNLOADS">
        <source>Allow Downloads</source>
        <translation>السماح بالتنزيلات</translation>
    </message>
    <message id="ALLOW_DOWNLOADS_SHOULD_BE_ENABLED">
        <source>Turn on Allow Downloads first.</source>
        <translation>فعّل «السماح بالتنزيلات» أولاً.</translation>
    </message>
    <message id="BTN_CHOOSE_QR_PICTURE">
        <source>Choose a picture from Documents</source>
        <translation>اختيار صورة من المستندات</translation>
    </message>
    <message id="BTN_TITLE_CANCEL">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="CAMERA_ACCESS_DENIED_ERROR_MESSAGE">
        <source>Korvel may not use the camera, so QR codes cannot be scanned.</source>
        <translation>لا يُسمح لـ Korvel باستخدام الكاميرا، لذا لا يمكن مسح رموز QR.</translation>
    </message>
    <message id="CAMERA_ACCESS_RESTRICTED_ERROR_MESSAGE">
        <source>The camera may not be used on this device.</source>
        <translation>لا يُسمح باستخدام الكاميرا على هذا الجهاز.</translation>
    </message>
    <message id="CHANGE_PDF_VIEWER_SETTINGS">
        <source>Change PDF Viewer Settings</source>
        <translation>تغيير إعدادات عارض PDF</translation>
    </message>
    <message id="CHECK_TO_KEEP_DOWNLOAD_HISTORY">
        <source>Keeps a list of downloaded files</source>
        <translation>يحتفظ بقائمة الملفات التي تم تنزيلها</translation>
    </message>
    <message id="CHECK_TO_OPEN_FILE_AFTER_DOWNLOAD">
        <source>Opens a file as soon as it has downloaded</source>
        <translation>يفتح الملف فور اكتمال تنزيله</translation>
    </message>
    <message id="DETAIL_MESSAGE">
        <source>Delete the selected items?</source>
        <translation>هل تريد حذف العناصر المحددة؟</translation>
    </message>
    <message id="DOWNLOADS">
        <source>Download Settings</source>
        <translation>إعدادات التنزيل</translation>
    </message>
    <message id="DOWNLOAD_IS_IN_PROGRESS">
        <source>A download is in progress.</source>
        <translation>هناك تنزيل قيد التقدم.</translation>
    </message>
    <message id="ENABLES_VIEWING_OF_GOOGLE_DOCS">
        <source>Documents the kiosk cannot show open in Google's online viewer (docs.google.com), which fetches them from their address: allow docs.google.com too.</source>
        <translation>المستندات التي لا يستطيع الكشك عرضها تُفتح في عارض Google على الإنترنت (docs.google.com)، الذي يجلبها من عنوانها: اسمح أيضًا بـ docs.google.com.</translation>
    </message>
    <message id="FILE_DOES_NOT_EXIST">
        <source>The file does not exist any more.</source>
        <translation>لم يعد الملف موجودًا.</translation>
    </message>
    <message id="FILE_SETTINGS">
        <source>File Settings</source>
        <translation>إعدادات الملفات</translation>
    </message>
    <message id="KEEP_DOWNLOAD_HISTORY">
        <source>Keep Download History</source>
        <translation>الاحتفاظ بسجل التنزيلات</translation>
    </message>
    <message id="KORVEL_DOWNLOADS">
        <source>Korvel Downloads</source>
        <translation>تنزيلات Korvel</translation>
    </message>
    <message id="OPEN_FILE_AFTER_DOWNLOAD">
        <source>Open File After Download</source>
        <translation>فتح الملف بعد التنزيل</translation>
    </message>
    <message id="OPEN_SOURCE_LICENSES">
        <source>Open Source Licenses</source>
        <translation>تراخيص البرامج المفتوحة المصدر</translation>
    </message>
    <message id="PDF_VIEWER">
        <source>PDF Viewer</source>
        <translation>عارض PDF</translation>
    </message>
    <message id="PDF_VIEWER_DOWNLOAD_OPTION_IS_DISABLE">
        <source>Downloading from the PDF viewer is turned off.</source>
        <translation>التنزيل من عارض PDF غير مفعّل.</translation>
    </message>
    <message id="PDF_VIEWER_SHOULD_BE_ENABLE_CONTACT_ADMINISTRATOR">
        <source>Opening documents is turned off. Please contact the administrator.</source>
        <translation>فتح المستندات غير مفعّل. يُرجى التواصل مع المسؤول.</translation>
    </message>
    <message id="PLEASE_SELECT_ATLEAST_ONE_ITEM_FOR_DELETE">
        <source>Select at least one item to delete.</source>
        <translation>حدّد عنصرًا واحدًا على الأقل لحذفه.</translation>
    </message>
    <message id="SHOW_FILES_USING_GOOGLE_DOCS">
        <source>Show Files Using Google Docs</source>
        <translation>عرض الملفات باستخدام مستندات Google</translation>
    </message>
    <message id="STATUS_DOWNLOADING">
        <source>Downloading</source>
        <translation>جارٍ التنزيل</translation>
    </message>
    <message id="TEXT_ADMIN_PASSWORD">
        <source>Administrator Password</source>
        <translation>كلمة مرور المسؤول</translation>
    </message>
    <message id="TEXT_ALERT">
        <source>Alert</source>
        <translation>تنبيه</translation>
    </message>
    <message id="TEXT_ALLOW_ALL_DETAIL">
        <source>Every website except the blocked ones; the menu lists them</source>
        <translation>كل المواقع باستثناء المحظورة؛ تسردها القائمة</translation>
    </message>
    <message id="TEXT_APPLY">
        <source>Apply</source>
        <translation>تطبيق</translation>
    </message>
    <message id="TEXT_AUDIO_FILES">
        <source>Audio Files</source>
        <translation>ملفات صوتية</translation>
    </message>
    <message id="TEXT_BACK">
        <source>Back</source>
        <translation>رجوع</translation>
    </message>
    <message id="TEXT_BLOCKED_WEBSITE">
        <source>Blocked Website</source>
        <translation>موقع محظور</translation>
    </message>
    <message id="TEXT_CACHES_DIRECTORY">
        <source>Caches</source>
        <translation>ذاكرة التخزين المؤقت</translation>
    </message>
    <message id="TEXT_CANCEL">
        <source>Cancel</source>
        <translation>إلغاء</translation>
    </message>
    <message id="TEXT_CATEGORY">
        <source>Category</source>
        <translation>الفئة</translation>
    </message>
    <message id="TEXT_CATEGORY_PLACEHOLDER">
        <source>News</source>
        <translation>أخبار</translation>
    </message>
    <message id="TEXT_CHANGE">
        <source>Change</source>
        <translation>تغيير</translation>
    </message>
    <message id="TEXT_CHANGE_PASSWORD_TITLE">
        <source>Change the password</source>
        <translation>تغيير كلمة المرور</translation>
    </message>
    <message id="TEXT_CHOOSE_COLOUR">
        <source>Choose a Colour</source>
        <translation>اختيار لون</translation>
    </message>
    <message id="TEXT_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>اختيار ملف</translation>
    </message>
    <message id="TEXT_CHOOSE_ICON">
        <source>Choose Icon from Documents</source>
        <translation>اختيار أيقونة من المستندات</translation>
    </message>
    <message id="TEXT_CLEAR_HISTORY">
        <source>Clear History</source>
        <translation>محو السجل</translation>
    </message>
    <message id="TEXT_CLOSE">
        <source>Close</source>
        <translation>إغلاق</translation>
    </message>
    <message id="TEXT_CLOSE_TAB">
        <source>Close tab</source>
        <translation>إغلاق علامة التبويب</translation>
    </message>
    <message id="TEXT_CLOUD_ID">
        <source>Cloud ID</source>
        <translation>معرّف السحابة</translation>
    </message>
    <message id="TEXT_CLOUD_ID_PLACEHOLDER">
        <source>At least 10 characters</source>
        <translation>10 أحرف على الأقل</translation>
    </message>
    <message id="TEXT_CLOUD_WELCOME_FOOTER">
        <source>Enter the cloud ID your administrator gave you to take over the settings stored under it.</source>
        <translation>أدخل معرّف السحابة الذي أعطاك إياه المسؤول لاعتماد الإعدادات المحفوظة تحته.</translation>
    </message>
    <message id="TEXT_CONFIGURE_TABBED_BROWSING">
        <source>Configure Tabbed Browsing</source>
        <translation>إعداد التصفح بعلامات التبويب</translation>
    </message>
    <message id="TEXT_DAY_FRIDAY">
        <source>Friday</source>
        <translation>الجمعة</translation>
    </message>
    <message id="TEXT_DAY_MONDAY">
        <source>Monday</source>
        <translation>الاثنين</translation>
    </message>
    <message id="TEXT_DAY_SATURDAY">
        <source>Saturday</source>
        <translation>السبت</translation>
    </message>
    <message id="TEXT_DAY_SUNDAY">
        <source>Sunday</source>
        <translation>الأحد</translation>
    </message>
    <message id="TEXT_DAY_THURSDAY">
        <source>Thursday</source>
        <translation>الخميس</translation>
    </message>
    <message id="TEXT_DAY_TUESDAY">
        <source>Tuesday</source>
        <translation>الثلاثاء</translation>
    </message>
    <message id="TEXT_DAY_WEDNESDAY">
        <source>Wednesday</source>
        <translation>الأربعاء</translation>
    </message>
    <message id="TEXT_DELETE">
        <source>Delete</source>
        <translation>حذف</translation>
    </message>
    <message id="TEXT_DELETE_CATEGORY">
        <source>Delete Category</source>
        <translation>حذف الفئة</translation>
    </message>
    <message id="TEXT_DELETE_WEBSITE">
        <source>Delete Website</source>
        <translation>حذف الموقع</translation>
    </message>
    <message id="TEXT_DEVICE">
        <source>Device</source>
        <translation>الجهاز</translation>
    </message>
    <message id="TEXT_DOCUMENTS_DIRECTORY">
        <source>Documents</source>
        <translation>المستندات</translation>
    </message>
    <message id="TEXT_DOCUMENT_FILES">
        <source>Document Files</source>
        <translation>ملفات المستندات</translation>
    </message>
    <message id="TEXT_DONE">
        <source>Done</source>
        <translation>تم</translation>
    </message>
    <message id="TEXT_DOWNLOADING">
        <source>Downloading…</source>
        <translation>جارٍ التنزيل…</translation>
    </message>
    <message id="TEXT_DOWNLOADING_STARTED">
        <source>Download started</source>
        <translation>بدأ التنزيل</translation>
    </message>
    <message id="TEXT_DOWNLOADS">
        <source>Downloads</source>
        <translation>التنزيلات</translation>
    </message>
    <message id="TEXT_DOWNLOAD_ARE_DISABLE_COTACT_ADMINISTRATOR_TO_ENABLE_IT">
        <source>Downloads are turned off. Please contact the administrator to turn them on.</source>
        <translation>التنزيلات غير مفعّلة. يُرجى التواصل مع المسؤول لتفعيلها.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_CANCELLED">
        <source>Download cancelled</source>
        <translation>تم إلغاء التنزيل</translation>
    </message>
    <message id="TEXT_DOWNLOAD_QUOTA_REACHED">
        <source>This visit cannot save more files.</source>
        <translation>لا يمكن حفظ المزيد من الملفات في هذه الزيارة.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_FAILED">
        <source>The download failed.</source>
        <translation>تعذّر التنزيل.</translation>
    </message>
    <message id="TEXT_DOWNLOAD_PROGRESS">
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message id="TEXT_EXPORT_EXISTING_CLOUD_ID_DETAIL">
        <source>Replace the settings stored under an ID</source>
        <translation>استبدال الإعدادات المحفوظة تحت معرّف</translation>
    </message>
    <message id="TEXT_EXPORT_NEW_CLOUD_ID_DETAIL">
        <source>The cloud service issues a new ID for these settings</source>
        <translation>تُصدر الخدمة السحابية معرّفًا جديدًا لهذه الإعدادات</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE">
        <source>The factory password is still in use. Change it.</source>
        <translation>كلمة مرور المصنع لا تزال مستخدمة. غيّرها.</translation>
    </message>
    <message id="TEXT_FACTORY_PASSWORD_IN_USE_DETAIL">
        <source>Anyone who knows it can open these settings.</source>
        <translation>يمكن لأي شخص يعرفها فتح هذه الإعدادات.</translation>
    </message>
    <message id="TEXT_FETCH_FROM">
        <source>On this network it can be fetched from %1</source>
        <translation>يمكن جلبه على هذه الشبكة من %1</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN">
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message id="TEXT_FILE_ORIGIN_REFUSED">
        <source>%1: %2. It will not be imported.</source>
        <translation>%1: %2. لن يتم استيراده.</translation>
    </message>
    <message id="TEXT_FILE_SAVED_IN_DOCUMENTS">
        <source>%1, saved in Documents.</source>
        <translation>%1، محفوظ في المستندات.</translation>
    </message>
    <message id="TEXT_FORWARD">
        <source>Forward</source>
        <translation>تقدّم</translation>
    </message>
    <message id="TEXT_FUNCTION_NOT_AVAILABLE">
        <source>This function is not available in this version of Korvel.</source>
        <translation>هذه الوظيفة غير متاحة في هذا الإصدار من Korvel.</translation>
    </message>
    <message id="TEXT_HOLD_QR_TO_CAMERA">
        <source>Hold the QR code in front of the camera.</source>
        <translation>أمسك رمز QR أمام الكاميرا.</translation>
    </message>
    <message id="TEXT_HOME">
        <source>Home</source>
        <translation>الرئيسية</translation>
    </message>
    <message id="TEXT_HOME_DIRECTORY">
        <source>Home directory</source>
        <translation>المجلد الرئيسي</translation>
    </message>
    <message id="TEXT_HTML_FILES">
        <source>HTML Files</source>
        <translation>ملفات HTML</translation>
    </message>
    <message id="TEXT_ICON_PLACEHOLDER">
        <source>An image in Documents</source>
        <translation>صورة في المستندات</translation>
    </message>
    <message id="TEXT_IMAGE_FILES">
        <source>Image Files</source>
        <translation>ملفات الصور</translation>
    </message>
    <message id="TEXT_KORVEL_MENU">
        <source>Korvel Menu</source>
        <translation>قائمة Korvel</translation>
    </message>
    <message id="TEXT_LICENSES_FOOTER">
        <source>Korvel is built on these libraries. Tap one to read its licence.</source>
        <translation>بُني Korvel على هذه المكتبات. انقر على إحداها لقراءة ترخيصها.</translation>
    </message>
    <message id="TEXT_LICENSE_NOT_INSTALLED">
        <source>The licence notice of this library is not installed on this device (%1).</source>
        <translation>إشعار ترخيص هذه المكتبة غير مثبّت على هذا الجهاز (%1).</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_ANSWERING">
        <source>The website is not answering right now.</source>
        <translation>الموقع لا يستجيب حاليًا.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_NOT_CONNECTED">
        <source>This device is not connected to the network.</source>
        <translation>هذا الجهاز غير متصل بالشبكة.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_OTHER">
        <source>The page could not be loaded.</source>
        <translation>تعذّر تحميل الصفحة.</translation>
    </message>
    <message id="TEXT_LOAD_ERROR_UNTRUSTED">
        <source>The website's identity could not be verified.</source>
        <translation>تعذّر التحقق من هوية الموقع.</translation>
    </message>
    <message id="TEXT_LOG_NOT_WRITTEN">
        <source>The log could not be written.</source>
        <translation>تعذّرت كتابة السجل.</translation>
    </message>
    <message id="TEXT_LOG_VIEW_OPTIONS">
        <source>View Options</source>
        <translation>خيارات العرض</translation>
    </message>
    <message id="TEXT_MAIL_HANDED_OVER">
        <source>The log is in the mail program.</source>
        <translation>السجل الآن في برنامج البريد.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_TITLE">
        <source>Mail the Log</source>
        <translation>إرسال السجل بالبريد</translation>
    </message>
    <message id="TEXT_MAIL_LOG_ASK_ADDRESS">
        <source>No support address is configured for this kiosk. Type the address the log goes to.</source>
        <translation>لم يتم إعداد عنوان دعم لهذا الكشك. اكتب العنوان الذي سيُرسل إليه السجل.</translation>
    </message>
    <message id="TEXT_MAIL_LOG_SEND">
        <source>Mail</source>
        <translation>إرسال</translation>
    </message>
    <message id="TEXT_MAIL_LOG_BAD_ADDRESS">
        <source>That is not one mail address; nothing was mailed.</source>
        <translation>هذا ليس عنوان بريد واحدًا؛ لم يُرسل شيء.</translation>
    </message>
    <message id="TEXT_MAIL_LOG">
        <source>Mail Log</source>
        <translation>إرسال السجل</translation>
    </message>
    <message id="TEXT_MAIL_NOT_OPENED">
        <source>The mail program could not be opened.</source>
        <translation>تعذّر فتح برنامج البريد.</translation>
    </message>
    <message id="TEXT_MANAGED_ABSENT">
        <source>%1 (none; nothing is managed)</source>
        <translation>%1 (غير موجود؛ لا شيء مُدار)</translation>
    </message>
    <message id="TEXT_MANAGED_CONFIGURATION">
        <source>Managed configuration</source>
        <translation>التكوين المُدار</translation>
    </message>
    <message id="TEXT_MANAGED_PRESENT">
        <source>%1 (present)</source>
        <translation>%1 (موجود)</translation>
    </message>
    <message id="TEXT_MORE">
        <source>More</source>
        <translation>المزيد</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_DETAIL">
        <source>Lock the screen while the device moves (devices with a mobile data modem)</source>
        <translation>قفل الشاشة أثناء تحرّك الجهاز (للأجهزة المزوّدة بمودم بيانات جوّال)</translation>
    </message>
    <message id="TEXT_MOTION_DETECTION_SETTINGS">
        <source>Motion Detection Settings</source>
        <translation>إعدادات كشف الحركة</translation>
    </message>
    <message id="TEXT_MOTION_LOCKED">
        <source>The screen is locked while the device is moving.</source>
        <translation>الشاشة مقفلة أثناء تحرّك الجهاز.</translation>
    </message>
    <message id="TEXT_MULTITAB_EXCLUDES">
        <source>Korvel does not support these features with tabbed browsing:
• Allow Icon Relocation
• Allow Icon Resize
• Wallpaper Settings</source>
        <translation>لا يدعم Korvel هذه الميزات مع التصفح بعلامات التبويب:
• السماح بنقل الأيقونات
• السماح بتغيير حجم الأيقونات
• إعدادات الخلفية</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD">
        <source>New password</source>
        <translation>كلمة المرور الجديدة</translation>
    </message>
    <message id="TEXT_NEW_PASSWORD_AGAIN">
        <source>The new password again</source>
        <translation>كلمة المرور الجديدة مرة أخرى</translation>
    </message>
    <message id="TEXT_NEW_TAB">
        <source>New tab</source>
        <translation>علامة تبويب جديدة</translation>
    </message>
    <message id="TEXT_NO">
        <source>No</source>
        <translation>لا</translation>
    </message>
    <message id="TEXT_NO_CAMERA_CHOOSE_PICTURE">
        <source>This device has no camera. Choose a picture of the QR code from the Documents folder.</source>
        <translation>لا توجد كاميرا في هذا الجهاز. اختر صورة لرمز QR من مجلد المستندات.</translation>
    </message>
    <message id="TEXT_NO_DOWNLOADS">
        <source>Nothing has been downloaded yet.</source>
        <translation>لم يتم تنزيل أي شيء بعد.</translation>
    </message>
    <message id="TEXT_NO_FILES_IN_DOCUMENTS">
        <source>There are no files in Documents.</source>
        <translation>لا توجد ملفات في المستندات.</translation>
    </message>
    <message id="TEXT_NO_FILE_SELECTED">
        <source>No File Selected</source>
        <translation>لم يتم تحديد أي ملف</translation>
    </message>
    <message id="TEXT_NO_MAIL_MESSAGE">
        <source>The log is saved in Documents as %1. Copy it from there through the upload server with its access code, or set up a mail program on this device and mail it again.</source>
        <translation>السجل محفوظ في المستندات باسم %1. انسخه من هناك عبر خادم الرفع باستخدام رمز الوصول الخاص به، أو أعِدّ برنامج بريد على هذا الجهاز وأرسله مرة أخرى.</translation>
    </message>
    <message id="TEXT_NO_MAIL_TITLE">
        <source>No mail program is set up</source>
        <translation>لم يتم إعداد برنامج بريد</translation>
    </message>
    <message id="TEXT_NO_QR_IN_PICTURE">
        <source>There is no QR code in this picture.</source>
        <translation>لا يوجد رمز QR في هذه الصورة.</translation>
    </message>
    <message id="TEXT_NO_SETTING_FOUND">
        <source>No setting has that name.</source>
        <translation>لا يوجد إعداد بهذا الاسم.</translation>
    </message>
    <message id="TEXT_OPEN">
        <source>Open</source>
        <translation>فتح</translation>
    </message>
    <message id="TEXT_ORIGIN_DEVICE">
        <source>saved by the settings on this device</source>
        <translation>حفظته الإعدادات على هذا الجهاز</translation>
    </message>
    <message id="TEXT_ORIGIN_DOWNLOAD">
        <source>downloaded by a visitor</source>
        <translation>نزّله زائر</translation>
    </message>
    <message id="TEXT_ORIGIN_KORVELCTL">
        <source>placed with korvelctl</source>
        <translation>وُضع باستخدام korvelctl</translation>
    </message>
    <message id="TEXT_ORIGIN_PRINTOUT">
        <source>printed by a visitor</source>
        <translation>طبعه زائر</translation>
    </message>
    <message id="TEXT_ORIGIN_SETTINGS_DOCUMENT">
        <source>carried by an imported settings document</source>
        <translation>جاء ضمن مستند إعدادات مستورد</translation>
    </message>
    <message id="TEXT_ORIGIN_UNKNOWN">
        <source>of unknown origin</source>
        <translation>مجهول المصدر</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITHOUT_CODE">
        <source>uploaded without the access code</source>
        <translation>رُفع دون رمز الوصول</translation>
    </message>
    <message id="TEXT_ORIGIN_UPLOAD_WITH_CODE">
        <source>uploaded with the access code</source>
        <translation>رُفع برمز الوصول</translation>
    </message>
    <message id="TEXT_OTHER_FILES">
        <source>Other Files</source>
        <translation>ملفات أخرى</translation>
    </message>
    <message id="TEXT_PASSWORD">
        <source>Password</source>
        <translation>كلمة المرور</translation>
    </message>
    <message id="TEXT_PASSWORDS_DIFFER">
        <source>The two passwords differ.</source>
        <translation>كلمتا المرور مختلفتان.</translation>
    </message>
    <message id="TEXT_PASSWORD_ALERT_HEADING">
        <source>Weak Password</source>
        <translation>كلمة مرور ضعيفة</translation>
    </message>
    <message id="TEXT_PASSWORD_CHANGED">
        <source>The password is changed.</source>
        <translation>تم تغيير كلمة المرور.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT">
        <source>A strong password has at least 8 characters.</source>
        <translation>تتكوّن كلمة المرور القوية من 8 أحرف على الأقل.</translation>
    </message>
    <message id="TEXT_PASSWORD_COMMENT_ONE">
        <source>It mixes upper-case letters, digits and symbols.</source>
        <translation>وتجمع بين الأحرف الكبيرة والأرقام والرموز.</translation>
    </message>
    <message id="TEXT_PASSWORD_EMPTY">
        <source>The password cannot be empty.</source>
        <translation>لا يمكن ترك كلمة المرور فارغة.</translation>
    </message>
    <message id="TEXT_PASSWORD_NOT_SAVED">
        <source>The password could not be saved.</source>
        <translation>تعذّر حفظ كلمة المرور.</translation>
    </message>
    <message id="TEXT_SETTINGS_NOT_SAVED">
        <source>The settings could not be saved. What was changed last is not kept after a restart.</source>
        <translation>تعذّر حفظ الإعدادات. لن يُحتفظ بآخر التغييرات بعد إعادة التشغيل.</translation>
    </message>
    <message id="TEXT_PASSWORD_PAUSED">
        <source>Too many wrong passwords. Try again in %1.</source>
        <translation>كلمات مرور خاطئة كثيرة جدًا. حاول مرة أخرى بعد %1.</translation>
    </message>
    <message id="TEXT_PASSWORD_QUESTION">
        <source>Use this password anyway?</source>
        <translation>هل تريد استخدام كلمة المرور هذه رغم ذلك؟</translation>
    </message>
    <message id="TEXT_PASSWORD_STORE_DAMAGED">
        <source>The password store is damaged, so the settings stay locked. Set a new password on the device, as the user Korvel runs as, with:</source>
        <translation>مخزن كلمات المرور تالف، لذا تبقى الإعدادات مقفلة. عيّن كلمة مرور جديدة على الجهاز، بصفة المستخدم الذي يعمل Korvel باسمه، باستخدام:</translation>
    </message>
    <message id="TEXT_PASSWORD_UNCHANGED">
        <source>Unchanged</source>
        <translation>بلا تغيير</translation>
    </message>
    <message id="TEXT_PDF_ALLOW_DOWNLOAD">
        <source>Allow Download</source>
        <translation>السماح بالتنزيل</translation>
    </message>
    <message id="TEXT_PDF_ALLOW_DOWNLOAD_DETAIL">
        <source>The reader's Download button saves the document in Documents.</source>
        <translation>زر «تنزيل» في القارئ يحفظ المستند في المستندات.</translation>
    </message>
    <message id="TEXT_PDF_ALLOW_PRINT">
        <source>Allow Print</source>
        <translation>السماح بالطباعة</translation>
    </message>
    <message id="TEXT_PDF_ALLOW_PRINT_DETAIL">
        <source>The reader's Share sheet offers printing.</source>
        <translation>قائمة «مشاركة» في القارئ تتيح الطباعة.</translation>
    </message>
    <message id="TEXT_PDF_ALREADY_IN_DOCUMENTS">
        <source>This document is already saved in Documents.</source>
        <translation>هذا المستند محفوظ بالفعل في المستندات.</translation>
    </message>
    <message id="TEXT_PDF_APPEARANCE">
        <source>Aa</source>
        <translation>Aa</translation>
    </message>
    <message id="TEXT_PDF_CANNOT_BE_OPENED">
        <source>This document cannot be opened. It may be damaged or incomplete.</source>
        <translation>لا يمكن فتح هذا المستند. قد يكون تالفًا أو غير مكتمل.</translation>
    </message>
    <message id="TEXT_PDF_CONTENTS">
        <source>Contents</source>
        <translation>المحتويات</translation>
    </message>
    <message id="TEXT_PDF_DOWNLOAD">
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message id="TEXT_PDF_LOADING">
        <source>Loading the document...</source>
        <translation>جارٍ تحميل المستند...</translation>
    </message>
    <message id="TEXT_PDF_NO_CONTENTS">
        <source>This document has no table of contents.</source>
        <translation>لا يحتوي هذا المستند على جدول محتويات.</translation>
    </message>
    <message id="TEXT_PDF_NO_MATCHES">
        <source>No matches.</source>
        <translation>لا توجد نتائج.</translation>
    </message>
    <message id="TEXT_PDF_NO_PRINTER">
        <source>No printer is set up on this device.</source>
        <translation>لم يتم إعداد أي طابعة على هذا الجهاز.</translation>
    </message>
    <message id="TEXT_PDF_PAGES">
        <source>Pages</source>
        <translation>الصفحات</translation>
    </message>
    <message id="TEXT_PDF_PAGE_LABEL">
        <source>Page %1</source>
        <translation>الصفحة %1</translation>
    </message>
    <message id="TEXT_PDF_PAGE_OF">
        <source>%1 of %2</source>
        <translation>%1 من %2</translation>
    </message>
    <message id="TEXT_PDF_PAPER_DAY">
        <source>Day</source>
        <translation>نهار</translation>
    </message>
    <message id="TEXT_PDF_PAPER_NIGHT">
        <source>Night</source>
        <translation>ليل</translation>
    </message>
    <message id="TEXT_PDF_PAPER_SEPIA">
        <source>Sepia</source>
        <translation>بنّي داكن</translation>
    </message>
    <message id="TEXT_PDF_SEARCH">
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message id="TEXT_PDF_SEARCH_PLACEHOLDER">
        <source>Search in the document</source>
        <translation>البحث في المستند</translation>
    </message>
    <message id="TEXT_PDF_SHARE">
        <source>Share</source>
        <translation>مشاركة</translation>
    </message>
    <message id="TEXT_PDF_VIEWER_DETAIL">
        <source>Opens PDF documents in the kiosk's own reader.</source>
        <translation>يفتح مستندات PDF في القارئ الخاص بالكشك.</translation>
    </message>
    <message id="TEXT_PHONE_LINKS_DETAIL">
        <source>This device makes no calls: a tapped phone number, mail or message link is only logged, never handed to another application.</source>
        <translation>لا يُجري هذا الجهاز مكالمات: النقر على رقم هاتف أو رابط بريد أو رسالة يُسجَّل فقط، ولا يُمرَّر أبدًا إلى تطبيق آخر.</translation>
    </message>
    <message id="TEXT_POWER_ALWAYS_DETAIL">
        <source>Dim the screen after every idle timeout</source>
        <translation>تعتيم الشاشة بعد كل انتهاء لمهلة الخمول</translation>
    </message>
    <message id="TEXT_POWER_DAYS">
        <source>Days</source>
        <translation>الأيام</translation>
    </message>
    <message id="TEXT_POWER_END_TIME">
        <source>End</source>
        <translation>النهاية</translation>
    </message>
    <message id="TEXT_CLEAR_FIELD">
        <source>Clear</source>
        <translation>مسح</translation>
    </message>
    <message id="TEXT_STEPPER_DECREASE">
        <source>Decrease</source>
        <translation>إنقاص</translation>
    </message>
    <message id="TEXT_STEPPER_INCREASE">
        <source>Increase</source>
        <translation>زيادة</translation>
    </message>
    <message id="TEXT_POWER_HOURS">
        <source>Hours</source>
        <translation>الساعات</translation>
    </message>
    <message id="TEXT_POWER_HOURS_FOOTER">
        <source>A window that ends before it starts goes on past midnight. The same start and end never saves power.</source>
        <translation>الفترة التي تنتهي قبل أن تبدأ تمتد إلى ما بعد منتصف الليل. إذا تساوت البداية والنهاية فلن تُوفَّر الطاقة أبدًا.</translation>
    </message>
    <message id="TEXT_POWER_SCHEDULE_DETAIL">
        <source>Dim after the idle timeout only inside these hours</source>
        <translation>التعتيم بعد مهلة الخمول ضمن هذه الساعات فقط</translation>
    </message>
    <message id="TEXT_POWER_START_TIME">
        <source>Start</source>
        <translation>البداية</translation>
    </message>
    <message id="TEXT_PRINT">
        <source>Print</source>
        <translation>طباعة</translation>
    </message>
    <message id="TEXT_PRINT_LINKS_DETAIL">
        <source>A page's own print link prints the page.</source>
        <translation>رابط الطباعة الخاص بالصفحة يطبع الصفحة.</translation>
    </message>
    <message id="TEXT_PROTOCOL">
        <source>Protocol</source>
        <translation>البروتوكول</translation>
    </message>
    <message id="TEXT_QR_NOT_SAVED">
        <source>The QR code could not be saved: %1</source>
        <translation>تعذّر حفظ رمز QR: %1</translation>
    </message>
    <message id="TEXT_REFRESH">
        <source>Refresh</source>
        <translation>إعادة تحميل</translation>
    </message>
    <message id="TEXT_SAVED_IN_DOCUMENTS">
        <source>%1 is saved in Documents.</source>
        <translation>تم حفظ %1 في المستندات.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE">
        <source>Choose a File</source>
        <translation>اختيار ملف</translation>
    </message>
    <message id="TEXT_SCREENSAVER_CHOOSE_FILE_DETAIL">
        <source>An image, video or page in the documents folder</source>
        <translation>صورة أو فيديو أو صفحة في مجلد المستندات</translation>
    </message>
    <message id="TEXT_SCREENSAVER_ENABLE_DETAIL">
        <source>Starts after the idle timeout; any touch ends it.</source>
        <translation>تبدأ بعد مهلة الخمول، وتنتهي بأي لمسة.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_NAMING">
        <source>Videos end in .mp4, .mov, .mpv or .3gp and images in .jpg, .png or .tif, in small letters; anything else is shown as a web page.</source>
        <translation>تنتهي أسماء الفيديو بـ .mp4 أو .mov أو .mpv أو .3gp وأسماء الصور بـ .jpg أو .png أو .tif، بأحرف صغيرة؛ وأي ملف آخر يُعرض كصفحة ويب.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_IMAGE">
        <source>Shown as an image over the whole screen.</source>
        <translation>يُعرض كصورة على الشاشة كاملة.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_NOTHING">
        <source>Nothing is shown: give a web address or choose a file.</source>
        <translation>لا يُعرض شيء: أدخل عنوان ويب أو اختر ملفًا.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_PAGE">
        <source>Shown as a web page.</source>
        <translation>يُعرض كصفحة ويب.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SHOWS_VIDEO">
        <source>Shown as a video, looping without sound.</source>
        <translation>يُعرض كفيديو متكرر بلا صوت.</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE">
        <source>Show</source>
        <translation>عرض</translation>
    </message>
    <message id="TEXT_SCREENSAVER_SOURCE_PLACEHOLDER">
        <source>https://... or a file name</source>
        <translation>https://... أو اسم ملف</translation>
    </message>
    <message id="TEXT_SEARCH">
        <source>Search</source>
        <translation>بحث</translation>
    </message>
    <message id="TEXT_SEARCH_LOG">
        <source>Search the log</source>
        <translation>البحث في السجل</translation>
    </message>
    <message id="TEXT_SEARCH_SETTINGS">
        <source>Search all settings</source>
        <translation>البحث في كل الإعدادات</translation>
    </message>
    <message id="TEXT_SEARCH_WEBSITE">
        <source>Search Website</source>
        <translation>البحث عن موقع</translation>
    </message>
    <message id="TEXT_SERVER_NOT_RUNNING">
        <source>Not running</source>
        <translation>متوقف</translation>
    </message>
    <message id="TEXT_SETTINGS_FILE">
        <source>Settings file</source>
        <translation>ملف الإعدادات</translation>
    </message>
    <message id="TEXT_SHOW_ID_AS_QR_CODE">
        <source>Show ID as QR Code</source>
        <translation>عرض المعرّف كرمز QR</translation>
    </message>
    <message id="TEXT_SIZE">
        <source>Size</source>
        <translation>الحجم</translation>
    </message>
    <message id="TEXT_SPECIAL_LINKS_DETAIL">
        <source>Tap to configure special links.</source>
        <translation>انقر لإعداد الروابط الخاصة.</translation>
    </message>
    <message id="TEXT_STOP">
        <source>Stop</source>
        <translation>إيقاف</translation>
    </message>
    <message id="TEXT_SYSTEM">
        <source>System</source>
        <translation>النظام</translation>
    </message>
    <message id="TEXT_SYSTEM_FILES">
        <source>Files and Folders</source>
        <translation>الملفات والمجلدات</translation>
    </message>
    <message id="TEXT_SYSTEM_NETWORK">
        <source>Local Network</source>
        <translation>الشبكة المحلية</translation>
    </message>
    <message id="TEXT_SYSTEM_VERSIONS">
        <source>Software Versions</source>
        <translation>إصدارات البرامج</translation>
    </message>
    <message id="TEXT_TAB_ERROR">
        <source>Error</source>
        <translation>خطأ</translation>
    </message>
    <message id="TEXT_TITLE_PLACEHOLDER">
        <source>Derived from the address when empty</source>
        <translation>يُؤخذ من العنوان إذا تُرك فارغًا</translation>
    </message>
    <message id="TEXT_TOOLBAR_IMAGES_FOOTER">
        <source>Images in Documents; empty uses the built-in image. Tap a row to pick one.</source>
        <translation>صور في المستندات؛ إذا تُرك فارغًا تُستخدم الصورة المدمجة. انقر على صف لاختيار صورة.</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE">
        <source>Upload Access Code</source>
        <translation>رمز الوصول للرفع</translation>
    </message>
    <message id="TEXT_UPLOAD_ACCESS_CODE_DETAIL">
        <source>Asked of every other device that uses the upload server; empty leaves it open.</source>
        <translation>يُطلب من أي جهاز آخر يستخدم خادم الرفع؛ تركه فارغًا يُبقي الخادم مفتوحًا.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ADDRESS">
        <source>Upload server</source>
        <translation>خادم الرفع</translation>
    </message>
    <message id="TEXT_URL_PLACEHOLDER">
        <source>www.example.com</source>
        <translation>www.example.com</translation>
    </message>
    <message id="TEXT_VIDEO_FILES">
        <source>Video Files</source>
        <translation>ملفات الفيديو</translation>
    </message>
    <message id="TEXT_ENGINE_HARDENING">
        <source>Engine hardening</source>
        <translation>تحصين المحرك</translation>
    </message>
    <message id="TEXT_HARDENING_NO_DEBUGGING">
        <source>remote debugging refused</source>
        <translation>التصحيح عن بُعد مرفوض</translation>
    </message>
    <message id="TEXT_HARDENING_NO_JIT">
        <source>JIT off</source>
        <translation>JIT معطّل</translation>
    </message>
    <message id="TEXT_HARDENING_WEBRTC">
        <source>WebRTC through a proxy only</source>
        <translation>WebRTC عبر وكيل فقط</translation>
    </message>
    <message id="TEXT_HARDENING_COOKIES">
        <source>third-party cookies refused</source>
        <translation>ملفات تعريف الارتباط التابعة لجهات خارجية مرفوضة</translation>
    </message>
    <message id="TITLE_CHECK_LOCKDOWN">
        <source>Check Lockdown</source>
        <translation>فحص الإقفال</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_CHECK_LOCKDOWN">
        <source>What could break out of this kiosk</source>
        <translation>ما الذي قد يفلت من هذا الكشك</translation>
    </message>
    <message id="TEXT_LOCKDOWN_PROBES">
        <source>Probes</source>
        <translation>الاختبارات</translation>
    </message>
    <message id="TEXT_PROBE_PASSED">
        <source>Passed</source>
        <translation>نجح</translation>
    </message>
    <message id="TEXT_PROBE_WARNING">
        <source>Warning</source>
        <translation>تحذير</translation>
    </message>
    <message id="TEXT_PROBE_FAILED">
        <source>Failed</source>
        <translation>فشل</translation>
    </message>
    <message id="TEXT_LOCKDOWN_UNAVAILABLE">
        <source>The check cannot run here: start Korvel in its kiosk session.</source>
        <translation>لا يمكن إجراء الفحص هنا: شغّل Korvel في جلسة الكشك الخاصة به.</translation>
    </message>
    <message id="TEXT_WEB_ENGINE">
        <source>Web engine</source>
        <translation>محرك الويب</translation>
    </message>
    <message id="TEXT_WHEN">
        <source>When</source>
        <translation>متى</translation>
    </message>
    <message id="TEXT_YES">
        <source>Yes</source>
        <translation>نعم</translation>
    </message>
    <message id="THIS_FILE_IS_PASSWORD_PROTECTED">
        <source>This file is password protected.</source>
        <translation>هذا الملف محمي بكلمة مرور.</translation>
    </message>
    <message id="TITLE_CLOUD_ID_QR_CODE">
        <source>Cloud ID QR Code</source>
        <translation>رمز QR لمعرّف السحابة</translation>
    </message>
    <message id="TITLE_DETAIL_TEXT_SYSTEM_SETTINGS">
        <source>Korvel in the system's settings</source>
        <translation>Korvel في إعدادات النظام</translation>
    </message>
    <message id="TITLE_DOWNLOAD_SUCCESSFULLY">
        <source>Downloaded successfully</source>
        <translation>تم التنزيل بنجاح</translation>
    </message>
    <message id="TITLE_EDIT">
        <source>Edit</source>
        <translation>تعديل</translation>
    </message>
    <message id="TITLE_PDF_FILE">
        <source>PDF File</source>
        <translation>ملف PDF</translation>
    </message>
    <message id="TITLE_SCAN_QR">
        <source>Scan QR Code</source>
        <translation>مسح رمز QR</translation>
    </message>
    <message id="TITLE_SELECT_ALL">
        <source>Select All</source>
        <translation>تحديد الكل</translation>
    </message>
    <message id="TITLE_SYSTEM_SETTINGS">
        <source>System Settings</source>
        <translation>إعدادات النظام</translation>
    </message>
    <message id="TITLE_UNSELECT_ALL">
        <source>Unselect All</source>
        <translation>إلغاء تحديد الكل</translation>
    </message>
    <message id="TXT_DOWNLOAD">
        <source>Download</source>
        <translation>تنزيل</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_OPEN_WARNING">
        <source>Anyone on this network can change the documents folder</source>
        <translation>يمكن لأي شخص على هذه الشبكة تغيير مجلد المستندات</translation>
    </message>
    <message id="TEXT_SET_ACCESS_CODE">
        <source>Set access code</source>
        <translation>تعيين رمز الوصول</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE">
        <source>Open on a Phone</source>
        <translation>فتح على هاتف</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_ON_A_PHONE_DETAIL">
        <source>The address as a QR code, and the certificate's fingerprint</source>
        <translation>العنوان كرمز QR، وبصمة الشهادة</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS">
        <source>Use HTTPS</source>
        <translation>استخدام HTTPS</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_TLS_DETAIL">
        <source>With the device's own certificate, which a phone checks by its fingerprint</source>
        <translation>بشهادة الجهاز الخاصة، التي يتحقق منها الهاتف ببصمتها</translation>
    </message>
    <message id="TITLE_UPLOAD_SERVER_ON_A_PHONE">
        <source>Upload Server on a Phone</source>
        <translation>خادم الرفع على هاتف</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_NO_ADDRESS">
        <source>The upload server is not running, or this device has no address on the network.</source>
        <translation>خادم الرفع لا يعمل، أو ليس لهذا الجهاز عنوان على الشبكة.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_SCAN">
        <source>Scan the code with a phone's camera to open the upload page.</source>
        <translation>امسح الرمز بكاميرا هاتف لفتح صفحة الرفع.</translation>
    </message>
    <message id="TEXT_UPLOAD_SERVER_PLAIN">
        <source>The page and the access code travel unencrypted. Turn on Use HTTPS to protect them on the network.</source>
        <translation>تنتقل الصفحة ورمز الوصول دون تشفير. فعّل «استخدام HTTPS» لحمايتهما على الشبكة.</translation>
    </message>
    <message id="TEXT_CERTIFICATE_MISSING">
        <source>The device's certificate cannot be had: %1</source>
        <translation>يتعذّر الحصول على شهادة الجهاز: %1</translation>
    </message>
    <message id="TEXT_CERTIFICATE_FINGERPRINT">
        <source>Certificate fingerprint (SHA-256)</source>
        <translation>بصمة الشهادة (SHA-256)</translation>
    </message>
    <message id="TEXT_CERTIFICATE_CHECK">
        <source>The phone's browser warns about this device's own certificate. Go on only when the SHA-256 fingerprint it shows for it is this one.</source>
        <translation>يُحذّر متصفح الهاتف من الشهادة الخاصة بهذا الجهاز. لا تتابع إلا إذا كانت بصمة SHA-256 التي يعرضها لها هي هذه.</translation>
    </message>
    <message id="TEXT_RECOVERY_SETTINGS">
        <source>Recovery</source>
        <translation>الاسترداد</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT">
        <source>Page Memory Limit (MB)</source>
        <translation>حد ذاكرة الصفحة (ميغابايت)</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_DETAIL">
        <source>A page whose renderer grows past this is reloaded once nobody touches the kiosk. 0: 1 GiB or half the memory, whichever is less.</source>
        <translation>الصفحة التي يتجاوز عارضها هذا الحد يُعاد تحميلها حين لا يلمس أحد الكشك. 0: 1 غيغابايت أو نصف الذاكرة، أيهما أقل.</translation>
    </message>
    <message id="TEXT_RENDERER_MEMORY_LIMIT_INVALID">
        <source>Invalid memory limit. Please enter megabytes, or 0 for the automatic limit.</source>
        <translation>حد ذاكرة غير صالح. يُرجى إدخال عدد الميغابايت، أو 0 للحد التلقائي.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT">
        <source>Restart Daily At (HH:MM)</source>
        <translation>إعادة التشغيل يوميًا في (HH:MM)</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_DETAIL">
        <source>Korvel restarts at this time, or later once nobody uses it. Empty: never.</source>
        <translation>يُعاد تشغيل Korvel في هذا الوقت، أو لاحقًا حين لا يستخدمه أحد. فارغ: أبدًا.</translation>
    </message>
    <message id="TEXT_RESTART_DAILY_AT_INVALID">
        <source>Please enter a time as HH:MM (24-hour clock), or nothing for no daily restart.</source>
        <translation>يُرجى إدخال وقت بصيغة HH:MM (نظام 24 ساعة)، أو عدم إدخال شيء لإلغاء إعادة التشغيل اليومية.</translation>
    </message>
    <message id="TEXT_BOUNCE_DETAIL">
        <source>No effect on this device: the web engine scrolls pages without bouncing.</source>
        <translation>لا تأثير على هذا الجهاز: محرك الويب يمرّر الصفحات دون ارتداد.</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS">
        <source>Enable Browser Plugins</source>
        <translation>تفعيل المكونات الإضافية للمتصفح</translation>
    </message>
    <message id="TEXT_ENABLE_PLUGINS_DETAIL">
        <source>Lets pages use the web engine's plug-ins. No plug-in is installed for this engine here, so it changes nothing.</source>
        <translation>يتيح للصفحات استخدام المكونات الإضافية لمحرك الويب. لا توجد مكونات إضافية مثبّتة لهذا المحرك هنا، لذا لا يغيّر شيئًا.</translation>
    </message>
    <message id="BROWSER_OK">
        <source>Ok</source>
        <translation>موافق</translation>
    </message>
    <message id="APP_OK">
        <source>OK</source>
        <translation>موافق</translation>
    </message>
    <message id="BROWSER_PRINTER">
        <source>Printer</source>
        <translation>الطابعة</translation>
    </message>
    <message id="BROWSER_PRINT_FAILED">
        <source>Cannot complete print request</source>
        <translation>تعذّر إكمال طلب الطباعة</translation>
    </message>
    <message id="BROWSER_AUTH_REQUIRED">
        <source>Authentication Required</source>
        <translation>المصادقة مطلوبة</translation>
    </message>
    <message id="BROWSER_AUTH_LOGIN">
        <source>Login</source>
        <translation>تسجيل الدخول</translation>
    </message>
    <message id="BROWSER_POPUPS_BLOCKED">
        <source>Popups are blocked!</source>
        <translation>النوافذ المنبثقة محظورة!</translation>
    </message>
    <message id="BROWSER_APP_NOT_AVAILABLE">
        <source>Application is not available. Please install.</source>
        <translation>التطبيق غير متوفر. يُرجى تثبيته.</translation>
    </message>
    <message id="HOME_ACCESS_DENIED">
        <source>Access Denied for %1</source>
        <translation>تم رفض الوصول إلى %1</translation>
    </message>
    <message id="APP_PASSWORD_PROMPT">
        <source>Enter password to enter settings.</source>
        <translation>أدخل كلمة المرور لفتح الإعدادات.</translation>
    </message>
    <message id="APP_DEFAULT_PASSWORD">
        <source>Default password is %1</source>
        <translation>كلمة المرور الافتراضية هي %1</translation>
    </message>
    <message id="APP_WRONG_PASSWORD">
        <source>Wrong Password!</source>
        <translation>كلمة مرور خاطئة!</translation>
    </message>
    <message id="APP_LANGUAGE">
        <source>Language</source>
        <translation>اللغة</translation>
    </message>
    <message id="APP_LANGUAGE_DETAIL">
        <source>The language of the screens, of the on-screen keyboard and the one web pages are asked for.</source>
        <translation>لغة الشاشات ولوحة المفاتيح على الشاشة، واللغة المطلوبة من صفحات الويب.</translation>
    </message>
    <message id="APP_LANGUAGE_SYSTEM">
        <source>System Language</source>
        <translation>لغة النظام</translation>
    </message>
    <message id="FILES_HISTORY_DELETE_COUNT" numerus="yes">
        <source>%n entries will be removed from the history.</source>
        <translation>
            <numerusform>لن يُزال أي إدخال من السجل.</numerusform>
            <numerusform>سيُزال إدخال واحد من السجل.</numerusform>
            <numerusform>سيُزال إدخالان من السجل.</numerusform>
            <numerusform>ستُزال %n إدخالات من السجل.</numerusform>
            <numerusform>سيُزال %n إدخالًا من السجل.</numerusform>
            <numerusform>سيُزال %n إدخال من السجل.</numerusform>
        </translation>
    </message>
    <message id="BROWSER_ERROR_TITLE">
        <source>ERROR</source>
        <translation>خطأ</translation>
    </message>
</context>
</TS>
