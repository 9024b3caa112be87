// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/popover/PopoverButton.h"

#include <QColor>

#include <optional>

// A 30 px capsule button that shares its row's width: filled in a colour
// (the primary button, the Pomodoro button) or in the faint outlined style
// (Reset, Skip and the stop buttons), with an optional leading symbol.
class CapsuleButton : public PopoverButton {
    Q_OBJECT

public:
    static constexpr int buttonHeight = 30;

    struct Look {
        QColor fill;
        std::optional<QColor> stroke;
        QColor text;
        friend bool operator==(const Look&, const Look&) = default;
    };

    explicit CapsuleButton(const QString& text, QWidget* parent = nullptr);

    void setSymbol(const QString& symbol);
    QString symbol() const { return m_symbol; }
    void setLook(const Look& look);
    const Look& look() const { return m_look; }

    // Fill of the primary colour at 0.1, primary text.
    static Look prominent(const QPalette& palette);
    // Fill of the primary colour at 0.05, a stroke at 0.1, and `text`.
    static Look outlined(const QPalette& palette, const QColor& text);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_symbol;
    Look m_look;
};
