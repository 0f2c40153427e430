// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectionsums.h"

namespace kellvar {

void TConnectionSums::Add(const TConnectionRecord& r)
{
    ++Connections;
    DurationHundredths += r.ConnectionDuration;
    DialHundredths += r.DialDuration;
    ReceivedBytes += r.BytesRead;
    SentBytes += r.BytesWritten;
}

void TConnectionSums::Add(const TConnectionSums& other)
{
    Connections += other.Connections;
    DurationHundredths += other.DurationHundredths;
    DialHundredths += other.DialHundredths;
    ReceivedBytes += other.ReceivedBytes;
    SentBytes += other.SentBytes;
}

}  // namespace kellvar
