// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/UpdateDialogText.h"

#include <QCoreApplication>

namespace update {
namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("UpdateDialog", text);
}

QString failureLine(UpdateCheckFailure failure)
{
    switch (failure) {
    case UpdateCheckFailure::Unreachable:
        return tr("The update server could not be reached.");
    case UpdateCheckFailure::TimedOut:
        return tr("The update server did not answer in time.");
    case UpdateCheckFailure::ServerError:
        return tr("The update server could not provide the update information.");
    case UpdateCheckFailure::TooLarge:
    case UpdateCheckFailure::Unreadable:
        return tr("The update information could not be read.");
    case UpdateCheckFailure::RefusedRedirect:
        return tr("The update server sent the check to an address it will not follow.");
    }
    return {};
}

} // namespace

UpdateDialogText checkingText()
{
    return {tr("Checking for updates…"), {}, {}};
}

UpdateDialogText dialogText(const UpdateCheckOutcome& outcome, QStringView currentVersion)
{
    if (std::holds_alternative<UpToDate>(outcome))
        return {tr("Kelvane is up to date (version %1).").arg(currentVersion), {}, {}};
    if (const auto* item = std::get_if<AppcastItem>(&outcome))
        return {tr("Kelvane %1 is available; you have version %2.").arg(item->displayVersion(), currentVersion),
                item->releaseNotes, item->download};
    return {failureLine(std::get<UpdateCheckFailure>(outcome)), {}, {}};
}

} // namespace update
