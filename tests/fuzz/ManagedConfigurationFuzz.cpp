// Arbitrary text as the managed configuration's "SettingsXML": prepared (a CDATA wrapper taken
// off, bare ampersands escaped) and parsed as a settings document. Nothing may crash; a text that
// parses gives a dictionary or a reason, never both nor neither.
#include "transfer/ManagedConfiguration.h"

#include <QCoreApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    (void)korvel::ManagedConfiguration::checksum(text);
    const korvel::ManagedConfiguration::Parsed parsed = korvel::ManagedConfiguration::parse(text);
    if (parsed.document.has_value() == !parsed.error.isEmpty())
        std::abort();
    return 0;
}
