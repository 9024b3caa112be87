// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/TickPreview.h"

TickPreview::TickPreview(std::unique_ptr<TickSoundGenerator> generator,
                         std::unique_ptr<platform::OneShotTimer> stopTimer)
    : m_generator(std::move(generator))
    , m_stopTimer(std::move(stopTimer))
{
}

void TickPreview::preview(TickStyle style)
{
    m_generator->setStyle(style);
    if (style == TickStyle::None) {
        m_stopTimer->cancel();
        m_generator->stop();
        return;
    }
    m_generator->tick();
    // The timer belongs to this object, so the stop never outlives the generator.
    m_stopTimer->start(stopDelay, [generator = m_generator.get()] { generator->stop(); });
}
