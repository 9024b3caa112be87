// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/PopoverFrame.h"

#include "Kelvane/popover/PopoverContentView.h"

#include "Kelvane/popover/PopoverRules.h"
#include "Kelvane/popover/PopupPlacement.h"

#include "../../support/SampleTimers.h"
#include "../status/ControllerRig.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(PopoverFrameTest, OpensBesideTheItemAndForgetsItsContentWhenClosed)
{
    ControllerRig rig;
    PopoverFrame frame(PopoverModel::of(rig.model(), rig.commands()));
    EXPECT_TRUE(frame.windowFlags().testFlag(Qt::Popup));

    PopoverContent content;
    content.customMinutes = 25;
    frame.setContent(content);
    const QRect anchor(200, 0, 22, 22);
    frame.show(anchor);
    EXPECT_EQ(frame.width(), PopoverFrame::frameWidth);
    EXPECT_TRUE(frame.isShown());
    EXPECT_TRUE(frame.hasContent());
    ASSERT_NE(frame.contentView(), nullptr);
    EXPECT_EQ(frame.contentView()->customMinutes(), 25);
    EXPECT_GT(frame.geometry().top(), anchor.bottom());
    EXPECT_TRUE(frame.geometry().left() <= anchor.center().x() && anchor.center().x() <= frame.geometry().right());

    frame.close();
    EXPECT_FALSE(frame.isShown());
    EXPECT_FALSE(frame.hasContent());
    EXPECT_EQ(frame.contentView(), nullptr);
}

} // namespace

namespace {

// A frame on the rig's objects, open under an icon.
struct OpenFrame {
    ControllerRig rig;
    PopoverFrame frame{PopoverModel::of(rig.model(), rig.commands())};
    const QRect anchor{300, 0, 22, 22};

    OpenFrame()
    {
        frame.setContent(PopoverContent{});
        frame.show(anchor);
    }
    CustomTimerStore& store() { return rig.model().customTimers(); }

    static void settle()
    {
        QApplication::sendPostedEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    QPushButton* editorButton(const QString& text) const
    {
        if (!frame.editorDialog())
            return nullptr;
        for (QPushButton* button : frame.editorDialog()->findChildren<QPushButton*>()) {
            if (button->text() == text)
                return button;
        }
        return nullptr;
    }
};

TEST(PopoverFrameTest, TheEditorClosesThePopoverAndItsSaveAddsOrReplaces)
{
    struct Case {
        const char* what;
        bool existing;
        const char* button;
        int timersAfter;
        QString nameAfter;
    };
    const Case cases[] = {
        {"a new timer saved", false, "Save", 2, QStringLiteral("Fresh")},
        {"a stored timer saved", true, "Save", 1, QStringLiteral("Fresh")},
        {"a new timer cancelled", false, "Cancel", 1, QStringLiteral("Stored")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OpenFrame f;
        const CustomTimer stored = sampleTimer(QStringLiteral("Stored"), {60, 30}, 2);
        f.store().add(stored);

        f.frame.openEditor(c.existing ? stored : PopoverRules::newCustomTimer(platform::Date::now()));
        EXPECT_FALSE(f.frame.isShown()) << "a popup cannot stay open under the dialog";
        ASSERT_NE(f.frame.editorDialog(), nullptr);
        EXPECT_TRUE(f.frame.editorDialog()->isModal());
        // A click on the tray meanwhile leaves the popover closed under the dialog.
        f.frame.show(f.anchor);
        EXPECT_FALSE(f.frame.isShown());
        auto* name = f.frame.editorDialog()->findChild<QLineEdit*>(QStringLiteral("customTimerEditor.name"));
        ASSERT_NE(name, nullptr);
        name->selectAll();
        QTest::keyClicks(name, QStringLiteral("Fresh"));
        QPushButton* button = f.editorButton(QString::fromLatin1(c.button));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        f.settle();

        ASSERT_EQ(f.store().timers().size(), c.timersAfter);
        EXPECT_EQ(f.store().timers().last().name, c.nameAfter);
        if (c.existing) {
            EXPECT_EQ(f.store().timers().first().id, stored.id);
        }
        EXPECT_EQ(f.frame.editorDialog(), nullptr);
        EXPECT_TRUE(f.frame.isShown()) << "the popover opens again";
        ASSERT_NE(f.frame.contentView(), nullptr);
        // Where the placement puts it under the same icon.
        EXPECT_EQ(f.frame.pos(), popupPosition(f.anchor, f.frame.size()));
    }
}

TEST(PopoverFrameTest, EscapeClosesThePopover)
{
    OpenFrame f;
    ASSERT_TRUE(f.frame.isShown());
    QTest::keyClick(f.frame.contentView(), Qt::Key_Escape);
    f.settle();
    EXPECT_FALSE(f.frame.isShown());
    EXPECT_FALSE(f.frame.hasContent());
}

TEST(PopoverFrameTest, TheWindowFollowsItsContentAndStaysOnScreen)
{
    OpenFrame f;
    const int idleHeight = f.frame.height();
    f.rig.model().pomodoro().start();
    f.settle();
    QApplication::processEvents();
    EXPECT_GT(f.frame.height(), idleHeight) << "the Pomodoro panel makes it taller";
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.contains(f.frame.geometry()) || f.frame.height() > screen.height());
}

} // namespace
