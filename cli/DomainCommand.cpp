#include "cli/DomainCommand.h"

#include "control/ControlCommand.h"
#include "policy/DomainHelper.h"

#include <QTextStream>

namespace korvel {

namespace {

void printField(QTextStream& out, const char* name, const std::optional<QString>& value)
{
    out << name << ": " << (value ? *value : QStringLiteral("(none)")) << '\n';
}

}  // namespace

int runDomainCommand(const QStringList& arguments, QTextStream& out, QTextStream& err)
{
    if (arguments.size() != 1) {
        err << "korvelctl: usage: domain URL-OR-HOST\n";
        return ExitStatus::Refused;
    }
    const std::shared_ptr<const DomainHelper> helper = DomainHelper::shared();
    // Without the list every answer would be "no result"; saying so would mislead a fleet script.
    if (!helper->extractor())
        return ExitStatus::Failed;
    const std::optional<TLDResult> result = helper->parseURL(arguments.first());
    if (!result) {
        out << "no result\n";
        return ExitStatus::Done;
    }
    printField(out, "rootDomain", result->rootDomain);
    printField(out, "topLevelDomain", result->topLevelDomain);
    printField(out, "secondLevelDomain", result->secondLevelDomain);
    printField(out, "subDomain", result->subDomain);
    return ExitStatus::Done;
}

}  // namespace korvel
