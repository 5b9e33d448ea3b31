#pragma once

#include <QMetaType>
#include <QString>
#include <QVariant>
#include <QVariantList>

#include <functional>
#include <memory>

namespace korvel {

// A top-level list of the defaults store that its owner keeps in its own form (records) rather than
// as a property-list tree. 100,000 websites as trees of QVariantMaps take several times the memory
// of the records they were made from; a StoredList is written into the file element by element
// and made into a tree only for the rare reader that asks for one (an export). Immutable once made.
class StoredList {
public:
    virtual ~StoredList() = default;
    virtual qsizetype size() const = 0;
    // The property-list form of element `index`.
    virtual QVariant element(qsizetype index) const = 0;
    // Whether this list holds exactly the records `other` holds (the same shared data), so a save
    // of unchanged records writes nothing.
    virtual bool sameAs(const StoredList& other) const = 0;

    QVariantList toList() const
    {
        QVariantList list;
        list.reserve(size());
        for (qsizetype i = 0; i < size(); ++i)
            list.append(element(i));
        return list;
    }
};

using StoredListPtr = std::shared_ptr<const StoredList>;

// Makes a StoredList of one key while its file is read, one element at a time.
class StoredListBuilder {
public:
    virtual ~StoredListBuilder() = default;
    virtual void append(const QVariant& element) = 0;
    virtual StoredListPtr finish() = 0;
};
using StoredListFactory = std::function<std::unique_ptr<StoredListBuilder>()>;

}  // namespace korvel

Q_DECLARE_METATYPE(korvel::StoredListPtr)
