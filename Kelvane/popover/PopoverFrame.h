#pragma once

#include "Kelvane/popover/PopoverHost.h"

#include <QWidget>

#include <optional>

// The popover's window: a popup 260 px wide that closes on a click outside
// it. It holds what it was built from; the controls inside come later.
class PopoverFrame final : public QWidget, public PopoverHost {
    Q_OBJECT

public:
    explicit PopoverFrame(QWidget* parent = nullptr);

    bool isShown() const override { return isVisible(); }
    bool hasContent() const override { return m_content.has_value(); }
    void setContent(PopoverContent content) override;
    void dropContent() override { m_content.reset(); }
    void show(const QRect& anchor) override;
    void close() override { hide(); }

    static constexpr int frameWidth = 260;
    static constexpr int placeholderHeight = 120;

protected:
    void hideEvent(QHideEvent* event) override;

private:
    std::optional<PopoverContent> m_content;
};
