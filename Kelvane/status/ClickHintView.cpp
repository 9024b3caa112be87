// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/status/ClickHintView.h"

#include "Kelvane/popover/PopupDismissal.h"
#include "Kelvane/popover/PopupPlacement.h"

#include "PlatformKit/window/WindowHints.h"

#include <QAccessibleActionInterface>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWindow>

namespace {

QLabel* label(const QString& text, int pixelSize, QFont::Weight weight, bool secondary, QWidget* parent)
{
    auto* result = new QLabel(text, parent);
    QFont font = result->font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    result->setFont(font);
    if (secondary)
        result->setForegroundRole(QPalette::PlaceholderText);
    return result;
}

// A pointer with one or two click rings beside it, drawn as strokes.
class ClickSymbol final : public QWidget {
public:
    ClickSymbol(int clicks, QWidget* parent)
        : QWidget(parent)
        , m_clicks(clicks)
    {
        setFixedSize(20, 16);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        const QColor color = palette().color(QPalette::PlaceholderText);
        painter.setPen(QPen(color, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath arrow;
        arrow.moveTo(4, 4);
        arrow.lineTo(4, 14);
        arrow.lineTo(6.5, 11.5);
        arrow.lineTo(8.5, 15);
        arrow.lineTo(10, 14.2);
        arrow.lineTo(8, 10.8);
        arrow.lineTo(11.5, 10.5);
        arrow.closeSubpath();
        painter.drawPath(arrow);
        for (int i = 0; i < m_clicks; ++i) {
            const qreal r = 2.5 + 2.5 * i;
            painter.drawArc(QRectF(4 - r, 4 - r, 2 * r, 2 * r), 100 * 16, 160 * 16);
        }
    }

private:
    int m_clicks;
};

} // namespace

ClickHintView::ClickHintView(std::function<void()> onDismiss, QWidget* parent)
    : QWidget(parent)
    , m_onDismiss(std::move(onDismiss))
    , m_gotIt(new QPushButton(QStringLiteral("Got it"), this))
{
    installAccessibleTraits();
    setFixedWidth(cardWidth);
    setAccessibleName(QStringLiteral("Welcome to Kelvane. Left-click for controls. Right-click to start or stop."));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(padding, padding, padding, padding);
    column->setSpacing(12);
    column->addWidget(label(QStringLiteral("Welcome to Kelvane"), 13, QFont::DemiBold, false, this));

    auto* rows = new QVBoxLayout;
    rows->setSpacing(6);
    const struct {
        int clicks;
        const char* title;
        const char* hint;
    } lines[] = {{1, "Left-click", "\u2192  Controls"}, {2, "Right-click", "\u2192  Start / Stop"}};
    for (const auto& line : lines) {
        auto* row = new QHBoxLayout;
        row->setSpacing(8);
        row->addWidget(new ClickSymbol(line.clicks, this));
        row->addWidget(label(QString::fromUtf8(line.title), 12, QFont::Medium, false, this));
        row->addWidget(label(QString::fromUtf8(line.hint), 12, QFont::Normal, true, this));
        row->addStretch();
        rows->addLayout(row);
    }
    column->addLayout(rows);

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    m_gotIt->setDefault(true);
    buttonRow->addWidget(m_gotIt);
    column->addLayout(buttonRow);
    connect(m_gotIt, &QPushButton::clicked, this, [this] {
        if (m_onDismiss)
            m_onDismiss();
    });
}

QStringList ClickHintView::accessibleActionNames() const
{
    return {QAccessibleActionInterface::pressAction()};
}

void ClickHintView::doAccessibleAction(const QString& name)
{
    if (name == QAccessibleActionInterface::pressAction())
        m_gotIt->click();
}

ClickHintPopup::~ClickHintPopup()
{
    delete m_popup;
}

void ClickHintPopup::showHint(const QRect& anchor)
{
    delete m_popup;
    // Not a popup: one would grab the pointer, and the right click the card
    // asks for would only close it.
    m_popup = new QWidget(nullptr,
                          Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    m_popup->setAttribute(Qt::WA_DeleteOnClose, false);
    m_popup->setAttribute(Qt::WA_ShowWithoutActivating);
    m_popup->setWindowTitle(QStringLiteral("Kelvane"));
    new PopupDismissal(*m_popup);
    auto* layout = new QVBoxLayout(m_popup);
    layout->setContentsMargins(0, 0, 0, 0);
    QWidget* popup = m_popup;
    layout->addWidget(new ClickHintView([popup] { popup->hide(); }, m_popup));
    m_popup->adjustSize();
    m_anchor = anchor;
    place();
    m_popup->winId(); // the native window, for the hints read when it is mapped
    platform::WindowHints::showOnEveryWorkspace(*m_popup->windowHandle());
    m_popup->show();
    platform::WindowHints::showOnEveryWorkspace(*m_popup->windowHandle());
    // Without an anchor the card goes by the panel's reserved edge, which a
    // panel that just came up may not have told the window manager yet.
    if (QScreen* screen = m_popup->screen())
        QObject::connect(screen, &QScreen::availableGeometryChanged, m_popup, [this] { place(); });
}

void ClickHintPopup::moveHint(const QRect& anchor)
{
    m_anchor = anchor;
    if (m_popup && m_popup->isVisible())
        place();
}

void ClickHintPopup::place()
{
    m_popup->move(popupPosition(m_anchor, m_popup->size()));
}
