// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/LivePreviewPanel.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SettingsSectionHeader.h"
#include "shared-ui/controls/SettingsTheme.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QVBoxLayout>

namespace {

constexpr qreal boxRadius = 10;

// The box behind the preview: a near-black card darkening towards its edges.
class PreviewBox : public QWidget {
public:
    PreviewBox(QWidget* content, QWidget* parent)
        : QWidget(parent)
        , m_content(content)
    {
        if (m_content)
            m_content->setParent(this);
    }

protected:
    // The content is centred at the size it asks for, filling the box along
    // the directions it wants to grow in; one larger than the box overflows
    // evenly on both sides, so its middle stays in view.
    void placeContent()
    {
        if (!m_content)
            return;
        const auto policy = m_content->sizePolicy();
        auto size = m_content->sizeHint().boundedTo(this->size());
        if (policy.horizontalPolicy() & QSizePolicy::ExpandFlag)
            size.setWidth(width());
        if (policy.verticalPolicy() & QSizePolicy::ExpandFlag)
            size.setHeight(height());
        size = size.expandedTo(m_content->minimumSize()).boundedTo(m_content->maximumSize());
        QRect frame(QPoint(), size);
        frame.moveCenter(rect().center());
        m_content->setGeometry(frame);
    }

    void resizeEvent(QResizeEvent*) override { placeContent(); }

    bool event(QEvent* event) override
    {
        if (event->type() == QEvent::LayoutRequest)
            placeContent();
        return QWidget::event(event);
    }

    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const auto strokeWidth = hairlineWidth(*this);
        const QRectF card = rect();
        paintRoundedRect(painter, card, boxRadius, SettingsTheme::previewCardBackground());

        // The vignette: clear out to 0.3 of the box's extent from the centre,
        // black at 0.4 by 0.9 of it (fractions of the full width and height,
        // so the edges sit at 0.5 and only the corners get dark). Kept inside
        // the rounded card so the corners outside it stay clean.
        QRadialGradient vignette(QPointF(0, 0), 0.9);
        vignette.setColorAt(0.3 / 0.9, Qt::transparent);
        vignette.setColorAt(1.0, faded(Qt::black, 0.4));
        QBrush brush(vignette);
        brush.setTransform(QTransform::fromTranslate(width() / 2.0, height() / 2.0).scale(width(), height()));
        QPainterPath clip;
        clip.addRoundedRect(card, boxRadius, boxRadius);
        painter.fillPath(clip, brush);

        paintRoundedRect(painter, card, boxRadius, Qt::transparent, faded(Qt::white, 0.06), strokeWidth);
    }

private:
    QWidget* m_content;
};

} // namespace

LivePreviewPanel::LivePreviewPanel(QWidget* content, QWidget* parent)
    : QWidget(parent)
    , m_content(content)
    , m_box(new PreviewBox(content, this))
{
    auto* header = new QHBoxLayout;
    header->setContentsMargins(20, 16, 20, 10);
    header->addWidget(new SettingsSectionHeader(QStringLiteral("Live Preview"), this));
    header->addStretch(1);

    m_box->setFixedHeight(previewHeight);
    m_box->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);

    auto* boxMargins = new QHBoxLayout;
    boxMargins->setContentsMargins(20, 0, 20, 14);
    boxMargins->addWidget(m_box);

    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(0);
    stack->addLayout(header);
    stack->addLayout(boxMargins);
}

void LivePreviewPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), SettingsTheme::groupBackground(palette()));
}
