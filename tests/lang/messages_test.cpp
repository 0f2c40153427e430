// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/messages.h"

#include <gtest/gtest.h>

namespace kellvar {
namespace {

// Why a file could not be used, as each language's users read it after the
// file's name.
TEST(Messages, ReasonsInBothLanguages)
{
    EXPECT_EQ(LogShrankReason(true), "die Datei wurde während des Lesens kürzer");
    EXPECT_EQ(LogShrankReason(false), "the file became shorter while it was read");
    EXPECT_EQ(LogReplacedReason(true), "die Datei wurde während des Lesens ersetzt");
    EXPECT_EQ(SettingsTooLargeReason(true), "größer als 1 MB");
    EXPECT_EQ(AnalysedAsLogReason(true), "es wird gerade als Log gelesen");
}

// The German wording of every message; the English one is checked where
// each is shown.
TEST(Messages, GermanWording)
{
    EXPECT_EQ(SizeWarningMessage("C:\\ModemLog.txt", true),
              "Die Datei \"C:\\ModemLog.txt\" ist länger als 250KByte!\r"
              "Windows fügt ab einer Länge von 255KByte keine Einträge mehr hinzu.\r"
              "Sie sollten die Datei (z.B. für Archivzwecke) jetzt umbenennen, verschieben oder löschen!\r"
              "Weitere Informationen in der Hilfe.");
    EXPECT_EQ(OpenFailureMessage("a.log", true), "Die Datei \"a.log\" konnte nicht geöffnet werden!");
    EXPECT_EQ(AllTimeLogWriteAccessMessage("k.ATL", true),
              "Die Datei \"k.ATL\" konnte nicht für Schreibzugriffe geöffnet werden.\r"
              "Das All-Time-Log wird daher nicht aktualisiert.");
    EXPECT_EQ(AutomaticLoadingOffMessage(true),
              "Das automatische Laden der Log-Datei ist ausgeschaltet; es wurde nichts ausgewertet.");
    EXPECT_EQ(SettingsNotReadMessage("k.INI", "größer als 1 MB", true),
              "Die Einstellungsdatei \"k.INI\" konnte nicht gelesen werden (größer als 1 MB); es gelten die "
              "Voreinstellungen, und die Datei bleibt unverändert.");
    EXPECT_EQ(SettingsNotWrittenMessage("k.INI", "Datenträger voll", true),
              "Die Einstellungsdatei \"k.INI\" konnte nicht geschrieben werden (Datenträger voll).");
    EXPECT_EQ(ReadingProgressName(true), "Die Log-Datei wird gelesen");
    EXPECT_EQ(InterleavedLogsMessage("a.log", "b.log", true),
              "b.log und a.log überschneiden sich zeitlich, ohne dass eine die andere fortsetzt; die Zeilen von "
              "b.log aus dieser Zeit wurden ausgelassen.");
    EXPECT_EQ(LinesLeftOutMessage(3, "k.ATL", true),
              "3 erkannte Zeilen wurden nicht in das All-Time-Log \"k.ATL\" übernommen: Sie sind nicht neuer als "
              "seine letzte Zeile, und die Log-Datei setzt es nicht fort.");
    EXPECT_EQ(LinesGivenUpMessage(2, "k.ATL", true),
              "2 erkannte Zeilen wurden nicht in das All-Time-Log \"k.ATL\" übernommen: Die Log-Datei enthält nach "
              "ihnen noch einmal seine letzten Zeilen und setzt es dort fort.");
    EXPECT_EQ(RowLimitMessage(32'766, true),
              "Die Tabelle endet nach 32766 Verbindungen; der Rest der Datei wurde nicht ausgewertet.");
    EXPECT_EQ(ChartRowLimitMessage(32'766, true),
              "Das Diagramm endet nach 32766 Verbindungen, wie im Fenster; der Rest der Datei wurde nicht "
              "ausgewertet.");
}

}  // namespace
}  // namespace kellvar
