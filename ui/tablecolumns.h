// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/connectiontable.h"

#include <QStringList>

class QTreeView;

namespace kellvar {

// Sets each column of the table view as wide as the layout has it (scaled to
// the font), or wider when its widest text, caption and sort arrow included,
// needs more, so that no cell and no caption is cut.
void FitColumnWidths(QTreeView* view, const TConnectionTable& table, const QStringList& captions);

}  // namespace kellvar
