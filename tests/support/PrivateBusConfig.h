// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The configuration of a session bus of a test's own: it listens at `listen`
// (a D-Bus address such as "unix:path=..." or "unix:dir=...") and can start
// only the services described in `serviceDir`, or none when it is empty, so
// nothing installed on the machine answers in a test's place.

#include <QString>

namespace platform::test {

inline QString privateBusConfig(const QString& listen, const QString& serviceDir = {})
{
    const QString services
        = serviceDir.isEmpty() ? QString() : QStringLiteral("  <servicedir>%1</servicedir>\n").arg(serviceDir);
    return QStringLiteral(R"(<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>%1</listen>
%2  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
)")
        .arg(listen, services);
}

} // namespace platform::test
