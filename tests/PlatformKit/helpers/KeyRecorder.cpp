// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-test-key-recorder
// A plain window of another application: it prints "ready <window id>" once
// shown, then "key <key>" for every key press it receives, so a test can see
// that a key press still reached it.
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QWidget>

#include <cstdio>

namespace {

class KeyRecorder final : public QWidget {
protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        std::printf("key %s\n", qPrintable(QKeySequence(event->key()).toString(QKeySequence::PortableText)));
        std::fflush(stdout);
    }

    void showEvent(QShowEvent*) override
    {
        std::printf("ready %llu\n", static_cast<unsigned long long>(winId()));
        std::fflush(stdout);
    }
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    KeyRecorder window;
    window.resize(200, 100);
    window.show();
    return app.exec();
}
