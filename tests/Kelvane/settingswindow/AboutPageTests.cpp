// SPDX-License-Identifier: GPL-3.0-or-later
// The About page: the version text and its fallbacks, the icon or the timer
// symbol in its place.
#include "Kelvane/settingswindow/pages/AboutPage.h"

#include <QLabel>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TEST(AboutPageTest, VersionTextWithItsFallbacks)
{
    const struct {
        std::optional<QString> version;
        std::optional<QString> build;
        const char* text;
    } cases[] = {
        {u"2.1"_s, u"57"_s, "Version 2.1 (57)"},         {std::nullopt, std::nullopt, "Version 1.0.0 (1)"},
        {u"0.1.0"_s, std::nullopt, "Version 0.1.0 (1)"}, {std::nullopt, u"9"_s, "Version 1.0.0 (9)"},
        {QString(), QString(), "Version 1.0.0 (1)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AboutPage::versionText(c.version, c.build), QString::fromLatin1(c.text)) << c.text;
}

TEST(AboutPageTest, ShowsNameVersionAndDescription)
{
    AboutPage page(QIcon(), u"Version 2.1 (57)"_s);
    QStringList texts;
    for (const auto* label : page.findChildren<QLabel*>())
        texts.append(label->text());
    for (const char* text :
         {"Kelvane", "Version 2.1 (57)", "A minimal countdown timer with", "retro dot-matrix display"})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(text))) << text;
}

TEST(AboutPageTest, TheIconAt128OrTheTimerSymbolAt64)
{
    QPixmap square(256, 256);
    square.fill(Qt::red);
    const struct {
        QIcon icon;
        int side;
    } cases[] = {{QIcon(square), AboutPage::iconSide}, {QIcon(), AboutPage::fallbackSymbolSize}};
    for (const auto& c : cases) {
        AboutPage page(c.icon, u"Version 1.0.0 (1)"_s);
        const QPixmap shown = page.iconLabel()->pixmap();
        EXPECT_EQ(shown.deviceIndependentSize().toSize(), QSize(c.side, c.side));
    }
}

} // namespace
