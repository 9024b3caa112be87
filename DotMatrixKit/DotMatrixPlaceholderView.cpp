// SPDX-License-Identifier: GPL-3.0-or-later
#include "DotMatrixKit/DotMatrixPlaceholderView.h"

#include <QFontDatabase>

DotMatrixPlaceholderView::DotMatrixPlaceholderView(const QString& text, QWidget* parent)
    : QLabel(text, parent)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPixelSize(12);
    font.setBold(true);
    setFont(font);
    setForegroundRole(QPalette::WindowText);
    setTextFormat(Qt::PlainText);
}
