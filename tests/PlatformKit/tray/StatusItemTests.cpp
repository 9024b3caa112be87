// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/tray/StripStatusItem.h"
#include "PlatformKit/tray/TrayWatch.h"

#include "support/WaitUntil.h"

#include <gtest/gtest.h>

namespace {

class CountingItem final : public platform::StatusItem {
public:
    Shape shape() const override { return Shape::SquareCell; }
    QRect anchorRect() const override { return {}; }
    int imageSends = 0;
    int toolTipSends = 0;

protected:
    void showImages(const QList<QImage>&) override { ++imageSends; }
    void showToolTip(const QString&) override { ++toolTipSends; }
};

QImage filled(QColor color)
{
    QImage image(22, 22, QImage::Format_ARGB32_Premultiplied);
    image.fill(color);
    return image;
}

TEST(StatusItemTest, PassesOnOnlyPicturesWhosePixelsChanged)
{
    CountingItem item;
    item.setImages({filled(Qt::red)});
    item.setImages({filled(Qt::red)}); // a new image, the same pixels
    EXPECT_EQ(item.imageSends, 1);
    item.setImages({filled(Qt::blue)});
    item.setImages({filled(Qt::blue), filled(Qt::blue)});
    EXPECT_EQ(item.imageSends, 3);

    item.setToolTip("Timer ready: 5 seconds");
    item.setToolTip("Timer ready: 5 seconds");
    EXPECT_EQ(item.toolTipSends, 1);
}

TEST(StatusItemTest, TheStripSitsAtTheTopMiddleOrWhereTheUserLeftIt)
{
    const QList<QRect> twoScreens{{0, 32, 1920, 1048}, {1920, 0, 1280, 1024}};
    const struct {
        const char* name;
        QSize size;
        std::optional<QPoint> saved;
        QList<QRect> available;
        QRect placed;
    } cases[] = {
        {"first start", {60, 28}, std::nullopt, {{0, 0, 1920, 1080}}, {930, 4, 60, 28}},
        {"below a top panel", {60, 28}, std::nullopt, twoScreens, {930, 36, 60, 28}},
        {"kept on the second screen", {80, 28}, QPoint(3000, 900), twoScreens, {3000, 900, 80, 28}},
        {"kept while partly on a screen", {80, 28}, QPoint(1900, 50), twoScreens, {1900, 50, 80, 28}},
        {"a screen since unplugged", {80, 28}, QPoint(4000, 100), twoScreens, {920, 36, 80, 28}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(platform::StripStatusItem::placement(c.size, c.saved, c.available, c.available.first()), c.placed);
    }
}

TEST(StatusItemTest, OnlyPlasmaIsTrustedToPassTheRightClick)
{
    const struct {
        const char* program;
        bool passes;
    } cases[] = {{"kded5", true},       {"plasmashell", true},  {"xfce4-panel", false},
                 {"lxqt-panel", false}, {"gnome-shell", false}, {"", false}};
    for (const auto& c : cases)
        EXPECT_EQ(platform::notifierHostPassesRightClick(QString::fromLatin1(c.program)), c.passes) << c.program;
}

TEST(StatusItemTest, TheItemGoesOnTheBusOnlyWhereAHostShowsIt)
{
    using platform::TrayRoad;
    const struct {
        const char* name;
        platform::TrayPresence presence;
        TrayRoad road;
    } cases[] = {
        {"no tray", {}, TrayRoad::Strip},
        {"an XEmbed tray", {{}, {}, false, true}, TrayRoad::XEmbed},
        {"a panel's own watcher", {":1.7", "xfce4-panel", false, false}, TrayRoad::Notifier},
        {"a panel's own watcher beside its XEmbed tray", {":1.7", "lxqt-panel", false, true}, TrayRoad::Notifier},
        {"Plasma", {":1.5", "kded5", true, false}, TrayRoad::Notifier},
        // kded is up before plasmashell and stays after it quits.
        {"kded before plasmashell", {":1.5", "kded5", false, false}, TrayRoad::Strip},
        {"kded beside an XEmbed tray", {":1.5", "kded5", false, true}, TrayRoad::XEmbed},
        {"kded6 before plasmashell", {":1.5", "kded6", false, false}, TrayRoad::Strip},
    };
    for (const auto& c : cases)
        EXPECT_EQ(platform::trayRoad(c.presence), c.road) << c.name;
}

} // namespace

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWidget>

namespace {

void send(QWidget* window, QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), window->mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &event);
}

void click(QWidget* window, Qt::MouseButton button)
{
    send(window, QEvent::MouseButtonPress, {5, 5}, button, button);
    send(window, QEvent::MouseButtonRelease, {5, 5}, button, Qt::NoButton);
}

QImage picture()
{
    QImage image(120, 56, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2);
    image.fill(Qt::red);
    return image;
}

TEST(StatusItemTest, TheStripShowsThePictureAtItsSizeAndTakesTheClicks)
{
    platform::StripStatusItem item;
    item.setImages({picture()});
    item.setToolTip("Timer ready: 25 minutes 0 seconds");

    QWidget* window = item.window();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->size(), QSize(60, 28));
    EXPECT_EQ(window->accessibleName(), "Timer ready: 25 minutes 0 seconds");
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(window->geometry(),
              platform::StripStatusItem::placement(QSize(60, 28), std::nullopt, {available}, available));

    int left = 0;
    int right = 0;
    int middle = 0;
    QObject::connect(&item, &platform::StatusItem::leftClicked, [&] { ++left; });
    QObject::connect(&item, &platform::StatusItem::rightClicked, [&] { ++right; });
    QObject::connect(&item, &platform::StatusItem::middleClicked, [&] { ++middle; });
    click(window, Qt::LeftButton);
    click(window, Qt::RightButton);
    click(window, Qt::MiddleButton);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(right, 1);
    EXPECT_EQ(middle, 1);
}

TEST(StatusItemTest, ADraggedStripIsNoClickAndKeepsItsNewPlace)
{
    std::optional<QPoint> saved;
    platform::StripStatusItem item({[] { return std::optional(QPoint(200, 300)); }, [&](QPoint at) { saved = at; }});
    item.setImages({picture()});
    QWidget* window = item.window();
    ASSERT_EQ(window->pos(), QPoint(200, 300)) << "not at the stored place";
    int clicks = 0;
    QObject::connect(&item, &platform::StatusItem::leftClicked, [&] { ++clicks; });

    send(window, QEvent::MouseButtonPress, {5, 5}, Qt::LeftButton, Qt::LeftButton);
    for (int step = 1; step <= 10; ++step)
        send(window, QEvent::MouseMove, window->mapFromGlobal(QPoint(205 + 10 * step, 305 + 4 * step)), Qt::NoButton,
             Qt::LeftButton);
    send(window, QEvent::MouseButtonRelease, window->mapFromGlobal(QPoint(305, 345)), Qt::LeftButton, Qt::NoButton);

    EXPECT_EQ(clicks, 0) << "the drag also opened the popover";
    EXPECT_EQ(window->pos(), QPoint(300, 340));
    ASSERT_TRUE(platform::test::waitUntil([&] { return saved.has_value(); })) << "the new place was not kept";
    EXPECT_EQ(*saved, QPoint(300, 340));

    // A new picture keeps the place.
    item.setImages({picture().scaled(140, 56)});
    EXPECT_EQ(window->pos(), QPoint(300, 340));
}

} // namespace
