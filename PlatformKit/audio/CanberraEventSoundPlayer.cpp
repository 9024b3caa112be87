// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/audio/CanberraEventSoundPlayer.h"

#include <QCoreApplication>

#include <canberra.h>

namespace platform {

std::unique_ptr<EventSoundPlayer> makeThemeSoundPlayer()
{
    return std::make_unique<CanberraEventSoundPlayer>();
}

CanberraEventSoundPlayer::CanberraEventSoundPlayer()
{
    if (ca_context_create(&m_context) != CA_SUCCESS) {
        m_context = nullptr;
        return;
    }
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    if (!name.isEmpty())
        ca_context_change_props(m_context, CA_PROP_APPLICATION_NAME, name.constData(), nullptr);
}

CanberraEventSoundPlayer::~CanberraEventSoundPlayer()
{
    if (m_context)
        ca_context_destroy(m_context);
}

bool CanberraEventSoundPlayer::play(const QString& eventId)
{
    if (!m_context)
        return false;
    const QByteArray id = eventId.toUtf8();
    return ca_context_play(m_context, 0, CA_PROP_EVENT_ID, id.constData(), nullptr) == CA_SUCCESS;
}

} // namespace platform
