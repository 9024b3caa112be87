#pragma once

#include "PlatformKit/tray/StatusItem.h"

#include <memory>

class QSystemTrayIcon;

namespace platform {

// The item as a tray icon: a StatusNotifierItem where a watcher is on the
// session bus, an XEmbed icon otherwise (Qt picks). Tray icons are square.
class SystemTrayStatusItem final : public StatusItem {
    Q_OBJECT

public:
    explicit SystemTrayStatusItem(QObject* parent = nullptr);
    ~SystemTrayStatusItem() override;

    Shape shape() const override { return Shape::SquareCell; }
    // Empty where the tray does not tell (StatusNotifierItem).
    QRect anchorRect() const override;

protected:
    void showImages(const QList<QImage>& images) override;
    void showToolTip(const QString& text) override;

private:
    std::unique_ptr<QSystemTrayIcon> m_icon;
};

} // namespace platform
