// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenProbe.h"

#include "support/WaitUntil.h"

#include <QRegularExpression>

namespace {

std::optional<int> field(const QString& text, const QString& name)
{
    const QRegularExpression pattern(QStringLiteral("^\\s*%1:\\s*(-?\\d+)").arg(QRegularExpression::escape(name)),
                                     QRegularExpression::MultilineOption);
    const auto match = pattern.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    return match.captured(1).toInt();
}

} // namespace

QStringList ScreenProbe::search(const QStringList& arguments) const
{
    const auto output = m_desktop.run(QStringLiteral("xdotool"), QStringList{QStringLiteral("search")} + arguments);
    return output ? output->split(QLatin1Char('\n'), Qt::SkipEmptyParts) : QStringList();
}

std::optional<WindowState> ScreenProbe::state(const QString& window) const
{
    const auto output = m_desktop.run(QStringLiteral("xwininfo"), {QStringLiteral("-id"), window});
    if (!output)
        return std::nullopt;
    const auto x = field(*output, QStringLiteral("Absolute upper-left X"));
    const auto y = field(*output, QStringLiteral("Absolute upper-left Y"));
    const auto width = field(*output, QStringLiteral("Width"));
    const auto height = field(*output, QStringLiteral("Height"));
    if (!x || !y || !width || !height)
        return std::nullopt;
    return WindowState{QRect(*x, *y, *width, *height), output->contains(QStringLiteral("IsViewable"))};
}

std::optional<QString> ScreenProbe::parent(const QString& window) const
{
    const auto output
        = m_desktop.run(QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"), window});
    if (!output)
        return std::nullopt;
    static const QRegularExpression pattern(QStringLiteral("Parent window id: (0x[0-9a-fA-F]+)"));
    const auto match = pattern.match(*output);
    if (!match.hasMatch())
        return std::nullopt;
    bool ok = false;
    const qulonglong id = match.captured(1).toULongLong(&ok, 16);
    if (!ok || id == 0)
        return std::nullopt;
    return QString::number(id);
}

bool ScreenProbe::isInside(const QString& window, const QStringList& ancestors) const
{
    // Windows nest a few levels deep at most; the bound guards a broken reply.
    std::optional<QString> current = parent(window);
    for (int depth = 0; current && depth < 16; ++depth) {
        if (ancestors.contains(*current))
            return true;
        current = parent(*current);
    }
    return false;
}

QStringList ScreenProbe::programWindows(const QString& hostClass) const
{
    const QStringList hosts = hostClass.isEmpty() ? QStringList() : search({QStringLiteral("--class"), hostClass});
    QStringList found;
    for (const QString& window :
         search({QStringLiteral("--onlyvisible"), QStringLiteral("--classname"), QStringLiteral("^kelvane$")})) {
        if (hostClass.isEmpty() || isInside(window, hosts))
            found << window;
    }
    return found;
}

QImage ScreenProbe::capture(const QString& window, const QString& file) const
{
    if (!m_desktop.run(QStringLiteral("import"), {QStringLiteral("-window"), window, file}))
        return {};
    return QImage(file);
}

bool ScreenProbe::click(const QRect& area, int button) const
{
    const QPoint middle = area.center();
    // A synchronous move to where the pointer already is waits for a motion
    // that never comes: the move is left out then.
    QStringList arguments;
    if (pointer() != middle)
        arguments << QStringLiteral("mousemove") << QStringLiteral("--sync") << QString::number(middle.x())
                  << QString::number(middle.y());
    arguments << QStringLiteral("click") << QString::number(button);
    return m_desktop.run(QStringLiteral("xdotool"), arguments).has_value();
}

bool ScreenProbe::clickUntil(QPoint point, const std::function<bool()>& done, std::chrono::milliseconds timeout,
                             const QString& window) const
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!click(QRect(point, QSize(1, 1)), 1))
            return false;
        if (platform::test::waitUntil(done, timeout))
            return true;
        if (!window.isEmpty()) {
            const auto shown = state(window);
            if (!shown || !shown->viewable)
                return platform::test::waitUntil(done, 2 * timeout);
        }
    }
    return false;
}

bool ScreenProbe::waitForFocus(const QString& window) const
{
    using namespace std::chrono_literals;
    return platform::test::waitUntil(
        [&] {
            const auto focused = m_desktop.run(QStringLiteral("xdotool"), {QStringLiteral("getwindowfocus")});
            return focused && focused->trimmed() == window;
        },
        5s);
}

std::optional<QRect> ScreenProbe::waitForStill(const QString& window) const
{
    using namespace std::chrono_literals;
    const auto area = [&] {
        const auto now = state(window);
        return now ? now->geometry : QRect();
    };
    QRect last = area();
    for (int i = 0; i < 50; ++i) {
        platform::test::runEventLoop(100ms);
        const QRect now = area();
        if (!now.isEmpty() && now == last)
            return now;
        last = now;
    }
    return std::nullopt;
}

bool ScreenProbe::drag(QPoint from, QPoint shift) const
{
    using namespace std::chrono_literals;
    const auto moveTo = [this](QPoint to) {
        return pointer() == to
            || m_desktop
                   .run(QStringLiteral("xdotool"),
                        {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(to.x()),
                         QString::number(to.y())})
                   .has_value();
    };
    if (!moveTo(from) || !m_desktop.run(QStringLiteral("xdotool"), {QStringLiteral("mousedown"), QStringLiteral("1")}))
        return false;
    platform::test::runEventLoop(500ms);
    for (int step = 1; step <= 10; ++step) {
        moveTo(from + shift * step / 10);
        platform::test::runEventLoop(100ms);
    }
    platform::test::runEventLoop(200ms);
    return m_desktop.run(QStringLiteral("xdotool"), {QStringLiteral("mouseup"), QStringLiteral("1")}).has_value();
}

std::optional<QPoint> ScreenProbe::pointer() const
{
    const auto output
        = m_desktop.run(QStringLiteral("xdotool"), {QStringLiteral("getmouselocation"), QStringLiteral("--shell")});
    if (!output)
        return std::nullopt;
    static const QRegularExpression x(QStringLiteral("^X=(-?\\d+)$"), QRegularExpression::MultilineOption);
    static const QRegularExpression y(QStringLiteral("^Y=(-?\\d+)$"), QRegularExpression::MultilineOption);
    const auto matchX = x.match(*output);
    const auto matchY = y.match(*output);
    if (!matchX.hasMatch() || !matchY.hasMatch())
        return std::nullopt;
    return QPoint(matchX.captured(1).toInt(), matchY.captured(1).toInt());
}
