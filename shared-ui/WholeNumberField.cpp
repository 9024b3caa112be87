#include "shared-ui/WholeNumberField.h"

#include <QLocale>

namespace {

constexpr int fieldWidth = 22;

} // namespace

WholeNumberField::WholeNumberField(QWidget* parent) : QLineEdit(parent)
{
    setFrame(false);
    setAlignment(Qt::AlignCenter);
    setFixedWidth(fieldWidth);
    // Plain and borderless: it sits on whatever is behind it.
    QPalette clear = palette();
    clear.setColor(QPalette::Base, Qt::transparent);
    setPalette(clear);
    setTextMargins(0, 0, 0, 0);
    connect(this, &QLineEdit::editingFinished, this, &WholeNumberField::commit);
}

void WholeNumberField::showValue(qint64 value)
{
    shown_ = value;
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
    showValue(shown_);
}
