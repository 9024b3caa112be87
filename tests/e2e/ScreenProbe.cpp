#include "ScreenProbe.h"

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
    const auto output = m_desktop.run(QStringLiteral("xwininfo"), {QStringLiteral("-children"), QStringLiteral("-id"), window});
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
    for (const QString& window : search({QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                                         QStringLiteral("^kelvane$")})) {
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
    return m_desktop
        .run(QStringLiteral("xdotool"),
             {QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(middle.x()),
              QString::number(middle.y()), QStringLiteral("click"), QString::number(button)})
        .has_value();
}
