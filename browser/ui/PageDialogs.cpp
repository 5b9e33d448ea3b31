#include "browser/ui/PageDialogs.h"

#include "platform/ui/Alert.h"

#include <QAuthenticator>
#include <QEventLoop>

namespace korvel {

Alert* PageDialogs::make(Kind kind, const QString& message, const QString& host, const QString& defaultValue)
{
    auto* alert = new Alert(message, host);
    switch (kind) {
    case Kind::Alert:
        alert->addButton(qtTrId("BROWSER_OK"), Alert::Role::Cancel);
        break;
    case Kind::Prompt:
        alert->addTextField(QString(), Alert::TextEntry::Plain, defaultValue);
        [[fallthrough]];
    case Kind::Confirm:
        alert->addButton(qtTrId("APP_OK"), Alert::Role::Default);
        alert->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
        break;
    }
    return alert;
}

PageDialogs::Answer PageDialogs::ask(Alert* alert, QWidget* over)
{
    Answer answer;
    QEventLoop loop;
    QObject::connect(alert, &Alert::finished, &loop, [&, alert](int index) {
        answer.button = index;
        for (int f = 0; f < alert->textFieldCount(); ++f)
            answer.fields.append(alert->textFieldText(f));
        loop.quit();
    });
    if (!alert->showOver(over))
        return answer;
    loop.exec();
    return answer;
}

void PageDialogs::authenticate(QWidget* over, QAuthenticator* authenticator)
{
    auto* alert = new Alert(qtTrId("BROWSER_AUTH_REQUIRED"));
    alert->addTextField(qtTrId("BROWSER_AUTH_LOGIN"), Alert::TextEntry::Plain);
    alert->addTextField(qtTrId("TEXT_PASSWORD"), Alert::TextEntry::Secure);
    alert->addButton(qtTrId("BROWSER_AUTH_LOGIN"), Alert::Role::Default);
    alert->addButton(qtTrId("TEXT_CANCEL"), Alert::Role::Cancel);
    const Answer answer = ask(alert, over);
    if (answer.accepted()) {
        authenticator->setUser(answer.fields.value(0));
        authenticator->setPassword(answer.fields.value(1));
    } else {
        *authenticator = QAuthenticator();
    }
}

}  // namespace korvel
