// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QStringList>
#include <QWidget>

// The texts of every label inside `widget`, in the order Qt finds them.
inline QStringList labelTexts(const QWidget& widget)
{
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>())
        texts.append(label->text());
    return texts;
}
