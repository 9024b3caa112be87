// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseColorPicker.h"
#include "shared-ui/editor/PhaseDeleteButton.h"

#include "EditorHarness.h"

#include <QAccessible>
#include <QPointer>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace {

CustomTimer timerOfDurations(QList<double> durations)
{
    auto timer = timerWithPhases(durations.size());
    for (qsizetype i = 0; i < durations.size(); ++i)
        timer.phases[i].duration = durations[i];
    return timer;
}

// Moves the pointer onto `widget` at `pos`, through the window as a real
// pointer would, so enter and leave go where the window sends them.
void pointAt(QWidget* widget, QPoint pos)
{
    QTest::mouseMove(widget->window(), widget->mapTo(widget->window(), pos));
    QCoreApplication::processEvents();
}

void doAccessibleAction(QWidget* widget, const QString& action)
{
    auto* accessible = QAccessible::queryAccessibleInterface(widget);
    ASSERT_NE(accessible, nullptr);
    ASSERT_TRUE(accessible->actionInterface()->actionNames().contains(action));
    accessible->actionInterface()->doAction(action);
}

QList<double> durations(const CustomTimer& timer)
{
    QList<double> result;
    for (const auto& phase : timer.phases)
        result.append(phase.duration);
    return result;
}

} // namespace

TEST(PhaseRowTest, ShowsWholeMinutesAndStoresTypedOnesPinned)
{
    EditorHarness harness(timerOfDurations({300, 300}));
    auto* minutes = harness.row(0)->minutesField();
    EXPECT_EQ(minutes->text(), u"5");
    const struct {
        QString typed;
        double stored;
        QString shown;
    } cases[] = {{u"0"_s, 60, u"1"_s}, {u"500"_s, 10800, u"180"_s}, {u"12"_s, 720, u"12"_s}, {u"abc"_s, 720, u"12"_s}};
    for (const auto& c : cases) {
        EditorHarness::typeInto(minutes, c.typed);
        EXPECT_EQ(harness.draft().phases[0].duration, c.stored) << c.typed.toStdString();
        EXPECT_EQ(minutes->text(), c.shown) << c.typed.toStdString();
        // Every digit fits, 180 included, inside the line edit's own margins.
        EXPECT_LE(minutes->fontMetrics().horizontalAdvance(minutes->text()) + 4, minutes->width());
    }
    EXPECT_EQ(harness.draft().phases[1].duration, 300);
}

TEST(PhaseRowTest, SteppersFollowTheTruncatedMinutesAndStopAtTheEnds)
{
    EditorHarness harness(timerOfDurations({60, 10800, 90, 150, 59}));
    const struct {
        qsizetype row;
        QString shown;
        bool minusEnabled;
        bool plusEnabled;
    } cases[] = {
        {0, u"1"_s, false, true}, {1, u"180"_s, true, false}, {2, u"1"_s, false, true},
        {3, u"2"_s, true, true},  {4, u"0"_s, false, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row);
        auto* row = harness.row(c.row);
        EXPECT_EQ(row->minutesField()->text(), c.shown);
        EXPECT_EQ(row->decrementButton()->isEnabled(), c.minusEnabled);
        EXPECT_EQ(row->incrementButton()->isEnabled(), c.plusEnabled);
        EXPECT_EQ(row->decrementButton()->drawnOpacity(), c.minusEnabled ? 1.0 : 0.3);
    }
    harness.row(2)->incrementButton()->click();
    harness.row(3)->decrementButton()->click();
    harness.row(4)->incrementButton()->click();
    harness.row(0)->decrementButton()->click(); // disabled: nothing
    EXPECT_EQ(durations(harness.draft()), (QList<double>{60, 10800, 120, 60, 60}));
}

TEST(PhaseRowTest, DisabledStepperShowsNoHoverFill)
{
    EditorHarness harness(timerOfDurations({60}));
    auto* minus = harness.row(0)->decrementButton();
    auto* plus = harness.row(0)->incrementButton();
    pointAt(plus, plus->rect().center());
    EXPECT_TRUE(plus->isHovering());
    pointAt(minus, minus->rect().center());
    EXPECT_FALSE(minus->isHovering());
    EXPECT_FALSE(plus->isHovering());
}

TEST(PhaseRowTest, TypingATwentyFirstCharacterKeepsTheFirstTwenty)
{
    EditorHarness harness(timerWithPhases(1));
    auto* name = harness.row(0)->nameField();
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, u"abcdefghijklmnopqrstu"_s);
    EXPECT_EQ(harness.draft().phases[0].name, u"abcdefghijklmnopqrst");
    EXPECT_EQ(name->text(), u"abcdefghijklmnopqrst");
}

TEST(PhaseRowTest, DeleteShowsUnderThePointerOnlyWhenAPhaseCanGo)
{
    {
        EditorHarness single(timerWithPhases(1));
        auto* row = single.row(0);
        pointAt(row, QPoint(2, 2));
        ASSERT_TRUE(row->isHovering());
        auto* trash = row->deleteButton();
        EXPECT_EQ(trash->drawnOpacity(), 0.0);
        EXPECT_FALSE(trash->isEnabled());
        EXPECT_TRUE(QAccessible::queryAccessibleInterface(trash)->state().invisible);
    }
    EditorHarness pair(timerWithPhases(2));
    auto* trash = pair.row(1)->deleteButton();
    EXPECT_EQ(trash->drawnOpacity(), 0.0);
    pointAt(pair.row(1), QPoint(2, 2));
    EXPECT_EQ(trash->drawnOpacity(), 1.0);
    EXPECT_FALSE(QAccessible::queryAccessibleInterface(trash)->state().invisible);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(trash)->text(QAccessible::Name), u"Delete phase");
    trash->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(phaseNames(pair.draft()), QStringList{u"P1"_s});
    EXPECT_FALSE(pair.row(0)->deleteButton()->isEnabled());
}

TEST(PhaseRowTest, GapsBetweenControlsBelongToTheRow)
{
    EditorHarness harness(timerWithPhases(2));
    auto* row = harness.row(0);
    // Halfway between the plus button and the colour swatch.
    const auto plusRight = row->incrementButton()->geometry().right();
    const auto swatchLeft = row->colorPicker()->geometry().left();
    ASSERT_GT(swatchLeft - plusRight, 4);
    const QPoint gap((plusRight + swatchLeft) / 2, row->height() / 2);
    ASSERT_EQ(row->childAt(gap), nullptr);
    pointAt(row, gap);
    EXPECT_TRUE(row->isHovering());
    EXPECT_EQ(row->deleteButton()->drawnOpacity(), 1.0);
    pointAt(harness.saveButton(), QPoint(2, 2));
    EXPECT_EQ(row->deleteButton()->drawnOpacity(), 0.0);
}

TEST(PhaseRowTest, MoveActionsActOnTheRowsPositionAndDoNothingAtTheEnds)
{
    EditorHarness harness(timerWithPhases(3));
    doAccessibleAction(harness.row(0), u"Move Up"_s);
    doAccessibleAction(harness.row(2), u"Move Down"_s);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P1"_s, u"P2"_s, u"P3"_s}));
    doAccessibleAction(harness.row(1), u"Move Up"_s);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P2"_s, u"P1"_s, u"P3"_s}));
    doAccessibleAction(harness.row(1), u"Move Down"_s);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P2"_s, u"P3"_s, u"P1"_s}));
    // Rows show the phases in their new order.
    EXPECT_EQ(harness.row(0)->nameField()->text(), u"P2");
    EXPECT_EQ(harness.row(2)->nameField()->text(), u"P1");
}

TEST(PhaseRowTest, RowsOfPhasesSharingAnIdEditTheirOwnPhase)
{
    auto timer = timerWithPhases(3);
    timer.phases[2].id = timer.phases[0].id;
    EditorHarness harness(timer);
    auto* third = harness.row(2);
    third->nameField()->setFocus();
    QTest::keyClicks(third->nameField(), u"x"_s);
    third->incrementButton()->click();
    doAccessibleAction(third, u"Move Up"_s);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P1"_s, u"P3x"_s, u"P2"_s}));
    EXPECT_EQ(harness.draft().phases[1].duration, 360);
    EXPECT_EQ(harness.draft().phases[0], timer.phases[0]);

    // The moved twin deletes itself, not the first phase with its id.
    pointAt(harness.row(1), QPoint(2, 2));
    harness.row(1)->deleteButton()->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P1"_s, u"P2"_s}));
}

TEST(PhaseRowTest, ARowDeletedFromItsOwnButtonGoesAfterTheClickReturns)
{
    EditorHarness harness(timerWithPhases(3));
    QPointer<PhaseRowView> last = harness.row(2);
    pointAt(last, QPoint(2, 2));
    last->deleteButton()->click();
    // Nothing is taken away while the click is still being delivered.
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P1"_s, u"P2"_s, u"P3"_s}));
    EXPECT_EQ(harness.list()->rows().size(), 3);

    QCoreApplication::sendPostedEvents(nullptr, QEvent::MetaCall);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P1"_s, u"P2"_s}));
    EXPECT_EQ(harness.list()->rows().size(), 2);
    ASSERT_FALSE(last.isNull());
    EXPECT_FALSE(last->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(last.isNull());
}

TEST(PhaseRowTest, LeavingTheMinutesFieldUneditedKeepsAStoredValueOutsideTheRange)
{
    EditorHarness harness(timerOfDurations({30, 300}));
    auto* minutes = harness.row(0)->minutesField();
    minutes->setFocus();
    ASSERT_TRUE(minutes->hasFocus());
    harness.row(1)->nameField()->setFocus();
    EXPECT_EQ(harness.draft().phases[0].duration, 30);
    EXPECT_EQ(minutes->text(), u"0");
}

TEST(PhaseRowTest, DraggingARowByItsBackgroundReordersThePhases)
{
    EditorHarness harness(timerWithPhases(3));
    auto* first = harness.row(0);
    const auto plusRight = first->incrementButton()->geometry().right();
    const QPoint grip(plusRight + 4, first->height() / 2);
    ASSERT_EQ(first->childAt(grip), nullptr);

    QTest::mousePress(first, Qt::LeftButton, {}, grip);
    // Down past the third row: the drop goes to the end of the list.
    const auto target = grip + QPoint(0, 3 * PhaseRowView::rowHeight - 4);
    QMouseEvent move(QEvent::MouseMove, target, first->mapToGlobal(target), Qt::NoButton, Qt::LeftButton, {});
    QCoreApplication::sendEvent(first, &move);
    EXPECT_EQ(harness.list()->dropOffset(), 3);
    QTest::mouseRelease(first, Qt::LeftButton, {}, target);
    EXPECT_EQ(phaseNames(harness.draft()), (QStringList{u"P2"_s, u"P3"_s, u"P1"_s}));
    EXPECT_EQ(harness.list()->dropOffset(), std::nullopt);
}

TEST(PhaseListTest, SevenRowsFitAndFromEightTheListScrolls)
{
    const struct {
        qsizetype phases;
        int height;
        bool scrolls;
    } cases[] = {{1, 36, false}, {3, 108, false}, {7, 252, false}, {8, 252, true}, {12, 252, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.phases);
        EditorHarness harness(timerWithPhases(c.phases));
        auto* list = harness.list();
        EXPECT_EQ(list->height(), c.height);
        EXPECT_EQ(list->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff, c.scrolls);
        EXPECT_EQ(list->verticalScrollBar()->maximum() > 0, c.scrolls);
    }
}
