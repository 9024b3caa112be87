// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/identity/ProgramIcon.h"

#include <QPixmap>

using namespace Qt::Literals::StringLiterals;

namespace ProgramIcon {

namespace {

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

} // namespace ProgramIcon
