#include "Kelvane/popover/PopoverFrame.h"

#include "Kelvane/popover/PopupPlacement.h"

#include <QGuiApplication>
#include <QScreen>

PopoverFrame::PopoverFrame(QWidget* parent)
    : QWidget(parent, Qt::Popup)
{
    setFixedSize(frameWidth, placeholderHeight);
    setAccessibleName(QStringLiteral("Kelvane"));
}

void PopoverFrame::setContent(PopoverContent content)
{
    m_content = std::move(content);
}

void PopoverFrame::show(const QRect& anchor)
{
    const QScreen* screen = anchor.isEmpty() ? QGuiApplication::primaryScreen()
                                             : QGuiApplication::screenAt(anchor.center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    const QRect available = screen ? screen->availableGeometry() : QRect(QPoint(0, 0), size());
    move(popupPlacement(anchor, size(), available));
    QWidget::show();
}

void PopoverFrame::hideEvent(QHideEvent* event)
{
    // Every opening builds its content from the current state.
    m_content.reset();
    QWidget::hideEvent(event);
}
