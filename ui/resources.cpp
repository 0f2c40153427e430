// SPDX-License-Identifier: GPL-3.0-or-later
#include <QtGlobal>

// The icons and the help live in a static library, whose resources are
// registered only when asked for by name.
void InitKellvarResources()
{
    Q_INIT_RESOURCE(kellvar);
}
