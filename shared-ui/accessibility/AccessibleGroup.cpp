// SPDX-License-Identifier: GPL-3.0-or-later
#include "shared-ui/accessibility/AccessibleGroup.h"

AccessibleGroup::AccessibleGroup(const QString& accessibleName, QWidget* parent)
    : QWidget(parent)
{
    installAccessibleTraits();
    setAccessibleName(accessibleName);
}
