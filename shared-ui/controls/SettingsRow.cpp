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
    : QWidget(parent), m_control(control), m_showsDivider(showsDivider)
{
    auto* titles = new QVBoxLayout;
    titles->setSpacing(titleSubtitleSpacing);
    titles->setContentsMargins(0, 0, 0, 0);
    auto* titleLabel = new QLabel(title, this);
    titleLabel->setTextFormat(Qt::PlainText);
    titleLabel->setFont(pixelFont(font(), titlePixelSize));
    titles->addWidget(titleLabel);
    if (subtitle) {
        auto* subtitleLabel = new TintedLabel(*subtitle, &SettingsTheme::sectionHeaderText, this);
        subtitleLabel->setFont(pixelFont(font(), subtitlePixelSize));
        titles->addWidget(subtitleLabel);
    }

    // The divider sits under the content, one device pixel or half a logical
    // one high; only a row with a divider is taller by it.
    const int dividerHeight = m_showsDivider ? 1 : 0;
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(horizontalPadding, 0, horizontalPadding, dividerHeight);
    row->addLayout(titles);
    // Title and subtitle stay together in the middle of a taller row.
    row->setAlignment(titles, Qt::AlignVCenter);
    row->addStretch(1);
    if (m_control)
        row->addWidget(m_control, 0, Qt::AlignVCenter);
    setMinimumHeight(minimumContentHeight + dividerHeight);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
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
