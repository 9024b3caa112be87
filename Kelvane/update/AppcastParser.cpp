// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/update/AppcastParser.h"

#include "Kelvane/update/UpdateDecisions.h"

#include <QXmlStreamReader>

namespace {

const QString sparkleNamespace = QStringLiteral("http://www.andymatuschak.org/xml-namespaces/sparkle");

QUrl webLink(QStringView text)
{
    const QUrl url(text.trimmed().toString(), QUrl::StrictMode);
    return update::isWebAddress(url) ? url : QUrl();
}

bool isPlain(const QXmlStreamReader& xml, QStringView name)
{
    return xml.namespaceUri().isEmpty() && xml.name() == name;
}

bool isSparkle(const QXmlStreamReader& xml, QStringView name)
{
    return xml.namespaceUri() == sparkleNamespace && xml.name() == name;
}

QString elementText(QXmlStreamReader& xml)
{
    return xml.readElementText(QXmlStreamReader::SkipChildElements).trimmed();
}

// The enclosure's attributes win over the item's elements, whatever their order.
std::optional<AppcastItem> readItem(QXmlStreamReader& xml)
{
    QString enclosureVersion, enclosureShort, elementVersion, elementShort;
    QUrl enclosureUrl, link, notes;
    while (xml.readNextStartElement()) {
        if (isPlain(xml, u"enclosure")) {
            const QXmlStreamAttributes attributes = xml.attributes();
            enclosureUrl = webLink(attributes.value(QLatin1StringView("url")));
            enclosureVersion = attributes.value(sparkleNamespace, QLatin1StringView("version")).trimmed().toString();
            enclosureShort
                = attributes.value(sparkleNamespace, QLatin1StringView("shortVersionString")).trimmed().toString();
            xml.skipCurrentElement();
        } else if (isSparkle(xml, u"version")) {
            elementVersion = elementText(xml);
        } else if (isSparkle(xml, u"shortVersionString")) {
            elementShort = elementText(xml);
        } else if (isSparkle(xml, u"releaseNotesLink")) {
            notes = webLink(elementText(xml));
        } else if (isPlain(xml, u"link")) {
            link = webLink(elementText(xml));
        } else {
            xml.skipCurrentElement();
        }
    }
    AppcastItem item;
    item.shortVersion = !enclosureShort.isEmpty() ? enclosureShort : elementShort;
    item.version = !enclosureVersion.isEmpty() ? enclosureVersion
        : !elementVersion.isEmpty()            ? elementVersion
                                               : item.shortVersion;
    item.download = !enclosureUrl.isEmpty() ? enclosureUrl : link;
    item.releaseNotes = notes;
    if (item.version.isEmpty() || item.download.isEmpty())
        return std::nullopt;
    return item;
}

void readChannel(QXmlStreamReader& xml, Appcast& appcast)
{
    while (xml.readNextStartElement()) {
        if (isPlain(xml, u"item")) {
            if (auto item = readItem(xml))
                appcast.items.push_back(std::move(*item));
        } else {
            xml.skipCurrentElement();
        }
    }
}

} // namespace

std::optional<Appcast> parseAppcast(const QByteArray& document)
{
    QXmlStreamReader xml(document);
    if (!xml.readNextStartElement() || !isPlain(xml, u"rss"))
        return std::nullopt;
    Appcast appcast;
    bool sawChannel = false;
    while (xml.readNextStartElement()) {
        if (isPlain(xml, u"channel")) {
            sawChannel = true;
            readChannel(xml, appcast);
        } else {
            xml.skipCurrentElement();
        }
    }
    // Read to the end, so that a broken tail still counts as a broken feed.
    while (!xml.atEnd())
        xml.readNext();
    if (xml.hasError() || !sawChannel)
        return std::nullopt;
    return appcast;
}
