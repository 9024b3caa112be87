// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/update/UpdateCheckOutcome.h"

#include <QString>
#include <QStringView>
#include <QUrl>

// What the manual check's dialog says, decided apart from the widgets.
struct UpdateDialogText {
    QString message;
    QUrl releaseNotes; // a "Release Notes" link when not empty
    QUrl download; // a "Download" button when not empty
    bool operator==(const UpdateDialogText&) const = default;
};

namespace update {

UpdateDialogText checkingText();
UpdateDialogText dialogText(const UpdateCheckOutcome& outcome, QStringView currentVersion);

} // namespace update
