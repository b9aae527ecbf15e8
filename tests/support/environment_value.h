// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace erakon {

// Sets (or, with nullopt, unsets) an environment variable for the life of the guard.
class EnvironmentValue final {
public:
    EnvironmentValue(const char* name, const std::optional<QByteArray>& value)
        : m_name(name)
        , m_had(qEnvironmentVariableIsSet(name))
        , m_old(qgetenv(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~EnvironmentValue()
    {
        if (m_had)
            qputenv(m_name, m_old);
        else
            qunsetenv(m_name);
    }
    Q_DISABLE_COPY_MOVE(EnvironmentValue)

private:
    const char* m_name;
    bool m_had;
    QByteArray m_old;
};

} // namespace erakon
