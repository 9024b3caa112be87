// SPDX-License-Identifier: GPL-3.0-or-later
#include "PlatformKit/store/UserDefaults.h"

#include "PlatformKit/core/SaturatingCast.h"
#include "PlatformKit/store/MemoryBackend.h"
#include "PlatformKit/store/SqliteBackend.h"

#include <QLocale>

#include <cmath>
#include <type_traits>

namespace platform {
namespace {

template <typename... Fs>
struct Overloaded : Fs... {
    using Fs::operator()...;
};
template <typename... Fs>
Overloaded(Fs...) -> Overloaded<Fs...>;

// The number a string spells, in the C locale, ignoring surrounding blanks:
// a whole number exactly, anything else through double.
std::optional<std::variant<qint64, double>> parseNumber(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const qint64 whole = c.toLongLong(trimmed, &ok);
    if (ok)
        return whole;
    const double real = c.toDouble(trimmed, &ok);
    if (ok)
        return real;
    return std::nullopt;
}

} // namespace

UserDefaults::UserDefaults(std::unique_ptr<KeyValueBackend> backend)
    : m_backend(std::move(backend))
{
    if (!m_backend)
        m_backend = std::make_unique<detail::MemoryBackend>();
}

UserDefaults::UserDefaults(std::unique_ptr<KeyValueBackend> backend, QString path,
                           std::optional<QString> fallbackReason)
    : UserDefaults(std::move(backend))
{
    m_path = std::move(path);
    m_fallbackReason = std::move(fallbackReason);
}

UserDefaults::~UserDefaults() = default;

std::unique_ptr<UserDefaults> UserDefaults::openFile(const QString& path)
{
    QString failure;
    if (auto backend = detail::openSqliteBackend(path, {}, &failure))
        return std::make_unique<UserDefaults>(std::move(backend), path, std::nullopt);
    return std::make_unique<UserDefaults>(detail::MemoryBackend::processFallback(), path, failure);
}

std::unique_ptr<UserDefaults> UserDefaults::inMemory()
{
    return std::make_unique<UserDefaults>(std::make_unique<detail::MemoryBackend>());
}

std::optional<StoredValue> UserDefaults::object(const QString& key) const
{
    return m_backend->read(key);
}

bool UserDefaults::boolValue(const QString& key) const
{
    const auto value = object(key);
    if (!value)
        return false;
    return std::visit(Overloaded{
                          [](bool v) { return v; },
                          [](qint64 v) { return v != 0; },
                          [](double v) { return v != 0.0 && !std::isnan(v); },
                          [](const QString& v) {
                              return v.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0
                                  || v.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0
                                  || v == QLatin1String("1");
                          },
                          [](const QByteArray&) { return false; },
                          [](Date) { return false; },
                      },
                      *value);
}

qint64 UserDefaults::integer(const QString& key) const
{
    const auto value = object(key);
    if (!value)
        return 0;
    return std::visit(Overloaded{
                          [](bool v) -> qint64 { return v ? 1 : 0; },
                          [](qint64 v) { return v; },
                          [](double v) { return saturatingCast<qint64>(v); },
                          [](const QString& v) -> qint64 {
                              const auto number = parseNumber(v);
                              if (!number)
                                  return 0;
                              if (const auto* whole = std::get_if<qint64>(&*number))
                                  return *whole;
                              return saturatingCast<qint64>(std::get<double>(*number));
                          },
                          [](const QByteArray&) -> qint64 { return 0; },
                          [](Date) -> qint64 { return 0; },
                      },
                      *value);
}

double UserDefaults::doubleValue(const QString& key) const
{
    const auto value = object(key);
    if (!value)
        return 0.0;
    return std::visit(Overloaded{
                          [](bool v) { return v ? 1.0 : 0.0; },
                          [](qint64 v) { return static_cast<double>(v); },
                          [](double v) { return v; },
                          [](const QString& v) {
                              const auto number = parseNumber(v);
                              if (!number)
                                  return 0.0;
                              return std::visit([](auto n) { return static_cast<double>(n); }, *number);
                          },
                          [](const QByteArray&) { return 0.0; },
                          [](Date) { return 0.0; },
                      },
                      *value);
}

std::optional<QString> UserDefaults::string(const QString& key) const
{
    const auto value = object(key);
    if (!value)
        return std::nullopt;
    return std::visit(Overloaded{
                          [](const QString& v) -> std::optional<QString> { return v; },
                          [](qint64 v) -> std::optional<QString> { return QString::number(v); },
                          [](double v) -> std::optional<QString> {
                              // The shortest text that reads back as the same double
                              // (Qt drops the sign of a negative zero).
                              if (v == 0.0 && std::signbit(v))
                                  return QStringLiteral("-0");
                              return QString::number(v, 'g', QLocale::FloatingPointShortest);
                          },
                          [](const auto&) -> std::optional<QString> { return std::nullopt; },
                      },
                      *value);
}

std::optional<QByteArray> UserDefaults::data(const QString& key) const
{
    const auto value = object(key);
    if (const auto* bytes = value ? std::get_if<QByteArray>(&*value) : nullptr)
        return *bytes;
    return std::nullopt;
}

std::optional<Date> UserDefaults::date(const QString& key) const
{
    const auto value = object(key);
    if (const auto* when = value ? std::get_if<Date>(&*value) : nullptr)
        return *when;
    return std::nullopt;
}

void UserDefaults::setObject(const QString& key, const StoredValue& value)
{
    m_backend->write(key, value);
}

void UserDefaults::setBool(const QString& key, bool value)
{
    setObject(key, StoredValue(value));
}

void UserDefaults::setInteger(const QString& key, qint64 value)
{
    setObject(key, StoredValue(value));
}

void UserDefaults::setDouble(const QString& key, double value)
{
    setObject(key, StoredValue(value));
}

void UserDefaults::setString(const QString& key, const QString& value)
{
    setObject(key, StoredValue(value));
}

void UserDefaults::setData(const QString& key, const QByteArray& value)
{
    setObject(key, StoredValue(value));
}

void UserDefaults::setDate(const QString& key, Date value)
{
    setObject(key, StoredValue(value));
}

void UserDefaults::remove(const QString& key)
{
    m_backend->remove(key);
}

void UserDefaults::update(const QString& key, const ValueChange& change)
{
    m_backend->update(key, change);
}

bool UserDefaults::isShared() const
{
    return m_backend->isShared();
}

std::optional<PersistenceProblem> UserDefaults::persistenceProblem() const
{
    if (m_fallbackReason)
        return PersistenceProblem{m_path, *m_fallbackReason};
    if (auto reason = m_backend->persistenceProblem())
        return PersistenceProblem{m_path, *reason};
    return std::nullopt;
}

void UserDefaults::setOnPersistenceProblem(std::function<void(const PersistenceProblem&)> onProblem)
{
    if (!onProblem) {
        m_backend->setOnPersistenceProblem({});
        return;
    }
    m_backend->setOnPersistenceProblem([path = m_path, onProblem = std::move(onProblem)](const QString& reason) {
        onProblem({path, reason});
    });
}

} // namespace platform
