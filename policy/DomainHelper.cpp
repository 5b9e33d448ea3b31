#include "policy/DomainHelper.h"
#include "platform/Console.h"

#include <mutex>

namespace korvel {

namespace {

std::shared_ptr<const DomainHelper> frozenInstance()
{
    // A function-local static is built exactly once, whichever thread asks first.
    static const std::shared_ptr<const DomainHelper> instance = [] {
        TLDExtractCreation created = TLDExtract::create(true);
        if (!created.ok()) {
            // Domain comparisons then refuse rather than guess; the administrator has to know why.
            qCWarning(console).noquote() << QStringLiteral("the public suffix list %1 could not be read: %2")
                                                .arg(TLDExtract::resourcePath(true), created.error->description());
        }
        return std::make_shared<const DomainHelper>(std::move(created.extract));
    }();
    return instance;
}

struct SharedSlot {
    std::mutex mutex;
    std::shared_ptr<const DomainHelper> helper;
};

SharedSlot& sharedSlot()
{
    static SharedSlot slot;
    return slot;
}

}  // namespace

std::shared_ptr<const DomainHelper> DomainHelper::shared()
{
    SharedSlot& slot = sharedSlot();
    std::lock_guard lock(slot.mutex);
    if (!slot.helper)
        slot.helper = frozenInstance();
    return slot.helper;
}

void DomainHelper::setShared(std::shared_ptr<const DomainHelper> helper)
{
    SharedSlot& slot = sharedSlot();
    std::lock_guard lock(slot.mutex);
    slot.helper = std::move(helper);
}

std::optional<TLDResult> DomainHelper::parseURL(const QString& text) const
{
    if (!m_extractor)
        return std::nullopt;
    return m_extractor->parse(text, false);
}

}  // namespace korvel
