#include "Kelvane/settings/CompletionSettings.h"

#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/settings/StoredValues.h"

namespace {
constexpr QLatin1StringView displayBehaviorKey{"com.morrowfen.kelvane.completion.displayBehavior"};
constexpr QLatin1StringView selectedSoundKey{"com.morrowfen.kelvane.completion.selectedSound"};
constexpr QLatin1StringView tickStyleKey{"com.morrowfen.kelvane.completion.tickStyle"};
constexpr QLatin1StringView showNotificationKey{"com.morrowfen.kelvane.completion.showNotification"};
constexpr QLatin1StringView selectedAnimationIDKey{"com.morrowfen.kelvane.completion.selectedAnimationID"};
constexpr QLatin1StringView animationLoopsKey{"com.morrowfen.kelvane.completion.animationLoopsEnabled"};
// The switch that came before the choice of sound; read, never written.
constexpr QLatin1StringView olderPlaySoundKey{"com.morrowfen.kelvane.completion.playSound"};
} // namespace

CompletionSettings::CompletionSettings(platform::UserDefaults& defaults, QObject* parent)
    : QObject(parent)
    , m_defaults(&defaults)
{
    m_displayBehavior = stored::option(defaults, displayBehaviorKey, CompletionBehavior::ShowCheckmark);
    const auto sound = defaults.string(selectedSoundKey);
    const auto chosen = sound ? platform::fromRawValue<CompletionSound>(*sound) : std::nullopt;
    bool movedFromOlderSwitch = false;
    if (chosen) {
        m_selectedSound = *chosen;
    } else if (defaults.boolValue(olderPlaySoundKey)) {
        m_selectedSound = CompletionSound::Glass;
        movedFromOlderSwitch = true;
    }
    m_tickStyle = stored::option(defaults, tickStyleKey, TickStyle::None);
    m_showNotification = defaults.boolValue(showNotificationKey);
    m_selectedAnimationID = defaults.string(selectedAnimationIDKey);
    m_animationLoopsEnabled = stored::flag(defaults, animationLoopsKey, false);
    if (movedFromOlderSwitch)
        stored::writeOption(defaults, selectedSoundKey, m_selectedSound);
}

void CompletionSettings::notify(void (CompletionSettings::*signal)())
{
    Q_EMIT(this->*signal)();
    Q_EMIT changed();
}

void CompletionSettings::setDisplayBehavior(CompletionBehavior behavior)
{
    m_displayBehavior = behavior;
    notify(&CompletionSettings::displayBehaviorChanged);
    stored::writeOption(*m_defaults, displayBehaviorKey, behavior);
    if (behavior == CompletionBehavior::PlayAnimation && !m_selectedAnimationID
        && !AnimationLibrary::animations().isEmpty())
        setSelectedAnimationID(AnimationLibrary::animations().first().id);
}

void CompletionSettings::setSelectedSound(CompletionSound sound)
{
    m_selectedSound = sound;
    notify(&CompletionSettings::selectedSoundChanged);
    stored::writeOption(*m_defaults, selectedSoundKey, sound);
}

void CompletionSettings::setTickStyle(TickStyle style)
{
    m_tickStyle = style;
    notify(&CompletionSettings::tickStyleChanged);
    stored::writeOption(*m_defaults, tickStyleKey, style);
}

void CompletionSettings::setShowNotification(bool show)
{
    m_showNotification = show;
    notify(&CompletionSettings::showNotificationChanged);
    m_defaults->setBool(showNotificationKey, show);
}

void CompletionSettings::setSelectedAnimationID(std::optional<QString> id)
{
    m_selectedAnimationID = std::move(id);
    notify(&CompletionSettings::selectedAnimationIDChanged);
    if (m_selectedAnimationID)
        m_defaults->setString(selectedAnimationIDKey, *m_selectedAnimationID);
    else
        m_defaults->remove(selectedAnimationIDKey);
}

void CompletionSettings::setAnimationLoopsEnabled(bool loops)
{
    m_animationLoopsEnabled = loops;
    notify(&CompletionSettings::animationLoopsEnabledChanged);
    m_defaults->setBool(animationLoopsKey, loops);
}

void CompletionSettings::resetToDefaults()
{
    setDisplayBehavior(CompletionBehavior::ShowCheckmark);
    setSelectedSound(CompletionSound::None);
    setTickStyle(TickStyle::None);
    setShowNotification(false);
    setSelectedAnimationID(std::nullopt);
    setAnimationLoopsEnabled(false);
}
