// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace kellvar {

// Screen readers meet a chart as one picture of the role "chart", named by
// its title and described by its text (TChart::Describe), not as the empty
// scroll area and viewport it is made of. Installed once with
// QAccessible::installFactory(ChartAccessibleFactory).
QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object);

}  // namespace kellvar
