// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

#include "keyedtexts.h"

#include <initializer_list>
#include <string_view>

namespace kellvar {

namespace {

enum class TMessage {
    SizeWarning,
    OpenFailure,
    AllTimeLogWriteAccess,
    AutomaticLoadingOff,
    SettingsNotRead,
    SettingsTooLarge,
    SettingsNotWritten,
    LogReplaced,
    LogShrank,
    AnalysedAsLog,
    ReadingProgress,
    InterleavedLogs,
    LinesLeftOut,
    LinesWithoutStamp,
    LinesGivenUp,
    RowLimit,
    ChartRowLimit,
    NoTimeOnline,
    UntrustedHelper,
    HelperFailed,
    HelperKilled,
    NoPictureWritten,
};

// Each message with %1, %2 where its values go.
constexpr std::array<TKeyedText<TMessage>, 22> MessageRows = {{
    {TMessage::SizeWarning,
     "Die Datei \"%1\" ist länger als 250KByte!\r"
     "Windows fügt ab einer Länge von 255KByte keine Einträge mehr hinzu.\r"
     "Sie sollten die Datei (z.B. für Archivzwecke) jetzt umbenennen, verschieben oder löschen!\r"
     "Weitere Informationen in der Hilfe.",
     "The file \"%1\" is larger than 250KByte!\r"
     "Windows adds no entries when log file size is over 255KByte.\r"
     "You should (e.g. for archiving) rename, move or delete the file.\r"
     "Refer to the manual for more information."},
    {TMessage::OpenFailure, "Die Datei \"%1\" konnte nicht geöffnet werden!", "Could not open file \"%1\".!"},
    {TMessage::AllTimeLogWriteAccess,
     "Die Datei \"%1\" konnte nicht für Schreibzugriffe geöffnet werden.\r"
     "Das All-Time-Log wird daher nicht aktualisiert.",
     "The file \"%1\" couldn't be opened for write-access.\r"
     "Hence the All-Time-Log will not be updated."},
    {TMessage::AutomaticLoadingOff,
     "Das automatische Laden der Log-Datei ist ausgeschaltet; es wurde nichts ausgewertet.",
     "Automatic loading of the log file is switched off; nothing was analysed."},
    {TMessage::SettingsNotRead,
     "Die Einstellungsdatei \"%1\" konnte nicht gelesen werden (%2); es gelten die Voreinstellungen, und die "
     "Datei bleibt unverändert.",
     "The settings file \"%1\" could not be read (%2); the defaults apply, and the file is left as it is."},
    {TMessage::SettingsTooLarge, "größer als 1 MB", "larger than 1 MB"},
    {TMessage::SettingsNotWritten, "Die Einstellungsdatei \"%1\" konnte nicht geschrieben werden (%2).",
     "The settings file \"%1\" could not be written (%2)."},
    {TMessage::LogReplaced, "die Datei wurde während des Lesens ersetzt", "the file was replaced while it was read"},
    {TMessage::LogShrank, "die Datei wurde während des Lesens kürzer", "the file became shorter while it was read"},
    {TMessage::AnalysedAsLog, "es wird gerade als Log gelesen", "it is the log being read"},
    {TMessage::ReadingProgress, "Die Log-Datei wird gelesen", "Reading the log"},
    {TMessage::InterleavedLogs,
     "%1 und %2 überschneiden sich zeitlich, ohne dass eine die andere fortsetzt; die Zeilen von %1 aus dieser Zeit "
     "wurden ausgelassen.",
     "%1 and %2 overlap in time without one continuing the other; the lines of %1 from that time were left out."},
    {TMessage::LinesLeftOut,
     "%1 erkannte Zeilen wurden nicht in das All-Time-Log \"%2\" übernommen: Sie sind nicht neuer als seine letzte "
     "Zeile, und die Log-Datei setzt es nicht fort.",
     "%1 recognised lines were not added to the All-Time-Log \"%2\": they are not newer than its newest line, and "
     "the log does not continue it."},
    {TMessage::LinesWithoutStamp,
     "%1 erkannte Zeilen wurden nicht in das All-Time-Log \"%2\" übernommen: Ihr Zeitstempel ist nicht lesbar, und "
     "die Log-Datei setzt es nicht fort.",
     "%1 recognised lines were not added to the All-Time-Log \"%2\": their stamp cannot be read, and the log does "
     "not continue it."},
    {TMessage::LinesGivenUp,
     "%1 erkannte Zeilen wurden nicht in das All-Time-Log \"%2\" übernommen: Die Log-Datei enthält nach ihnen noch "
     "einmal seine letzten Zeilen und setzt es dort fort.",
     "%1 recognised lines were not added to the All-Time-Log \"%2\": the log holds its last lines again after them "
     "and continues it there."},
    {TMessage::RowLimit, "Die Tabelle endet nach %1 Verbindungen; der Rest der Datei wurde nicht ausgewertet.",
     "The table ends after %1 connections; the rest of the file was not analysed."},
    {TMessage::ChartRowLimit,
     "Das Diagramm endet nach %1 Verbindungen, wie im Fenster; der Rest der Datei wurde nicht ausgewertet.",
     "The chart ends after %1 connections, as in the window; the rest of the file was not analysed."},
    {TMessage::NoTimeOnline,
     "%1 Verbindungen endeten nicht nach ihrem Verbindungsaufbau (Auflegen in derselben Hundertstelsekunde oder "
     "davor) und kosten nur Grundgebühr, ersten Takt und Mindestbetrag.",
     "%1 connections were hung up no later than they connected (in the same hundredth, or before) and cost only "
     "their fee, first block and minimum."},
    {TMessage::UntrustedHelper,
     "%1: nicht gestartet: ein anderer Benutzer könnte das Programm oder einen Ordner darüber verändert haben",
     "%1: not run: another user could have changed the program or a folder above it"},
    {TMessage::HelperFailed, "%1: ohne Diagramm beendet (Status %2)", "%1: ended without a chart (status %2)"},
    {TMessage::HelperKilled, "%1: durch Signal %2 beendet, kein Diagramm geschrieben",
     "%1: killed by signal %2, no chart written"},
    {TMessage::NoPictureWritten, "%1: kein Diagramm geschrieben", "%1: no chart was written"},
}};
static_assert(RowsInKeyOrder(MessageRows));

// The message's text with each %N replaced by the Nth value; the values
// themselves are not looked into, so a path holding "%1" stays as it is.
std::string Message(TMessage message, bool german, std::initializer_list<std::string_view> values = {})
{
    const std::string_view text = KeyedText(MessageRows, message, german);
    std::string filled;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t value = i + 1 < text.size() ? static_cast<size_t>(text[i + 1] - '1') : values.size();
        if (text[i] == '%' && value < values.size()) {
            filled += values.begin()[value];
            ++i;
        } else {
            filled += text[i];
        }
    }
    return filled;
}

}  // namespace

std::string SizeWarningMessage(const std::string& logPath, bool german)
{
    return Message(TMessage::SizeWarning, german, {logPath});
}

std::string OpenFailureMessage(const std::string& logPath, bool german)
{
    return Message(TMessage::OpenFailure, german, {logPath});
}

std::string AllTimeLogWriteAccessMessage(const std::string& allTimeLogPath, bool german)
{
    return Message(TMessage::AllTimeLogWriteAccess, german, {allTimeLogPath});
}

std::string AutomaticLoadingOffMessage(bool german)
{
    return Message(TMessage::AutomaticLoadingOff, german);
}

std::string SettingsNotReadMessage(const std::string& settingsPath, const std::string& reason, bool german)
{
    return Message(TMessage::SettingsNotRead, german, {settingsPath, reason});
}

std::string SettingsNotWrittenMessage(const std::string& settingsPath, const std::string& reason, bool german)
{
    return Message(TMessage::SettingsNotWritten, german, {settingsPath, reason});
}

std::string SettingsTooLargeReason(bool german)
{
    return Message(TMessage::SettingsTooLarge, german);
}

std::string FailureLead(const std::string& path, const std::string& reason, bool allTimeLog)
{
    return (allTimeLog ? "All-Time-Log " : "") + path + ": " + reason;
}

std::string FailureNote(const std::string& path, const std::string& reason, bool allTimeLog)
{
    return " (" + FailureLead(path, reason, allTimeLog) + ")";
}

std::string LogReplacedReason(bool german)
{
    return Message(TMessage::LogReplaced, german);
}

std::string LogShrankReason(bool german)
{
    return Message(TMessage::LogShrank, german);
}

std::string AnalysedAsLogReason(bool german)
{
    return Message(TMessage::AnalysedAsLog, german);
}

const char* const FilesHelp = "  kellvar.INI (settings) and kellvar.ATL (All-Time-Log) beside the kellvar\n"
                              "  program, in a folder that only you may change; otherwise\n"
                              "  $XDG_CONFIG_HOME/kellvar/kellvar.INI (~/.config) and\n"
                              "  $XDG_DATA_HOME/kellvar/kellvar.ATL (~/.local/share).\n";

std::string ReadingProgressName(bool german)
{
    return Message(TMessage::ReadingProgress, german);
}

std::string InterleavedLogsMessage(const std::string& earlier, const std::string& later, bool german)
{
    return Message(TMessage::InterleavedLogs, german, {later, earlier});
}

std::string LinesLeftOutMessage(int64_t lines, const std::string& allTimeLogPath, bool german)
{
    return Message(TMessage::LinesLeftOut, german, {std::to_string(lines), allTimeLogPath});
}

std::string LinesWithoutStampMessage(int64_t lines, const std::string& allTimeLogPath, bool german)
{
    return Message(TMessage::LinesWithoutStamp, german, {std::to_string(lines), allTimeLogPath});
}

std::string LinesGivenUpMessage(int64_t lines, const std::string& allTimeLogPath, bool german)
{
    return Message(TMessage::LinesGivenUp, german, {std::to_string(lines), allTimeLogPath});
}

std::string RowLimitMessage(int32_t rowsShown, bool german)
{
    return Message(TMessage::RowLimit, german, {std::to_string(rowsShown)});
}

std::string ChartRowLimitMessage(int32_t pointsShown, bool german)
{
    return Message(TMessage::ChartRowLimit, german, {std::to_string(pointsShown)});
}

std::string NoTimeOnlineMessage(int64_t connections, bool german)
{
    return Message(TMessage::NoTimeOnline, german, {std::to_string(connections)});
}

std::string UntrustedHelperMessage(const std::string& helperPath, bool german)
{
    return Message(TMessage::UntrustedHelper, german, {helperPath});
}

std::string HelperFailedMessage(const std::string& helperPath, int exitStatus, bool german)
{
    return Message(TMessage::HelperFailed, german, {helperPath, std::to_string(exitStatus)});
}

std::string HelperKilledMessage(const std::string& helperPath, int signal, bool german)
{
    return Message(TMessage::HelperKilled, german, {helperPath, std::to_string(signal)});
}

std::string NoPictureWrittenMessage(const std::string& picturePath, bool german)
{
    return Message(TMessage::NoPictureWritten, german, {picturePath});
}

}  // namespace kellvar
