// SPDX-License-Identifier: GPL-3.0-or-later
// The keep-awake policy over fake desktop inhibitors: one inhibition at a
// time, the inhibitors asked in order, a failure retried at the next request,
// and answers that come late, as a slow service gives them, still used.
#include "Kelvane/system/InhibitingSleepPreventionManager.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <memory>

namespace {

// What the inhibitors were asked, in order, shared by all of a test's fakes,
// and the answers they still owe, which the test gives when it likes.
struct Log {
    QStringList inhibits;
    QStringList releases;
    QStringList reasons;
    std::deque<platform::SleepInhibition::Released> unansweredReleases;
};

class FakeInhibition final : public platform::SleepInhibition {
public:
    FakeInhibition(QString name, std::shared_ptr<Log> log, const bool& releaseSucceeds)
        : m_name(std::move(name))
        , m_log(std::move(log))
        , m_releaseSucceeds(releaseSucceeds)
    {
    }
    ~FakeInhibition() override { *m_gone = true; }
    void release(Released released) override
    {
        m_log->releases.append(m_name);
        // Dropped once the inhibition is gone, as the real ones do.
        m_log->unansweredReleases.push_back(
            [gone = m_gone, released = std::move(released), succeeds = m_releaseSucceeds](bool) {
                if (!*gone)
                    released(succeeds);
            });
    }

private:
    QString m_name;
    std::shared_ptr<Log> m_log;
    const bool& m_releaseSucceeds;
    std::shared_ptr<bool> m_gone = std::make_shared<bool>(false);
};

class FakeInhibitor final : public platform::SleepInhibitor {
public:
    FakeInhibitor(QString name, std::shared_ptr<Log> log)
        : m_name(std::move(name))
        , m_log(std::move(log))
    {
    }
    QString name() const override { return m_name; }
    void inhibit(const QString& reason, Granted granted) override
    {
        m_log->inhibits.append(m_name);
        m_log->reasons.append(reason);
        m_unanswered.push_back(std::move(granted));
    }
    // Gives the oldest answer still owed, as `available` says.
    bool answer()
    {
        if (m_unanswered.empty())
            return false;
        Granted granted = std::move(m_unanswered.front());
        m_unanswered.pop_front();
        granted(available ? std::make_unique<FakeInhibition>(m_name, m_log, releaseSucceeds) : nullptr);
        return true;
    }
    bool owesAnswer() const { return !m_unanswered.empty(); }

    bool available = true;
    bool releaseSucceeds = true;

private:
    QString m_name;
    std::shared_ptr<Log> m_log;
    std::deque<Granted> m_unanswered;
};

// A manager over the portal, logind and the screensaver, as the program
// builds it, with a handle on each fake.
class SleepPolicy : public ::testing::Test {
protected:
    void SetUp() override
    {
        manager.reset();
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
    // Lets every service answer what it was asked, in turn.
    void answerAll()
    {
        for (bool answered = true; answered;) {
            answered = false;
            for (FakeInhibitor* fake : fakes)
                answered = fake->answer() || answered;
            while (!log->unansweredReleases.empty()) {
                auto released = std::move(log->unansweredReleases.front());
                log->unansweredReleases.pop_front();
                released(true);
                answered = true;
            }
        }
    }
    void begin()
    {
        manager->beginPreventingSleep();
        answerAll();
    }
    bool release()
    {
        const bool sent = manager->release();
        answerAll();
        return sent;
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
        begin();
        EXPECT_EQ(log->inhibits, c.asked) << c.label;
        EXPECT_EQ(manager->isActive(), c.active) << c.label;
        EXPECT_TRUE(release()) << c.label;
        EXPECT_EQ(log->releases, c.active ? c.asked.mid(c.asked.size() - 1) : QStringList()) << c.label;
        EXPECT_FALSE(manager->isActive()) << c.label;
    }
}

TEST_F(SleepPolicy, AsksWithTheProgramsReason)
{
    begin();
    EXPECT_EQ(log->reasons, QStringList{QStringLiteral("Kelvane: Timer is running")});
}

TEST_F(SleepPolicy, SecondRequestWhileAskingOrHeldTakesNothingMore)
{
    manager->beginPreventingSleep();
    manager->beginPreventingSleep();
    answerAll();
    manager->beginPreventingSleep();
    answerAll();
    EXPECT_EQ(log->inhibits, QStringList{QStringLiteral("portal")});
    ASSERT_TRUE(release());
    EXPECT_EQ(log->releases.size(), 1);
}

TEST_F(SleepPolicy, FailureIsRetriedAtTheNextRequest)
{
    setAvailable({false, false, false});
    begin();
    EXPECT_FALSE(manager->isActive());

    // logind came up meanwhile: the next request finds it, the portal first.
    fakes[1]->available = true;
    log->inhibits.clear();
    begin();
    EXPECT_TRUE(manager->isActive());
    EXPECT_EQ(log->inhibits, (QStringList{QStringLiteral("portal"), QStringLiteral("logind")}));
}

TEST_F(SleepPolicy, RefusedReleaseKeepsTheInhibitionForTheNextTry)
{
    fakes[0]->releaseSucceeds = false;
    begin();
    release();
    EXPECT_TRUE(manager->isActive()) << "the refusal leaves it held";

    // Still held: a new request takes nothing more.
    begin();
    EXPECT_EQ(log->inhibits.size(), 1);

    fakes[0]->releaseSucceeds = true;
    release();
    EXPECT_FALSE(manager->isActive());
    EXPECT_EQ(log->releases.size(), 2);
}

TEST_F(SleepPolicy, ReleaseWithNothingHeldAsksNoOne)
{
    EXPECT_TRUE(release());
    EXPECT_TRUE(log->releases.isEmpty());
}

TEST_F(SleepPolicy, TeardownReleasesWhatIsHeld)
{
    begin();
    manager.reset();
    EXPECT_EQ(log->releases, QStringList{QStringLiteral("portal")});
}

TEST_F(SleepPolicy, NothingWaitsForASlowService)
{
    manager->beginPreventingSleep();
    EXPECT_TRUE(fakes[0]->owesAnswer()) << "the request went out";
    EXPECT_TRUE(manager->isActive()) << "a request on its way counts, so that a stop releases it";
}

TEST_F(SleepPolicy, ALateGrantIsHeldWhileWantedAndLetGoOnceNot)
{
    struct Case {
        const char* label;
        // Between the request and the service's answer.
        bool releasedMeanwhile;
        bool startedAgain;
        bool heldAfter;
    };
    const Case cases[] = {
        {"still running", false, false, true},
        {"stopped meanwhile", true, false, false},
        {"stopped and started again", true, true, true},
    };
    for (const Case& c : cases) {
        SetUp();
        manager->beginPreventingSleep();
        if (c.releasedMeanwhile) {
            EXPECT_TRUE(manager->release()) << c.label;
        }
        if (c.startedAgain)
            manager->beginPreventingSleep();
        answerAll();
        EXPECT_EQ(log->inhibits, QStringList{QStringLiteral("portal")}) << c.label << ": asked once";
        EXPECT_EQ(manager->isActive(), c.heldAfter) << c.label;
        EXPECT_EQ(log->releases.size(), c.heldAfter ? 0 : 1) << c.label;
    }
}

TEST_F(SleepPolicy, StoppedBeforeAFailedAnswerAsksNoOneElse)
{
    setAvailable({false, true, true});
    manager->beginPreventingSleep();
    manager->release();
    answerAll();
    EXPECT_EQ(log->inhibits, QStringList{QStringLiteral("portal")});
    EXPECT_FALSE(manager->isActive());
}

} // namespace
