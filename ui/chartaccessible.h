// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace kellvar {

// What screen readers meet where a widget's own role or name would mislead:
// - a chart is one picture of the role "chart", named by its title and
//   described by its text (TChart::Describe), not the empty scroll area and
//   viewport it is made of; the week map is a picture too;
// - a figure's value (TFigureLabel) is named "caption: value";
// - the program's one window is a window, though it is a QDialog.
// Installed once with QAccessible::installFactory(ChartAccessibleFactory).
QAccessibleInterface* ChartAccessibleFactory(const QString& className, QObject* object);

}  // namespace kellvar
