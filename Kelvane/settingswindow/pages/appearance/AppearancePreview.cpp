// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/appearance/AppearancePreview.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/DesignTokens.h"
#include "shared-ui/looks/DisplayView.h"

#include <QPainter>
#include <QVBoxLayout>

AppearancePreview::AppearancePreview(QWidget* parent)
    : QWidget(parent)
    , m_display(new DisplayView)
{
    setFixedHeight(previewHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_display->setAdaptiveFill(true);
    layout->addWidget(m_display);
}

void AppearancePreview::setDisplay(DisplayType type, const DisplayFrame& frame, const DisplayLookSettings& settings)
{
    m_display->setDisplay(type, frame, settings);
    update();
}

void AppearancePreview::paintEvent(QPaintEvent*)
{
    // The looks leave the background to their host.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintRoundedRect(painter, rect(), CornerRadius::md, m_display->frame().color.backgroundColor());
}
