// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/controls/SettingsSectionHeader.h"

#include "shared-ui/controls/ControlPainting.h"
#include "shared-ui/controls/SettingsTheme.h"

namespace {

constexpr int captionPixelSize = 10;
constexpr qreal letterTracking = 0.8;
constexpr int leadingPadding = 4;

} // namespace

SettingsSectionHeader::SettingsSectionHeader(const QString& title, QWidget* parent)
    : TintedLabel(title.toUpper(), &SettingsTheme::sectionHeaderText, parent)
    , m_title(title)
{
    setAccessibleName(m_title);
    auto caption = pixelFont(font(), captionPixelSize, QFont::DemiBold);
    caption.setLetterSpacing(QFont::AbsoluteSpacing, letterTracking);
    setFont(caption);
    setContentsMargins(leadingPadding, 0, 0, 0);
    setAlignment(Qt::AlignLeading | Qt::AlignVCenter);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}
