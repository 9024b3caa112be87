// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/app/LaunchArguments.h"

QList<QUrl> linksFromArguments(const QStringList& arguments)
{
    QList<QUrl> links;
    for (const QString& argument : arguments) {
        const QUrl url(argument, QUrl::StrictMode);
        if (url.isValid() && !url.scheme().isEmpty())
            links.append(url);
    }
    return links;
}
