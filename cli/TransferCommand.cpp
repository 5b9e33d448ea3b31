#include "cli/TransferCommand.h"

#include "transfer/ImportExport.h"
#include "transfer/URLImport.h"

#include <QEventLoop>
#include <QTextStream>

#include <optional>

namespace korvel {

namespace {

int report(const TransferResult& result, QTextStream& out, QTextStream& err)
{
    (result.ok ? out : err) << result.alert.message << '\n';
    return result.ok ? 0 : 2;
}

bool isWebAddress(const QString& text)
{
    return text.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) || text.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
}

}  // namespace

int runExportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    QStringList names = arguments;
    const bool pellmor = names.removeAll(QStringLiteral("--pellmor")) > 0;
    if (pellmor && names.isEmpty()) {
        const ImportExport::PellmorResult result = ImportExport::exportForPellmor();
        if (!result.written) {
            err << "korvelctl: Korvel_PellmorConfig.txt could not be written\n";
            return 2;
        }
        out << result.alert.message << '\n' << result.path << '\n';
        return 0;
    }
    if (pellmor || names.size() != 1) {
        err << "Usage: korvelctl export NAME | export --pellmor\n";
        return 2;
    }
    return report(ImportExport::exportToFile(names.first()), out, err);
}

int runImportCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 1) {
        err << "Usage: korvelctl import NAME|URL\n";
        return 2;
    }
    const QString& source = arguments.first();
    if (!isWebAddress(source))
        return report(ImportExport::importFromFile(source), out, err);
    // The screen's own asynchronous import, waited for here.
    std::optional<TransferResult> outcome;
    QEventLoop loop;
    URLImport import;
    QObject::connect(&import, &URLImport::finished, &loop, [&](const TransferResult& result) {
        outcome = result;
        loop.quit();
    });
    import.importfromURL(source);
    if (!outcome)
        loop.exec();
    return report(*outcome, out, err);
}

int runResetCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments != QStringList{QStringLiteral("--yes")}) {
        err << "Usage: korvelctl reset --yes\n" << ImportExport::resetQuestion().message << " Give --yes to reset.\n";
        return 2;
    }
    ImportExport::resetQuestionShown();
    return report(ImportExport::resetToDefaults(), out, err);
}

}  // namespace korvel
