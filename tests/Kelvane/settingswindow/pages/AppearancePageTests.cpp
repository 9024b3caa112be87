// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settings/AppSettings.h"
#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settingswindow/pages/AppearancePage.h"
#include "Kelvane/settingswindow/pages/appearance/AppearanceOptions.h"
#include "Kelvane/settingswindow/pages/appearance/AppearancePreview.h"
#include "Kelvane/settingswindow/pickers/ColorSchemePicker.h"

#include "shared-ui/accessibility/AccessibilityIdentifiers.h"
#include "shared-ui/controls/SettingsRow.h"
#include "shared-ui/controls/SoftSegment.h"
#include "shared-ui/controls/TintedLabel.h"
#include "shared-ui/looks/DisplayView.h"

#include "support/CountingBackend.h"
#include "support/RenderProbe.h"

#include <QCheckBox>
#include <QGraphicsOpacityEffect>
#include <QPropertyAnimation>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
namespace Ids = AccessibilityIdentifiers::Settings;

namespace {

QStringList titles(const QList<AppearanceOptions::StyleRow>& rows)
{
    QStringList result;
    for (const auto& row : rows)
        result.append(row.title);
    return result;
}

TEST(AppearanceOptionsTest, EachLookHasItsStyleRows)
{
    struct Case {
        DisplayType type;
        QStringList titles;
    };
    const Case cases[] = {
        {DisplayType::DotMatrix, {u"Dot Weight"_s, u"Dot Shape"_s, u"Colon"_s, u"Unlit Dots"_s}},
        {DisplayType::SevenSegment, {u"Colon"_s, u"Thickness"_s}},
        {DisplayType::FlipClock, {u"Colon"_s, u"Flip Speed"_s}},
        {DisplayType::SmallAndBig, {}},
    };
    for (const Case& c : cases) {
        const auto rows = AppearanceOptions::styleRows(c.type, ColonMode::Always);
        EXPECT_EQ(titles(rows), c.titles) << displayName(c.type).toStdString();
        for (qsizetype i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i].showsDivider, i + 1 < rows.size());
    }
    const auto dotMatrix = AppearanceOptions::styleRows(DisplayType::DotMatrix, ColonMode::Contextual);
    EXPECT_EQ(dotMatrix[0].identifier, Ids::dotWeightPicker);
    EXPECT_EQ(dotMatrix[1].identifier, Ids::dotShapePicker);
    EXPECT_EQ(dotMatrix[2].identifier, Ids::colonModePicker);
    EXPECT_EQ(dotMatrix[2].subtitle, u"Colon only visible when minutes > 0"_s);
    EXPECT_EQ(dotMatrix[3].subtitle, u"Render unlit cells at low opacity"_s);
    EXPECT_TRUE(dotMatrix[3].identifier.isEmpty());
}

TEST(AppearanceOptionsTest, SectionsAndScaleRules)
{
    EXPECT_TRUE(AppearanceOptions::showsTimeSection(DisplayType::FlipClock));
    EXPECT_FALSE(AppearanceOptions::showsTimeSection(DisplayType::SmallAndBig));
    const std::tuple<MenuBarDisplayMode, bool, qreal> cases[] = {
        {MenuBarDisplayMode::Full, true, 1.0},
        {MenuBarDisplayMode::Compact, false, 0.4},
        {MenuBarDisplayMode::IconOnly, false, 0.4},
    };
    for (const auto& [mode, enabled, opacity] : cases) {
        EXPECT_EQ(AppearanceOptions::isScaleEnabled(mode), enabled);
        EXPECT_EQ(AppearanceOptions::scaleOpacity(mode), opacity);
    }
    EXPECT_EQ(AppearanceOptions::menuBarScales(), (QList<DisplayScale>{DisplayScale::Compact, DisplayScale::Regular}));
    EXPECT_EQ(AppearanceOptions::label(MenuBarDisplayMode::IconOnly), u"Icon Only"_s);
    EXPECT_EQ(AppearanceOptions::label(TimeFormat::Minimal), u"Total Minutes"_s);
}

class AppearancePageTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        page.resize(480, 720);
        page.show();
    }

    template <typename T = QWidget>
    T* named(const QString& identifier)
    {
        auto* widget = page.findChild<T*>(identifier);
        EXPECT_NE(widget, nullptr) << identifier.toStdString();
        return widget;
    }
    void clickSegment(QWidget* control, int index)
    {
        QWidget* segment = control->findChildren<SoftSegment*>().at(index);
        QTest::mouseClick(segment, Qt::LeftButton, {}, segment->rect().center());
    }
    QStringList shownStyleTitles()
    {
        QStringList result;
        for (SettingsRow* row : page.styleRows())
            result.append(row->findChildren<QLabel*>().first()->text());
        return result;
    }
    bool showsText(QWidget* widget, const QString& text)
    {
        for (QLabel* label : widget->findChildren<QLabel*>()) {
            if (label->text() == text && label->isVisible())
                return true;
        }
        return false;
    }

    CountingStore store;
    ColorManager colors{store.defaults};
    CompletionSettings completion{store.defaults};
    AppSettings settings{store.defaults, &completion, &colors};
    AppearancePage page{settings, colors};
};

TEST_F(AppearancePageTest, StyleRowsAndSectionsFollowTheDisplayType)
{
    struct Case {
        int segment;
        DisplayType type;
        QStringList rows;
    };
    const Case cases[] = {
        {1, DisplayType::SevenSegment, {u"Colon"_s, u"Thickness"_s}},
        {2, DisplayType::FlipClock, {u"Colon"_s, u"Flip Speed"_s}},
        {3, DisplayType::SmallAndBig, {}},
        {0, DisplayType::DotMatrix, {u"Dot Weight"_s, u"Dot Shape"_s, u"Colon"_s, u"Unlit Dots"_s}},
    };
    for (const Case& c : cases) {
        clickSegment(named(Ids::displayTypePicker), c.segment);
        QCoreApplication::processEvents();
        EXPECT_EQ(settings.displayType(), c.type);
        EXPECT_EQ(shownStyleTitles(), c.rows);
        EXPECT_EQ(page.styleSection()->isVisible(), !c.rows.isEmpty());
        EXPECT_EQ(page.timeSection()->isVisible(), c.type != DisplayType::SmallAndBig);
        EXPECT_EQ(page.preview()->display()->displayType(), c.type);
    }
    const auto rows = page.styleRows();
    ASSERT_EQ(rows.size(), 4);
    EXPECT_TRUE(rows[0]->showsDivider());
    EXPECT_FALSE(rows[3]->showsDivider());
}

TEST_F(AppearancePageTest, TheStyleCardEasesToItsNewRowsWhenTheLookChanges)
{
    clickSegment(named(Ids::displayTypePicker), 1);
    QWidget* card = page.styleRows().first()->parentWidget();
    const auto growth = card->findChildren<QPropertyAnimation*>();
    ASSERT_EQ(growth.size(), 1);
    EXPECT_EQ(growth.first()->propertyName(), "maximumHeight");
    EXPECT_EQ(growth.first()->duration(), 200);
    EXPECT_EQ(growth.first()->easingCurve().type(), QEasingCurve::InOutQuad);
    EXPECT_EQ(growth.first()->endValue().toInt(), card->sizeHint().height());

    // A new colon subtitle is no new look: the rows just change.
    clickSegment(named(Ids::colonModePicker), 1);
    EXPECT_TRUE(page.styleRows().first()->parentWidget()->findChildren<QPropertyAnimation*>().isEmpty());
}

TEST_F(AppearancePageTest, BigAndSmallLeavesTheFormatStandard)
{
    clickSegment(named(Ids::timeFormatPicker), 1);
    EXPECT_EQ(settings.timeFormat(), TimeFormat::Minimal);
    clickSegment(named(Ids::displayTypePicker), 3);
    clickSegment(named(Ids::displayTypePicker), 2);
    EXPECT_EQ(settings.timeFormat(), TimeFormat::Standard);
    EXPECT_TRUE(page.timeSection()->isVisible());
}

TEST_F(AppearancePageTest, ScaleWorksOnlyForTheFullDisplay)
{
    QWidget* menuBarMode
        = page.scaleControl()->parentWidget()->parentWidget()->findChildren<SettingsRow*>().first()->control();
    const std::tuple<int, MenuBarDisplayMode, bool> cases[] = {
        {1, MenuBarDisplayMode::Compact, false},
        {2, MenuBarDisplayMode::IconOnly, false},
        {0, MenuBarDisplayMode::Full, true},
    };
    for (const auto& [segment, mode, works] : cases) {
        clickSegment(menuBarMode, segment);
        EXPECT_EQ(settings.menuBarDisplayMode(), mode);
        auto* dimming = qobject_cast<QGraphicsOpacityEffect*>(page.scaleControl()->graphicsEffect());
        EXPECT_EQ(dimming ? dimming->opacity() : 1.0, works ? 1.0 : 0.4);
        const DisplayScale before = settings.displayScale();
        const DisplayScale other = before == DisplayScale::Compact ? DisplayScale::Regular : DisplayScale::Compact;
        clickSegment(page.scaleControl(), other == DisplayScale::Compact ? 0 : 1);
        EXPECT_EQ(settings.displayScale(), works ? other : before);
    }
    EXPECT_EQ(named(Ids::displayScalePicker)->findChildren<SoftSegment*>().size(), 2);
}

TEST_F(AppearancePageTest, ControlsWriteStraightIntoTheSettings)
{
    clickSegment(named(Ids::dotShapePicker), 1);
    EXPECT_EQ(settings.styleConfig().dotShape, DotShape::Square);
    clickSegment(named(Ids::dotWeightPicker), 2);
    EXPECT_EQ(settings.styleConfig().dotWeight, DotWeight::Bold);
    // The separate properties of the store are never touched.
    EXPECT_EQ(settings.dotShape(), DotShape::Rounded);
    EXPECT_EQ(settings.dotWeight(), DotWeight::Regular);

    named<QCheckBox>(Ids::showLeadingZeroToggle)->click();
    EXPECT_TRUE(settings.showLeadingZero());
    for (SettingsRow* row : page.findChildren<SettingsRow*>()) {
        if (auto* box = qobject_cast<QCheckBox*>(row->control());
            box && row->findChild<QLabel*>()->text() == u"Bloom") {
            box->click();
        }
    }
    EXPECT_FALSE(settings.styleConfig().bloomEnabled);
    EXPECT_EQ(settings.styleConfig().dotShape, DotShape::Square);

    // A change made elsewhere shows in the controls.
    settings.setShowLeadingZero(false);
    EXPECT_FALSE(named<QCheckBox>(Ids::showLeadingZeroToggle)->isChecked());
}

TEST_F(AppearancePageTest, ColonSubtitleFollowsTheColonMode)
{
    EXPECT_TRUE(showsText(page.styleSection(), u"Colon is always visible"_s));
    clickSegment(named(Ids::colonModePicker), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(settings.styleConfig().colonMode, ColonMode::Pulsing);
    EXPECT_TRUE(showsText(page.styleSection(), u"Colon pulses between visible and dim"_s));
    clickSegment(named(Ids::colonModePicker), 2);
    QCoreApplication::processEvents();
    EXPECT_TRUE(showsText(page.styleSection(), u"Colon only visible when minutes > 0"_s));
}

TEST_F(AppearancePageTest, ThePickerIsPartOfThePage)
{
    EXPECT_EQ(named<ColorSchemePicker>(Ids::themeChangeButton), page.colorSchemePicker());
}

// The preview in every look: "25:00" stopped, in the chosen colours, on the
// scheme's background, filling its frame.
TEST_F(AppearancePageTest, PreviewShowsTheChosenLookAndColors)
{
    colors.selectDigitPreset(u"amber"_s);
    colors.selectBackgroundPreset(u"light"_s);
    settings.setTimeFormat(TimeFormat::Minimal);
    const QColor digits = DisplayColor::amber().dotColor();
    const QColor background = DisplayColor::classicBlack().backgroundColor();
    for (DisplayType type : platform::allCases<DisplayType>()) {
        SCOPED_TRACE(displayName(type).toStdString());
        settings.setDisplayType(type);
        AppearancePreview& preview = *page.preview();
        EXPECT_EQ(preview.height(), AppearancePreview::previewHeight);
        EXPECT_EQ(preview.display()->geometry(), preview.rect());
        EXPECT_EQ(preview.display()->frame().text(), u"25:00"_s);
        EXPECT_FALSE(preview.display()->frame().isRunning);

        const RenderProbe probe = RenderProbe::of(preview);
        EXPECT_TRUE(closeToColor(probe.at(QPointF(14, preview.height() / 2.0)), background, 4));
        int digitPixels = 0;
        for (int y = 0; y < probe.image().height(); y += 2) {
            for (int x = 0; x < probe.image().width(); x += 2)
                digitPixels += closeToColor(probe.image().pixelColor(x, y), digits, 6) ? 1 : 0;
        }
        EXPECT_GT(digitPixels, 50);
    }
}

} // namespace
