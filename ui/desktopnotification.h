// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace kellvar {

// One notification on the desktop (org.freedesktop.Notifications on the
// session bus). Without a session bus, or without a notification service,
// nothing is shown and nothing fails: false says so.
bool NotifyDesktop(const QString& summary, const QString& body);

}  // namespace kellvar
