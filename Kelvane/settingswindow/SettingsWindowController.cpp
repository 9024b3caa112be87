// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/SettingsWindowController.h"

#include "Kelvane/settingswindow/SettingsView.h"

#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

SettingsWindowController::SettingsWindowController(SettingsWindowParts parts)
    : m_parts(std::move(parts))
{
}

SettingsWindowController::~SettingsWindowController()
{
    delete m_window;
}

SettingsView* SettingsWindowController::view() const
{
    return m_window ? m_window->findChild<SettingsView*>() : nullptr;
}

void SettingsWindowController::showSettings()
{
    if (!m_window)
        buildWindow();
    m_window->show();
    // On X11 the window manager decides; raising first makes the request a
    // plain activation of the top window.
    m_window->raise();
    m_window->activateWindow();
}

void SettingsWindowController::buildWindow()
{
    auto* window = new QWidget(nullptr, windowFlags);
    // Closing is the end of this window and everything it shows.
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->setWindowTitle(u"Settings"_s);
    window->setObjectName(u"settingsWindow"_s);
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new SettingsView(m_parts));
    window->setMinimumSize(minimumSize);
    window->setMaximumSize(maximumSize);
    window->resize(initialSize);

    // Centred on the screen the pointer is on, where the user asked.
    QScreen* screen = QGuiApplication::screenAt(QCursor::pos());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen) {
        window->setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, initialSize, screen->availableGeometry()));
    }
    m_window = window;
}
