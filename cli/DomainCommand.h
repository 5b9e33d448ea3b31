#pragma once

#include <QStringList>

class QTextStream;

namespace korvel {

// "domain TEXT": the shared domain decomposition of the host in TEXT (a URL or a host), printed as
// rootDomain, topLevelDomain, secondLevelDomain and subDomain lines ("(none)" for an absent part),
// or "no result". `arguments` are the words after "domain".
// Returns the exit status: 0 done (a result or none), 1 the public suffix list could not be read
// (already reported on stderr), 2 bad usage.
int runDomainCommand(const QStringList& arguments, QTextStream& out, QTextStream& err);

}  // namespace korvel
