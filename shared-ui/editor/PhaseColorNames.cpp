// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/editor/PhaseColorNames.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

std::optional<QString> phaseColorName(int index)
{
    static const std::array names{u"Tomato Red"_s, u"Soft Green"_s, u"Periwinkle Blue"_s, u"Amber"_s,
                                  u"Purple"_s,     u"Cyan"_s,       u"Orange"_s,          u"Pink"_s};
    if (index < 0 || index >= static_cast<int>(names.size()))
        return std::nullopt;
    return names[static_cast<std::size_t>(index)];
}

QString phaseColorSwatchLabel(int index)
{
    return u"Phase color: "_s + phaseColorName(index).value_or(u"Unknown"_s);
}

QString phaseColorChoiceLabel(int index)
{
    return phaseColorName(index).value_or(u"Color "_s + QString::number(index));
}
