// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/settingswindow/pages/appearance/AppearanceOptions.h"

#include "shared-ui/looks/DisplayStyleConfig.h"

#include "TimerCoreKit/options/DisplayOptions.h"

#include "DotMatrixKit/DotOptions.h"

#include <QList>
#include <QWidget>

#include <functional>
#include <optional>

class AppSettings;
class AppearancePreview;
class ColorManager;
class ColorSchemePicker;
class QScrollArea;
class SettingsCard;
class SettingsRow;

// The Appearance tab: the live preview on top, and under it the display's
// type and style, the tray's form and scale, the time format and the colours.
// Every control writes straight into the settings; the page keeps nothing and
// shows whatever the stores hold after each change.
class AppearancePage : public QWidget {
    Q_OBJECT

public:
    AppearancePage(AppSettings& settings, ColorManager& colorManager, QWidget* parent = nullptr);

    AppearancePreview* preview() const { return m_preview; }
    ColorSchemePicker* colorSchemePicker() const { return m_picker; }
    QScrollArea* scrollArea() const { return m_scrollArea; }
    // The "Display Style" and "Time" sections, header and card.
    QWidget* styleSection() const { return m_styleSection; }
    QWidget* timeSection() const { return m_timeSection; }
    // The rows of the style card, top to bottom.
    QList<SettingsRow*> styleRows() const;
    QWidget* scaleControl() const { return m_scaleControl; }

    // Shows the stores' current values.
    void refresh();

private:
    QWidget* section(const QString& title, SettingsCard* card);
    QWidget* buildDisplaySection();
    QWidget* buildMenuBarSection();
    QWidget* buildTimeSection();
    // Animated when the look changed, not for a new colon subtitle.
    void rebuildStyleCard(bool animated);
    void growStyleCard(int fromHeight);
    SettingsRow* styleOptionRow(const AppearanceOptions::StyleRow& row);
    template <typename E>
    QWidget* stylePicker(E DisplayStyleConfig::*field, const QString& identifier, const QString& spokenName = {});
    template <typename T>
    std::function<void(T)> styleFieldWriter(T DisplayStyleConfig::*field);
    void refreshPreview();

    AppSettings& m_settings;
    ColorManager& m_colors;
    AppearancePreview* m_preview;
    QScrollArea* m_scrollArea;
    QWidget* m_styleSection = nullptr;
    SettingsCard* m_styleCard = nullptr;
    QWidget* m_timeSection = nullptr;
    QWidget* m_scaleControl = nullptr;
    ColorSchemePicker* m_picker = nullptr;
    // Bring each control back in line with the stores.
    QList<std::function<void()>> m_refreshers;
    QList<std::function<void()>> m_styleRefreshers;
    // The look and colon mode the style card was built for.
    std::optional<std::pair<DisplayType, ColonMode>> m_shownStyle;
};
