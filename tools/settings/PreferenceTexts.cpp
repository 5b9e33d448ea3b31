// Writes the catalogue entries of the texts the settings screens show for the preferences
// (PREF_<Key>_TITLE, _DETAIL, _VALUE_<Name>, see settings/ShownText.h) into the English catalogue,
// from the schema: the entries of earlier runs are replaced, every other entry is kept as it is.
// The test PreferenceTexts.CatalogueHoldsTheSchemasEnglish fails while they differ.
#include "settings/KVBrowserPrefSettings.h"
#include "settings/ShownText.h"

#include <QFile>
#include <QRegularExpression>
#include <QSaveFile>

#include <cstdio>

namespace {

QString message(const QByteArray& id, const QString& english)
{
    const QString text = english.toHtmlEscaped();
    return QStringLiteral("    <message id=\"%1\">\n        <source>%2</source>\n        <translation>%2</translation>\n    </message>\n")
        .arg(QString::fromLatin1(id), text);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: preference_texts resources/translations/korvel_en.ts\n");
        return 2;
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "preference_texts: cannot read %s\n", argv[1]);
        return 1;
    }
    QString text = QString::fromUtf8(in.readAll());
    in.close();
    static const QRegularExpression earlier(QStringLiteral(R"re(    <message id="PREF_[^"]*">\n.*?</message>\n)re"),
                                            QRegularExpression::DotMatchesEverythingOption);
    text.remove(earlier);
    const QString context = QStringLiteral("<context>\n    <name></name>\n");
    const qsizetype at = text.indexOf(context);
    if (at < 0) {
        std::fprintf(stderr, "preference_texts: %s has no unnamed context\n", argv[1]);
        return 1;
    }
    using korvel::KVBrowserPrefSettings;
    QString block;
    for (const KVBrowserPrefSettings::Field& field : KVBrowserPrefSettings::fields()) {
        if (field.place.screen)
            block += message(korvel::shownTitleId(field), QString::fromUtf8(field.place.title));
        if (field.place.screen && field.place.subtitle)
            block += message(korvel::shownDetailId(field), QString::fromUtf8(field.place.subtitle));
        for (const QString& name : field.valueNames())
            block += message(korvel::shownValueNameId(field, name), name);
    }
    text.insert(at + context.size(), block);
    QSaveFile out(path);
    const QByteArray bytes = text.toUtf8();
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
        std::fprintf(stderr, "preference_texts: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
