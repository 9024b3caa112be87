// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/AppcastUpdateController.h"

#include "Kelvane/update/UpdateDecisions.h"

#include "TimerCoreKit/store/SharedDefaultsKeys.h"

#include <QDesktopServices>

AppcastUpdateController::AppcastUpdateController(Settings settings, QObject* parent)
    : UpdateController(parent)
    , m_settings(std::move(settings))
    , m_download(m_settings.limits)
{
    Q_ASSERT(m_settings.defaults);
    if (!m_settings.openUrl)
        m_settings.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    connect(&m_look, &QTimer::timeout, this, [this] {
        m_look.setInterval(m_settings.lookSpacing);
        runScheduledCheckIfDue();
    });
    m_look.start(m_settings.firstLook);
}

AppcastUpdateController::~AppcastUpdateController()
{
    delete m_dialog;
}

void AppcastUpdateController::checkForUpdates()
{
    m_dialogWaits = true;
    showDialog().setText(update::checkingText());
    // A background check already under way answers the dialog too.
    if (!isChecking())
        startCheck();
}

void AppcastUpdateController::runScheduledCheckIfDue()
{
    if (isChecking())
        return;
    const auto last = m_settings.defaults->date(SharedDefaultsKeys::lastUpdateCheck);
    if (update::isScheduledCheckDue(last, m_settings.clock()))
        startCheck();
}

void AppcastUpdateController::startCheck()
{
    // Counted from the start, so a failing server is not asked again and again.
    m_settings.defaults->setDate(SharedDefaultsKeys::lastUpdateCheck, m_settings.clock());
    m_download.start(m_settings.feedUrl, [this](const FeedDownload::Result& result) { handleResult(result); });
}

void AppcastUpdateController::handleResult(const FeedDownload::Result& result)
{
    const UpdateCheckOutcome outcome = std::holds_alternative<QByteArray>(result)
        ? update::outcomeOfFeed(std::get<QByteArray>(result), m_settings.currentVersion)
        : UpdateCheckOutcome(std::get<UpdateCheckFailure>(result));
    if (std::exchange(m_dialogWaits, false)) {
        if (m_dialog)
            m_dialog->setText(update::dialogText(outcome, m_settings.currentVersion));
        return;
    }
    if (std::holds_alternative<AppcastItem>(outcome))
        setUpdateAvailable(true);
}

UpdateDialog& AppcastUpdateController::showDialog()
{
    if (!m_dialog) {
        m_dialog = new UpdateDialog;
        m_dialog->setAttribute(Qt::WA_DeleteOnClose);
        m_dialog->setOnOpenLink([this](const QUrl& url) { m_settings.openUrl(url); });
        m_dialog->setOnDownload([this] { setUpdateAvailable(false); });
    }
    m_dialog->show();
    m_dialog->raise();
    m_dialog->activateWindow();
    return *m_dialog;
}
