// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/views/TimerWidgetLook.h"
#include "widget-extension/views/TimerWidgetPainter.h"

#include "shared-ui/desktopwidget/WidgetThemeLibrary.h"

#include "support/RenderProbe.h"

#include <gtest/gtest.h>

namespace {

namespace Look = TimerWidgetLook;
namespace Painter = TimerWidgetPainter;
constexpr qreal ratio = 4;

// Amber dots on a dark blue panel: no colour the painter adds by itself.
WidgetAppearanceSettings amberOnBlue()
{
    WidgetAppearanceSettings appearance;
    appearance.digitMode = appearance.backgroundMode = QStringLiteral("custom");
    appearance.customDigitR = 1.0;
    appearance.customDigitG = 0.69;
    appearance.customDigitB = 0.0;
    appearance.customDigitA = 1.0;
    appearance.customBgR = 0.05;
    appearance.customBgG = 0.1;
    appearance.customBgB = 0.3;
    appearance.customBgA = 1.0;
    appearance.colonMode = ColonMode::Always;
    appearance.timeFormat = TimeFormat::Standard;
    return appearance;
}

TimerWidgetEntry entryWith(TimerMode mode)
{
    TimerWidgetEntry entry;
    entry.timerState = WidgetTimerState::idle();
    entry.timerState.mode = mode;
    entry.timerState.remaining = 754;
    entry.timerState.duration = 1500;
    entry.appearanceSettings = amberOnBlue();
    return entry;
}

QColor over(QColor top, qreal opacity, const QColor& bottom)
{
    const auto mix = [&](float a, float b) { return static_cast<float>(a * opacity + b * (1 - opacity)); };
    return QColor::fromRgbF(mix(top.redF(), bottom.redF()), mix(top.greenF(), bottom.greenF()),
                            mix(top.blueF(), bottom.blueF()));
}

class Rendered {
public:
    Rendered(const TimerWidgetEntry& entry, WidgetFamily family,
             WidgetRenderingMode mode = WidgetRenderingMode::FullColor)
        : m_entry(entry)
        , m_family(family)
        , m_mode(mode)
        , m_probe(Painter::renderImage(entry, family, mode, ratio))
    {
    }

    QColor at(QPointF point) const { return m_probe.at(point); }
    TimerWidgetLayout layout() const { return layoutTimerWidget(m_entry, m_family); }

    // Centres of the lit dots, in the widget's coordinates.
    std::vector<QPointF> litDots() const
    {
        const auto inputs = Look::dotMatrixInputs(m_entry, m_family, m_mode);
        const QTransform transform = Painter::dotMatrixTransform(m_entry, layout(), m_mode);
        std::vector<QPointF> centres;
        for (const WidgetDot& dot : layoutWidgetDotMatrix(inputs).dots)
            centres.push_back(transform.map(QPointF(dot.position.x, dot.position.y)));
        return centres;
    }

    // Pixels in `area` within a few steps of `color`.
    int pixelsNear(const QRectF& area, const QColor& color, int allowance = 24) const
    {
        int count = 0;
        const QImage& image = m_probe.image();
        for (int y = int(area.top() * ratio); y < int(area.bottom() * ratio); ++y)
            for (int x = int(area.left() * ratio); x < int(area.right() * ratio); ++x)
                count += closeToColor(image.pixelColor(x, y), color, allowance) ? 1 : 0;
        return count;
    }

private:
    TimerWidgetEntry m_entry;
    WidgetFamily m_family;
    WidgetRenderingMode m_mode;
    RenderProbe m_probe;
};

const QColor amber = QColor::fromRgbF(1.0f, 0.69f, 0.0f);
const QColor blue = QColor::fromRgbF(0.05f, 0.1f, 0.3f);

class EachFamily : public ::testing::TestWithParam<WidgetFamily> { };

TEST_P(EachFamily, DotMatrixLightsItsDotsOnTheThemeBackground)
{
    const Rendered shown(entryWith(TimerMode::Running), GetParam());
    const auto dots = shown.litDots();
    ASSERT_FALSE(dots.empty());
    for (const QPointF& dot : dots) {
        ASSERT_TRUE(shown.layout().timeArea.contains(dot)) << "dot outside the time area";
        EXPECT_TRUE(closeToColor(shown.at(dot), amber, 6)) << shown.at(dot).name().toStdString();
    }
    EXPECT_TRUE(closeToColor(shown.at({8, 85}), blue)) << "the container is the theme's background";
    EXPECT_TRUE(closeToColor(shown.at({1, 1}), Qt::transparent)) << "its corners are round";
}

TEST_P(EachFamily, PausedWashesTheTimeAreaOut)
{
    const Rendered running(entryWith(TimerMode::Running), GetParam());
    const Rendered paused(entryWith(TimerMode::Paused), GetParam());
    const QColor washed = over(Painter::desaturated(amber, 0.3), 0.5, blue);
    for (const QPointF& dot : paused.litDots())
        EXPECT_TRUE(closeToColor(paused.at(dot), washed, 8)) << paused.at(dot).name().toStdString();
    EXPECT_EQ(running.litDots(), paused.litDots());
}

TEST_P(EachFamily, ACorruptSnapshotOutlinesTheTimeArea)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Idle);
    const QRectF area = layoutTimerWidget(entry, GetParam()).timeArea;
    const QPointF onEdge(area.left() + 0.5, area.center().y());
    EXPECT_TRUE(closeToColor(Rendered(entry, GetParam()).at(onEdge), blue));
    entry.loadError = WidgetLoadError::TimerStateCorrupted;
    const Rendered marked(entry, GetParam());
    EXPECT_TRUE(closeToColor(marked.at(onEdge), over(Look::widgetSecondaryColor, 0.5, blue), 6))
        << marked.at(onEdge).name().toStdString();
    EXPECT_TRUE(
        closeToColor(marked.at({area.center().x(), area.top() + 0.5}), over(Look::widgetSecondaryColor, 0.5, blue), 6));
}

TEST_P(EachFamily, TextDisplayShowsTimeInTheDigitColorAndStatusInGrey)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Paused);
    entry.appearanceSettings.displayType = WidgetDisplayType::SevenSegment;
    entry.timerState.mode = TimerMode::Running;
    const Rendered shown(entry, GetParam());
    const QRectF area = shown.layout().timeArea;
    const QRectF upper(area.left(), area.top(), area.width(), area.height() * 0.6);
    const QRectF lower(area.left(), area.top() + area.height() * 0.6, area.width(), area.height() * 0.4);
    EXPECT_GT(shown.pixelsNear(upper, amber), 200) << "no time text";
    EXPECT_GT(shown.pixelsNear(lower, Look::widgetSecondaryColor), 20) << "no status text";
    EXPECT_EQ(shown.pixelsNear(lower, amber, 10), 0);

    // Paused, even the text is washed out: no pure digit colour is left.
    entry.timerState.mode = TimerMode::Paused;
    EXPECT_EQ(Rendered(entry, GetParam()).pixelsNear(area, amber, 10), 0);
}

TEST_P(EachFamily, TintedModeHasNoBackground)
{
    const Rendered tinted(entryWith(TimerMode::Running), GetParam(), WidgetRenderingMode::Accented);
    EXPECT_TRUE(closeToColor(tinted.at({8, 85}), Qt::transparent));
    int lit = 0;
    for (const QPointF& dot : tinted.litDots())
        lit += tinted.at(dot).alpha() > 200 ? 1 : 0;
    EXPECT_EQ(lit, int(tinted.litDots().size())) << "the dots are still drawn";
}

INSTANTIATE_TEST_SUITE_P(Families, EachFamily, ::testing::Values(WidgetFamily::Small, WidgetFamily::Medium),
                         [](const auto& testCase) { return platform::rawValue(testCase.param).toStdString(); });

TEST(TimerWidgetPainter, TheSelectedPresetButtonIsFilledAndOutlinedInTheDigitColor)
{
    TimerWidgetEntry entry = entryWith(TimerMode::Idle);
    entry.timerState.selectedPresetID = QStringLiteral("preset.deep-45");
    const Rendered shown(entry, WidgetFamily::Medium);
    const auto& column = shown.layout().quickColumn;
    const QColor selectedFill = over(amber, 0.15, blue);
    const QColor otherFill = over(Look::widgetSecondaryColor, 0.1, blue);
    for (std::size_t i = 0; i < 4; ++i) {
        const QRectF rect = column[i].rect;
        SCOPED_TRACE(i);
        // Inside the fill, clear of the label and the rounded corners.
        const QPointF fill(rect.left() + 4, rect.center().y());
        EXPECT_TRUE(closeToColor(shown.at(fill), i == 3 ? selectedFill : otherFill, 4))
            << shown.at(fill).name().toStdString();
        const QPointF edge(rect.left() + 0.5, rect.center().y());
        const QColor border = i == 3 ? over(amber, 0.3, selectedFill) : otherFill;
        EXPECT_TRUE(closeToColor(shown.at(edge), border, 6)) << shown.at(edge).name().toStdString();
        // The label: the digit colour when selected, grey otherwise.
        EXPECT_GT(shown.pixelsNear(rect, i == 3 ? amber : Look::widgetSecondaryColor, 40), 10);
    }
    EXPECT_EQ(shown.pixelsNear(column[0].rect, amber, 40), 0);
}

TEST(TimerWidgetPainter, DesaturatedKeepsGreysAndAlpha)
{
    EXPECT_EQ(Painter::desaturated(QColor(128, 128, 128, 77), 0.3), QColor(128, 128, 128, 77));
    const QColor red = Painter::desaturated(Qt::red, 0);
    EXPECT_EQ(red.red(), red.green());
    EXPECT_EQ(Painter::desaturated(Qt::red, 1), QColor(Qt::red));
}

} // namespace
