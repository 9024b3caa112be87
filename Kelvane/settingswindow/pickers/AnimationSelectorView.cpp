// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pickers/AnimationSelectorView.h"

#include "Kelvane/animation/AnimationLibrary.h"
#include "Kelvane/animation/BuiltInAnimationFrames.h"
#include "Kelvane/settings/ColorManager.h"
#include "Kelvane/settings/CompletionSettings.h"
#include "Kelvane/settingswindow/pickers/AnimationPreviewBox.h"

#include "shared-ui/accessibility/AccessibilityIdentifiers.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QSignalBlocker>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

AnimationSelectorView::AnimationSelectorView(CompletionSettings& completionSettings, ColorManager& colorManager,
                                             std::unique_ptr<AnimationPlayer> previewPlayer, QWidget* parent)
    : QWidget(parent)
    , m_completionSettings(completionSettings)
    , m_colorManager(colorManager)
    , m_previewPlayer(std::move(previewPlayer))
    , m_picker(new QComboBox)
    , m_loopToggle(new QCheckBox(u"Loop animation"_s))
    , m_previewBox(new AnimationPreviewBox)
    , m_previewLoops(m_completionSettings.animationLoopsEnabled())
{
    m_picker->setAccessibleName(u"Animation"_s);
    m_picker->setObjectName(AccessibilityIdentifiers::Settings::animationPicker);
    for (const CompletionAnimation& animation : AnimationLibrary::animations())
        m_picker->addItem(animation.name, animation.id);

    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(0, 0, 0, 0);
    choices->setSpacing(8);
    choices->addWidget(m_picker);
    choices->addWidget(m_loopToggle);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(16);
    row->addLayout(choices);
    row->addStretch();
    row->addWidget(m_previewBox, 0, Qt::AlignTop);

    // Activated comes from the user only, also for the entry already chosen,
    // which then replays.
    connect(m_picker, &QComboBox::activated, this, [this](int index) { select(m_picker->itemData(index).toString()); });
    connect(m_loopToggle, &QCheckBox::clicked, this,
            [this](bool checked) { m_completionSettings.setAnimationLoopsEnabled(checked); });
    connect(&m_completionSettings, &CompletionSettings::selectedAnimationIDChanged, this,
            &AnimationSelectorView::showSelection);
    // The store tells of every write, also of one that keeps the value; only
    // a new value replays the preview, so an ended one-shot stays ended.
    connect(&m_completionSettings, &CompletionSettings::animationLoopsEnabledChanged, this, [this] {
        showSelection();
        const bool loops = m_completionSettings.animationLoopsEnabled();
        if (loops == m_previewLoops)
            return;
        m_previewLoops = loops;
        reloadPreview();
    });
    connect(&m_colorManager, &ColorManager::changed, this,
            [this] { m_previewBox->setDisplayColor(m_colorManager.resolvedDisplayColor()); });
    connect(m_previewPlayer.get(), &AnimationPlayer::currentFrameChanged, this,
            [this] { m_previewBox->setFrame(m_previewPlayer->currentFrame()); });
    m_previewBox->setOnTap([this] { reloadPreview(); });

    m_previewBox->setDisplayColor(m_colorManager.resolvedDisplayColor());
    showSelection();
    reloadPreview();
}

void AnimationSelectorView::select(const QString& id)
{
    const auto animation = AnimationLibrary::animation(id);
    if (!animation)
        return;
    m_completionSettings.setSelectedAnimationID(id);
    loadPreview(*animation);
}

void AnimationSelectorView::reloadPreview()
{
    const auto& id = m_completionSettings.selectedAnimationID();
    if (!id)
        return;
    if (const auto animation = AnimationLibrary::animation(*id))
        loadPreview(*animation);
}

void AnimationSelectorView::loadPreview(const CompletionAnimation& animation)
{
    // A missing or broken animation leaves the preview as it was.
    const auto frames = builtInAnimationFrames(animation, previewFrameHeight);
    if (!frames)
        return;
    m_previewPlayer->load(frames->frames, frames->delays, m_completionSettings.animationLoopsEnabled());
}

void AnimationSelectorView::showSelection()
{
    const auto& id = m_completionSettings.selectedAnimationID();
    const QSignalBlocker quietPicker(m_picker);
    m_picker->setCurrentIndex(id ? m_picker->findData(*id) : -1);
    const QSignalBlocker quietToggle(m_loopToggle);
    m_loopToggle->setChecked(m_completionSettings.animationLoopsEnabled());
}
