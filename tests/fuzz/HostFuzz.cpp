// Arbitrary text as an address typed by an administrator or met by the browser: the URL utility
// makes it an address, the domain lookup splits its host at the public suffix. Nothing may crash,
// and a split must put the host back together: sub-domain, second-level label and suffix.
#include "policy/DomainHelper.h"
#include "policy/WebsiteAddress.h"

#include <QCoreApplication>
#include <QUrl>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    if (!korvel::DomainHelper::shared()->extractor()) {
        std::fprintf(stderr, "the frozen public suffix list was not found (run from the build tree)\n");
        std::abort();
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)korvel::WebsiteAddress::getURLFromString(text);
    (void)korvel::WebsiteAddress::getBlockedAddressFromString(text, korvel::WebsiteProtocol::Https);
    const std::optional<korvel::TLDResult> split = korvel::DomainHelper::shared()->parseURL(text);
    if (!split || !split->rootDomain || !split->topLevelDomain || !split->secondLevelDomain)
        return 0;
    if (*split->rootDomain != *split->secondLevelDomain + QLatin1Char('.') + *split->topLevelDomain) {
        std::fprintf(stderr, "root domain %s is not %s.%s\n", qPrintable(*split->rootDomain), qPrintable(*split->secondLevelDomain),
                     qPrintable(*split->topLevelDomain));
        std::abort();
    }
    return 0;
}
