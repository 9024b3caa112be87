// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Palettes for the appearances the settings controls tell apart, and a guard
// that sets the application palette for one test.

#include <QApplication>
#include <QColor>
#include <QPalette>

#include <array>

namespace testpalettes {

inline QPalette light()
{
    QPalette palette(QColor(236, 236, 236));
    palette.setColor(QPalette::Base, QColor(250, 250, 250));
    palette.setColor(QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Text, Qt::black);
    return palette;
}

inline QPalette dark()
{
    QPalette palette(QColor(50, 50, 52));
    palette.setColor(QPalette::Base, QColor(30, 30, 30));
    palette.setColor(QPalette::WindowText, QColor(230, 230, 230));
    palette.setColor(QPalette::Text, QColor(230, 230, 230));
    return palette;
}

// The strongest contrast: pure white text on a black window.
inline QPalette highContrastDark()
{
    QPalette palette(Qt::black);
    palette.setColor(QPalette::Base, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    palette.setColor(QPalette::Text, Qt::white);
    return palette;
}

struct Named {
    const char* name;
    QPalette palette;
};

// The two appearances a control must follow, for a loop over cases.
inline std::array<Named, 2> lightAndDark()
{
    return {{{"light", light()}, {"dark", dark()}}};
}

} // namespace testpalettes

class ScopedAppPalette {
public:
    explicit ScopedAppPalette(const QPalette& palette)
        : m_saved(QApplication::palette())
    {
        apply(palette);
    }
    ~ScopedAppPalette() { apply(m_saved); }
    ScopedAppPalette(const ScopedAppPalette&) = delete;
    ScopedAppPalette& operator=(const ScopedAppPalette&) = delete;

private:
    // Widgets hear of a new application palette through posted events.
    static void apply(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QCoreApplication::sendPostedEvents();
    }

    QPalette m_saved;
};
