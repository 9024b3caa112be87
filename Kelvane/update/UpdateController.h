// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Tells of a newer version of the program. `updateAvailable` is set by the
// checker and cleared by the owner before it asks for a new check.
class UpdateController : public QObject {
    Q_OBJECT

public:
    bool updateAvailable() const { return m_updateAvailable; }
    void setUpdateAvailable(bool available)
    {
        if (m_updateAvailable == available)
            return;
        m_updateAvailable = available;
        Q_EMIT updateAvailableChanged(available);
    }

    // False when this build has nowhere to look: no check is offered then.
    virtual bool canCheckForUpdates() const { return true; }
    virtual void checkForUpdates() = 0;
    // What the user's "check now" does: forget the last news and look again.
    void checkAfresh()
    {
        setUpdateAvailable(false);
        checkForUpdates();
    }

Q_SIGNALS:
    void updateAvailableChanged(bool available);

protected:
    using QObject::QObject;

private:
    bool m_updateAvailable = false;
};

// Without a feed address there is nothing to check.
class NullUpdateController final : public UpdateController {
    Q_OBJECT

public:
    using UpdateController::UpdateController;
    bool canCheckForUpdates() const override { return false; }
    void checkForUpdates() override { }
};
