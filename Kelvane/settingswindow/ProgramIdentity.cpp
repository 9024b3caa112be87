#include "Kelvane/settingswindow/ProgramIdentity.h"

#include <QPainter>
#include <QSvgRenderer>

using namespace Qt::Literals::StringLiterals;

#ifndef KELVANE_VERSION
#define KELVANE_VERSION ""
#endif
#ifndef KELVANE_BUILD_NUMBER
#define KELVANE_BUILD_NUMBER ""
#endif

namespace ProgramIdentity {

namespace {

std::optional<QString> unlessEmpty(const char* value)
{
    const QString text = QString::fromUtf8(value);
    return text.isEmpty() ? std::nullopt : std::optional(text);
}

QIcon builtInIcon()
{
    QSvgRenderer renderer(u":/com.morrowfen.Kelvane.svg"_s);
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (const int side : {128, 256}) {
        QPixmap pixmap(side, side);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon icon()
{
    const QIcon themed = QIcon::fromTheme(u"com.morrowfen.Kelvane"_s);
    return themed.isNull() ? builtInIcon() : themed;
}

std::optional<QString> shortVersion()
{
    return unlessEmpty(KELVANE_VERSION);
}

std::optional<QString> buildNumber()
{
    return unlessEmpty(KELVANE_BUILD_NUMBER);
}

} // namespace ProgramIdentity
