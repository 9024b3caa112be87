// SPDX-License-Identifier: GPL-3.0-or-later
#include "Kelvane/settingswindow/pages/AboutPage.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SettingsTheme.h"
#include "shared-ui/controls/SymbolPainter.h"
#include "shared-ui/controls/TintedLabel.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int itemSpacing = 24;
constexpr int dividerWidth = 200;

// The fallback symbol, drawn at the screen's density.
QPixmap timerSymbol(const QWidget& widget)
{
    const qreal ratio = widget.devicePixelRatioF();
    QPixmap pixmap(QSize(AboutPage::fallbackSymbolSize, AboutPage::fallbackSymbolSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    const QRectF box(0, 0, AboutPage::fallbackSymbolSize, AboutPage::fallbackSymbolSize);
    paintSymbol(painter, u"timer", box, AboutPage::fallbackSymbolSize, widget.palette().color(QPalette::Highlight));
    return pixmap;
}

// A hairline in the row divider's colour, whatever the palette.
class AboutDivider final : public QWidget {
public:
    AboutDivider() { setFixedSize(dividerWidth, 1); }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(QRectF(0, 0, width(), hairlineWidth(*this)), SettingsTheme::rowDivider(palette()));
    }
};

} // namespace

AboutPage::AboutPage(const QIcon& icon, const QString& versionText, QWidget* parent)
    : QWidget(parent)
    , m_icon(new QLabel)
{
    if (icon.isNull())
        m_icon->setPixmap(timerSymbol(*this));
    else
        m_icon->setPixmap(icon.pixmap(QSize(iconSide, iconSide), devicePixelRatioF()));
    m_icon->setAlignment(Qt::AlignCenter);

    auto* name = new QLabel(u"Kelvane"_s);
    name->setFont(pixelFont(font(), 22, QFont::DemiBold));
    auto* version = new TintedLabel(versionText, &secondaryLabelColor);
    version->setFont(pixelFont(font(), 12));
    auto* titles = new QVBoxLayout;
    titles->setSpacing(8);
    titles->addWidget(name, 0, Qt::AlignHCenter);
    titles->addWidget(version, 0, Qt::AlignHCenter);

    auto* description = new QVBoxLayout;
    description->setSpacing(4);
    for (const QString& line : {u"A minimal countdown timer with"_s, u"retro dot-matrix display"_s}) {
        auto* label = new TintedLabel(line, &secondaryLabelColor);
        label->setFont(pixelFont(font(), 13));
        description->addWidget(label, 0, Qt::AlignHCenter);
    }

    auto* column = new QVBoxLayout(this);
    column->setSpacing(itemSpacing);
    column->addStretch();
    column->addWidget(m_icon, 0, Qt::AlignHCenter);
    column->addLayout(titles);
    column->addLayout(description);
    column->addWidget(new AboutDivider, 0, Qt::AlignHCenter);
    column->addStretch();
}

QString AboutPage::versionText(const std::optional<QString>& shortVersion, const std::optional<QString>& build)
{
    const auto orElse = [](const std::optional<QString>& value, const QString& fallback) {
        return value && !value->isEmpty() ? *value : fallback;
    };
    return u"Version "_s + orElse(shortVersion, u"1.0.0"_s) + u" ("_s + orElse(build, u"1"_s) + u')';
}
