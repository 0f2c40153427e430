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

std::string SettingsFileTooLargeMessage(const std::string& settingsPath, bool german)
{
    if (german)
        return "Die Datei " + Quoted(settingsPath) + " ist zu groß für eine Einstellungsdatei und wird nicht gelesen.";
    return "The file " + Quoted(settingsPath) + " is too large for a settings file and is not read.";
}

std::string RowLimitMessage(int32_t rowsShown, bool german)
{
    if (german)
        return "Die Tabelle endet nach " + std::to_string(rowsShown)
               + " Verbindungen; der Rest der Datei wurde nicht ausgewertet.";
    return "The table ends after " + std::to_string(rowsShown) + " connections; the rest of the file was not analysed.";
}

}  // namespace kellvar
