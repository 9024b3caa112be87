// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SettingsRow.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SettingsTheme.h"
#include "shared-ui/controls/TintedLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int titlePixelSize = 13;
constexpr int subtitlePixelSize = 11;
constexpr int titleSubtitleSpacing = 2;

} // namespace

SettingsRow::SettingsRow(const QString& title, const std::optional<QString>& subtitle, bool showsDivider,
                         QWidget* control, QWidget* parent)
    : QWidget(parent)
    , m_control(control)
    , m_showsDivider(showsDivider)
    , m_titles(new QVBoxLayout)
{
    m_titles->setSpacing(titleSubtitleSpacing);
    m_titles->setContentsMargins(0, 0, 0, 0);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setFont(pixelFont(font(), titlePixelSize));
    m_titles->addWidget(titleLabel);
    if (m_control && !title.isEmpty())
        labelControl(titleLabel, title);
    if (subtitle)
        setSubtitle(*subtitle);

    m_row = new QHBoxLayout(this);
    m_row->addLayout(m_titles);
    // Title and subtitle stay together in the middle of a taller row.
    m_row->setAlignment(m_titles, Qt::AlignVCenter);
    m_row->addStretch(1);
    if (m_control)
        m_row->addWidget(m_control, 0, Qt::AlignVCenter);
    placeDivider();
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void SettingsRow::setSubtitle(const QString& subtitle)
{
    if (!m_subtitle) {
        m_subtitle = new TintedLabel(subtitle, &SettingsTheme::sectionHeaderText, this);
        m_subtitle->setFont(pixelFont(font(), subtitlePixelSize));
        m_titles->addWidget(m_subtitle);
        return;
    }
    m_subtitle->setText(subtitle);
}

QString SettingsRow::subtitle() const
{
    return m_subtitle ? m_subtitle->text() : QString();
}

void SettingsRow::setShowsDivider(bool showsDivider)
{
    m_showsDivider = showsDivider;
    placeDivider();
    update();
}

void SettingsRow::placeDivider()
{
    // The divider sits under the content, one device pixel or half a logical
    // one high; only a row with a divider is taller by it.
    const int dividerHeight = m_showsDivider ? 1 : 0;
    m_row->setContentsMargins(horizontalPadding, 0, horizontalPadding, dividerHeight);
    setMinimumHeight(minimumContentHeight + dividerHeight);
}

void SettingsRow::labelControl(QLabel* titleLabel, const QString& title)
{
    // The title labels the control for assistive technologies: a control
    // without a name of its own is called by it, and the title speaks the
    // name a control has, as Qt names a drop-down by its value and leaves
    // its label to this relation.
    titleLabel->setBuddy(m_control);
    if (m_control->accessibleName().isEmpty())
        m_control->setAccessibleName(title);
    else
        titleLabel->setAccessibleName(m_control->accessibleName());
}

QSize SettingsRow::sizeHint() const
{
    return QWidget::sizeHint().expandedTo(minimumSize());
}

void SettingsRow::paintEvent(QPaintEvent*)
{
    if (!m_showsDivider)
        return;
    QPainter painter(this);
    const auto thickness = hairlineWidth(*this);
    painter.fillRect(QRectF(horizontalPadding, height() - 1, width() - horizontalPadding, thickness),
                     SettingsTheme::rowDivider(palette()));
}
