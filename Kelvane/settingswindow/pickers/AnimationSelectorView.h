// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/animation/AnimationPlayer.h"

#include "shared-ui/animations/CompletionAnimation.h"

#include <QWidget>

#include <memory>

class AnimationPreviewBox;
class ColorManager;
class CompletionSettings;
class QCheckBox;
class QComboBox;

// Chooses the completion animation and whether it loops, and plays the
// choice in the display's colours. Its preview player is its own.
class AnimationSelectorView final : public QWidget {
    Q_OBJECT

public:
    AnimationSelectorView(CompletionSettings& completionSettings, ColorManager& colorManager,
                          std::unique_ptr<AnimationPlayer> previewPlayer, QWidget* parent = nullptr);

    QComboBox* picker() const { return m_picker; }
    QCheckBox* loopToggle() const { return m_loopToggle; }
    AnimationPreviewBox* previewBox() const { return m_previewBox; }
    const AnimationPlayer& previewPlayer() const { return *m_previewPlayer; }

    // The height the preview frames are decoded at.
    static constexpr double previewFrameHeight = 18;

private:
    void select(const QString& id);
    void reloadPreview();
    void loadPreview(const CompletionAnimation& animation);
    void showSelection();

    CompletionSettings& m_completionSettings;
    ColorManager& m_colorManager;
    std::unique_ptr<AnimationPlayer> m_previewPlayer;
    QComboBox* m_picker;
    QCheckBox* m_loopToggle;
    AnimationPreviewBox* m_previewBox;
    // The loop setting the preview last followed.
    bool m_previewLoops;
};
