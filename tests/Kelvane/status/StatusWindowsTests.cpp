// The small windows of the tray item: the custom-duration dialog and the
// first-run card.
#include "Kelvane/status/ClickHintView.h"
#include "Kelvane/status/CustomDurationDialog.h"

#include "support/LabelTexts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

TEST(CustomDurationDialogTest, AsksForMinutesWithTheCurrentValue)
{
    CustomDurationDialog dialog(25);
    EXPECT_TRUE(dialog.isModal());
    EXPECT_EQ(dialog.text(), QStringLiteral("25"));
    EXPECT_EQ(dialog.field().size(), QSize(100, 24));
    EXPECT_TRUE(labelTexts(dialog).contains(QStringLiteral("Custom Duration")));
    EXPECT_TRUE(labelTexts(dialog).contains(QStringLiteral("Enter duration in minutes (1-180):")));

    QStringList buttons;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>())
        buttons.append(button->text());
    EXPECT_TRUE(buttons.contains(QStringLiteral("OK")));
    EXPECT_TRUE(buttons.contains(QStringLiteral("Cancel")));
}

TEST(CustomDurationDialogTest, ReturnAnswersWithTheTypedText)
{
    CustomDurationDialog dialog(25);
    dialog.show();
    dialog.field().selectAll();
    QTest::keyClicks(&dialog.field(), QStringLiteral("90"));
    QTest::keyClick(&dialog.field(), Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.text(), QStringLiteral("90"));
}

TEST(ClickHintViewTest, OneCardOfTheRightWidthThatGotItDismisses)
{
    int dismissed = 0;
    ClickHintView card([&] { ++dismissed; });
    card.adjustSize();
    EXPECT_EQ(card.width(), ClickHintView::cardWidth);
    EXPECT_EQ(card.accessibleName(),
              QStringLiteral("Welcome to Kelvane. Left-click for controls. Right-click to start or stop."));
    const QStringList texts = labelTexts(card);
    for (const char* text : {"Welcome to Kelvane", "Left-click", "\u2192  Controls", "Right-click",
                             "\u2192  Start / Stop"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    QTest::mouseClick(&card.gotItButton(), Qt::LeftButton);
    EXPECT_EQ(dismissed, 1);
}

TEST(ClickHintViewTest, ThePopupClosesFromItsButton)
{
    ClickHintPopup popup;
    popup.showHint(QRect(900, 0, 22, 22));
    ASSERT_NE(popup.popup(), nullptr);
    EXPECT_TRUE(popup.popup()->isVisible());
    auto* card = popup.popup()->findChild<ClickHintView*>();
    ASSERT_NE(card, nullptr);
    QTest::mouseClick(&card->gotItButton(), Qt::LeftButton);
    EXPECT_FALSE(popup.popup()->isVisible());
}

} // namespace
