// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/SettingsView.h"

#include "Kelvane/settingswindow/pages/AppearancePage.h"

#include "Kelvane/settingswindow/pages/AboutPage.h"
#include "Kelvane/settingswindow/pages/BehaviorPage.h"
#include "Kelvane/settingswindow/pages/GeneralPage.h"
#include "Kelvane/settingswindow/pages/ResetConfirmation.h"
#include "Kelvane/settingswindow/pages/TickPreview.h"

#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SymbolPainter.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int tabSymbolSize = 16;

// The tab's symbol in the palette's text colour, at 1x and 2x.
QIcon tabIcon(SettingsTab tab, const QPalette& palette)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(tabSymbolSize, tabSymbolSize) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paintSymbol(painter, symbolName(tab), QRectF(0, 0, tabSymbolSize, tabSymbolSize), tabSymbolSize,
                    primaryLabelColor(palette));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QScrollArea* scrolling(QWidget* page)
{
    auto* scroll = new QScrollArea;
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Tab goes from control to control; the area scrolls to the one focused.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(page);
    return scroll;
}

const QString& tabIdentifier(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::General:
        return AccessibilityIdentifiers::Settings::generalTab;
    case SettingsTab::Appearance:
        return AccessibilityIdentifiers::Settings::appearanceTab;
    case SettingsTab::Behavior:
        return AccessibilityIdentifiers::Settings::behaviorTab;
    case SettingsTab::About:
        break;
    }
    return AccessibilityIdentifiers::Settings::aboutTab;
}

} // namespace

SettingsView::SettingsView(const SettingsWindowParts& parts, QWidget* parent)
    : QWidget(parent)
    , m_launchAtLogin(parts.makeLaunchAtLogin())
    , m_tickPreview(std::make_unique<TickPreview>(std::make_unique<TickSoundGenerator>(parts.audioOutput),
                                                  parts.makeOneShotTimer()))
    , m_tabs(new QTabWidget)
{
    m_launchAtLogin->refreshStatus();
    AppSettings& settings = *parts.settings;
    m_generalPage = new GeneralPage(settings, *m_launchAtLogin, parts.onCheckForUpdates);
    m_appearancePage = new AppearancePage(settings, settings.colorManager());
    m_behaviorPage = new BehaviorPage(
        settings, *parts.focus, *parts.sounds, *m_tickPreview,
        [makeTimer = parts.makeOneShotTimer] { return std::make_unique<AnimationPlayer>(makeTimer()); },
        &confirmResetAllSettings);
    auto* aboutPage = new AboutPage(parts.icon ? parts.icon() : QIcon(),
                                    AboutPage::versionText(parts.shortVersion, parts.buildNumber));

    const std::array<QWidget*, allSettingsTabs.size()> pages{scrolling(m_generalPage), m_appearancePage,
                                                             scrolling(m_behaviorPage), aboutPage};
    for (const SettingsTab tab : allSettingsTabs) {
        QWidget* page = pages[static_cast<std::size_t>(tab)];
        // Every tab on the window colour, as the scrolling ones are.
        page->setAutoFillBackground(true);
        page->setBackgroundRole(QPalette::Window);
        m_tabs->insertTab(static_cast<int>(tab), page, tabIcon(tab, palette()), title(tab));
        if (page->objectName().isEmpty())
            page->setObjectName(tabIdentifier(tab));
        auto* shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_0 + shortcutDigit(tab))), this);
        connect(shortcut, &QShortcut::activated, this, [this, tab] { setSelectedTab(tab); });
    }
    m_tabs->setCurrentIndex(static_cast<int>(SettingsTab::General));
    // The tab bar is the stop Tab makes; the widget around it would be an
    // unnamed second one that hands the focus on. Its policy passes to its
    // focus proxy, the tab bar, which keeps its own.
    m_tabs->setFocusPolicy(Qt::NoFocus);
    m_tabs->tabBar()->setFocusPolicy(Qt::TabFocus);

    setMinimumSize(smallestSize);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tabs);
}

SettingsView::~SettingsView()
{
    // The pages go before the manager and the preview they were given.
    delete m_tabs;
}

void SettingsView::changeEvent(QEvent* event)
{
    // The symbols are drawn in the text colour, so they follow the palette.
    if (event->type() == QEvent::PaletteChange) {
        for (const SettingsTab tab : allSettingsTabs)
            m_tabs->setTabIcon(static_cast<int>(tab), tabIcon(tab, palette()));
    }
    QWidget::changeEvent(event);
}

SettingsTab SettingsView::selectedTab() const
{
    return settingsTab(m_tabs->currentIndex()).value_or(SettingsTab::General);
}

void SettingsView::setSelectedTab(SettingsTab tab)
{
    m_tabs->setCurrentIndex(static_cast<int>(tab));
}
