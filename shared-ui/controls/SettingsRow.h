#pragma once

#include <QString>
#include <QWidget>

#include <optional>

// One row of a settings card: a title, an optional subtitle under it, the
// row's control at the trailing edge, and optionally a divider underneath.
class SettingsRow : public QWidget {
    Q_OBJECT

public:
    static constexpr int minimumContentHeight = 42;
    static constexpr int horizontalPadding = 14;

    // The row takes over `control`.
    SettingsRow(const QString& title, const std::optional<QString>& subtitle, bool showsDivider, QWidget* control,
                QWidget* parent = nullptr);

    // At least the minimum height, whatever the contents ask for.
    QSize sizeHint() const override;

    QWidget* control() const { return m_control; }
    bool showsDivider() const { return m_showsDivider; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_control;
    bool m_showsDivider;
};
