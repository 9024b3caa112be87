// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/CustomTimerEditorRules.h"

#include "TimerCoreKit/color/CustomTimerPalette.h"
#include "TimerCoreKit/sessions/DisplayText.h"

#include "PlatformKit/core/SaturatingCast.h"

#include <QTextBoundaryFinder>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace CustomTimerEditorRules {

namespace {

constexpr int counterShownFrom = 20;
constexpr int badgeWarnsFrom = 11;

bool isSpaceOrTab(QChar c)
{
    return c == u'\t' || c.category() == QChar::Separator_Space;
}

QString countOf(qsizetype count, int limit)
{
    return QString::number(count) + u'/' + QString::number(limit);
}

} // namespace

qsizetype characterCount(const QString& text)
{
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype count = 0;
    while (boundaries.toNextBoundary() >= 0)
        ++count;
    return count;
}

QString cappedName(const QString& name, int maxLength)
{
    return leadingCharacters(name, maxLength);
}

bool isBlankName(const QString& name)
{
    return std::all_of(name.begin(), name.end(), isSpaceOrTab);
}

bool isSavable(const CustomTimer& timer)
{
    // NaN is no length at all, so it fails the comparison too.
    return !isBlankName(timer.name) && !timer.phases.isEmpty()
        && std::all_of(timer.phases.begin(), timer.phases.end(),
                       [](const CustomTimerPhase& phase) { return phase.duration >= 1.0; });
}

std::optional<QString> nameCounterText(const QString& name)
{
    const auto count = characterCount(name);
    if (count < counterShownFrom)
        return std::nullopt;
    return countOf(count, timerNameMaxLength);
}

bool nameCounterWarns(const QString& name)
{
    return characterCount(name) >= timerNameMaxLength;
}

QString phaseBadgeText(qsizetype phaseCount)
{
    return countOf(phaseCount, maxPhases);
}

bool phaseBadgeWarns(qsizetype phaseCount)
{
    return phaseCount >= badgeWarnsFrom;
}

bool canAddPhase(qsizetype phaseCount)
{
    return phaseCount < maxPhases;
}

CustomTimerPhase newPhase(qsizetype phaseCount)
{
    return {QUuid::createUuid(), u"Phase "_s + QString::number(phaseCount + 1), newPhaseDuration,
            static_cast<int>(phaseCount % CustomTimerPalette::colorCount)};
}

qint64 wholeMinutes(double seconds)
{
    return platform::saturatingCast<qint64>(seconds / 60);
}

double secondsOf(qint64 minutes)
{
    return static_cast<double>(minutes) * 60;
}

} // namespace CustomTimerEditorRules
