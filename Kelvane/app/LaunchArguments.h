// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QStringList>
#include <QUrl>

// The links among the program's command-line arguments (its own name left
// out): every argument that reads as a URL with a scheme. Whether a link means
// anything is decided when it is performed.
QList<QUrl> linksFromArguments(const QStringList& arguments);
