// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/GeneralPage.h"

#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/settingswindow/pages/PageColumn.h"
#include "Kelvane/system/LaunchAtLoginManager.h"

#include "shared-ui/accessibility/AccessibilityHints.h"
#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/accessibility/AccessibilityLabels.h"
#include "shared-ui/controls/SettingsRow.h"

#include <QCheckBox>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

GeneralPage::GeneralPage(AppSettings& settings, LaunchAtLoginManager& launchAtLogin,
                         std::function<void()> onCheckForUpdates, QWidget* parent)
    : QWidget(parent)
    , m_settings(settings)
    , m_launchAtLoginManager(launchAtLogin)
    , m_launchAtLogin(PageColumn::makeToggle(AccessibilityLabels::Settings::launchAtLoginToggle,
                                             AccessibilityIdentifiers::Settings::launchAtLoginToggle))
    , m_floatingDisplay(PageColumn::makeToggle(u"Floating Display"_s))
    , m_globalShortcuts(PageColumn::makeToggle(u"Global Keyboard Shortcuts"_s,
                                               AccessibilityIdentifiers::Settings::globalShortcutsToggle))
{
    m_launchAtLogin->setAccessibleDescription(AccessibilityHints::Settings::launchAtLoginToggle);
    QVBoxLayout* column = PageColumn::install(this);
    PageColumn::addSection(
        column, u"Startup"_s,
        {new SettingsRow(u"Launch at Login"_s, u"Open Kelvane when you log in"_s, false, m_launchAtLogin)});
    PageColumn::addSection(
        column, u"Display"_s,
        {new SettingsRow(u"Floating Display"_s, u"A large retro clock that floats above other windows"_s, false,
                         m_floatingDisplay)});
    PageColumn::addSection(
        column, u"Interaction"_s,
        {new SettingsRow(u"Global Keyboard Shortcuts"_s, u"Ctrl+Shift+T toggle \u00b7 Ctrl+Shift+R reset"_s, false,
                         m_globalShortcuts)});
    if (onCheckForUpdates) {
        m_checkForUpdates = new QPushButton(u"Check for Updates\u2026"_s);
        connect(m_checkForUpdates, &QPushButton::clicked, this, [action = std::move(onCheckForUpdates)] { action(); });
        PageColumn::addSection(column, u"Updates"_s,
                               {new SettingsRow(u"Software Updates"_s, std::nullopt, false, m_checkForUpdates)});
    }
    column->addStretch();

    // The toggle asks the manager and shows only what the manager then
    // reports: a refused registration leaves it where it was.
    connect(m_launchAtLogin, &QCheckBox::clicked, this, [this] {
        if (m_launchAtLoginManager.isEnabled())
            m_launchAtLoginManager.disable();
        else
            m_launchAtLoginManager.enable();
        showValues();
    });
    connect(m_floatingDisplay, &QCheckBox::clicked, this,
            [this](bool checked) { m_settings.setFloatingDisplayEnabled(checked); });
    // Written on the next turn of the event loop, outside the click that
    // asked, as the hotkeys are switched by the setting's observers.
    connect(m_globalShortcuts, &QCheckBox::clicked, this, [this](bool checked) {
        QTimer::singleShot(0, &m_settings,
                           [settings = &m_settings, checked] { settings->setGlobalShortcutsEnabled(checked); });
    });
    connect(&m_settings, &AppSettings::changed, this, &GeneralPage::showValues);
    connect(&m_launchAtLoginManager, &LaunchAtLoginManager::isEnabledChanged, this, &GeneralPage::showValues);
    showValues();
}

void GeneralPage::showValues()
{
    const auto show = [](QCheckBox* toggle, bool value) {
        const QSignalBlocker quiet(toggle);
        toggle->setChecked(value);
    };
    show(m_launchAtLogin, m_launchAtLoginManager.isEnabled());
    show(m_floatingDisplay, m_settings.floatingDisplayEnabled());
    show(m_globalShortcuts, m_settings.globalShortcutsEnabled());
}
