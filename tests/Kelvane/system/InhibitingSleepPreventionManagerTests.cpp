// The keep-awake policy over fake desktop inhibitors: one inhibition at a
// time, the inhibitors asked in order, a failure retried at the next request.
#include "Kelvane/system/InhibitingSleepPreventionManager.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <memory>

namespace {

// What the inhibitors were asked, in order, shared by all of a test's fakes.
struct Log {
    QStringList inhibits;
    QStringList releases;
    QStringList reasons;
};

class FakeInhibition final : public platform::SleepInhibition {
public:
    FakeInhibition(QString name, std::shared_ptr<Log> log, const bool& releaseSucceeds)
        : m_name(std::move(name)), m_log(std::move(log)), m_releaseSucceeds(releaseSucceeds)
    {
    }
    bool release() override
    {
        m_log->releases.append(m_name);
        return m_releaseSucceeds;
    }

private:
    QString m_name;
    std::shared_ptr<Log> m_log;
    const bool& m_releaseSucceeds;
};

class FakeInhibitor final : public platform::SleepInhibitor {
public:
    FakeInhibitor(QString name, std::shared_ptr<Log> log) : m_name(std::move(name)), m_log(std::move(log)) {}
    std::unique_ptr<platform::SleepInhibition> inhibit(const QString& reason) override
    {
        m_log->inhibits.append(m_name);
        m_log->reasons.append(reason);
        if (!available)
            return nullptr;
        return std::make_unique<FakeInhibition>(m_name, m_log, releaseSucceeds);
    }
    bool available = true;
    bool releaseSucceeds = true;

private:
    QString m_name;
    std::shared_ptr<Log> m_log;
};

// A manager over the portal, logind and the screensaver, as the program
// builds it, with a handle on each fake.
class SleepPolicy : public ::testing::Test {
protected:
    void SetUp() override
    {
        log = std::make_shared<Log>();
        fakes.clear();
        std::vector<std::unique_ptr<platform::SleepInhibitor>> inhibitors;
        for (const char* name : {"portal", "logind", "screensaver"}) {
            auto inhibitor = std::make_unique<FakeInhibitor>(QString::fromLatin1(name), log);
            fakes.push_back(inhibitor.get());
            inhibitors.push_back(std::move(inhibitor));
        }
        manager = std::make_unique<InhibitingSleepPreventionManager>(std::move(inhibitors));
    }
    void setAvailable(std::initializer_list<bool> available)
    {
        auto fake = fakes.begin();
        for (const bool value : available)
            (*fake++)->available = value;
    }

    std::shared_ptr<Log> log = std::make_shared<Log>();
    std::vector<FakeInhibitor*> fakes;
    std::unique_ptr<InhibitingSleepPreventionManager> manager;
};

TEST_F(SleepPolicy, FirstInhibitorThatTakesItHolds)
{
    struct Case {
        const char* label;
        std::initializer_list<bool> available;
        QStringList asked;
        bool active;
    };
    const Case cases[] = {
        {"portal", {true, true, true}, {"portal"}, true},
        {"no portal", {false, true, true}, {"portal", "logind"}, true},
        {"screensaver only", {false, false, true}, {"portal", "logind", "screensaver"}, true},
        {"none", {false, false, false}, {"portal", "logind", "screensaver"}, false},
    };
    for (const Case& c : cases) {
        SetUp();
        setAvailable(c.available);
        manager->beginPreventingSleep();
        EXPECT_EQ(log->inhibits, c.asked) << c.label;
        EXPECT_EQ(manager->isActive(), c.active) << c.label;
        EXPECT_TRUE(manager->release()) << c.label;
        EXPECT_EQ(log->releases, c.active ? c.asked.mid(c.asked.size() - 1) : QStringList()) << c.label;
        EXPECT_FALSE(manager->isActive()) << c.label;
    }
}

TEST_F(SleepPolicy, AsksWithTheProgramsReason)
{
    manager->beginPreventingSleep();
    EXPECT_EQ(log->reasons, QStringList{QStringLiteral("Kelvane: Timer is running")});
}

TEST_F(SleepPolicy, SecondRequestWhileHeldTakesNothingMore)
{
    manager->beginPreventingSleep();
    manager->beginPreventingSleep();
    EXPECT_EQ(log->inhibits, QStringList{QStringLiteral("portal")});
    ASSERT_TRUE(manager->release());
    EXPECT_EQ(log->releases.size(), 1);
}

TEST_F(SleepPolicy, FailureIsRetriedAtTheNextRequest)
{
    setAvailable({false, false, false});
    manager->beginPreventingSleep();
    EXPECT_FALSE(manager->isActive());

    // logind came up meanwhile: the next request finds it, the portal first.
    fakes[1]->available = true;
    log->inhibits.clear();
    manager->beginPreventingSleep();
    EXPECT_TRUE(manager->isActive());
    EXPECT_EQ(log->inhibits, (QStringList{QStringLiteral("portal"), QStringLiteral("logind")}));
}

TEST_F(SleepPolicy, RefusedReleaseKeepsTheInhibitionForTheNextTry)
{
    fakes[0]->releaseSucceeds = false;
    manager->beginPreventingSleep();
    EXPECT_FALSE(manager->release());
    EXPECT_TRUE(manager->isActive());

    // Still held: a new request takes nothing more.
    manager->beginPreventingSleep();
    EXPECT_EQ(log->inhibits.size(), 1);

    fakes[0]->releaseSucceeds = true;
    EXPECT_TRUE(manager->release());
    EXPECT_FALSE(manager->isActive());
    EXPECT_EQ(log->releases.size(), 2);
}

TEST_F(SleepPolicy, ReleaseWithNothingHeldAsksNoOne)
{
    EXPECT_TRUE(manager->release());
    EXPECT_TRUE(log->releases.isEmpty());
}

TEST_F(SleepPolicy, TeardownReleasesWhatIsHeld)
{
    manager->beginPreventingSleep();
    manager.reset();
    EXPECT_EQ(log->releases, QStringList{QStringLiteral("portal")});
}

} // namespace
