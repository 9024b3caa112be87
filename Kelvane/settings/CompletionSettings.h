// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settings/StoredSetting.h"

#include "TimerCoreKit/audio/TickStyle.h"
#include "TimerCoreKit/options/CompletionOptions.h"

#include "PlatformKit/store/UserDefaults.h"

#include <QObject>
#include <QString>

#include <array>
#include <functional>
#include <optional>

// What happens when a countdown ends and while it ticks. Read once from the
// store; every assignment is written back at once.
class CompletionSettings final : public QObject {
    Q_OBJECT

public:
    explicit CompletionSettings(platform::UserDefaults& defaults, QObject* parent = nullptr);

    CompletionBehavior displayBehavior() const { return m_displayBehavior.value(); }
    CompletionSound selectedSound() const { return m_selectedSound.value(); }
    TickStyle tickStyle() const { return m_tickStyle.value(); }
    bool showNotification() const { return m_showNotification.value(); }
    const std::optional<QString>& selectedAnimationID() const { return m_selectedAnimationID.value(); }
    bool animationLoopsEnabled() const { return m_animationLoopsEnabled.value(); }

    // Choosing to play an animation with none selected selects the first one.
    void setDisplayBehavior(CompletionBehavior behavior);
    void setSelectedSound(CompletionSound sound) { m_selectedSound.assign(sound); }
    void setTickStyle(TickStyle style) { m_tickStyle.assign(style); }
    void setShowNotification(bool show) { m_showNotification.assign(show); }
    void setSelectedAnimationID(std::optional<QString> id) { m_selectedAnimationID.assign(std::move(id)); }
    void setAnimationLoopsEnabled(bool loops) { m_animationLoopsEnabled.assign(loops); }

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
    // Emits `signal`, then changed().
    std::function<void()> publisher(void (CompletionSettings::*signal)());

    StoredSetting<CompletionBehavior> m_displayBehavior;
    StoredSetting<CompletionSound> m_selectedSound;
    StoredSetting<TickStyle> m_tickStyle;
    StoredSetting<bool> m_showNotification;
    StoredSetting<std::optional<QString>> m_selectedAnimationID;
    StoredSetting<bool> m_animationLoopsEnabled;
    // Every setting above, in the order the store resets them.
    const std::array<StoredSettingBase*, 6> m_settings;
};
