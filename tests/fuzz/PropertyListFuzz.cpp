// Arbitrary bytes read as a property list, XML or binary ("bplist00"), as the settings store and
// settings documents are read. Nothing may crash; whatever reads must write as XML that reads
// back, or a document the kiosk accepted could not be saved and read again.
#include "platform/PropertyList.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const korvel::PropertyListParse parsed = korvel::PropertyList::parse(bytes);
    if (!parsed.ok())
        return 0;
    // The writer replaces what XML cannot hold (U+FFFD), which may reorder a dictionary's keys once;
    // from then on what is written reads back to itself.
    const QByteArray xml = korvel::PropertyList::toXml(parsed.value);
    const korvel::PropertyListParse again = korvel::PropertyList::parse(xml);
    const QByteArray settled = again.ok() ? korvel::PropertyList::toXml(again.value) : QByteArray();
    const korvel::PropertyListParse third = korvel::PropertyList::parse(settled);
    if (!again.ok() || !third.ok() || korvel::PropertyList::toXml(third.value) != settled) {
        std::fprintf(stderr, "a value read does not read back from its XML form:\n%s\n", xml.constData());
        std::abort();
    }
    return 0;
}
