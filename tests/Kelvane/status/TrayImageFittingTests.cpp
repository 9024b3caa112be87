// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/TrayImageFitting.h"

#include <gtest/gtest.h>

namespace {

using namespace TrayImageFitting;

TEST(TrayImageFittingTest, SplitsAtTheColon)
{
    const struct {
        QString text;
        std::optional<std::pair<QString, QString>> rows;
    } cases[] = {
        {"25:00", std::pair(QString("25"), QString("00"))},
        {"120:05", std::pair(QString("120"), QString("05"))},
        {"25", std::nullopt},
        {":00", std::nullopt},
        {"25:", std::nullopt},
        {"", std::nullopt},
        {"\u2713", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(splitAtColon(c.text), c.rows) << c.text.toStdString();
}

TEST(TrayImageFittingTest, FitsKeepingTheAspectCentred)
{
    const struct {
        QSizeF content;
        QRectF area;
        QRectF fitted;
    } cases[] = {
        {{40, 20}, {0, 0, 22, 22}, {0, 5.5, 22, 11}}, {{10, 40}, {0, 0, 20, 20}, {7.5, 0, 5, 20}},
        {{5, 5}, {1, 1, 20, 20}, {1, 1, 20, 20}},     {{100, 100}, {2, 2, 40, 20}, {12, 2, 20, 20}},
        {{0, 10}, {0, 0, 20, 20}, {10, 10, 0, 0}},    {{10, 10}, {0, 0, 0, 20}, {0, 10, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(fitInto(c.content, c.area), c.fitted) << c.content.width() << "x" << c.content.height();
}

TEST(TrayImageFittingTest, OpaqueBoundsIgnoreFaintPixelsAndCountInPoints)
{
    QImage image(20, 10, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    image.setPixelColor(4, 2, QColor(255, 255, 255, 255));
    image.setPixelColor(9, 7, QColor(255, 0, 0, 200));
    image.setPixelColor(15, 9, QColor(255, 0, 0, 20)); // glow
    EXPECT_EQ(opaqueBounds(image, 64), QRectF(4, 2, 6, 6));
    EXPECT_EQ(opaqueBounds(image, 0), QRectF(4, 2, 12, 8));
    image.setDevicePixelRatio(2);
    EXPECT_EQ(opaqueBounds(image, 64), QRectF(2, 1, 3, 3));
    image.fill(Qt::transparent);
    EXPECT_TRUE(opaqueBounds(image, 64).isEmpty());
}

TEST(TrayImageFittingTest, WidestDigitsKeepsEverythingButDigits)
{
    EXPECT_EQ(widestDigits("12:34"), "88:88");
    EXPECT_EQ(widestDigits("7"), "8");
    EXPECT_EQ(widestDigits("\u2713"), "\u2713");
}

} // namespace
