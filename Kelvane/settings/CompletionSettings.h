#pragma once

#include "TimerCoreKit/options/CompletionOptions.h"
#include "TimerCoreKit/audio/TickStyle.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QObject>
#include <QString>

#include <optional>

// What happens when a countdown ends and while it ticks. Read once from the
// store; every assignment is written back at once.
class CompletionSettings final : public QObject {
    Q_OBJECT

public:
    explicit CompletionSettings(platform::UserDefaults& defaults, QObject* parent = nullptr);

    CompletionBehavior displayBehavior() const { return m_displayBehavior; }
    CompletionSound selectedSound() const { return m_selectedSound; }
    TickStyle tickStyle() const { return m_tickStyle; }
    bool showNotification() const { return m_showNotification; }
    const std::optional<QString>& selectedAnimationID() const { return m_selectedAnimationID; }
    bool animationLoopsEnabled() const { return m_animationLoopsEnabled; }

    // Choosing to play an animation with none selected selects the first one.
    void setDisplayBehavior(CompletionBehavior behavior);
    void setSelectedSound(CompletionSound sound);
    void setTickStyle(TickStyle style);
    void setShowNotification(bool show);
    void setSelectedAnimationID(std::optional<QString> id);
    void setAnimationLoopsEnabled(bool loops);

    void resetToDefaults();

Q_SIGNALS:
    void displayBehaviorChanged();
    void selectedSoundChanged();
    void tickStyleChanged();
    void showNotificationChanged();
    void selectedAnimationIDChanged();
    void animationLoopsEnabledChanged();
    void changed();

private:
    void notify(void (CompletionSettings::*signal)());

    platform::UserDefaults* m_defaults;
    CompletionBehavior m_displayBehavior = CompletionBehavior::ShowCheckmark;
    CompletionSound m_selectedSound = CompletionSound::None;
    TickStyle m_tickStyle = TickStyle::None;
    bool m_showNotification = false;
    std::optional<QString> m_selectedAnimationID;
    bool m_animationLoopsEnabled = false;
};
