// gallery-settings [output directory]
//
// Draws the settings kit offscreen and writes one PNG per sample and
// appearance, at twice the logical size so hairlines show as they would on a
// high-density screen.
#include "shared-ui/LivePreviewPanel.h"
#include "shared-ui/SettingsCard.h"
#include "shared-ui/SettingsRow.h"
#include "shared-ui/SettingsSectionHeader.h"
#include "shared-ui/SoftSegmentedPicker.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;

namespace {

QPalette lightPalette()
{
    QPalette palette(QColor(236, 236, 236));
    palette.setColor(QPalette::Window, QColor(236, 236, 236));
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::WindowText, QColor(28, 28, 30));
    palette.setColor(QPalette::Text, QColor(28, 28, 30));
    palette.setColor(QPalette::ButtonText, QColor(28, 28, 30));
    return palette;
}

QPalette darkPalette()
{
    QPalette palette(QColor(60, 60, 62));
    palette.setColor(QPalette::Window, QColor(30, 30, 32));
    palette.setColor(QPalette::Base, QColor(40, 40, 42));
    palette.setColor(QPalette::WindowText, QColor(235, 235, 235));
    palette.setColor(QPalette::Text, QColor(235, 235, 235));
    palette.setColor(QPalette::ButtonText, QColor(235, 235, 235));
    palette.setColor(QPalette::PlaceholderText, QColor(235, 235, 235, 110));
    return palette;
}

void applyPalette(const QPalette& palette)
{
    QApplication::setPalette(palette);
    QCoreApplication::sendPostedEvents();
}

bool writePng(QWidget& widget, const QString& path)
{
    widget.show();
    QCoreApplication::processEvents();
    const qreal scale = 2;
    QImage image(widget.size() * scale, QImage::Format_ARGB32);
    image.setDevicePixelRatio(scale);
    image.fill(widget.palette().color(QPalette::Window));
    widget.render(&image);
    const bool ok = image.save(path);
    std::printf("%s %s\n", ok ? "wrote" : "FAILED", qPrintable(path));
    return ok;
}

// A page-like frame around a sample, in the window colour.
QWidget* framed(QWidget* sample, int width)
{
    auto* page = new QWidget;
    page->setAutoFillBackground(true);
    auto* layout = new QVBoxLayout(page);
    layout->setContentsMargins(16, 16, 16, 16);
    layout->addWidget(sample);
    page->setFixedWidth(width);
    return page;
}

QWidget* settingsCardSample()
{
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(new SettingsSectionHeader(u"General"_s));
    auto* card = new SettingsCard;
    card->addContent(new SettingsRow(u"Launch at login"_s, u"Start Kelvane when you log in"_s, true, new QCheckBox));
    card->addContent(new SettingsRow(u"Global shortcuts"_s, std::nullopt, true, new QCheckBox));
    enum class Scale { Compact, Regular, Floating };
    card->addContent(new SettingsRow(
        u"Display scale"_s, std::nullopt, false,
        new SoftSegmentedPicker<Scale>({Scale::Compact, Scale::Regular, Scale::Floating}, Scale::Regular,
                                       [](const Scale& scale, bool) {
                                           return scale == Scale::Compact   ? u"Compact"_s
                                                  : scale == Scale::Regular ? u"Regular"_s
                                                                            : u"Floating"_s;
                                       })));
    layout->addWidget(card);
    return framed(column, 420);
}

QWidget* segmentedSample()
{
    enum class Shape { Circle, Square, Rounded, Diamond };
    auto* picker = new SoftSegmentedPicker<Shape>(
        {Shape::Circle, Shape::Square, Shape::Rounded, Shape::Diamond}, Shape::Square, [](const Shape& shape, bool) {
            switch (shape) {
            case Shape::Circle: return u"Circle"_s;
            case Shape::Square: return u"Square"_s;
            case Shape::Rounded: return u"Rounded"_s;
            case Shape::Diamond: return u"Diamond"_s;
            }
            return QString();
        });
    return framed(picker, 360);
}

QWidget* previewSample()
{
    auto* digits = new QLabel(u"25:00"_s);
    auto font = digits->font();
    font.setPixelSize(40);
    font.setBold(true);
    digits->setFont(font);
    QPalette orange;
    orange.setColor(QPalette::WindowText, QColor(255, 150, 40));
    digits->setPalette(orange);
    auto* panel = new LivePreviewPanel(digits);
    panel->setFixedWidth(420);
    return panel;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QString outputDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : u"gallery-settings"_s;
    QDir().mkpath(outputDir);

    const struct {
        const char* name;
        std::function<QWidget*()> make;
    } samples[] = {
        {"settings-card", settingsCardSample},
        {"segmented-control", segmentedSample},
        {"live-preview", previewSample},
    };
    const struct {
        const char* name;
        QPalette palette;
    } appearances[] = {{"light", lightPalette()}, {"dark", darkPalette()}};

    bool ok = true;
    for (const auto& appearance : appearances) {
        applyPalette(appearance.palette);
        for (const auto& sample : samples) {
            QWidget* widget = sample.make();
            ok = writePng(*widget, outputDir + u'/' + QString::fromLatin1(sample.name) + u'-'
                                       + QString::fromLatin1(appearance.name) + u".png"_s)
                 && ok;
            delete widget;
        }
    }
    return ok ? 0 : 1;
}
