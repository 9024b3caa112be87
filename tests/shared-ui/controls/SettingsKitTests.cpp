// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/LivePreviewPanel.h"
#include "shared-ui/controls/SettingsCard.h"
#include "shared-ui/controls/SettingsRow.h"
#include "shared-ui/controls/SettingsSectionHeader.h"
#include "shared-ui/controls/SettingsTheme.h"

#include "Palettes.h"
#include "Pixels.h"

#include "support/LabelTexts.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace {

QWidget* fixedBox(int width, int height)
{
    auto* box = new QWidget;
    box->setFixedSize(width, height);
    return box;
}

std::unique_ptr<SettingsRow> row(bool showsDivider, std::optional<QString> subtitle = std::nullopt)
{
    auto result = std::make_unique<SettingsRow>(u"Launch at login"_s, subtitle, showsDivider, fixedBox(30, 16));
    result->resize(320, result->sizeHint().height());
    result->show();
    return result;
}

} // namespace

TEST(SettingsRowTest, StaysAtLeast42HighAndOnlyADividerAddsHeight)
{
    const auto plain = row(false);
    const auto divided = row(true);
    EXPECT_EQ(plain->sizeHint().height(), SettingsRow::minimumContentHeight);
    EXPECT_EQ(divided->sizeHint().height(), SettingsRow::minimumContentHeight + 1);
    EXPECT_EQ(labelTexts(*plain), QStringList{u"Launch at login"_s});
    EXPECT_EQ(labelTexts(*row(false, u"Starts the timer at login"_s)),
              (QStringList{u"Launch at login"_s, u"Starts the timer at login"_s}));
}

TEST(SettingsRowTest, GrowsForTallControlsWithTheControlCentred)
{
    SettingsRow tall(u"Theme"_s, std::nullopt, false, fixedBox(40, 60));
    tall.resize(320, tall.sizeHint().height());
    tall.show();
    EXPECT_EQ(tall.sizeHint().height(), 60);
    EXPECT_EQ(tall.control()->geometry().right(), 320 - SettingsRow::horizontalPadding - 1);
}

TEST(SettingsRowTest, DividerIsDrawnInsetFromTheLeadingEdgeOnlyWhenAsked)
{
    const ScopedAppPalette scoped(testpalettes::dark());
    const auto window = testpalettes::dark().color(QPalette::Window);
    const auto line = over(SettingsTheme::rowDivider(testpalettes::dark()), window);

    const auto divided = row(true);
    const auto image = renderedImage(*divided);
    const int bottom = image.height() - 1;
    EXPECT_TRUE(nearPixel(image.pixelColor(SettingsRow::horizontalPadding - 2, bottom), window));
    EXPECT_TRUE(nearPixel(image.pixelColor(SettingsRow::horizontalPadding + 2, bottom), line, 1));
    EXPECT_TRUE(nearPixel(image.pixelColor(image.width() - 1, bottom), line, 1));
    ASSERT_NE(line, window);

    const auto plain = row(false);
    const auto plainImage = renderedImage(*plain);
    EXPECT_TRUE(nearPixel(plainImage.pixelColor(100, plainImage.height() - 1), window));
}

TEST(SettingsRowTest, TheTitleLabelsItsControlForAssistiveTechnologies)
{
    // A control without a name of its own is called by the title.
    auto* unnamed = new QCheckBox;
    SettingsRow plain(u"Bloom"_s, std::nullopt, false, unnamed);
    EXPECT_EQ(unnamed->accessibleName(), u"Bloom"_s);

    // A drop-down is named by its value on Linux; the title, its label, says
    // the control's own spoken name.
    auto* sounds = new QComboBox;
    sounds->addItem(u"None"_s);
    sounds->setAccessibleName(u"Play sound on completion"_s);
    SettingsRow row(u"Completion Sound"_s, std::nullopt, false, sounds);
    EXPECT_EQ(sounds->accessibleName(), u"Play sound on completion"_s);
    auto* control = QAccessible::queryAccessibleInterface(sounds);
    ASSERT_NE(control, nullptr);
    const auto labels = control->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels.first().first->text(QAccessible::Name), u"Play sound on completion"_s);
}

TEST(SettingsSectionHeaderTest, UpperCasesTheTitleItIsGiven)
{
    const SettingsSectionHeader header(u"Live preview of the display"_s);
    EXPECT_EQ(header.text(), u"LIVE PREVIEW OF THE DISPLAY");
    EXPECT_EQ(header.title(), u"Live preview of the display");
}

TEST(SettingsCardTest, FollowsTheApplicationPalette)
{
    SettingsCard card;
    card.addContent(row(true).release());
    card.addContent(row(false).release());
    card.resize(320, card.sizeHint().height());
    card.show();
    const QPoint inside(card.width() / 2, 2);
    const QPoint onTopEdge(card.width() / 2, 0);

    for (const auto& c : testpalettes::lightAndDark()) {
        SCOPED_TRACE(c.name);
        const ScopedAppPalette scoped(c.palette);
        const auto fill = SettingsTheme::cardBackground(c.palette);
        const auto image = renderedImage(card);
        EXPECT_TRUE(nearPixel(image.pixelColor(inside), fill));
        EXPECT_TRUE(nearPixel(image.pixelColor(onTopEdge), over(SettingsTheme::cardStroke(c.palette), fill), 1));
    }
}

TEST(LivePreviewPanelTest, BoxIsFixedHighWithTheContentCentredWhateverItsSize)
{
    for (const QSize contentSize : {QSize(60, 20), QSize(200, 300)}) {
        LivePreviewPanel panel(fixedBox(contentSize.width(), contentSize.height()));
        panel.resize(400, panel.sizeHint().height());
        panel.show();
        const auto* box = panel.previewBox();
        EXPECT_EQ(box->height(), LivePreviewPanel::previewHeight);
        EXPECT_EQ(box->width(), 400 - 2 * 20);
        EXPECT_EQ(panel.content()->geometry().center(), box->rect().center());
        EXPECT_EQ(panel.height(), panel.sizeHint().height());
    }
}

TEST(LivePreviewPanelTest, BoxIsNearBlackOnTheGroupBackgroundInBothAppearances)
{
    LivePreviewPanel panel(fixedBox(10, 10));
    panel.resize(400, panel.sizeHint().height());
    panel.show();
    for (const auto& palette : {testpalettes::light(), testpalettes::dark()}) {
        const ScopedAppPalette scoped(palette);
        const auto image = renderedImage(panel);
        const auto boxCentre = panel.previewBox()->geometry().center() + QPoint(30, 0);
        EXPECT_TRUE(nearPixel(image.pixelColor(boxCentre), SettingsTheme::previewCardBackground()));
        EXPECT_TRUE(nearPixel(image.pixelColor(5, 5), SettingsTheme::groupBackground(palette)));
        EXPECT_EQ(panel.findChild<SettingsSectionHeader*>()->text(), u"LIVE PREVIEW");
    }
}
