// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widget-extension/provider/TimerWidgetEntry.h"
#include "widget-extension/views/TimerWidgetLayout.h"

#include <QPoint>
#include <QWidget>

#include <functional>

// One widget drawn from one entry. A click runs the control under it; a drag
// or a right click is handed to the host, which owns the window.
class TimerWidgetView : public QWidget {
    Q_OBJECT

public:
    explicit TimerWidgetView(QWidget* parent = nullptr);

    void setEntry(TimerWidgetEntry entry);
    const TimerWidgetEntry& entry() const { return m_entry; }
    void setFamily(WidgetFamily family);
    WidgetFamily family() const { return m_family; }
    void setRenderingMode(WidgetRenderingMode mode);

    void setOnAction(std::function<void(const WidgetAction&)> onAction) { m_onAction = std::move(onAction); }
    // The pointer was dragged by `offset` (global pixels) since the press.
    void setOnDrag(std::function<void(QPoint offset)> onDrag) { m_onDrag = std::move(onDrag); }
    void setOnDragEnd(std::function<void()> onDragEnd) { m_onDragEnd = std::move(onDragEnd); }
    void setOnContextMenu(std::function<void(QPoint globalPosition)> onMenu) { m_onContextMenu = std::move(onMenu); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TimerWidgetEntry m_entry;
    WidgetFamily m_family = WidgetFamily::Small;
    WidgetRenderingMode m_renderingMode = WidgetRenderingMode::FullColor;
    std::function<void(const WidgetAction&)> m_onAction;
    std::function<void(QPoint)> m_onDrag;
    std::function<void()> m_onDragEnd;
    std::function<void(QPoint)> m_onContextMenu;
    std::optional<QPoint> m_pressedAt; // global
    bool m_dragging = false;
};
