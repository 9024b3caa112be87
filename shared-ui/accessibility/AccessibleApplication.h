// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The application as assistive technologies see it. Qt leaves popup windows
// out of the application's children, so a screen reader walking the tree
// never finds an open popup such as the popover or the first-run hint; this
// interface lists the popups that are shown beside the other windows.

// Registers the application's interface. Call it before the application
// object is made, as Qt keeps the first interface it builds for it.
void installAccessibleApplication();
