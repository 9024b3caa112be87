// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonObject>
#include <QJsonValue>
#include <QLatin1StringView>
#include <QList>
#include <QString>

#include <optional>

// Reads the fields of one colour record from its JSON object. Any missing key
// or value of the wrong kind marks the whole record unreadable; a number must
// be finite. Read every field, then check ok().
class ColorJsonReader {
public:
    // Anything but an object is unreadable.
    explicit ColorJsonReader(const QJsonValue& json);

    QString string(QLatin1StringView key);
    double number(QLatin1StringView key);
    // A missing key, or null, reads as none.
    std::optional<double> optionalNumber(QLatin1StringView key);
    QList<double> numbers(QLatin1StringView key);

    bool ok() const { return m_ok; }

private:
    std::optional<double> finiteNumber(const QJsonValue& value);

    QJsonObject m_object;
    bool m_ok;
};

// Writes the fields of one colour record. JSON cannot hold a NaN or an
// infinite number, so a record with one has no JSON form at all.
class ColorJsonWriter {
public:
    void insert(QLatin1StringView key, const QString& value);
    void insert(QLatin1StringView key, double value);
    // Written only when present.
    void insert(QLatin1StringView key, std::optional<double> value);
    void insert(QLatin1StringView key, const QList<double>& values);

    // None when any number written was not finite.
    std::optional<QJsonObject> object() const;

private:
    QJsonObject m_object;
    bool m_ok = true;
};
