// SPDX-License-Identifier: GPL-3.0-or-later
#include "widget-extension/host/WidgetHost.h"

#include "widget-extension/provider/KelvaneWidget.h"

#include <QActionGroup>
#include <QMenu>

using namespace Qt::Literals::StringLiterals;

struct WidgetHost::Hosted {
    PlacedWidget placement;
    std::unique_ptr<WidgetWindow> window;
    std::unique_ptr<TimelineScheduler> scheduler;
    std::optional<QPoint> dragStart; // the window's place when a drag began
};

WidgetHost::WidgetHost(WidgetHostParts parts, QObject* parent)
    : QObject(parent)
    , m_defaults(*parts.defaults)
    , m_notifier(*parts.notifier)
    , m_clock(std::move(parts.clock))
    , m_makeOneShotTimer(std::move(parts.makeOneShotTimer))
    , m_app(std::move(parts.app))
    , m_configurationPath(std::move(parts.configurationPath))
    , m_setLaunchAtLogin(std::move(parts.setLaunchAtLogin))
    , m_availableGeometry(std::move(parts.availableGeometry))
    , m_quit(std::move(parts.quit))
    , m_renderingMode(parts.renderingMode)
    , m_queue(m_defaults, m_notifier)
    , m_provider(m_defaults, m_clock)
{
    m_intentContext.queue = &m_queue;
    m_intentContext.reloadAllTimelines = [this] { reloadAllTimelines(); };
    m_intentContext.openApp = [this] { m_app->activate(); };
}

WidgetHost::~WidgetHost()
{
    m_reloadObservation.reset();
}

const PlacedWidget& WidgetHost::placement(std::size_t index) const
{
    return m_widgets[index]->placement;
}

WidgetWindow& WidgetHost::window(std::size_t index)
{
    return *m_widgets[index]->window;
}

void WidgetHost::start()
{
    std::vector<PlacedWidget> placements = WidgetPlacement::load(m_configurationPath);
    if (placements.empty())
        placements.push_back(WidgetPlacement::firstWidget(m_availableGeometry()));
    for (PlacedWidget& placement : placements)
        place(std::move(placement));
    persist();
    m_reloadObservation = m_notifier.observe(QString(TimerCommandQueue::widgetReloadNotificationName),
                                             [this] { reloadAllTimelines(); });
}

void WidgetHost::reloadAllTimelines()
{
    for (const auto& hosted : m_widgets)
        hosted->scheduler->reload();
}

TimerWidgetConfigurationIntent WidgetHost::configurationOf(const PlacedWidget& placement) const
{
    TimerWidgetConfigurationIntent configuration;
    const auto found = TimerPresetQuery().entities({placement.presetID});
    if (!found.isEmpty())
        configuration.selectedPreset = found.first();
    return configuration;
}

std::size_t WidgetHost::indexOf(const Hosted* hosted) const
{
    for (std::size_t i = 0; i < m_widgets.size(); ++i) {
        if (m_widgets[i].get() == hosted)
            return i;
    }
    return m_widgets.size();
}

void WidgetHost::place(PlacedWidget placement)
{
    auto hosted = std::make_unique<Hosted>();
    Hosted* raw = hosted.get();
    raw->placement = std::move(placement);
    raw->window = std::make_unique<WidgetWindow>(raw->placement.family);
    raw->window->move(raw->placement.position);
    raw->scheduler = std::make_unique<TimelineScheduler>(
        [this, raw] { return m_provider.timeline(configurationOf(raw->placement)); }, m_clock, m_makeOneShotTimer());

    TimerWidgetView& view = raw->window->view();
    view.setRenderingMode(m_renderingMode);
    raw->scheduler->setOnEntry([&view](const TimerWidgetEntry& entry) { view.setEntry(entry); });
    view.setOnAction([this](const WidgetAction& action) { perform(action); });
    view.setOnDrag([this, raw](QPoint offset) {
        if (!raw->dragStart)
            raw->dragStart = raw->window->pos();
        raw->window->move(*raw->dragStart + offset);
    });
    view.setOnDragEnd([this, raw] {
        raw->placement.position = raw->window->pos();
        raw->dragStart.reset();
        persist();
    });
    view.setOnContextMenu([this, raw](QPoint at) {
        const std::size_t index = indexOf(raw);
        if (index >= m_widgets.size())
            return;
        const std::unique_ptr<QMenu> menu = makeMenu(index);
        menu->exec(at);
    });

    raw->scheduler->reload();
    raw->window->showOnDesktop();
    m_widgets.push_back(std::move(hosted));
}

void WidgetHost::addWidget()
{
    std::vector<PlacedWidget> placements;
    for (const auto& hosted : m_widgets)
        placements.push_back(hosted->placement);
    place(WidgetPlacement::nextWidget(placements, m_availableGeometry()));
    persist();
}

void WidgetHost::removeWidget(std::size_t index)
{
    if (index >= m_widgets.size())
        return;
    // Deleted on a later turn: the request may come from the widget's own menu.
    std::unique_ptr<Hosted> removed = std::move(m_widgets[index]);
    m_widgets.erase(m_widgets.begin() + static_cast<std::ptrdiff_t>(index));
    removed->scheduler.reset();
    // The window outlives its record until then: nothing of it may call back.
    TimerWidgetView& view = removed->window->view();
    view.setOnAction({});
    view.setOnDrag({});
    view.setOnDragEnd({});
    view.setOnContextMenu({});
    removed->window->hide();
    removed->window.release()->deleteLater();
    persist();
    // Nothing left to show.
    if (m_widgets.empty() && m_quit)
        m_quit();
}

void WidgetHost::setFamily(std::size_t index, WidgetFamily family)
{
    if (index >= m_widgets.size())
        return;
    Hosted& hosted = *m_widgets[index];
    hosted.placement.family = family;
    hosted.placement = WidgetPlacement::keptInside(hosted.placement, m_availableGeometry());
    hosted.window->setFamily(family);
    hosted.window->move(hosted.placement.position);
    hosted.window->view().update();
    persist();
}

void WidgetHost::setPreset(std::size_t index, const QString& presetID)
{
    if (index >= m_widgets.size())
        return;
    m_widgets[index]->placement.presetID = presetID;
    m_widgets[index]->scheduler->reload();
    persist();
}

void WidgetHost::perform(const WidgetAction& action)
{
    if (const auto* intent = std::get_if<WidgetIntent>(&action))
        runIntent(*intent, m_intentContext);
    else if (const auto* url = std::get_if<QUrl>(&action))
        m_app->open(*url);
}

std::unique_ptr<QMenu> WidgetHost::makeMenu(std::size_t index)
{
    auto menu = std::make_unique<QMenu>();
    const PlacedWidget placement = m_widgets[index]->placement;
    QMenu* presets = menu->addMenu(QString(TimerWidgetConfigurationIntent::selectedPresetTitle));
    auto* presetGroup = new QActionGroup(presets);
    const QString chosen = configurationOf(placement).selectedPreset.id;
    for (const TimerPresetEntity& entity : TimerPresetQuery().suggestedEntities()) {
        QAction* action
            = presets->addAction(entity.name, this, [this, index, id = entity.id] { setPreset(index, id); });
        action->setCheckable(true);
        action->setChecked(entity.id == chosen);
        presetGroup->addAction(action);
    }
    auto* familyGroup = new QActionGroup(menu.get());
    for (const WidgetFamily family : KelvaneWidget::supportedFamilies) {
        const QString label = family == WidgetFamily::Small ? u"Small"_s : u"Medium"_s;
        QAction* action = menu->addAction(label, this, [this, index, family] { setFamily(index, family); });
        action->setCheckable(true);
        action->setChecked(placement.family == family);
        familyGroup->addAction(action);
    }
    menu->addSeparator();
    menu->addAction(u"Add Widget"_s, this, [this] { addWidget(); });
    menu->addAction(u"Remove Widget"_s, this, [this, index] { removeWidget(index); });
    menu->addSeparator();
    menu->addAction(u"Quit"_s, this, [this] {
        if (m_quit)
            m_quit();
    });
    return menu;
}

void WidgetHost::persist()
{
    std::vector<PlacedWidget> placements;
    for (const auto& hosted : m_widgets)
        placements.push_back(hosted->placement);
    WidgetPlacement::save(m_configurationPath, placements);
    if (m_setLaunchAtLogin)
        m_setLaunchAtLogin(!placements.empty());
}
