#pragma once

#include "PlatformKit/tray/StatusItem.h"

#include <memory>

class QWidget;

namespace platform {

class StripWindow;

// The item where the desktop has no tray: a small frameless window that stays
// on top at the top-right of the primary screen, showing the display at its
// natural width and taking the same clicks.
class StripStatusItem final : public StatusItem {
    Q_OBJECT

public:
    explicit StripStatusItem(QObject* parent = nullptr);
    ~StripStatusItem() override;

    Shape shape() const override { return Shape::Strip; }
    QRect anchorRect() const override;

    // The strip's window.
    QWidget* window() const;

    // Where a strip of `size` sits on a screen whose free area is `available`.
    static QRect placement(QSize size, const QRect& available);

protected:
    void showImages(const QList<QImage>& images) override;
    void showToolTip(const QString& text) override;

private:
    std::unique_ptr<StripWindow> m_window;
};

} // namespace platform
