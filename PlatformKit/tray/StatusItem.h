// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace platform {

// Where the user last put the strip shown without a tray, kept by the owner.
struct StripPlaceStore {
    std::function<std::optional<QPoint>()> load;
    std::function<void(QPoint)> save;
};

// One entry of the menu a tray host shows for the item, where the host shows
// menus instead of passing the right click on.
struct StatusMenuEntry {
    QString label;
    bool enabled = true;
    std::function<void()> trigger;
};

// The program's item in the desktop's tray: an image, a tooltip that is also
// its accessible name, the clicks and, for hosts that show menus, a menu.
class StatusItem : public QObject {
    Q_OBJECT

public:
    // A tray cell is square; a strip shows the display at its natural width.
    enum class Shape { SquareCell, Strip };
    // The menu's entries as they are now, asked again before each showing.
    using MenuSource = std::function<QList<StatusMenuEntry>()>;

    virtual Shape shape() const = 0;
    // The one size, in device pixels, at which the host shows a square cell,
    // where it tells; none where it picks among the pictures it is sent.
    virtual std::optional<int> cellPixels() const { return std::nullopt; }
    // Where the item is on screen, for placing popups: its area where the
    // tray tells, else a 1x1 rectangle at the last click; empty when unknown.
    virtual QRect anchorRect() const = 0;

    // The same picture at several pixel sizes, smallest first. Passed on only
    // when some pixel differs from what is shown, so an unchanged redraw does
    // not make the tray host fetch the icon again.
    void setImages(const QList<QImage>& images);
    void setToolTip(const QString& text);
    void setMenuSource(MenuSource source);
    // The entries may have changed (a label follows the timer's state): hosts
    // that keep a copy of the menu are told.
    virtual void refreshMenu() { }

    const QList<QImage>& images() const { return m_images; }
    const QString& toolTip() const { return m_toolTip; }
    const MenuSource& menuSource() const { return m_menuSource; }
    QList<StatusMenuEntry> menuEntries() const { return m_menuSource ? m_menuSource() : QList<StatusMenuEntry>(); }

Q_SIGNALS:
    void leftClicked();
    void rightClicked();
    void middleClicked();
    // The item moved between a tray and the strip: pictures are drawn anew.
    void shapeChanged();
    // The host shows the cell at another size: pictures are drawn anew.
    void cellPixelsChanged();

protected:
    using QObject::QObject;
    virtual void showImages(const QList<QImage>& images) = 0;
    virtual void showToolTip(const QString& text) = 0;

private:
    QList<QImage> m_images;
    QString m_toolTip;
    MenuSource m_menuSource;
};

// The item that follows the desktop's trays: in the tray where there is one,
// the strip otherwise, its place kept in `store`.
std::unique_ptr<StatusItem> makeStatusItem(StripPlaceStore store = {});

} // namespace platform
