#include "app/ui/KioskInput.h"

#include "app/VirtualKeyboard.h"
#include "platform/Console.h"
#include "platform/ui/Alert.h"
#include "browser/ui/PagePickers.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QInputMethod>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QScreen>
#include <QTextEdit>
#include <QWindow>

namespace korvel {

namespace {

// The keyboard's process-wide settings, reached through QML: an engine of our own and one object
// in it, kept for the whole run.
QObject*& settingsObject()
{
    static QObject* settings = nullptr;
    return settings;
}

bool takesTypedText(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_InputMethodEnabled)
           && (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
               || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget));
}

bool isInsideAlert(const QWidget* widget)
{
    for (const QWidget* w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<const Alert*>(w))
            return true;
    }
    return false;
}

// A field the keyboard would cover is typed into with the keyboard in its full-screen mode, which
// shows the text (as dots for a password) above the keys; any other field keeps the page or screen
// visible above the keyboard.
void chooseKeyboardMode(const QRectF& field)
{
    const QScreen* screen = QGuiApplication::screenAt(field.center().toPoint());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const bool hidden = VirtualKeyboard::hidesField(field, VirtualKeyboard::expectedKeyboard(screen->geometry()));
    KioskInput::setKeyboardMode(hidden ? KeyboardMode::FullScreen : KeyboardMode::InPlace);
}

// The text cursor of whatever has the focus (a page's input included), on the screen.
QRectF focusedCursor()
{
    const QWindow* window = QGuiApplication::focusWindow();
    if (!window)
        return {};
    const QRectF cursor = QGuiApplication::inputMethod()->cursorRectangle();
    return cursor.translated(window->mapToGlobal(QPoint(0, 0)));
}

void releaseKeyboard()
{
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    QGuiApplication::inputMethod()->hide();
}

// Brings the keyboard up as soon as a text field takes the focus, not only on a second tap. Besides
// being what a touch-only device needs (the password prompt focuses its field by itself), it works
// round Qt Virtual Keyboard 6.4 laying its lower rows out wrong (Shift, "&123", Enter squeezed to
// nothing) when its panel is first built for an already focused field and shown later.
class ShowOnFocus final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (takesTypedText(widget)) {
                // After the focus change has reached the input method. The mode is set right before
                // the keyboard shows: changed while the keyboard is hidden, Qt Virtual Keyboard 6.4
                // lays out its lower rows wrong again.
                QMetaObject::invokeMethod(this, [field = QPointer<QWidget>(widget)] {
                    if (!field || !field->hasFocus())
                        return;
                    // An alert moves itself above the keyboard, so its fields stay in sight with
                    // the alert's message; other fields are judged where they are.
                    if (isInsideAlert(field))
                        KioskInput::setKeyboardMode(KeyboardMode::InPlace);
                    else
                        chooseKeyboardMode(QRectF(field->mapToGlobal(QPoint(0, 0)), field->size()));
                    QGuiApplication::inputMethod()->show();
                }, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

}  // namespace

void KioskInput::install()
{
    if (VirtualKeyboard::isChosen()) {
        if (!offerKeyboardLayouts({QStringLiteral("en_US")}))
            qCWarning(console) << "the on-screen keyboard's settings could not be loaded";
        static ShowOnFocus* showOnFocus = nullptr;
        if (!showOnFocus) {
            showOnFocus = new ShowOnFocus(qApp);
            qApp->installEventFilter(showOnFocus);
            // A page's input brings the keyboard up by itself (the engine asks for it): the mode is
            // chosen from its text cursor as it comes.
            QObject::connect(QGuiApplication::inputMethod(), &QInputMethod::visibleChanged, showOnFocus, [] {
                const auto* widget = qobject_cast<QWidget*>(QGuiApplication::focusObject());
                if (QGuiApplication::inputMethod()->isVisible() && !(widget && takesTypedText(widget)))
                    chooseKeyboardMode(focusedCursor());
            });
            // Qt Virtual Keyboard 6.4 crashes when the focused field's window is destroyed under it
            // (it hides its selection handles after they went): the focus is let go first.
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, showOnFocus, &releaseKeyboard);
        }
    }
    PagePickers::install();
}

bool KioskInput::offerKeyboardLayouts(const QStringList& layouts)
{
    if (layouts.isEmpty() || !VirtualKeyboard::isChosen())
        return false;
    if (settingsObject()) {
        settingsObject()->setProperty("layouts", layouts);
        return true;
    }
    // The settings are one object for the whole process; this engine sets them before the
    // keyboard's own panel is ever created. With one locale active the language key does nothing
    // and its pop-up list never shows.
    auto* engine = new QQmlEngine(qApp);
    QQmlComponent component(engine);
    component.setData(QByteArrayLiteral("import QtQml\n"
                                        "import QtQuick.VirtualKeyboard.Settings\n"
                                        "QtObject {\n"
                                        "    property bool fullScreen: false\n"
                                        "    property var layouts: []\n"
                                        "    onFullScreenChanged: VirtualKeyboardSettings.fullScreenMode = fullScreen\n"
                                        "    onLayoutsChanged: {\n"
                                        "        VirtualKeyboardSettings.activeLocales = layouts\n"
                                        "        VirtualKeyboardSettings.locale = layouts[0]\n"
                                        "    }\n"
                                        "}\n"),
                      QUrl());
    QObject* settings = component.create();
    if (settings)
        settings->setProperty("layouts", layouts);
    if (!settings) {
        delete engine;
        return false;
    }
    settings->setParent(engine);
    settingsObject() = settings;
    return true;
}

void KioskInput::setKeyboardMode(KeyboardMode mode)
{
    if (settingsObject())
        settingsObject()->setProperty("fullScreen", mode == KeyboardMode::FullScreen);
}

void KioskInput::dismissKeyboard()
{
    releaseKeyboard();
}

KeyboardMode KioskInput::keyboardMode()
{
    const bool fullScreen = settingsObject() && settingsObject()->property("fullScreen").toBool();
    return fullScreen ? KeyboardMode::FullScreen : KeyboardMode::InPlace;
}

}  // namespace korvel
