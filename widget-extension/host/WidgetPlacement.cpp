// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/WidgetPlacement.h"

#include "widget-extension/intents/WidgetIntents.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace WidgetPlacement {
namespace {

int sizeOf(WidgetFamily family, bool width)
{
    const QSizeF size = widgetSize(family);
    return static_cast<int>(std::ceil(width ? size.width() : size.height()));
}

std::optional<int> wholeNumber(const QJsonValue& value)
{
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    // Far beyond any screen, or not a number at all.
    if (!std::isfinite(number) || std::abs(number) > 1'000'000)
        return std::nullopt;
    return static_cast<int>(std::lround(number));
}

} // namespace

QByteArray encode(const std::vector<PlacedWidget>& widgets)
{
    QJsonArray list;
    for (const PlacedWidget& widget : widgets) {
        list.append(QJsonObject{{u"family"_s, platform::rawValue(widget.family)},
                                {u"preset"_s, widget.presetID},
                                {u"x"_s, widget.position.x()},
                                {u"y"_s, widget.position.y()}});
    }
    return QJsonDocument(QJsonObject{{u"widgets"_s, list}}).toJson();
}

std::vector<PlacedWidget> decode(const QByteArray& json)
{
    std::vector<PlacedWidget> widgets;
    const QJsonValue list = QJsonDocument::fromJson(json).object().value(u"widgets"_s);
    for (const QJsonValue& value : list.toArray()) {
        const QJsonObject object = value.toObject();
        const auto family = platform::fromRawValue<WidgetFamily>(object.value(u"family"_s).toString());
        const auto x = wholeNumber(object.value(u"x"_s));
        const auto y = wholeNumber(object.value(u"y"_s));
        if (!family || !x || !y)
            continue;
        QString preset = object.value(u"preset"_s).toString();
        if (preset.isEmpty())
            preset = TimerWidgetConfigurationIntent::defaultPreset().id;
        widgets.push_back({*family, preset, QPoint(*x, *y)});
    }
    return widgets;
}

PlacedWidget firstWidget(const QRect& availableGeometry)
{
    const int width = sizeOf(WidgetFamily::Small, true);
    return {WidgetFamily::Small, TimerWidgetConfigurationIntent::defaultPreset().id,
            QPoint(availableGeometry.right() + 1 - screenMargin - width, availableGeometry.top() + screenMargin)};
}

PlacedWidget nextWidget(const std::vector<PlacedWidget>& widgets, const QRect& availableGeometry)
{
    if (widgets.empty())
        return firstWidget(availableGeometry);
    const PlacedWidget& last = widgets.back();
    PlacedWidget next = firstWidget(availableGeometry);
    const int height = sizeOf(WidgetFamily::Small, false);
    const int below = last.position.y() + sizeOf(last.family, false) + screenMargin;
    if (below + height <= availableGeometry.bottom() + 1)
        next.position = QPoint(last.position.x(), below);
    else
        next.position = QPoint(last.position.x() - sizeOf(WidgetFamily::Medium, true) - screenMargin,
                               availableGeometry.top() + screenMargin);
    return next;
}

PlacedWidget keptInside(PlacedWidget widget, const QRect& availableGeometry)
{
    QPoint& position = widget.position;
    const int width = sizeOf(widget.family, true);
    const int height = sizeOf(widget.family, false);
    if (position.x() + width > availableGeometry.right() + 1)
        position.setX(std::max(availableGeometry.left(), availableGeometry.right() + 1 - screenMargin - width));
    if (position.y() + height > availableGeometry.bottom() + 1)
        position.setY(std::max(availableGeometry.top(), availableGeometry.bottom() + 1 - screenMargin - height));
    return widget;
}

QString configurationPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + u"/kelvane-widget/widgets.json"_s;
}

std::vector<PlacedWidget> load(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decode(file.readAll());
}

bool save(const QString& path, const std::vector<PlacedWidget>& widgets)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write(encode(widgets));
    return file.commit();
}

} // namespace WidgetPlacement
