// SPDX-License-Identifier: GPL-3.0-or-later
// What a screen reader finds of the program over a private AT-SPI bus: the
// first-run hint, the popover, the custom-timer editor and the settings
// window's four pages, every control named and with a role, with the
// accessibility tables' labels and hints where they give one, and each one
// reached by Tab.
#include "EndToEndFixture.h"

#include <QDBusConnectionInterface>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <set>

using namespace std::chrono_literals;
using namespace Qt::Literals::StringLiterals;

namespace {

const QString busLauncher = u"/usr/libexec/at-spi-bus-launcher"_s;
const QString registry = u"/usr/libexec/at-spi2-registryd"_s;
const QString python = u"/usr/bin/python3"_s;
const QString helper = QStringLiteral(E2E_ACCESSIBLE_TREE_SCRIPT);

// One accessible object as the helper reports it.
struct Accessible {
    int depth = 0;
    QString role;
    QString name;
    QString description;
    QStringList states;
    QStringList labels;
    // Shown, and so is everything it is inside: the entries of a closed
    // drop-down say they are showing, but their list does not.
    bool shownInTree = false;

    bool has(QLatin1StringView state) const { return states.contains(state); }
    bool isShown() const { return shownInTree; }
    // Something a user works: shown and taking the focus.
    bool isControl() const { return isShown() && has("focusable"_L1); }
    // Qt names a drop-down by its value and lets its label say what it is.
    QString spokenName() const { return role == "combo box"_L1 && !labels.isEmpty() ? labels.first() : name; }
    std::string text() const { return (role + u" \""_s + spokenName() + u'"').toStdString(); }
};

Accessible accessibleFrom(const QJsonObject& object)
{
    Accessible accessible;
    accessible.depth = object["depth"_L1].toInt();
    accessible.role = object["role"_L1].toString();
    accessible.name = object["name"_L1].toString();
    accessible.description = object["description"_L1].toString();
    for (const QJsonValue& state : object["states"_L1].toArray())
        accessible.states << state.toString();
    for (const QJsonValue& label : object["labels"_L1].toArray())
        accessible.labels << label.toString();
    return accessible;
}

// A control the tables or the views give a spoken name, and its hint.
struct Expected {
    const char* role;
    const char* name;
    const char* hint = nullptr;
};

// Roles that tell a screen reader nothing of what an object is.
bool isAnonymousRole(const QString& role)
{
    return role == "filler"_L1 || role == "unknown"_L1 || role == "invalid"_L1 || role == "redundant object"_L1;
}

class ScreenReader : public OnDesktop<TestDesktop::Tray::None> {
protected:
    void SetUp() override
    {
        for (const QString& program : {busLauncher, registry, python}) {
            if (!QFileInfo(program).isExecutable())
                GTEST_SKIP() << "not installed: " << program.toStdString();
        }
        QProcess probe;
        probe.start(python, {u"-c"_s, u"import gi; gi.require_version('Atspi', '2.0')"_s});
        if (!probe.waitForFinished(20000) || probe.exitCode() != 0)
            GTEST_SKIP() << "not installed: python3-pyatspi";
        OnDesktop::SetUp();
        if (IsSkipped() || HasFatalFailure())
            return;
        // The accessibility bus the program and the helper find through the session bus.
        m_bus = m_desktop->start(busLauncher, {u"--launch-immediately"_s});
        ASSERT_TRUE(platform::test::waitUntil(
            [&] { return m_desktop->bus().interface()->isServiceRegistered(u"org.a11y.Bus"_s).value(); }, 15s))
            << "the accessibility bus did not come up";
        m_registry = m_desktop->start(registry, {});
        QProcessEnvironment screenReaderOn;
        screenReaderOn.insert(u"QT_LINUX_ACCESSIBILITY_ALWAYS_ON"_s, u"1"_s);
        startProgram({}, screenReaderOn);
    }

    void TearDown() override
    {
        m_program.reset();
        m_registry.reset();
        m_bus.reset();
        OnDesktop::TearDown();
    }

    std::optional<QString> runHelper(const QStringList& arguments, std::chrono::milliseconds timeout)
    {
        return m_desktop->run(python, QStringList{helper} + arguments, timeout);
    }

    static QList<Accessible> parsed(const QString& lines)
    {
        QList<Accessible> list;
        // Whether the object last read at each depth is shown in the tree.
        QList<bool> shownAt;
        for (const QString& line : lines.split(u'\n', Qt::SkipEmptyParts)) {
            Accessible a = accessibleFrom(QJsonDocument::fromJson(line.toUtf8()).object());
            const bool parentShown = a.depth == 0 || (a.depth <= shownAt.size() && shownAt[a.depth - 1]);
            a.shownInTree = parentShown && a.has("showing"_L1) && a.has("visible"_L1);
            shownAt.resize(a.depth + 1);
            shownAt[a.depth] = a.shownInTree;
            list << a;
        }
        return list;
    }

    // The program's accessible objects, read once `ready` holds of them.
    QList<Accessible> treeOnceItShows(const std::function<bool(const QList<Accessible>&)>& ready)
    {
        QList<Accessible> tree;
        platform::test::waitUntil(
            [&] {
                const auto lines = runHelper({u"tree"_s, QString::number(m_program->pid())}, 60s);
                tree = lines ? parsed(*lines) : QList<Accessible>();
                return ready(tree);
            },
            30s);
        return tree;
    }

    static bool showsControl(const QList<Accessible>& tree, const char* role, const char* name)
    {
        return std::any_of(tree.cbegin(), tree.cend(), [&](const Accessible& a) {
            return a.isShown() && a.role == QLatin1String(role) && a.spokenName() == QString::fromUtf8(name);
        });
    }
    std::function<bool(const QList<Accessible>&)> showing(const char* role, const char* name)
    {
        return [role, name](const QList<Accessible>& tree) { return showsControl(tree, role, name); };
    }

    // Every shown control named, with a role that says what it is, and the
    // expected ones there with their hints.
    static void expectNamedControls(const QList<Accessible>& tree, std::initializer_list<Expected> expected)
    {
        int controls = 0;
        for (const Accessible& a : tree) {
            if (!a.isControl())
                continue;
            ++controls;
            EXPECT_FALSE(a.spokenName().isEmpty()) << "a control without a name: " << a.text();
            EXPECT_FALSE(isAnonymousRole(a.role)) << "a control without a role: " << a.text();
        }
        EXPECT_GT(controls, 0) << "no control shown";
        for (const Expected& e : expected) {
            const auto found = std::find_if(tree.cbegin(), tree.cend(), [&](const Accessible& a) {
                return a.isShown() && a.role == QLatin1String(e.role) && a.spokenName() == QString::fromUtf8(e.name);
            });
            if (found == tree.cend()) {
                ADD_FAILURE() << "no " << e.role << " \"" << e.name << "\" shown";
                continue;
            }
            if (e.hint) {
                EXPECT_EQ(found->description, QString::fromUtf8(e.hint)) << found->text();
            }
        }
    }

    // Tab, pressed round the focused window, reaches every enabled control
    // that `tree` shows. A set of radio buttons is one stop, as on every
    // desktop: the arrow keys choose within it.
    void expectTabReachesEveryControl(const QList<Accessible>& tree)
    {
        std::set<std::pair<QString, QString>> wanted;
        bool radioButtons = false;
        // Stops, counted one by one: two phase rows have controls of the same names.
        int stops = 0;
        for (const Accessible& a : tree) {
            if (!a.isControl() || !a.has("enabled"_L1))
                continue;
            if (a.role == "radio button"_L1)
                radioButtons = true;
            // The tab bar is the stop; the arrow keys choose its tabs.
            else if (a.role != "page tab"_L1) {
                wanted.insert({a.role, a.name});
                ++stops;
            }
        }
        // Once round, and a little more for the window's own first stop.
        const int presses = stops + (radioButtons ? 4 : 3);
        const auto lines = runHelper({u"tab"_s, QString::number(m_program->pid()), QString::number(presses)},
                                     std::chrono::seconds(15 * presses));
        ASSERT_TRUE(lines.has_value()) << "the Tab helper failed";
        std::set<std::pair<QString, QString>> reached;
        bool reachedRadioButtons = false;
        for (const Accessible& a : parsed(*lines)) {
            reached.insert({a.role, a.name});
            reachedRadioButtons |= a.role == "radio button"_L1;
        }
        EXPECT_EQ(reachedRadioButtons, radioButtons) << "Tab never reached the radio buttons";
        for (const auto& [role, name] : wanted) {
            EXPECT_TRUE(reached.count({role, name}))
                << "Tab never reached " << role.toStdString() << " \"" << name.toStdString() << "\"; it went:\n"
                << lines->toStdString();
        }
    }

    void press(const char* role, const char* name)
    {
        const auto done = runHelper(
            {u"press"_s, QString::number(m_program->pid()), QString::fromUtf8(role), QString::fromUtf8(name)}, 60s);
        ASSERT_TRUE(done.has_value()) << "could not press " << role << " \"" << name << '"';
    }

    void key(const QString& keys)
    {
        ASSERT_TRUE(m_desktop->run(u"xdotool"_s, {u"key"_s, u"--clearmodifiers"_s, keys}).has_value());
    }

    std::unique_ptr<DesktopProcess> m_bus;
    std::unique_ptr<DesktopProcess> m_registry;
};

TEST_F(ScreenReader, ReachesEveryControlOfTheHintThePopoverTheEditorAndTheSettings)
{
    ASSERT_TRUE(m_program && m_program->isRunning());

    SCOPED_TRACE("the first-run hint");
    // One element: its sentence is its name, and pressing it is "Got it".
    const auto isHint = [](const Accessible& a) { return a.isShown() && a.name.startsWith("Welcome to Kelvane"_L1); };
    auto tree = treeOnceItShows([&](const QList<Accessible>& t) { return std::any_of(t.cbegin(), t.cend(), isHint); });
    const auto hint = std::find_if(tree.cbegin(), tree.cend(), isHint);
    ASSERT_NE(hint, tree.cend()) << "no first-run hint reached the screen reader";
    const QByteArray hintRole = hint->role.toUtf8();
    const QByteArray hintName = hint->name.toUtf8();
    press(hintRole.constData(), hintName.constData());
    ASSERT_TRUE(platform::test::waitUntil(
        [&] {
            const auto lines = runHelper({u"tree"_s, QString::number(m_program->pid())}, 60s);
            if (!lines)
                return false;
            const auto now = parsed(*lines);
            return std::none_of(now.cbegin(), now.cend(), isHint);
        },
        15s))
        << "the hint stayed";

    SCOPED_TRACE("the popover");
    const QString strip = waitForProgramWindow({});
    ASSERT_FALSE(strip.isEmpty()) << "no strip window to click";
    const auto stripState = m_screen->state(strip);
    ASSERT_TRUE(stripState.has_value());
    // A click the popup missed while it came up is given again, as a user would.
    platform::test::waitUntil(
        [&] {
            m_screen->click(stripState->geometry, 1);
            tree = treeOnceItShows(showing("push button", "Start timer"));
            return showsControl(tree, "push button", "Start timer");
        },
        60s);
    ASSERT_TRUE(showsControl(tree, "push button", "Start timer")) << "the open popover reached no screen reader";
    expectNamedControls(tree,
                        {
                            {"push button", "5 minute preset", "Double tap to select this preset"},
                            {"push button", "10 minute preset", "Double tap to select this preset"},
                            {"push button", "25 minute preset", "Double tap to select this preset"},
                            {"push button", "45 minute preset", "Double tap to select this preset"},
                            {"push button", "Custom duration preset", "Double tap to select this preset"},
                            {"push button", "Start timer", "Double tap to start the countdown"},
                            {"push button", "Settings", "Opens settings window"},
                            {"push button", "Start Pomodoro", "Double-tap to start Pomodoro mode"},
                            {"push button", "Add custom timer"},
                            {"push button", "Timer"},
                            {"push button", "Stopwatch"},
                            {"label", "Timer is Ready"},
                        });
    EXPECT_TRUE(std::any_of(tree.cbegin(), tree.cend(), [](const Accessible& a) {
        return a.isShown() && a.name == "Timer mode"_L1 && !isAnonymousRole(a.role);
    })) << "the Timer/Stopwatch picker is no named group";
    expectTabReachesEveryControl(tree);

    SCOPED_TRACE("the custom-timer editor");
    press("push button", "Add custom timer");
    tree = treeOnceItShows(showing("push button", "Save"));
    ASSERT_TRUE(showsControl(tree, "push button", "Save")) << "the editor reached no screen reader";
    expectNamedControls(tree,
                        {
                            {"text", "New Timer"},
                            {"text", "Phase name"},
                            {"text", "Minutes"},
                            {"push button", "Decrease duration"},
                            {"push button", "Increase duration"},
                            {"text", "Rounds"},
                            {"push button", "Cancel"},
                            {"push button", "Save"},
                        });
    expectTabReachesEveryControl(tree);
    press("push button", "Cancel");
    // The popover comes back once the editor is gone.
    tree = treeOnceItShows(showing("push button", "Settings"));
    ASSERT_TRUE(showsControl(tree, "push button", "Settings"));

    SCOPED_TRACE("the settings window");
    press("push button", "Settings");
    QStringList settingsWindows;
    platform::test::waitUntil(
        [&] {
            settingsWindows = m_screen->search({u"--onlyvisible"_s, u"--name"_s, u"^Settings$"_s});
            return !settingsWindows.isEmpty();
        },
        15s);
    ASSERT_EQ(settingsWindows.size(), 1) << "no settings window";
    ASSERT_TRUE(m_screen->waitForFocus(settingsWindows.first())) << "the settings window took no focus";

    // Groups are no stops of their own; they name the controls inside them.
    const struct Page {
        const char* title;
        const char* keys;
        std::initializer_list<Expected> expected;
        std::initializer_list<const char*> groups = {};
    } pages[] = {
        {"General",
         "ctrl+1",
         {{"check box", "Launch at login", "Automatically starts the app when you log in"},
          {"check box", "Floating Display"},
          {"check box", "Global Keyboard Shortcuts"}}},
        {"Appearance",
         "ctrl+2",
         {{"check box", "Bloom"},
          {"check box", "Unlit Dots"},
          {"check box", "Leading Zero"},
          {"push button", "Dot Matrix"},
          {"push button", "Rounded"}},
         {"Display type", "Display scale", "Dot weight", "Colon mode"}},
        {"Behavior",
         "ctrl+3",
         {{"radio button", "Show Checkmark"},
          {"check box", "Show notification on completion"},
          {"combo box", "Play sound on completion"},
          {"combo box", "Tick Sound"},
          {"check box", "Prevent Sleep"},
          {"push button", "Reset all settings to defaults", "Resets all preferences to factory defaults"}},
         {"Completion display behavior"}},
        {"About", "ctrl+4", {{"page tab list", "About"}}},
    };
    for (const Page& page : pages) {
        SCOPED_TRACE(page.title);
        key(QString::fromLatin1(page.keys));
        tree = treeOnceItShows(showing("page tab list", page.title));
        ASSERT_TRUE(showsControl(tree, "page tab list", page.title)) << "the page did not come up";
        expectNamedControls(tree, page.expected);
        for (const char* group : page.groups) {
            EXPECT_TRUE(std::any_of(tree.cbegin(), tree.cend(),
                                    [group](const Accessible& a) {
                                        return a.isShown() && a.name == QLatin1String(group)
                                            && !isAnonymousRole(a.role);
                                    }))
                << "no group \"" << group << '"';
        }
        expectTabReachesEveryControl(tree);
    }
}

} // namespace
