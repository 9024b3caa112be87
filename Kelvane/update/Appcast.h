// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>

#include <optional>
#include <vector>

// One release as the update feed announces it.
struct AppcastItem {
    QString version; // the one compared against the program's own
    QString shortVersion; // shown to people; may be empty
    QUrl releaseNotes; // http(s) only; empty when absent
    QUrl download; // http(s) only; never empty

    // What the dialog calls this release.
    QString displayVersion() const { return shortVersion.isEmpty() ? version : shortVersion; }
    bool operator==(const AppcastItem&) const = default;
};

struct Appcast {
    std::vector<AppcastItem> items; // in feed order
};
