// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Starts the program when the user logs in. `isEnabled` reflects the system
// as of the last refresh; failures are silent and leave it unrefreshed.
class LaunchAtLoginManager : public QObject {
    Q_OBJECT

public:
    bool isEnabled() const { return m_isEnabled; }

    virtual void refreshStatus() = 0;
    virtual void enable() = 0;
    virtual void disable() = 0;

Q_SIGNALS:
    void isEnabledChanged();

protected:
    using QObject::QObject;
    void setEnabled(bool enabled)
    {
        if (m_isEnabled == enabled)
            return;
        m_isEnabled = enabled;
        Q_EMIT isEnabledChanged();
    }

private:
    bool m_isEnabled = false;
};
