// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <chrono>
#include <deque>
#include <functional>
#include <map>
#include <optional>

namespace platform {

// One notification to show on the desktop.
struct DesktopNotification {
    // Posting again under the same identifier replaces the earlier one.
    QString identifier;
    QString title;
    QString body;
    bool playsDefaultSound = false;
    // How long after the post the notification appears.
    std::chrono::milliseconds delay{0};
};

// The desktop's notification service. Every answer arrives later on the
// calling thread's event loop, never inside the call, and never after the
// service object is gone.
class DesktopNotifications {
public:
    using Answer = std::function<void(bool)>;

    virtual ~DesktopNotifications() = default;
    // Whether notifications may be shown now.
    virtual void checkAuthorization(Answer answer) = 0;
    // Asks for permission to show alerts with sound; the answer is whether it
    // was granted. A failure to ask counts as refused.
    virtual void requestAuthorization(Answer answer) = 0;
    // `done` runs once the service has taken the notification or refused it;
    // a refusal is not reported.
    virtual void post(const DesktopNotification& notification, std::function<void()> done) = 0;

protected:
    DesktopNotifications() = default;
    DesktopNotifications(const DesktopNotifications&) = default;
    DesktopNotifications& operator=(const DesktopNotifications&) = default;
};

// org.freedesktop.Notifications on the session bus. There is no permission to
// ask for: notifications are allowed when a service is there, even one slow
// to answer, whose notifications then wait for it. Without a bus or a service
// nothing is shown and nothing reported. A notification replaces the last of
// its identifier only while the server still shows it.
// Needs a QCoreApplication; use it from one thread.
class FreedesktopNotifications final : public QObject, public DesktopNotifications {
    Q_OBJECT
public:
    // How long a question is waited for before the service counts as there
    // but slow.
    static constexpr std::chrono::milliseconds defaultPatience{25000};

    explicit FreedesktopNotifications(QDBusConnection bus = QDBusConnection::sessionBus(),
                                      std::chrono::milliseconds patience = defaultPatience);
    ~FreedesktopNotifications() override;

    void checkAuthorization(Answer answer) override;
    void requestAuthorization(Answer answer) override;
    void post(const DesktopNotification& notification, std::function<void()> done) override;

private:
    struct Pending {
        DesktopNotification notification;
        std::function<void()> done;
    };
    // The notifications of one identifier go out one at a time, so each
    // knows which earlier one it replaces.
    struct Slot {
        std::optional<uint> serverID; // the service's id of the last one, while it is shown
        bool inFlight = false;
        std::deque<Pending> waiting;
    };

    void answerLater(Answer answer, bool value);
    void send(Pending pending);
    void sendNow(Pending pending);
    void replied(const QString& identifier, std::optional<uint> serverID);

private Q_SLOTS:
    void closed(uint serverID, uint reason);

private:
    QDBusConnection m_bus;
    std::chrono::milliseconds m_patience;
    std::map<QString, Slot> m_slots;
};

} // namespace platform
