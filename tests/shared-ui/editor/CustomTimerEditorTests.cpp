// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/TintedLabel.h"
#include "shared-ui/editor/PhaseCountBadge.h"

#include "EditorHarness.h"
#include "Palettes.h"
#include "Pixels.h"

#include <QAccessible>
#include <QDialog>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

TintedLabel* counter(const EditorHarness& harness)
{
    return harness.part<TintedLabel>("nameCounter");
}

} // namespace

TEST(CustomTimerEditorTest, SaveNeedsANameThatIsNotOnlySpacesAndKeepsTheSpacesItHas)
{
    EditorHarness harness(timerWithPhases(1, u""_s));
    EXPECT_FALSE(harness.saveButton()->isEnabled());
    for (const auto& [typed, savable] :
         {std::pair{u"   "_s, false}, std::pair{u"\t "_s, false}, std::pair{u"  Focus "_s, true}}) {
        harness.nameField()->setFocus();
        harness.nameField()->selectAll();
        QTest::keyClicks(harness.nameField(), typed);
        EXPECT_EQ(harness.saveButton()->isEnabled(), savable) << typed.toStdString();
    }
    harness.saveButton()->click();
    ASSERT_EQ(harness.saved.size(), 1);
    EXPECT_EQ(harness.saved[0].name, u"  Focus ");
}

TEST(CustomTimerEditorTest, NameStopsAtThirtyCharactersWithACounterFromTwenty)
{
    EditorHarness harness(timerWithPhases(1, u""_s));
    auto* name = harness.nameField();
    name->setFocus();
    QTest::keyClicks(name, QString(19, u'a'));
    EXPECT_FALSE(counter(harness)->isVisibleTo(harness.editor.get()));
    QTest::keyClicks(name, u"a"_s);
    EXPECT_TRUE(counter(harness)->isVisibleTo(harness.editor.get()));
    EXPECT_EQ(counter(harness)->text(), u"20/30");
    EXPECT_EQ(counter(harness)->textColor(), secondaryLabelColor(harness.editor->palette()));
    QTest::keyClicks(name, QString(11, u'b'));
    EXPECT_EQ(harness.draft().name, QString(20, u'a') + QString(10, u'b'));
    EXPECT_EQ(name->text(), harness.draft().name);
    EXPECT_EQ(counter(harness)->text(), u"30/30");
    EXPECT_EQ(counter(harness)->textColor(), warningOrange(harness.editor->palette()));
}

TEST(CustomTimerEditorTest, StoredLongNameShowsInFullUntilTheFirstEdit)
{
    EditorHarness harness(timerWithPhases(1, QString(35, u'z')));
    EXPECT_EQ(harness.nameField()->text(), QString(35, u'z'));
    EXPECT_EQ(counter(harness)->text(), u"35/30");
    harness.nameField()->setFocus();
    harness.nameField()->end(false);
    QTest::keyClick(harness.nameField(), Qt::Key_Backspace);
    EXPECT_EQ(harness.draft().name, QString(30, u'z'));
    EXPECT_EQ(harness.nameField()->text(), QString(30, u'z'));
}

TEST(CustomTimerEditorTest, PhaseLimitWarnsAtElevenAndStopsAddingAtTwelve)
{
    EditorHarness harness(timerWithPhases(11));
    auto* badge = harness.editor->findChild<PhaseCountBadge*>();
    auto* add = harness.addButton();
    EXPECT_TRUE(badge->warns());
    EXPECT_EQ(badge->text(), u"11/12");
    EXPECT_TRUE(add->isEnabled());
    EXPECT_EQ(add->toolTip(), u"Add another phase");
    QTest::mouseMove(harness.editor.get(), add->mapTo(harness.editor.get(), add->rect().center()));
    EXPECT_TRUE(add->isHovering());

    QTest::mouseClick(add, Qt::LeftButton);
    EXPECT_EQ(harness.draft().phases.size(), 12);
    EXPECT_EQ(badge->text(), u"12/12");
    EXPECT_FALSE(add->isEnabled());
    EXPECT_EQ(add->drawnOpacity(), 0.4);
    EXPECT_EQ(add->toolTip(), u"Maximum of 12 phases reached");
    EXPECT_FALSE(add->isHovering());
    add->click();
    EXPECT_EQ(harness.draft().phases.size(), 12);
}

TEST(CustomTimerEditorTest, AddingAppendsTheNextNumberedPhaseWithTheNextColor)
{
    EditorHarness harness(timerWithPhases(3));
    EXPECT_FALSE(harness.editor->findChild<PhaseCountBadge*>()->warns());
    harness.addButton()->click();
    const auto& added = harness.draft().phases.last();
    EXPECT_EQ(added.name, u"Phase 4");
    EXPECT_EQ(added.duration, 300);
    EXPECT_EQ(added.colorIndex, 3);
    EXPECT_EQ(harness.list()->rows().size(), 4);
    EXPECT_EQ(harness.row(3)->nameField()->text(), u"Phase 4");
}

TEST(CustomTimerEditorTest, RoundsAreTypedPinnedAndSteppedWithinOneToTen)
{
    EditorHarness harness(timerWithPhases(1));
    EditorHarness::typeInto(harness.roundsField(), u"0"_s);
    EXPECT_EQ(harness.draft().rounds, 1);
    EXPECT_FALSE(harness.decreaseRounds()->isEnabled());
    EditorHarness::typeInto(harness.roundsField(), u"25"_s);
    EXPECT_EQ(harness.draft().rounds, 10);
    EXPECT_EQ(harness.roundsField()->text(), u"10");
    EXPECT_FALSE(harness.increaseRounds()->isEnabled());
    harness.decreaseRounds()->click();
    EXPECT_EQ(harness.draft().rounds, 9);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(harness.decreaseRounds())->text(QAccessible::Name),
              u"Decrease rounds");
}

TEST(CustomTimerEditorTest, StoredRoundsOutsideTheRangeAreShownAndSavedUnchangedUnlessEdited)
{
    const struct {
        int stored;
        bool minusEnabled;
        bool plusEnabled;
    } cases[] = {{0, false, true}, {15, true, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stored);
        auto timer = timerWithPhases(2);
        timer.rounds = c.stored;
        EditorHarness harness(timer);
        EXPECT_EQ(harness.roundsField()->text(), QString::number(c.stored));
        EXPECT_EQ(harness.decreaseRounds()->isEnabled(), c.minusEnabled);
        EXPECT_EQ(harness.increaseRounds()->isEnabled(), c.plusEnabled);
        // Passing through the field changes nothing.
        harness.roundsField()->setFocus();
        harness.nameField()->setFocus();
        harness.saveButton()->click();
        ASSERT_EQ(harness.saved.size(), 1);
        EXPECT_EQ(harness.saved[0], timer);
    }
}

TEST(CustomTimerEditorTest, PhaseShorterThanASecondKeepsSaveDisabled)
{
    auto timer = timerWithPhases(2);
    timer.phases[1].duration = 0.5;
    EditorHarness harness(timer);
    EXPECT_FALSE(harness.saveButton()->isEnabled());
    QTest::keyClick(harness.editor.get(), Qt::Key_Return);
    EXPECT_TRUE(harness.saved.isEmpty());
    harness.row(1)->incrementButton()->click();
    EXPECT_TRUE(harness.saveButton()->isEnabled());
}

TEST(CustomTimerEditorTest, ReturnSavesEscapeCancelsAndTheEditorNeverClosesItself)
{
    const auto timer = timerWithPhases(3);
    EditorHarness harness(timer);
    harness.row(0)->nameField()->setFocus();
    QTest::keyClick(harness.row(0)->nameField(), Qt::Key_Return);
    ASSERT_EQ(harness.saved.size(), 1);
    EXPECT_EQ(harness.saved[0], timer);
    QTest::keyClick(harness.row(0)->nameField(), Qt::Key_Escape);
    EXPECT_EQ(harness.cancels, 1);
    harness.cancelButton()->click();
    harness.saveButton()->click();
    EXPECT_EQ(harness.cancels, 2);
    EXPECT_EQ(harness.saved.size(), 2);
    EXPECT_TRUE(harness.editor->isVisible());
    EXPECT_EQ(harness.draft(), timer);
}

TEST(CustomTimerEditorTest, FollowsTheApplicationPalette)
{
    EditorHarness harness(timerWithPhases(2));
    auto* editor = harness.editor.get();
    auto* card = harness.list()->parentWidget();
    auto* save = harness.saveButton();
    const auto onSheet = QPoint(4, 4);
    const auto onCard = card->mapTo(editor, QPoint(card->width() / 2, 4));
    const auto onSave = save->mapTo(editor, QPoint(6, save->height() / 2));

    for (const auto& c : testpalettes::lightAndDark()) {
        SCOPED_TRACE(c.name);
        const ScopedAppPalette scoped(c.palette);
        const auto window = c.palette.color(QPalette::Window);
        const auto image = renderedImage(*editor);
        EXPECT_TRUE(nearPixel(image.pixelColor(onSheet), window));
        EXPECT_TRUE(nearPixel(image.pixelColor(onCard), over(faded(c.palette.color(QPalette::Base), 0.5), window)));
        EXPECT_TRUE(nearPixel(image.pixelColor(onSave), c.palette.color(QPalette::WindowText)));
    }
}

TEST(CustomTimerEditorTest, InAModalDialogTheKeysReachTheEditorAndOnlyTheHostCloses)
{
    QDialog host;
    int saves = 0;
    int cancels = 0;
    auto* editor = new CustomTimerEditorView(
        timerWithPhases(1), [&](const CustomTimer&) { ++saves; }, [&] { ++cancels; });
    (new QVBoxLayout(&host))->addWidget(editor);
    host.show();
    auto* name = editor->findChild<QLineEdit*>(u"customTimerEditor.name"_s);
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Escape);
    QTest::keyClick(name, Qt::Key_Return);
    EXPECT_EQ(cancels, 1);
    EXPECT_EQ(saves, 1);
    // The dialog's own Escape and default-button handling never saw the keys.
    EXPECT_TRUE(host.isVisible());
    EXPECT_EQ(host.result(), 0);
}
