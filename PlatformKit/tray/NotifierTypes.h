// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The structures org.kde.StatusNotifierItem passes, marshalled for QtDBus.

#include <QByteArray>
#include <QDBusArgument>
#include <QImage>
#include <QList>
#include <QMetaType>
#include <QString>

namespace platform {

// (iiay): a picture as ARGB32 in network byte order.
struct NotifierPixmap {
    int width = 0;
    int height = 0;
    QByteArray bytes;
};
using NotifierPixmapList = QList<NotifierPixmap>;

// (sa(iiay)ss): icon name, pictures, title and text.
struct NotifierToolTip {
    QString iconName;
    NotifierPixmapList pixmaps;
    QString title;
    QString text;
};

NotifierPixmap notifierPixmap(const QImage& image);

QDBusArgument& operator<<(QDBusArgument& argument, const NotifierPixmap& pixmap);
const QDBusArgument& operator>>(const QDBusArgument& argument, NotifierPixmap& pixmap);
QDBusArgument& operator<<(QDBusArgument& argument, const NotifierToolTip& toolTip);
const QDBusArgument& operator>>(const QDBusArgument& argument, NotifierToolTip& toolTip);

void registerNotifierTypes();

} // namespace platform

Q_DECLARE_METATYPE(platform::NotifierPixmap)
Q_DECLARE_METATYPE(platform::NotifierToolTip)
