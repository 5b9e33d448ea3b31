#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace korvel::test {

// An environment variable changed for the life of the guard: what was there before (a value, or
// nothing) comes back when the guard goes, also when a failed assertion ends the test early.
// Tests change the environment only through this.
class ScopedEnv {
public:
    // Only remembers the variable; set() changes it.
    explicit ScopedEnv(const char* name)
        : m_name(name)
        , m_saved(qEnvironmentVariableIsSet(name) ? std::optional<QByteArray>(qgetenv(name)) : std::nullopt)
    {
    }
    // std::nullopt unsets the variable.
    ScopedEnv(const char* name, const std::optional<QByteArray>& value)
        : ScopedEnv(name)
    {
        set(value);
    }
    ~ScopedEnv() { set(m_saved); }

    ScopedEnv(const ScopedEnv&) = delete;
    ScopedEnv& operator=(const ScopedEnv&) = delete;

    void set(const std::optional<QByteArray>& value)
    {
        if (value)
            qputenv(m_name.constData(), *value);
        else
            qunsetenv(m_name.constData());
    }

private:
    const QByteArray m_name;
    const std::optional<QByteArray> m_saved;
};

}  // namespace korvel::test
