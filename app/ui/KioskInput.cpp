#include "app/ui/KioskInput.h"

#include "app/VirtualKeyboard.h"
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
#include <QTextEdit>

#include <cstdio>
#include <memory>

namespace korvel {

namespace {

bool takesTypedText(const QWidget* widget)
{
    return widget->testAttribute(Qt::WA_InputMethodEnabled)
           && (qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget)
               || qobject_cast<const QPlainTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget));
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
                // After the focus change has reached the input method.
                QMetaObject::invokeMethod(this, [field = QPointer<QWidget>(widget)] {
                    if (field && field->hasFocus())
                        QGuiApplication::inputMethod()->show();
                }, Qt::QueuedConnection);
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

void releaseKeyboard()
{
    if (QWidget* focus = QApplication::focusWidget())
        focus->clearFocus();
    QGuiApplication::inputMethod()->hide();
}

}  // namespace

void KioskInput::install()
{
    if (VirtualKeyboard::isChosen()) {
        if (!restrictKeyboardToEnglish())
            std::fprintf(stderr, "korvel: the on-screen keyboard's settings could not be loaded\n");
        static ShowOnFocus* showOnFocus = nullptr;
        if (!showOnFocus) {
            showOnFocus = new ShowOnFocus(qApp);
            qApp->installEventFilter(showOnFocus);
            // Qt Virtual Keyboard 6.4 crashes when the focused field's window is destroyed under it
            // (it hides its selection handles after they went): the focus is let go first.
            QObject::connect(qApp, &QCoreApplication::aboutToQuit, showOnFocus, &releaseKeyboard);
        }
    }
    PagePickers::install();
}

bool KioskInput::restrictKeyboardToEnglish()
{
    // The keyboard's settings are one object for the whole process, reachable only from QML; a
    // throw-away engine sets them before the keyboard's own panel is ever created. With one locale
    // active the language key does nothing and its pop-up list never shows.
    QQmlEngine engine;
    QQmlComponent component(&engine);
    component.setData(QByteArrayLiteral("import QtQml\n"
                                        "import QtQuick.VirtualKeyboard.Settings\n"
                                        "QtObject {\n"
                                        "    Component.onCompleted: {\n"
                                        "        VirtualKeyboardSettings.locale = \"en_US\"\n"
                                        "        VirtualKeyboardSettings.activeLocales = [\"en_US\"]\n"
                                        "    }\n"
                                        "}\n"),
                      QUrl());
    const std::unique_ptr<QObject> settings(component.create());
    return settings != nullptr;
}

}  // namespace korvel
