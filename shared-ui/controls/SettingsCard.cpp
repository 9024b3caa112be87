// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SettingsCard.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/DesignTokens.h"
#include "shared-ui/controls/SettingsTheme.h"

#include <QPainter>
#include <QVBoxLayout>

SettingsCard::SettingsCard(QWidget* parent)
    : QWidget(parent)
    , m_stack(new QVBoxLayout(this))
{
    m_stack->setContentsMargins(0, 0, 0, 0);
    m_stack->setSpacing(0);
}

void SettingsCard::addContent(QWidget* content)
{
    m_stack->addWidget(content);
}

void SettingsCard::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const auto strokeWidth = hairlineWidth(*this);
    paintRoundedRect(painter, rect(), CornerRadius::md, SettingsTheme::cardBackground(palette()),
                     SettingsTheme::cardStroke(palette()), strokeWidth);
}
