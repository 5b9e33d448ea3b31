#pragma once

#include <QHashFunctions>
#include <QString>
#include <QStringView>

#include <unordered_set>

namespace korvel {

// A set of strings that can be probed with a view of part of another string, so that testing every
// label suffix of a host allocates nothing.
class StringSet {
public:
    void reserve(size_t count) { m_set.reserve(count); }
    void insert(QString text) { m_set.insert(std::move(text)); }
    bool contains(QStringView text) const { return m_set.find(text) != m_set.end(); }
    bool isEmpty() const { return m_set.empty(); }

private:
    struct Hash {
        using is_transparent = void;
        size_t operator()(QStringView text) const noexcept { return qHash(text); }
    };
    struct Equal {
        using is_transparent = void;
        bool operator()(QStringView a, QStringView b) const noexcept { return a == b; }
    };
    std::unordered_set<QString, Hash, Equal> m_set;
};

}  // namespace korvel
