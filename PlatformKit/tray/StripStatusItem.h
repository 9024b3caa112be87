// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformKit/tray/StatusItem.h"

#include <QList>
#include <QPoint>

#include <memory>
#include <optional>

class QWidget;

namespace platform {

class StripWindow;

// The item where the desktop has no tray: a small frameless window that stays
// on top, on every workspace and off the taskbar, showing the display at its
// natural width and taking the same clicks. The user can drag it elsewhere.
class StripStatusItem final : public StatusItem {
    Q_OBJECT

public:
    explicit StripStatusItem(StripPlaceStore store = {}, QObject* parent = nullptr);
    ~StripStatusItem() override;

    Shape shape() const override { return Shape::Strip; }
    QRect anchorRect() const override;

    // The strip's window.
    QWidget* window() const;

    // Where a strip of `size` first sits: at the saved corner while that
    // keeps it on one of the screens' free areas, else at the top middle of
    // the primary one's, where a maximised window's title bar has no buttons.
    static QRect placement(QSize size, std::optional<QPoint> saved, const QList<QRect>& available,
                           const QRect& primary);

protected:
    void showImages(const QList<QImage>& images) override;
    void showToolTip(const QString& text) override;

private:
    std::unique_ptr<StripWindow> m_window;
};

} // namespace platform
