// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settings/CompletionSettings.h"

#include "Kelvane/animation/AnimationLibrary.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

namespace {

namespace Keys = SharedDefaultsKeys;

// Read with the store's conversion to a Boolean ("yes", 1, ...), unlike the
// other switches.
struct ConvertedFlagForm {
    stored::Key<bool> key;
    bool defaultValue = key.defaultValue;

    bool read(const platform::UserDefaults& defaults) const
    {
        return defaults.object(key) ? defaults.boolValue(key) : defaultValue;
    }
    void write(platform::UserDefaults& defaults, bool value) const { key.write(defaults, value); }
};

} // namespace

CompletionSettings::CompletionSettings(platform::UserDefaults& defaults, QObject* parent)
    : QObject(parent)
    , m_displayBehavior(defaults, Keys::completionDisplayBehavior,
                        publisher(&CompletionSettings::displayBehaviorChanged))
    , m_selectedSound(defaults, Keys::completionSelectedSound, publisher(&CompletionSettings::selectedSoundChanged))
    , m_tickStyle(defaults, Keys::completionTickStyle, publisher(&CompletionSettings::tickStyleChanged))
    , m_showNotification(defaults, ConvertedFlagForm{Keys::completionShowNotification},
                         publisher(&CompletionSettings::showNotificationChanged))
    , m_selectedAnimationID(defaults, Keys::completionSelectedAnimationID,
                            publisher(&CompletionSettings::selectedAnimationIDChanged))
    , m_animationLoopsEnabled(defaults, Keys::completionAnimationLoopsEnabled,
                              publisher(&CompletionSettings::animationLoopsEnabledChanged))
    , m_settings{&m_displayBehavior,  &m_selectedSound,       &m_tickStyle,
                 &m_showNotification, &m_selectedAnimationID, &m_animationLoopsEnabled}
{
    // A sound chosen with the older switch, before there was a choice; the
    // switch itself is left as it is.
    const auto sound = defaults.string(Keys::completionSelectedSound);
    const bool chosen = sound && platform::fromRawValue<CompletionSound>(*sound);
    if (!chosen && defaults.boolValue(Keys::completionPlaySound))
        m_selectedSound.assign(CompletionSound::Glass);
}

std::function<void()> CompletionSettings::publisher(void (CompletionSettings::*signal)())
{
    return [this, signal] {
        Q_EMIT(this->*signal)();
        Q_EMIT changed();
    };
}

void CompletionSettings::setDisplayBehavior(CompletionBehavior behavior)
{
    m_displayBehavior.assign(behavior);
    if (behavior == CompletionBehavior::PlayAnimation && !selectedAnimationID()
        && !AnimationLibrary::animations().isEmpty())
        setSelectedAnimationID(AnimationLibrary::animations().first().id);
}

void CompletionSettings::resetToDefaults()
{
    for (auto* setting : m_settings)
        setting->resetToDefault();
}
