// SPDX-License-Identifier: GPL-3.0-or-later
#include "messages.h"

namespace kellvar {

namespace {

std::string Quoted(const std::string& path)
{
    return "\"" + path + "\"";
}

}  // namespace

std::string SizeWarningMessage(const std::string& logPath, bool german)
{
    if (german)
        return "Die Datei " + Quoted(logPath)
               + " ist länger als 250KByte!\r"
                 "Windows fügt ab einer Länge von 255KByte keine Einträge mehr hinzu.\r"
                 "Sie sollten die Datei (z.B. für Archivzwecke) jetzt umbenennen, verschieben oder löschen!\r"
                 "Weitere Informationen in der Hilfe.";
    return "The file " + Quoted(logPath)
           + " is larger than 250KByte!\r"
             "Windows adds no entries when log file size is over 255KByte.\r"
             "You should (e.g. for archiving) rename, move or delete the file.\r"
             "Refer to the manual for more information.";
}

std::string OpenFailureMessage(const std::string& logPath, bool german)
{
    if (german)
        return "Die Datei " + Quoted(logPath) + " konnte nicht geöffnet werden!";
    return "Could not open file " + Quoted(logPath) + ".!";
}

std::string AllTimeLogWriteAccessMessage(const std::string& allTimeLogPath, bool german)
{
    if (german)
        return "Die Datei " + Quoted(allTimeLogPath)
               + " konnte nicht für Schreibzugriffe geöffnet werden.\r"
                 "Das All-Time-Log wird daher nicht aktualisiert.";
    return "The file " + Quoted(allTimeLogPath)
           + " couldn't be opened for write-access.\r"
             "Hence the All-Time-Log will not be updated.";
}

std::string AutomaticLoadingOffMessage(bool german)
{
    if (german)
        return "Das automatische Laden der Log-Datei ist ausgeschaltet; es wurde nichts ausgewertet.";
    return "Automatic loading of the log file is switched off; nothing was analysed.";
}

std::string SettingsNotReadMessage(const std::string& settingsPath, const std::string& reason, bool german)
{
    if (german)
        return "Die Einstellungsdatei " + Quoted(settingsPath) + " konnte nicht gelesen werden (" + reason
               + "); es gelten die Voreinstellungen, und die Datei bleibt unverändert.";
    return "The settings file " + Quoted(settingsPath) + " could not be read (" + reason
           + "); the defaults apply, and the file is left as it is.";
}

std::string SettingsNotWrittenMessage(const std::string& settingsPath, const std::string& reason, bool german)
{
    if (german)
        return "Die Einstellungsdatei " + Quoted(settingsPath) + " konnte nicht geschrieben werden (" + reason + ").";
    return "The settings file " + Quoted(settingsPath) + " could not be written (" + reason + ").";
}

std::string SettingsTooLargeReason(bool german)
{
    return german ? "größer als 1 MB" : "larger than 1 MB";
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
    return german ? "die Datei wurde während des Lesens ersetzt" : "the file was replaced while it was read";
}

std::string LogShrankReason(bool german)
{
    return german ? "die Datei wurde während des Lesens kürzer" : "the file became shorter while it was read";
}

std::string AnalysedAsLogReason(bool german)
{
    return german ? "es wird gerade als Log gelesen" : "it is the log being read";
}

const char* const FilesHelp = "  kellvar.INI (settings) and kellvar.ATL (All-Time-Log) beside the kellvar\n"
                              "  program, in a folder that only you may change; otherwise\n"
                              "  $XDG_CONFIG_HOME/kellvar/kellvar.INI (~/.config) and\n"
                              "  $XDG_DATA_HOME/kellvar/kellvar.ATL (~/.local/share).\n";

std::string ReadingProgressName(bool german)
{
    return german ? "Die Log-Datei wird gelesen" : "Reading the log";
}

std::string InterleavedLogsMessage(const std::string& earlier, const std::string& later, bool german)
{
    if (german)
        return later + " und " + earlier + " überschneiden sich zeitlich, ohne dass eine die andere fortsetzt; "
               + "die Zeilen von " + later + " aus dieser Zeit wurden ausgelassen.";
    return later + " and " + earlier + " overlap in time without one continuing the other; the lines of " + later
           + " from that time were left out.";
}

std::string LinesLeftOutMessage(int64_t lines, const std::string& allTimeLogPath, bool german)
{
    if (german)
        return std::to_string(lines) + " erkannte Zeilen wurden nicht in das All-Time-Log " + Quoted(allTimeLogPath)
               + " übernommen: Sie sind nicht neuer als seine letzte Zeile, und die Log-Datei setzt es nicht fort.";
    return std::to_string(lines) + " recognised lines were not added to the All-Time-Log " + Quoted(allTimeLogPath)
           + ": they are not newer than its newest line, and the log does not continue it.";
}

std::string LinesWithoutStampMessage(int64_t lines, const std::string& allTimeLogPath, bool german)
{
    if (german)
        return std::to_string(lines) + " erkannte Zeilen wurden nicht in das All-Time-Log " + Quoted(allTimeLogPath)
               + " übernommen: Ihr Zeitstempel ist nicht lesbar, und die Log-Datei setzt es nicht fort.";
    return std::to_string(lines) + " recognised lines were not added to the All-Time-Log " + Quoted(allTimeLogPath)
           + ": their stamp cannot be read, and the log does not continue it.";
}

std::string LinesGivenUpMessage(int64_t lines, const std::string& allTimeLogPath, bool german)
{
    if (german)
        return std::to_string(lines) + " erkannte Zeilen wurden nicht in das All-Time-Log " + Quoted(allTimeLogPath)
               + " übernommen: Die Log-Datei enthält nach ihnen noch einmal seine letzten Zeilen und setzt es dort "
                 "fort.";
    return std::to_string(lines) + " recognised lines were not added to the All-Time-Log " + Quoted(allTimeLogPath)
           + ": the log holds its last lines again after them and continues it there.";
}

std::string RowLimitMessage(int32_t rowsShown, bool german)
{
    if (german)
        return "Die Tabelle endet nach " + std::to_string(rowsShown)
               + " Verbindungen; der Rest der Datei wurde nicht ausgewertet.";
    return "The table ends after " + std::to_string(rowsShown) + " connections; the rest of the file was not analysed.";
}

std::string ChartRowLimitMessage(int32_t pointsShown, bool german)
{
    if (german)
        return "Das Diagramm endet nach " + std::to_string(pointsShown)
               + " Verbindungen, wie im Fenster; der Rest der Datei wurde nicht ausgewertet.";
    return "The chart ends after " + std::to_string(pointsShown)
           + " connections, as in the window; the rest of the file was not analysed.";
}

std::string NoTimeOnlineMessage(int64_t connections, bool german)
{
    if (german)
        return std::to_string(connections)
               + " Verbindungen endeten nicht nach ihrem Verbindungsaufbau (Auflegen in derselben Hundertstelsekunde "
                 "oder davor) und kosten nur Grundgebühr, ersten Takt und Mindestbetrag.";
    return std::to_string(connections)
           + " connections were hung up no later than they connected (in the same hundredth, or before) and cost "
             "only their fee, first block and minimum.";
}

std::string UntrustedHelperMessage(const std::string& helperPath, bool german)
{
    if (german)
        return helperPath
               + ": nicht gestartet: ein anderer Benutzer könnte das Programm oder einen Ordner darüber verändert "
                 "haben";
    return helperPath + ": not run: another user could have changed the program or a folder above it";
}

std::string HelperFailedMessage(const std::string& helperPath, int exitStatus, bool german)
{
    if (german)
        return helperPath + ": ohne Diagramm beendet (Status " + std::to_string(exitStatus) + ")";
    return helperPath + ": ended without a chart (status " + std::to_string(exitStatus) + ")";
}

std::string HelperKilledMessage(const std::string& helperPath, int signal, bool german)
{
    if (german)
        return helperPath + ": durch Signal " + std::to_string(signal) + " beendet, kein Diagramm geschrieben";
    return helperPath + ": killed by signal " + std::to_string(signal) + ", no chart written";
}

std::string NoPictureWrittenMessage(const std::string& picturePath, bool german)
{
    if (german)
        return picturePath + ": kein Diagramm geschrieben";
    return picturePath + ": no chart was written";
}

}  // namespace kellvar
