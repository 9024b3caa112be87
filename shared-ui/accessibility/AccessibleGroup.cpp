#include "shared-ui/accessibility/AccessibleGroup.h"

AccessibleGroup::AccessibleGroup(const QString& accessibleName, QWidget* parent) : QWidget(parent)
{
    installAccessibleTraits();
    setAccessibleName(accessibleName);
}
