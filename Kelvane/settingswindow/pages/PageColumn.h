// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <initializer_list>

class QCheckBox;
class QVBoxLayout;
class QWidget;
class SettingsCard;
class SettingsRow;

// The column every settings page is: sections of a header over a card of
// rows, 16 apart, padded 12 at the sides and 8 at the top and bottom.
namespace PageColumn {

// Lays `page` out as a column and returns its layout.
QVBoxLayout* install(QWidget* page);
// Adds a header titled `title` and a card holding `rows`, in order; the card.
SettingsCard* addSection(QVBoxLayout* column, const QString& title, std::initializer_list<SettingsRow*> rows);

// A switch whose own label is empty; the row's title names it.
QCheckBox* makeToggle(const QString& accessibleName, const QString& identifier = {});

} // namespace PageColumn
