// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QString>
#include <QWidget>

#include <optional>

class QLabel;

// The program's icon, name, version and a two-line description, centred.
class AboutPage final : public QWidget {
    Q_OBJECT

public:
    static constexpr int iconSide = 128;
    static constexpr int fallbackSymbolSize = 64;

    // A null `icon` shows the timer symbol in the accent colour instead.
    AboutPage(const QIcon& icon, const QString& versionText, QWidget* parent = nullptr);

    QLabel* iconLabel() const { return m_icon; }

    // "Version 2.1 (57)"; an absent or empty part takes its fallback, 1.0.0
    // for the version and 1 for the build.
    static QString versionText(const std::optional<QString>& shortVersion, const std::optional<QString>& build);

private:
    QLabel* m_icon;
};
