// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

#include <optional>

class QHBoxLayout;
class QLabel;
class QVBoxLayout;
class TintedLabel;

// One row of a settings card: a title, an optional subtitle under it, the
// row's control at the trailing edge, and optionally a divider underneath.
// The title is the control's label for assistive technologies.
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
    // For rows whose subtitle and divider follow a setting.
    void setSubtitle(const QString& subtitle);
    void setShowsDivider(bool showsDivider);
    QString subtitle() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void placeDivider();
    void labelControl(QLabel* titleLabel, const QString& title);

    QWidget* m_control;
    bool m_showsDivider;
    QVBoxLayout* m_titles;
    QHBoxLayout* m_row;
    TintedLabel* m_subtitle = nullptr;
};
