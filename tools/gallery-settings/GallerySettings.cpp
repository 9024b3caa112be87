// SPDX-License-Identifier: GPL-3.0-or-later
// gallery-settings [output directory]
//
// Draws the settings kit offscreen and writes one PNG per sample and
// appearance, at twice the logical size so hairlines show as they would on a
// high-density screen.
#include "tools/gallery-settings/GallerySupport.h"

#include "shared-ui/controls/LivePreviewPanel.h"
#include "shared-ui/controls/SettingsCard.h"
#include "shared-ui/controls/SettingsRow.h"
#include "shared-ui/controls/SettingsSectionHeader.h"
#include "shared-ui/controls/SoftSegmentedPicker.h"
#include "shared-ui/editor/CustomTimerEditorView.h"
#include "shared-ui/editor/PhaseColorPicker.h"
#include "shared-ui/editor/PhaseColorPopover.h"
#include "shared-ui/editor/PhaseListView.h"
#include "shared-ui/editor/PhaseRowView.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

#include <cstdio>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace gallery;

namespace {

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
    card->addContent(new SettingsRow(u"Display scale"_s, std::nullopt, false,
                                     new SoftSegmentedPicker<Scale>({Scale::Compact, Scale::Regular, Scale::Floating},
                                                                    Scale::Regular, [](const Scale& scale, bool) {
                                                                        return scale == Scale::Compact ? u"Compact"_s
                                                                            : scale == Scale::Regular  ? u"Regular"_s
                                                                                                       : u"Floating"_s;
                                                                    })));
    layout->addWidget(card);
    return framed(column, 420);
}

QWidget* segmentedSample()
{
    enum class Shape { Circle, Square, Rounded, Diamond };
    auto* picker = new SoftSegmentedPicker<Shape>({Shape::Circle, Shape::Square, Shape::Rounded, Shape::Diamond},
                                                  Shape::Square, [](const Shape& shape, bool) {
                                                      switch (shape) {
                                                      case Shape::Circle:
                                                          return u"Circle"_s;
                                                      case Shape::Square:
                                                          return u"Square"_s;
                                                      case Shape::Rounded:
                                                          return u"Rounded"_s;
                                                      case Shape::Diamond:
                                                          return u"Diamond"_s;
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

CustomTimer threePhaseTimer()
{
    const auto phase = [](const QString& name, double seconds, int colorIndex) {
        return CustomTimerPhase{QUuid::createUuid(), name, seconds, colorIndex};
    };
    return {QUuid::createUuid(),
            u"Morning deep work"_s,
            {phase(u"Focus"_s, 25 * 60, 0), phase(u"Stretch"_s, 5 * 60, 1), phase(u"Review"_s, 10 * 60, 2)},
            3,
            platform::Date::now()};
}

QWidget* editorSample()
{
    return new CustomTimerEditorView(
        threePhaseTimer(), [](const CustomTimer&) {}, [] {});
}

// At the edges: a name at its 30-character limit, 11 phases and the longest
// phase and the most rounds, so the counter and the badge warn, the list
// scrolls and the widest numbers show.
QWidget* editorNearLimitsSample()
{
    auto timer = threePhaseTimer();
    timer.name = u"Long Saturday deep-work block"_s + u"s"_s;
    while (timer.phases.size() < 11) {
        const auto n = timer.phases.size();
        timer.phases.append({QUuid::createUuid(), u"Phase "_s + QString::number(n + 1), 300, static_cast<int>(n % 8)});
    }
    timer.phases[0].duration = 180 * 60;
    timer.rounds = 10;
    return new CustomTimerEditorView(
        timer, [](const CustomTimer&) {}, [] {});
}

// The popup is a window of its own, so it is drawn over the editor where it
// opened: below the second row's swatch, with the pointer over that row.
bool writeColorPickerSample(const QString& outputDir, const char* appearance)
{
    CustomTimerEditorView editor(
        threePhaseTimer(), [](const CustomTimer&) {}, [] {});
    editor.show();
    QCoreApplication::processEvents();
    auto* row = editor.findChild<PhaseListView*>()->rows().at(1);
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QCoreApplication::sendEvent(row, &enter);
    auto* picker = row->colorPicker();
    picker->click();
    QCoreApplication::processEvents();
    auto* popover = picker->popover();
    if (!popover->isVisible()) {
        std::printf("FAILED the colour popup did not open\n");
        return false;
    }
    const auto editorImage = rendered(editor);
    QImage popup(popover->size() * pixelsPerPoint, QImage::Format_ARGB32_Premultiplied);
    popup.setDevicePixelRatio(pixelsPerPoint);
    popup.fill(Qt::transparent);
    popover->render(&popup, QPoint(), QRegion(), QWidget::DrawChildren);

    // The popup is a window of its own and may reach past the editor.
    const QRect editorFrame(editor.mapToGlobal(QPoint(0, 0)), editor.size());
    const QRect popupFrame(popover->pos(), popover->size());
    const auto canvas = editorFrame.united(popupFrame);
    QImage image(canvas.size() * pixelsPerPoint, QImage::Format_ARGB32);
    image.setDevicePixelRatio(pixelsPerPoint);
    image.fill(editor.palette().color(QPalette::Window).darker(110));
    {
        QPainter painter(&image);
        painter.drawImage(editorFrame.topLeft() - canvas.topLeft(), editorImage);
        painter.drawImage(popupFrame.topLeft() - canvas.topLeft(), popup);
    }
    popover->close();
    return save(image, outputDir + u"/color-picker-open-"_s + QString::fromLatin1(appearance) + u".png"_s);
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
        {"editor-three-phases", editorSample},
        {"editor-near-limits", editorNearLimitsSample},
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
            ok = writePng(*widget,
                          outputDir + u'/' + QString::fromLatin1(sample.name) + u'-'
                              + QString::fromLatin1(appearance.name) + u".png"_s)
                && ok;
            delete widget;
        }
        ok = writeColorPickerSample(outputDir, appearance.name) && ok;
    }
    return ok ? 0 : 1;
}
