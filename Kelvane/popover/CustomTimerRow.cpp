// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/popover/CustomTimerRow.h"

#include "Kelvane/popover/PopoverColors.h"
#include "Kelvane/popover/PopoverRules.h"
#include "Kelvane/popover/PopoverSymbols.h"

#include "shared-ui/controls/ControlPainting.h"

#include <QEvent>
#include <QMenu>
#include <QPainter>

SymbolButton::SymbolButton(const QString& symbol, qreal symbolSize, const QString& accessibleName, QWidget* parent)
    : PopoverButton(parent)
    , m_symbol(symbol)
    , m_symbolSize(symbolSize)
{
    setAccessibleName(accessibleName);
    setFixedSize(side, side);
}

void SymbolButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFocusRing(painter, 4);
    paintPopoverSymbol(painter, m_symbol, rect(), m_symbolSize, PopoverColors::secondary(palette()));
}

CustomTimerRow::CustomTimerRow(const CustomTimer& timer, Actions actions, QWidget* parent)
    : PopoverButton(parent)
    , m_timer(timer)
    , m_actions(std::move(actions))
    , m_options(new SymbolButton(QStringLiteral("ellipsis.circle"), 12,
                                 QStringLiteral("Options for %1").arg(timer.name), this))
{
    installAccessibleTraits();
    setText(timer.name);
    setAccessibleName(timer.name);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_options->hide();
    m_options->installEventFilter(this);
    connect(m_options, &QAbstractButton::clicked, this, &CustomTimerRow::showOptions);
}

QAbstractButton* CustomTimerRow::optionsButton() const
{
    return m_options;
}

void CustomTimerRow::setActive(bool active)
{
    setAccessiblySelected(this, m_active, active);
}

QSize CustomTimerRow::sizeHint() const
{
    return {200, rowHeight};
}

void CustomTimerRow::setHovered(bool hovered)
{
    PopoverButton::setHovered(hovered);
    placeOptionsButton();
}

void CustomTimerRow::placeOptionsButton()
{
    m_options->setVisible(isHovered() || hasFocus() || m_options->hasFocus());
    m_options->move(width() - 12 - SymbolButton::side, (height() - SymbolButton::side) / 2);
    update();
}

bool CustomTimerRow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_options && event->type() == QEvent::FocusOut)
        QMetaObject::invokeMethod(this, &CustomTimerRow::placeOptionsButton, Qt::QueuedConnection);
    return PopoverButton::eventFilter(watched, event);
}

void CustomTimerRow::focusInEvent(QFocusEvent* event)
{
    placeOptionsButton();
    PopoverButton::focusInEvent(event);
}

void CustomTimerRow::focusOutEvent(QFocusEvent* event)
{
    // Later: the focus may be on its way to the options button.
    QMetaObject::invokeMethod(this, &CustomTimerRow::placeOptionsButton, Qt::QueuedConnection);
    PopoverButton::focusOutEvent(event);
}

void CustomTimerRow::leaveEvent(QEvent* event)
{
    // The open menu takes the pointer; the row stays hovered under it.
    if (m_menu && m_menu->isVisible()) {
        QAbstractButton::leaveEvent(event);
        return;
    }
    PopoverButton::leaveEvent(event);
}

void CustomTimerRow::showOptions()
{
    if (!m_menu) {
        m_menu = new QMenu(this);
        m_menu->addAction(QStringLiteral("Edit"), this, [this] { m_actions.edit(); });
        m_menu->addAction(QStringLiteral("Duplicate"), this, [this] { m_actions.duplicate(); });
        m_menu->addSeparator();
        m_menu->addAction(QStringLiteral("Delete"), this, [this] { m_actions.remove(); });
        connect(m_menu, &QMenu::aboutToHide, this, [this] { setHovered(underMouse()); });
    }
    m_menu->popup(m_options->mapToGlobal(QPoint(0, m_options->height())));
}

void CustomTimerRow::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& pal = palette();
    if (m_active)
        paintRoundedRect(painter, rect(), 4, faded(PopoverColors::accent(pal), 0.12));
    else if (isHovered())
        paintRoundedRect(painter, rect(), 4, PopoverColors::primaryAt(pal, PopoverColors::hoverOpacity));
    paintFocusRing(painter, 4);

    qreal x = 12;
    if (m_active)
        paintPopoverSymbol(painter, u"checkmark", QRectF(x, 0, 12, height()), 11, PopoverColors::accent(pal));
    x += 12 + 8;
    const qreal right = m_options->isVisible() ? width() - 12 - SymbolButton::side - 8 : width() - 12;
    const QFont nameFont = pixelFont(font(), 13);
    const QFont summaryFont = pixelFont(font(), 11);
    const qreal nameHeight = QFontMetricsF(nameFont).height();
    const qreal summaryHeight = QFontMetricsF(summaryFont).height();
    const qreal top = (height() - nameHeight - 2 - summaryHeight) / 2;
    painter.setFont(nameFont);
    painter.setPen(PopoverColors::primary(pal));
    const QString name = QFontMetricsF(nameFont).elidedText(m_timer.name, Qt::ElideRight, right - x);
    painter.drawText(QRectF(x, top, right - x, nameHeight), Qt::AlignLeft | Qt::AlignVCenter, name);
    painter.setFont(summaryFont);
    painter.setPen(PopoverColors::secondary(pal));
    painter.drawText(QRectF(x, top + nameHeight + 2, right - x, summaryHeight), Qt::AlignLeft | Qt::AlignVCenter,
                     PopoverRules::customTimerSummary(m_timer));
}
