// SPDX-License-Identifier: GPL-3.0-or-later
#include "desktopnotification.h"

#include <QDBusConnection>
#include <QDBusInterface>
#include <QDBusReply>
#include <QStringList>
#include <QVariantMap>

namespace kellvar {

bool NotifyDesktop(const QString& summary, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusInterface notifications("org.freedesktop.Notifications", "/org/freedesktop/Notifications",
                                 "org.freedesktop.Notifications", bus);
    if (!notifications.isValid())
        return false;
    const QDBusReply<uint> reply = notifications.call("Notify", QString("Kellvar"), 0u, QString("kellvar"), summary,
                                                      body, QStringList(), QVariantMap(), -1);
    return reply.isValid();
}

}  // namespace kellvar
