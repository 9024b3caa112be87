#include "Kelvane/settingswindow/ProgramIdentity.h"

#include <QPixmap>

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

// Drawn by Qt's SVG icon engine, a plugin loaded only when the icon is
// drawn; none where that plugin is missing.
QIcon builtInIcon()
{
    const QIcon icon(u":/com.morrowfen.Kelvane.svg"_s);
    return icon.pixmap(QSize(128, 128)).isNull() ? QIcon() : icon;
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
