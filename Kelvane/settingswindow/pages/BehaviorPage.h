// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/animation/AnimationPlayer.h"

#include <QWidget>

#include <functional>
#include <memory>

class AnimationSelectorView;
class AppSettings;
class FocusStatusManager;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPushButton;
class SettingsCard;
class SettingsRow;
class SoundPlaying;
class TickPreview;

// What happens when a countdown ends, the sounds with a preview of each
// choice, do-not-disturb and sleep, and resetting every setting.
class BehaviorPage final : public QWidget {
    Q_OBJECT

public:
    using PlayerFactory = std::function<std::unique_ptr<AnimationPlayer>()>;
    // Asks before everything is reset; true to go on.
    using ResetConfirmation = std::function<bool(QWidget* parent)>;

    // `makePreviewPlayer` gives the animation picker its player each time the
    // picker is shown.
    BehaviorPage(AppSettings& settings, FocusStatusManager& focus, SoundPlaying& sounds, TickPreview& tickPreview,
                 PlayerFactory makePreviewPlayer, ResetConfirmation confirmReset, QWidget* parent = nullptr);
    ~BehaviorPage() override;

    QButtonGroup* completionBehaviorGroup() const { return m_completionBehavior; }
    SettingsRow* completionRow() const { return m_completionRow; }
    // None unless the completion plays an animation.
    AnimationSelectorView* animationSelector() const { return m_animationSelector; }
    QCheckBox* notificationToggle() const { return m_notification; }
    QComboBox* soundPicker() const { return m_sound; }
    QComboBox* tickPicker() const { return m_tick; }
    QCheckBox* respectFocusToggle() const { return m_respectFocus; }
    QCheckBox* preventSleepToggle() const { return m_preventSleep; }
    QPushButton* resetAllButton() const { return m_resetAll; }

private:
    void showValues();
    void showAnimationRow(bool shown);

    AppSettings& m_settings;
    FocusStatusManager& m_focus;
    SoundPlaying& m_sounds;
    TickPreview& m_tickPreview;
    PlayerFactory m_makePreviewPlayer;
    ResetConfirmation m_confirmReset;

    QButtonGroup* m_completionBehavior;
    SettingsRow* m_completionRow;
    SettingsCard* m_completionCard;
    SettingsRow* m_animationRow = nullptr;
    AnimationSelectorView* m_animationSelector = nullptr;
    QCheckBox* m_notification;
    QComboBox* m_sound;
    QComboBox* m_tick;
    QCheckBox* m_respectFocus;
    QCheckBox* m_preventSleep;
    QPushButton* m_resetAll;
};
