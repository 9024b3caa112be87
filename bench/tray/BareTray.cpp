// SPDX-License-Identifier: GPL-3.0-or-later
// The least a tray program can be: a QSystemTrayIcon whose 22 px picture is
// drawn afresh once a second. The baseline the tray benchmark holds kelvane
// against.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTimer>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    QSystemTrayIcon tray;
    int seconds = 0;
    const auto redraw = [&] {
        QPixmap picture(22, 22);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setPen(Qt::white);
        painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(seconds % 100));
        painter.end();
        tray.setIcon(QIcon(picture));
        ++seconds;
    };
    redraw();
    tray.show();
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, redraw);
    ticker.start(1000);
    return app.exec();
}
