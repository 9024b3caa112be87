// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settingswindow/SettingsTab.h"
#include "Kelvane/settingswindow/SettingsWindowParts.h"

#include <QWidget>

#include <memory>

class BehaviorPage;
class GeneralPage;
class QTabWidget;
class TickPreview;

// The settings window's content: the General, Appearance, Behavior and About
// tabs, Control-1 to Control-4 choosing them. Holds what lives as long as one
// window: the launch-at-login manager and the tick preview.
class SettingsView final : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize smallestSize{700, 600};

    explicit SettingsView(const SettingsWindowParts& parts, QWidget* parent = nullptr);
    ~SettingsView() override;

    SettingsTab selectedTab() const;
    void setSelectedTab(SettingsTab tab);

    QTabWidget* tabs() const { return m_tabs; }
    GeneralPage* generalPage() const { return m_generalPage; }
    QWidget* appearancePage() const { return m_appearancePage; }
    BehaviorPage* behaviorPage() const { return m_behaviorPage; }

protected:
    void changeEvent(QEvent* event) override;

private:
    std::unique_ptr<LaunchAtLoginManager> m_launchAtLogin;
    std::unique_ptr<TickPreview> m_tickPreview;
    QTabWidget* m_tabs;
    GeneralPage* m_generalPage;
    QWidget* m_appearancePage;
    BehaviorPage* m_behaviorPage;
};
