#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QString>

#include <memory>

namespace platform {

// The program's item in the desktop's tray: an image, a tooltip that is also
// its accessible name, and the two clicks.
class StatusItem : public QObject {
    Q_OBJECT

public:
    // A tray cell is square; a strip shows the display at its natural width.
    enum class Shape { SquareCell, Strip };

    virtual Shape shape() const = 0;
    // Where the item is on screen, for placing popups; empty when unknown.
    virtual QRect anchorRect() const = 0;

    // The same picture at several pixel sizes, smallest first. Passed on only
    // when some pixel differs from what is shown, so an unchanged redraw does
    // not make the tray host fetch the icon again.
    void setImages(const QList<QImage>& images);
    void setToolTip(const QString& text);

    const QList<QImage>& images() const { return m_images; }
    const QString& toolTip() const { return m_toolTip; }

Q_SIGNALS:
    void leftClicked();
    void rightClicked();

protected:
    using QObject::QObject;
    virtual void showImages(const QList<QImage>& images) = 0;
    virtual void showToolTip(const QString& text) = 0;

private:
    QList<QImage> m_images;
    QString m_toolTip;
};

// The tray item where one exists, the strip otherwise.
std::unique_ptr<StatusItem> makeStatusItem();

} // namespace platform
