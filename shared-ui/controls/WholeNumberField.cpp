// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/WholeNumberField.h"

#include <QEvent>
#include <QLocale>

#include <algorithm>

namespace {

constexpr int fieldWidth = 22;
// QLineEdit keeps a small margin on each side of its text, and the cursor
// needs a pixel after the last digit.
constexpr int textInsets = 6;

} // namespace

WholeNumberField::WholeNumberField(QWidget* parent)
    : QLineEdit(parent)
{
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    fitWidth();
    // Plain and borderless: it sits on whatever is behind it.
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    setPalette(clear);
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::editingFinished, this, &WholeNumberField::commit);
}

void WholeNumberField::fitWidth()
{
    // The narrow field still shows every digit of the editor's largest values
    // (180 minutes) in fonts whose digits are wider than the platform's.
    const auto widest = QLocale().toString(888);
    setFixedWidth(std::max(fieldWidth, fontMetrics().horizontalAdvance(widest) + textInsets));
}

void WholeNumberField::changeEvent(QEvent* event)
{
    QLineEdit::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitWidth();
}

void WholeNumberField::showValue(qint64 value)
{
    m_shown = value;
    if (hasFocus() && isModified())
        return;
    const auto text = QLocale().toString(value);
    if (this->text() != text)
        setText(text);
    setModified(false);
}

void WholeNumberField::commit()
{
    if (!isModified())
        return;
    bool ok = false;
    const auto typed = QLocale().toLongLong(text().trimmed(), &ok);
    setModified(false);
    if (ok)
        emit valueTyped(typed);
    // Whatever the owner made of it (pinned to its range, or nothing at all),
    // show what it holds now.
    showValue(m_shown);
}
