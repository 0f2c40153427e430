// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "analysisreceiver.h"
#include "linereader.h"

#include <string>

namespace kellvar {

// Analyses one modem log from start to end and hands every result to the
// receiver, ending with its ShowSummary. allTimeLog may be null when the
// history is not kept; it is used only while flags.StoreAllTimeLog is set.
// True when the log was read whole and the All-Time-Log, when kept, was set
// up and written (analysing the All-Time-Log itself cannot write it, and is
// no failure). Messages reach the receiver only once the log and the
// All-Time-Log are closed, so that a box left open holds no file. readSome
// reads the log (read(2) unless a test puts a failing one in).
bool AnalyseLogFile(const std::string& path, const TAnalysisFlags& flags, TAnalysisReceiver& receiver,
                    TAllTimeLogHooks* allTimeLog = nullptr, TLineReader::TReadFunction readSome = nullptr);

// The driver stops extending its log at about 255 KByte; from 2,001 blocks of
// 128 bytes on the user is told to move it aside.
inline constexpr int32_t SizeWarningBlocks = 2'000;

}  // namespace kellvar
