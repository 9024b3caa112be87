// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Kelvane/popover/CustomTimerEditorDialog.h"
#include "Kelvane/popover/PopoverContentView.h"
#include "Kelvane/popover/PopoverHost.h"
#include "Kelvane/popover/PopoverModel.h"

#include "TimerCoreKit/sessions/CustomTimer.h"

#include <QPointer>
#include <QWidget>

#include <optional>

// The popover's window: a popup 260 px wide that closes on a click outside
// it. Each opening builds its content afresh from what it was given, and
// closing destroys it. The custom-timer editor is a modal dialog: the popup
// closes for it and opens again in the same place once it is closed.
class PopoverFrame final : public QWidget, public PopoverHost {
    Q_OBJECT

public:
    explicit PopoverFrame(PopoverModel model, QWidget* parent = nullptr);
    ~PopoverFrame() override;

    bool isShown() const override { return isVisible(); }
    bool hasContent() const override { return m_content.has_value(); }
    void setContent(PopoverContent content) override;
    void dropContent() override { m_content.reset(); }
    void show(const QRect& anchor) override;
    void close() override { hide(); }

    // The content of the current opening; null while closed.
    PopoverContentView* contentView() const { return m_view; }
    // The editor while it is open.
    CustomTimerEditorDialog* editorDialog() const { return m_editor; }
    void openEditor(const CustomTimer& timer);

    static constexpr int frameWidth = 260;

protected:
    void hideEvent(QHideEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void place();
    void dropView();

    PopoverModel m_model;
    std::optional<PopoverContent> m_content;
    QPointer<PopoverContentView> m_view;
    QPointer<CustomTimerEditorDialog> m_editor;
    QRect m_anchor;
    bool m_keepContent = false;
};
