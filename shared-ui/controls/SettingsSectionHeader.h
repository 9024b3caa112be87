// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shared-ui/controls/TintedLabel.h"

// The small upper-case caption over a group of settings. Callers pass ordinary
// capitalisation; the header upper-cases it.
class SettingsSectionHeader : public TintedLabel {
    Q_OBJECT

public:
    explicit SettingsSectionHeader(const QString& title, QWidget* parent = nullptr);

    QString title() const { return m_title; }

private:
    QString m_title;
};
