// Arbitrary bytes read as a property list, XML or binary ("bplist00"), as the settings store and
// settings documents are read. Nothing may crash; whatever reads must write as XML and read back
// to the same value, or a document the kiosk accepted could not be saved and read again.
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
    const QByteArray xml = korvel::PropertyList::toXml(parsed.value);
    const korvel::PropertyListParse again = korvel::PropertyList::parse(xml);
    if (!again.ok() || korvel::PropertyList::toXml(again.value) != xml) {
        std::fprintf(stderr, "a value read does not read back from its XML form:\n%s\n", xml.constData());
        std::abort();
    }
    return 0;
}
