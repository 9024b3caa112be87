// SPDX-License-Identifier: GPL-3.0-or-later
// What the app's settings stores write is what the widget reads: the app
// writes through its stores to a store file, and the widget reads through its
// readers from a second store object opened on the same file, as the two
// programs do.
#include "Kelvane/settings/AppSettings.h"

#include "shared-ui/desktopwidget/WidgetAppearanceSettings.h"
#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"

#include "support/DisplayColorParts.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using platform::UserDefaults;

namespace {

// What the widget reads once the app has written every default: the widget's
// own defaults, those of an empty store, but where the widget takes its own
// value for an absent key.
WidgetAppearanceSettings writtenByTheApp()
{
    WidgetAppearanceSettings settings;
    // The style configuration the looks read starts with the colon always on.
    settings.colonMode = ColonMode::Always;
    // The app's background starts transparent, and names the selected colour.
    settings.selectedColorID = settings.backgroundPresetID = QStringLiteral("transparent");
    // The app's custom digit colour starts white.
    settings.customDigitR = settings.customDigitG = settings.customDigitB = 1;
    return settings;
}

class AppToWidget : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(appStore->isShared());
        ASSERT_TRUE(widgetStore->isShared());
    }

    WidgetAppearanceSettings widgetReads() const { return WidgetAppearanceSettings::current(*widgetStore); }

    // The colours the app draws with are those the widget draws with.
    void expectTheSameColors(const WidgetAppearanceSettings& widget)
    {
        const auto& colors = app->colorManager();
        const DisplayColor drawnByApp = colors.resolvedDisplayColor();
        const DisplayColor drawnByWidget = WidgetThemeLibrary::resolvedDisplayColor(widget);
        EXPECT_EQ(digitsOf(drawnByWidget), digitsOf(drawnByApp));
        EXPECT_EQ(backgroundOf(drawnByWidget), backgroundOf(drawnByApp));
        EXPECT_EQ(WidgetThemeLibrary::resolvedPalette(widget), colors.activePalette());
        // The theme library reads the same key as the appearance reader.
        EXPECT_EQ(WidgetThemeLibrary::currentThemeIdentifier(*widgetStore),
                  DisplayColor::color(widget.selectedColorID).id);
    }

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("store.sqlite"));
    // The widget's store is open before the app writes, as a running widget's is.
    std::unique_ptr<UserDefaults> widgetStore = UserDefaults::openFile(path);
    std::unique_ptr<UserDefaults> appStore = UserDefaults::openFile(path);
    std::unique_ptr<AppSettings> app = std::make_unique<AppSettings>(*appStore);
};

// A default changed on one side only shows here: what the widget reads of a
// store the app has written all its defaults to differs from what it reads of
// an empty store only where the widget names its own value for an absent key.
TEST_F(AppToWidget, TheWidgetReadsTheAppsDefaultsButWhereItNamesItsOwn)
{
    EXPECT_EQ(widgetReads(), WidgetAppearanceSettings{});
    EXPECT_EQ(WidgetThemeLibrary::currentThemeIdentifier(*widgetStore), u"transparent");

    app->resetToDefaults();
    const auto widget = widgetReads();
    EXPECT_EQ(widget, writtenByTheApp());
    expectTheSameColors(widget);

    // The app starts from the values it writes on a reset.
    AppSettings restarted(*appStore);
    EXPECT_EQ(restarted.colorManager().customDotColor(), app->colorManager().customDotColor());
    EXPECT_EQ(restarted.styleConfig(), app->styleConfig());
}

struct RoundTrip {
    const char* name;
    // Through the app's stores, away from the default.
    std::function<void(AppSettings&)> change;
    // What the widget reads of the app's defaults, changed to what it should
    // read now.
    std::function<void(WidgetAppearanceSettings&)> expect;
};

const QColor customDigits = QColor::fromRgbF(1.0f, 0.5f, 0.0f, 0.75f);
const QColor customBackground = QColor::fromRgbF(0.2f, 0.4f, 0.6f, 0.5f);

// Every appearance and completion setting the widget reads. The theme id and
// the older multicolour switch are read too, but the app writes neither.
const RoundTrip roundTrips[] = {
    {"display type", [](AppSettings& a) { a.setDisplayType(DisplayType::SevenSegment); },
     [](WidgetAppearanceSettings& w) { w.displayType = WidgetDisplayType::SevenSegment; }},
    {"small and big with its standard format", [](AppSettings& a) { a.setDisplayType(DisplayType::SmallAndBig); },
     [](WidgetAppearanceSettings& w) {
         w.displayType = WidgetDisplayType::SmallAndBig;
         w.timeFormat = TimeFormat::Standard;
     }},
    {"time format", [](AppSettings& a) { a.setTimeFormat(TimeFormat::Standard); },
     [](WidgetAppearanceSettings& w) { w.timeFormat = TimeFormat::Standard; }},
    {"leading zero", [](AppSettings& a) { a.setShowLeadingZero(true); },
     [](WidgetAppearanceSettings& w) { w.showLeadingZero = true; }},
    {"look of the dots",
     [](AppSettings& a) {
         auto style = a.styleConfig();
         style.dotWeight = DotWeight::Bold;
         style.dotShape = DotShape::Square;
         style.colonMode = ColonMode::Pulsing;
         a.setStyleConfig(style);
     },
     [](WidgetAppearanceSettings& w) {
         w.dotWeight = DotWeight::Bold;
         w.dotShape = DotShape::Square;
         w.colonMode = ColonMode::Pulsing;
     }},
    {"completion display",
     [](AppSettings& a) { a.completionSettings().setDisplayBehavior(CompletionBehavior::BlinkDots); },
     [](WidgetAppearanceSettings& w) { w.completionDisplayBehavior = CompletionBehavior::BlinkDots; }},
    {"digit preset", [](AppSettings& a) { a.colorManager().selectDigitPreset(QStringLiteral("amber")); },
     [](WidgetAppearanceSettings& w) { w.digitPresetID = QStringLiteral("amber"); }},
    {"multicolour digits",
     [](AppSettings& a) {
         a.colorManager().selectMulticolorDigits();
         a.colorManager().setSelectedPaletteID(QStringLiteral("neon"));
     },
     [](WidgetAppearanceSettings& w) {
         w.digitMode = QStringLiteral("multicolor");
         w.multicolorPaletteID = QStringLiteral("neon");
     }},
    {"custom digits",
     [](AppSettings& a) {
         a.colorManager().setCustomDotColor(customDigits);
         a.colorManager().setDigitMode(DigitColorMode::custom());
     },
     [](WidgetAppearanceSettings& w) {
         w.digitMode = QStringLiteral("custom");
         w.customDigitR = customDigits.redF();
         w.customDigitG = customDigits.greenF();
         w.customDigitB = customDigits.blueF();
         w.customDigitA = customDigits.alphaF();
     }},
    {"background preset", [](AppSettings& a) { a.colorManager().selectBackgroundPreset(QStringLiteral("light")); },
     [](WidgetAppearanceSettings& w) { w.selectedColorID = w.backgroundPresetID = QStringLiteral("light"); }},
    {"custom background",
     [](AppSettings& a) {
         a.colorManager().selectBackgroundPreset(QStringLiteral("light"));
         a.colorManager().setCustomBackgroundColor(customBackground);
         a.colorManager().setBackgroundMode(BackgroundMode::custom());
     },
     [](WidgetAppearanceSettings& w) {
         w.backgroundMode = QStringLiteral("custom");
         w.backgroundPresetID = QStringLiteral("light"); // kept for when a preset is chosen again
         w.customBgR = customBackground.redF();
         w.customBgG = customBackground.greenF();
         w.customBgB = customBackground.blueF();
         w.customBgA = customBackground.alphaF();
     }},
};

TEST_F(AppToWidget, EverySettingTheWidgetReadsComesAcross)
{
    for (const auto& c : roundTrips) {
        SCOPED_TRACE(c.name);
        app->resetToDefaults();
        c.change(*app);
        auto expected = writtenByTheApp();
        c.expect(expected);
        const auto widget = widgetReads();
        EXPECT_EQ(widget, expected);
        expectTheSameColors(widget);
    }
}

// Before the style configuration existed the looks were separate settings;
// the widget still reads them when no configuration is stored.
TEST_F(AppToWidget, SeparateLookSettingsComeAcrossWithoutAStyleConfiguration)
{
    app->setDotWeight(DotWeight::Light);
    app->setDotShape(DotShape::Square);
    app->setColonMode(ColonMode::Always);
    auto expected = WidgetAppearanceSettings{};
    expected.dotWeight = DotWeight::Light;
    expected.dotShape = DotShape::Square;
    expected.colonMode = ColonMode::Always;
    EXPECT_EQ(widgetReads(), expected);
}

} // namespace
