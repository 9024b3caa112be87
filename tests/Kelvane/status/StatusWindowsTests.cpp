// SPDX-License-Identifier: GPL-3.0-or-later
// The small windows of the tray item: the custom-duration dialog and the
// first-run card.
#include "Kelvane/status/ClickHintView.h"
#include "Kelvane/status/CustomDurationDialog.h"

#include "support/LabelTexts.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <optional>
#include <vector>

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

CustomDurationDialog* openDialog()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<CustomDurationDialog*>(window); dialog && dialog->isVisible())
            return dialog;
    }
    return nullptr;
}

TEST(CustomDurationDialogTest, ThePromptOpensWithoutWaitingAndAnswersOnce)
{
    CustomDurationDialogPrompt prompt;
    std::vector<std::optional<QString>> answers;
    prompt.ask(25, [&](std::optional<QString> answer) { answers.push_back(std::move(answer)); });
    ASSERT_TRUE(prompt.isOpen()) << "ask returned with the dialog still open";
    QLineEdit* field = openDialog() ? &openDialog()->field() : nullptr;
    ASSERT_TRUE(field);
    field->selectAll();
    QTest::keyClicks(field, QStringLiteral("40"));
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_FALSE(prompt.isOpen());
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers.front(), QStringLiteral("40"));

    prompt.ask(25, [&](std::optional<QString> answer) { answers.push_back(std::move(answer)); });
    ASSERT_TRUE(openDialog());
    openDialog()->close();
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers.back(), std::nullopt) << "closed is cancelled";
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
    for (const char* text :
         {"Welcome to Kelvane", "Left-click", "\u2192  Controls", "Right-click", "\u2192  Start / Stop"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(text))) << text;
    QTest::mouseClick(&card.gotItButton(), Qt::LeftButton);
    EXPECT_EQ(dismissed, 1);
}

TEST(ClickHintViewTest, AssistiveTechnologiesGetOneElementThatSaysItAll)
{
    int dismissed = 0;
    ClickHintView card([&] { ++dismissed; });
    QAccessibleInterface* element = QAccessible::queryAccessibleInterface(&card);
    ASSERT_NE(element, nullptr);
    EXPECT_EQ(element->text(QAccessible::Name),
              QStringLiteral("Welcome to Kelvane. Left-click for controls. Right-click to start or stop."));
    EXPECT_EQ(element->childCount(), 0) << "the texts and the button are not offered one by one";
    QAccessibleActionInterface* actions = element->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(dismissed, 1) << "its press is \"Got it\"";
}

TEST(ClickHintViewTest, TheCardTakesNeitherThePointerNorTheFocusAndGotItClosesIt)
{
    ClickHintPopup popup;
    popup.showHint(QRect(300, 0, 22, 22));
    ASSERT_NE(popup.popup(), nullptr);
    EXPECT_TRUE(popup.popup()->isVisible());
    // A popup would grab the pointer, and the click the card asks for would only close it.
    EXPECT_NE(popup.popup()->windowType(), Qt::Popup);
    EXPECT_TRUE(popup.popup()->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(popup.popup()->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    // Under the icon.
    EXPECT_GT(popup.popup()->geometry().top(), 22);
    auto* card = popup.popup()->findChild<ClickHintView*>();
    ASSERT_NE(card, nullptr);
    QTest::mouseClick(&card->gotItButton(), Qt::LeftButton);
    EXPECT_FALSE(popup.popup()->isVisible());
}

TEST(ClickHintViewTest, AShownCardGoesWhereTheItemWent)
{
    ClickHintPopup popup;
    popup.moveHint(QRect(300, 0, 22, 22)); // none shown yet: nothing to move
    EXPECT_EQ(popup.popup(), nullptr);
    popup.showHint(QRect(300, 0, 22, 22));
    ASSERT_TRUE(popup.popup()->isVisible());
    // From a strip at the top into a tray at the bottom.
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect icon(screen.right() - 60, screen.bottom() - 21, 22, 22);
    popup.moveHint(icon);
    EXPECT_LT(popup.popup()->geometry().bottom(), icon.top()) << "not above the icon";
    EXPECT_GT(popup.popup()->geometry().bottom(), icon.top() - 20) << "far from the icon";
}

TEST(ClickHintViewTest, AnotherWindowOfTheProgramTakingTheFocusClosesTheCard)
{
    ClickHintPopup popup;
    popup.showHint(QRect(300, 0, 22, 22));
    ASSERT_TRUE(popup.popup()->isVisible());
    QWidget popover;
    popover.show();
    popover.activateWindow();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !popup.popup()->isVisible(); }, 5000));
}

} // namespace
