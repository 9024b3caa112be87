// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/PageColumn.h"

#include "shared-ui/controls/SettingsCard.h"
#include "shared-ui/controls/SettingsRow.h"
#include "shared-ui/controls/SettingsSectionHeader.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace PageColumn {

namespace {
constexpr int sectionSpacing = 16;
// The header sits close over its own card, apart from the card above.
constexpr int headerSpacing = 6;
} // namespace

QVBoxLayout* install(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(12, 8, 12, 8);
    column->setSpacing(sectionSpacing);
    return column;
}

SettingsCard* addSection(QVBoxLayout* column, const QString& title, std::initializer_list<SettingsRow*> rows)
{
    auto* section = new QWidget;
    auto* stack = new QVBoxLayout(section);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(headerSpacing);
    stack->addWidget(new SettingsSectionHeader(title));
    auto* card = new SettingsCard;
    for (SettingsRow* row : rows)
        card->addContent(row);
    stack->addWidget(card);
    column->addWidget(section);
    return card;
}

QCheckBox* makeToggle(const QString& accessibleName, const QString& identifier)
{
    auto* toggle = new QCheckBox;
    toggle->setAccessibleName(accessibleName);
    if (!identifier.isEmpty())
        toggle->setObjectName(identifier);
    return toggle;
}

} // namespace PageColumn
