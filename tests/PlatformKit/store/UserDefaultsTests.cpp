// SPDX-License-Identifier: GPL-3.0-or-later
// The typed store's behaviour, the same over both backends: round trips, the
// conversion table of the getters, and the atomic update.
#include "PlatformKit/store/UserDefaults.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <thread>
#include <vector>

using platform::Date;
using platform::StoredValue;
using platform::UserDefaults;

namespace {

enum class Backend { Memory, Sqlite };

class UserDefaultsTest : public ::testing::TestWithParam<Backend> {
protected:
    void SetUp() override
    {
        if (GetParam() == Backend::Memory) {
            defaults = UserDefaults::inMemory();
            ASSERT_FALSE(defaults->isShared());
        } else {
            ASSERT_TRUE(dir.isValid());
            defaults = UserDefaults::openFile(dir.filePath(QStringLiteral("store.sqlite")));
            ASSERT_TRUE(defaults->isShared());
        }
    }

    QTemporaryDir dir;
    std::unique_ptr<UserDefaults> defaults;
};

void PrintTo(Backend backend, std::ostream* out)
{
    *out << (backend == Backend::Memory ? "memory" : "sqlite");
}

std::string backendName(const ::testing::TestParamInfo<Backend>& info)
{
    return info.param == Backend::Memory ? "Memory" : "Sqlite";
}

INSTANTIATE_TEST_SUITE_P(Backends, UserDefaultsTest, ::testing::Values(Backend::Memory, Backend::Sqlite), backendName);

constexpr qint64 int64Max = std::numeric_limits<qint64>::max();
constexpr qint64 int64Min = std::numeric_limits<qint64>::min();
constexpr double infinity = std::numeric_limits<double>::infinity();
const QString key = QStringLiteral("com.morrowfen.kelvane.test");

TEST_P(UserDefaultsTest, AbsentKeyReadsAsFalseZeroAndNone)
{
    EXPECT_FALSE(defaults->object(key));
    EXPECT_FALSE(defaults->boolValue(key));
    EXPECT_EQ(defaults->integer(key), 0);
    EXPECT_EQ(defaults->doubleValue(key), 0.0);
    EXPECT_FALSE(defaults->string(key));
    EXPECT_FALSE(defaults->data(key));
    EXPECT_FALSE(defaults->date(key));
}

TEST_P(UserDefaultsTest, EveryKindRoundTripsExactly)
{
    const QByteArray binary("\0\x01\xff\x7f kelvane\0", 13);
    const std::vector<StoredValue> values{
        StoredValue(true),
        StoredValue(false),
        StoredValue(qint64{0}),
        StoredValue(qint64{-42}),
        StoredValue(int64Max),
        StoredValue(int64Min),
        StoredValue(0.0),
        StoredValue(-0.5),
        StoredValue(0.1),
        StoredValue(1e-310), // subnormal
        StoredValue(std::numeric_limits<double>::max()),
        StoredValue(infinity),
        StoredValue(-infinity),
        StoredValue(QString()),
        StoredValue(QStringLiteral("Grüße, 時計 ⏱")),
        StoredValue(QByteArray()),
        StoredValue(binary),
        StoredValue(Date::fromSecondsSinceReferenceDate(0)),
        StoredValue(Date::fromSecondsSinceReferenceDate(789'654'321.125)),
        StoredValue(Date::fromSecondsSinceReferenceDate(-1.5)),
    };
    for (std::size_t i = 0; i < values.size(); ++i) {
        SCOPED_TRACE(i);
        defaults->setObject(key, values[i]);
        const auto read = defaults->object(key);
        ASSERT_TRUE(read);
        EXPECT_EQ(read->index(), values[i].index());
        EXPECT_EQ(*read, values[i]);
    }
}

TEST_P(UserDefaultsTest, TypedSettersStoreTheirKind)
{
    defaults->setBool(QStringLiteral("b"), true);
    defaults->setInteger(QStringLiteral("i"), 1234567890123);
    defaults->setDouble(QStringLiteral("d"), 2.5);
    defaults->setString(QStringLiteral("s"), QStringLiteral("preset.classic-25"));
    defaults->setData(QStringLiteral("x"), QByteArray("{\"type\":\"toggle\"}"));
    defaults->setDate(QStringLiteral("t"), Date::fromUnixSeconds(1'700'000'000.25));

    EXPECT_EQ(defaults->object(QStringLiteral("b")), StoredValue(true));
    EXPECT_EQ(defaults->object(QStringLiteral("i")), StoredValue(qint64{1234567890123}));
    EXPECT_EQ(defaults->object(QStringLiteral("d")), StoredValue(2.5));
    EXPECT_EQ(defaults->string(QStringLiteral("s")), QStringLiteral("preset.classic-25"));
    EXPECT_EQ(defaults->data(QStringLiteral("x")), QByteArray("{\"type\":\"toggle\"}"));
    EXPECT_EQ(defaults->date(QStringLiteral("t")), Date::fromUnixSeconds(1'700'000'000.25));
}

TEST_P(UserDefaultsTest, NaNRoundTripsAsNaN)
{
    defaults->setDouble(key, std::numeric_limits<double>::quiet_NaN());
    const auto read = defaults->object(key);
    ASSERT_TRUE(read);
    ASSERT_TRUE(std::holds_alternative<double>(*read));
    EXPECT_TRUE(std::isnan(std::get<double>(*read)));
    EXPECT_FALSE(defaults->boolValue(key));
    EXPECT_EQ(defaults->integer(key), 0);
    EXPECT_TRUE(std::isnan(defaults->doubleValue(key)));
}

TEST_P(UserDefaultsTest, OverwritingChangesTheKind)
{
    defaults->setDate(key, Date::fromSecondsSinceReferenceDate(10));
    defaults->setString(key, QStringLiteral("not a date"));
    EXPECT_FALSE(defaults->date(key));
    EXPECT_EQ(defaults->string(key), QStringLiteral("not a date"));
}

TEST_P(UserDefaultsTest, RemoveMakesTheKeyAbsent)
{
    defaults->setInteger(key, 5);
    defaults->remove(key);
    EXPECT_FALSE(defaults->object(key));
    defaults->remove(key); // removing an absent key is harmless
    EXPECT_FALSE(defaults->object(key));
}

TEST_P(UserDefaultsTest, KeysAreDistinct)
{
    defaults->setInteger(QStringLiteral("a"), 1);
    defaults->setInteger(QStringLiteral("A"), 2);
    defaults->setInteger(QStringLiteral("a "), 3);
    EXPECT_EQ(defaults->integer(QStringLiteral("a")), 1);
    EXPECT_EQ(defaults->integer(QStringLiteral("A")), 2);
    EXPECT_EQ(defaults->integer(QStringLiteral("a ")), 3);
}

// One stored value and what each getter makes of it.
struct Conversion {
    const char* name;
    StoredValue stored;
    bool asBool;
    qint64 asInteger;
    double asDouble;
    std::optional<QString> asString;
};

const Conversion conversions[] = {
    {"bool true", StoredValue(true), true, 1, 1.0, std::nullopt},
    {"bool false", StoredValue(false), false, 0, 0.0, std::nullopt},
    {"int 0", StoredValue(qint64{0}), false, 0, 0.0, QStringLiteral("0")},
    {"int 42", StoredValue(qint64{42}), true, 42, 42.0, QStringLiteral("42")},
    {"int -7", StoredValue(qint64{-7}), true, -7, -7.0, QStringLiteral("-7")},
    {"int max", StoredValue(int64Max), true, int64Max, 9223372036854775807.0, QStringLiteral("9223372036854775807")},
    {"double 0", StoredValue(0.0), false, 0, 0.0, QStringLiteral("0")},
    {"double -0", StoredValue(-0.0), false, 0, -0.0, QStringLiteral("-0")},
    {"double 3.75", StoredValue(3.75), true, 3, 3.75, QStringLiteral("3.75")},
    {"double -2.9", StoredValue(-2.9), true, -2, -2.9, QStringLiteral("-2.9")},
    {"double 0.1", StoredValue(0.1), true, 0, 0.1, QStringLiteral("0.1")},
    {"double 900", StoredValue(900.0), true, 900, 900.0, QStringLiteral("900")},
    {"double 1e300", StoredValue(1e300), true, int64Max, 1e300, QStringLiteral("1e+300")},
    {"double -1e300", StoredValue(-1e300), true, int64Min, -1e300, QStringLiteral("-1e+300")},
    {"double inf", StoredValue(infinity), true, int64Max, infinity, QStringLiteral("inf")},
    {"string true", StoredValue(QStringLiteral("true")), true, 0, 0.0, QStringLiteral("true")},
    {"string TRUE", StoredValue(QStringLiteral("TRUE")), true, 0, 0.0, QStringLiteral("TRUE")},
    {"string yes", StoredValue(QStringLiteral("yes")), true, 0, 0.0, QStringLiteral("yes")},
    {"string YeS", StoredValue(QStringLiteral("YeS")), true, 0, 0.0, QStringLiteral("YeS")},
    {"string 1", StoredValue(QStringLiteral("1")), true, 1, 1.0, QStringLiteral("1")},
    {"string 0", StoredValue(QStringLiteral("0")), false, 0, 0.0, QStringLiteral("0")},
    {"string 2", StoredValue(QStringLiteral("2")), false, 2, 2.0, QStringLiteral("2")},
    {"string no", StoredValue(QStringLiteral("no")), false, 0, 0.0, QStringLiteral("no")},
    {"string false", StoredValue(QStringLiteral("false")), false, 0, 0.0, QStringLiteral("false")},
    {"string y", StoredValue(QStringLiteral("y")), false, 0, 0.0, QStringLiteral("y")},
    {"string empty", StoredValue(QString()), false, 0, 0.0, QString()},
    {"string -3", StoredValue(QStringLiteral("-3")), false, -3, -3.0, QStringLiteral("-3")},
    {"string 12.5", StoredValue(QStringLiteral("12.5")), false, 12, 12.5, QStringLiteral("12.5")},
    {"string -12.5", StoredValue(QStringLiteral("-12.5")), false, -12, -12.5, QStringLiteral("-12.5")},
    {"string 1e3", StoredValue(QStringLiteral("1e3")), false, 1000, 1000.0, QStringLiteral("1e3")},
    {"string padded", StoredValue(QStringLiteral(" 42 ")), false, 42, 42.0, QStringLiteral(" 42 ")},
    {"string huge", StoredValue(QStringLiteral("99999999999999999999")), false, int64Max, 1e20,
     QStringLiteral("99999999999999999999")},
    {"string int max", StoredValue(QStringLiteral("9223372036854775807")), false, int64Max, 9223372036854775807.0,
     QStringLiteral("9223372036854775807")},
    {"string words", StoredValue(QStringLiteral("abc")), false, 0, 0.0, QStringLiteral("abc")},
    {"string number then words", StoredValue(QStringLiteral("12abc")), false, 0, 0.0, QStringLiteral("12abc")},
    {"string grouped", StoredValue(QStringLiteral("1,000")), false, 0, 0.0, QStringLiteral("1,000")},
    {"data", StoredValue(QByteArray("1")), false, 0, 0.0, std::nullopt},
    {"empty data", StoredValue(QByteArray()), false, 0, 0.0, std::nullopt},
    {"date", StoredValue(Date::fromSecondsSinceReferenceDate(1000)), false, 0, 0.0, std::nullopt},
};

TEST_P(UserDefaultsTest, GettersFollowTheConversionTable)
{
    for (const auto& c : conversions) {
        SCOPED_TRACE(c.name);
        defaults->setObject(key, c.stored);
        EXPECT_EQ(defaults->boolValue(key), c.asBool);
        EXPECT_EQ(defaults->integer(key), c.asInteger);
        EXPECT_EQ(defaults->doubleValue(key), c.asDouble);
        EXPECT_EQ(std::signbit(defaults->doubleValue(key)), std::signbit(c.asDouble));
        EXPECT_EQ(defaults->string(key), c.asString);
        // Data and dates read only as themselves.
        const auto* bytes = std::get_if<QByteArray>(&c.stored);
        EXPECT_EQ(defaults->data(key), bytes ? std::optional(*bytes) : std::nullopt);
        const auto* when = std::get_if<Date>(&c.stored);
        EXPECT_EQ(defaults->date(key), when ? std::optional(*when) : std::nullopt);
        // object() gives back what was stored, untouched.
        EXPECT_EQ(defaults->object(key), c.stored);
    }
}

TEST_P(UserDefaultsTest, DoubleDecimalTextReadsBackAsTheSameDouble)
{
    for (const double value : {1.0 / 3.0, 123456.789, 5e-324, 1.7976931348623157e308, -0.000123, -0.0}) {
        defaults->setDouble(key, value);
        const auto text = defaults->string(key);
        ASSERT_TRUE(text);
        EXPECT_EQ(text->toDouble(), value) << text->toStdString();
        EXPECT_EQ(std::signbit(text->toDouble()), std::signbit(value)) << text->toStdString();
    }
}

TEST_P(UserDefaultsTest, UpdateSeesTheCurrentValueAndStoresTheResult)
{
    std::vector<std::optional<StoredValue>> seen;
    const auto increment = [&](const std::optional<StoredValue>& current) -> std::optional<StoredValue> {
        seen.push_back(current);
        const qint64* value = current ? std::get_if<qint64>(&*current) : nullptr;
        return StoredValue(qint64{value ? *value + 1 : 1});
    };
    defaults->update(key, increment);
    defaults->update(key, increment);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_FALSE(seen[0]);
    EXPECT_EQ(seen[1], StoredValue(qint64{1}));
    EXPECT_EQ(defaults->object(key), StoredValue(qint64{2}));
}

TEST_P(UserDefaultsTest, UpdateReturningNoneRemovesTheKey)
{
    defaults->setString(key, QStringLiteral("queued"));
    defaults->update(key, [](const std::optional<StoredValue>&) { return std::optional<StoredValue>(); });
    EXPECT_FALSE(defaults->object(key));
    // And on an absent key it stays absent.
    defaults->update(key, [](const std::optional<StoredValue>&) { return std::optional<StoredValue>(); });
    EXPECT_FALSE(defaults->object(key));
}

TEST_P(UserDefaultsTest, UpdateThatThrowsChangesNothing)
{
    defaults->setInteger(key, 7);
    EXPECT_THROW(defaults->update(key,
                                  [](const std::optional<StoredValue>&) -> std::optional<StoredValue> {
                                      throw std::runtime_error("no");
                                  }),
                 std::runtime_error);
    EXPECT_EQ(defaults->integer(key), 7);
    // The store is still usable, updates included.
    defaults->update(key, [](const std::optional<StoredValue>&) { return std::optional(StoredValue(qint64{8})); });
    EXPECT_EQ(defaults->integer(key), 8);
}

TEST_P(UserDefaultsTest, ConcurrentUpdatesFromThreadsLoseNothing)
{
    constexpr int threads = 4;
    constexpr int perThread = 200;
    defaults->setInteger(key, 0);
    std::atomic<bool> sawAbsent{false};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int i = 0; i < perThread; ++i) {
                defaults->update(key, [](const std::optional<StoredValue>& current) {
                    return std::optional(StoredValue(std::get<qint64>(*current) + 1));
                });
                if (!defaults->object(key))
                    sawAbsent = true;
                defaults->setBool(QStringLiteral("other"), i % 2 == 0);
            }
        });
    }
    for (auto& worker : workers)
        worker.join();
    EXPECT_EQ(defaults->integer(key), threads * perThread);
    EXPECT_FALSE(sawAbsent);
}

TEST(UserDefaults, NullBackendBecomesMemory)
{
    UserDefaults defaults(nullptr);
    EXPECT_FALSE(defaults.isShared());
    defaults.setInteger(key, 3);
    EXPECT_EQ(defaults.integer(key), 3);
}

TEST(UserDefaults, InMemoryStoresAreSeparate)
{
    const auto a = UserDefaults::inMemory();
    const auto b = UserDefaults::inMemory();
    a->setInteger(key, 1);
    EXPECT_FALSE(b->object(key));
}

} // namespace
