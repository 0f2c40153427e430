// SPDX-License-Identifier: GPL-3.0-or-later
#include "texttable.h"

#include <algorithm>
#include <array>
#include <string>

namespace kellvar {

namespace {

using P = TTextProperty;

constexpr TTextRow Rows[] = {
    {"ModemLogDialog", P::Caption, "Kellvar für Windows", "Kellvar for Windows"},

    {"TriedConnectsTLabel", P::Caption, "Verbindungsversuche:", "Tried Connects:"},
    {"TriedDialInsTLabel", P::Caption, "Anwahlversuche:", "Tried Dial-Ins:"},
    {"SuccessfulConnectsTLabel", P::Caption, "davon erfolgreich:", "successful:"},
    {"UnclosedEntriesTLabel", P::Caption, "verstümmelte Einträge:", "Unclosed Entries:"},
    {"AverageReadRateTLabel", P::Caption, "Durchschnitt Lesen:", "Average read rate:"},
    {"AverageWriteRateTLabel", P::Caption, "Durchschnitt Schreiben:", "Average write rate:"},
    {"SumDataReadTLabel", P::Caption, "Gesamtmenge gelesen:", "Overall read data:"},
    {"SumDataWrittenTLabel", P::Caption, "Gesamtmenge geschrieben:", "Overall written data:"},
    {"ConnectionTimeTLabel", P::Caption, "Gesamtverbindungsdauer:", "Overall time connected:"},
    {"AverageConnectionTimeTLabel", P::Caption, "Durchschnittliche Verbindungsdauer:", "Average time connected:"},
    {"AverageDialTimeTLabel", P::Caption, "Durchschnittliche Anwahldauer:", "Average Dial-In Time:"},

    {"OvTitlePanel", P::Caption, "Kellvar", "Kellvar"},
    {"OvSubtitlePanel", P::Caption, "Modem-Verbindungsstatistik", "Modem Connection Statistics"},
    {"OvVerbindungsVersucheLabel", P::Caption, "Verbindungsversuche:", "Tried connects:"},
    {"OvAnwahlversucheLabel", P::Caption, "Anwahlversuche:", "Tried dialings:"},
    {"OvVerbindungsaufnahmenLabel", P::Caption, "Verbindungsaufnahmen:", "Actual connects:"},
    {"OvVerstuemmelteEintraegeLabel", P::Caption, "Verstümmelte Einträge:", "Unclosed entries:"},
    {"OvDurchschnittLesenLabel", P::Caption, "Durchschnitt Lesen:", "Average reading:"},
    {"OvDurchschnittSchreibenLabel", P::Caption, "Durchschnitt Schreiben:", "Average writing:"},
    {"OvGesamtmengeGelesenLabel", P::Caption, "Gesamtmenge gelesen:", "Overall received:"},
    {"OvGesamtmengeGesendetLabel", P::Caption, "Gesamtmenge gesendet:", "Overall written:"},
    {"OvDurchschnittGelesenLabel", P::Caption, "Durchschnitt gelesen:", "Average read:"},
    {"OvDurchschnittgesendetLabel", P::Caption, "Durchschnitt gesendet:", "Average sent:"},
    {"OvGesamtverbindungsdauerLabel", P::Caption, "Gesamtverbindungsdauer:", "Overall connection time:"},
    {"OvMittlereVerbindungsdauerLabel", P::Caption, "Mittlere Verbindungsdauer:", "Average connection time:"},
    {"OvMittlereAnwahldauerLabel", P::Caption, "Mittlere Anwahldauer:", "Average dialing time:"},
    {"OvLastBeginnLabel", P::Caption, "Beginn:", "Start:"},
    {"OvLastEndeLabel", P::Caption, "Ende:", "End:"},
    {"OvLastEmpfangenLabel", P::Caption, "Empfangen:", "Received:"},
    {"OvLastGesendetLabel", P::Caption, "Gesendet:", "Sent:"},
    {"OvLastEmpfangsrateLabel", P::Caption, "Empfangsrate:", "Receive rate:"},
    {"OvLastSenderateLabel", P::Caption, "Senderate:", "Send rate:"},
    {"OvLogFileSizeLabel", P::Caption, "Größe der Log-Datei:", "Size of log file:"},
    {"OvVerbindungenGroupBox", P::Caption, "Verbindungen:", "Connections:"},
    {"OvUebertragungsratenGroupBox", P::Caption, "Übertragungsraten:", "Transfer rates:"},
    {"OvTransfervolumenGroupBox", P::Caption, "Transfervolumen:", "Amounts transfered:"},
    {"OvVerbindungszeitenGroupBox", P::Caption, "Verbindungszeiten:", "Connection times:"},
    {"OvLastConnectGroupBox", P::Caption, "Daten der letzten erfolgreichen Verbindung:", "Last successful connection:"},

    {"TabSheet0", P::Caption, "Überblick", "Overview"},
    {"TabSheet1", P::Caption, "Tabelle", "Table"},
    {"TabSheet2", P::Caption, "Übertragungsraten", "Transfer Rates"},
    {"TabSheet7", P::Caption, "Datentransport", "Data Transport"},
    {"TabSheet4", P::Caption, "Verbindungsdauern", "Connection Times"},
    {"TabSheet3", P::Caption, "Anwahldauern", "Dialing Times"},
    {"TabSheet6", P::Caption, "Einstellungen", "Options"},
    {"TabSheet5", P::Caption, "Über", "About"},

    {"Chart1", P::ChartTitle, "Mittlere Übertragungsrate je Verbindung", "Average Transfer Rates per Connection"},
    {"Chart1", P::Hint, "Für Zoom Ausschnitt markieren", "Mark area for zoom"},
    {"Chart2", P::ChartTitle, "Dauer von Wahlkommando bis Connect-Meldung", "Time from Dial-Command to Connect"},
    {"Chart2", P::Hint, "Für Zoom Ausschnitt markieren", "Mark area for zoom"},
    {"Chart3", P::ChartTitle, "Verbindungsdauer von Connect bis Auflegen", "Time from Connect to Hangup"},
    {"Chart3", P::Hint, "Für Zoom Ausschnitt markieren", "Mark area for zoom"},
    {"Chart4", P::ChartTitle, "Übertragene Datenmenge je Verbindung", "Transfered Data Volumes per Connection"},
    {"Chart4", P::Hint, "Für Zoom Ausschnitt markieren", "Mark area for zoom"},

    {"Chart1", P::LeftAxisTitle, "Lesen in byte/s", "Receive in byte/s"},
    {"Chart1", P::RightAxisTitle, "Senden in byte/s", "Send in byte/s"},
    {"Chart2", P::LeftAxisTitle, "Verbindungsaufnahme in s", "Connecting Interval in s"},
    {"Chart3", P::LeftAxisTitle, "Verbindungsdauer in s", "Connection Period in s"},
    {"Chart4", P::LeftAxisTitle, "Gelesene Byte", "Received Byte"},
    {"Chart4", P::RightAxisTitle, "Gesendete Byte", "Sent Byte"},
    {"LineSeries1", P::SeriesTitle, "Wahldauer", "Dial time"},
    {"LineSeries2", P::SeriesTitle, "Verbindung", "Connection"},
    {"LineSeries3", P::SeriesTitle, "Tendenz", "Trend"},
    {"LineSeries4", P::SeriesTitle, "Tendenz", "Trend"},
    {"LineSeries5", P::SeriesTitle, "Lesen", "Receive"},
    {"LineSeries6", P::SeriesTitle, "Senden", "Send"},
    {"LineSeries7", P::SeriesTitle, "Tendenz/L", "Trend/R"},
    {"LineSeries8", P::SeriesTitle, "Tendenz/S", "Trend/S"},
    {"Series1", P::SeriesTitle, "Lesen", "Receive"},
    {"Series2", P::SeriesTitle, "Senden", "Send"},
    {"Series3", P::SeriesTitle, "Tendenz/L", "Trend/R"},
    {"Series4", P::SeriesTitle, "Tendenz/S", "Trend/S"},

    {"CloseButton", P::Caption, "Beenden", "Close"},
    {"CloseButton", P::Hint, "Kellvar schließen", "Quit Kellvar"},
    {"HelpButton", P::Caption, "Hilfe", "Help"},
    {"OpenButton", P::Caption, "Öffnen", "Open"},
    {"OpenButton", P::Hint, "Log-Datei einladen", "Load logfile"},
    {"OpenDialog1", P::Caption, "Modem-Logdatei einlesen", "Load Modem Log File"},

    {"0", P::ColumnCaption, "#", "#"},
    {"1", P::ColumnCaption, "Connect Zeitpunkt", "Connect"},
    {"2", P::ColumnCaption, "Hangup Zeitpunkt", "Hangup"},
    {"3", P::ColumnCaption, "Verbindung", "Connection"},
    {"4", P::ColumnCaption, "Leserate", "Read Rate"},
    {"5", P::ColumnCaption, "Senderate", "Write Rate"},
    {"6", P::ColumnCaption, "Empfangen", "Received"},
    {"7", P::ColumnCaption, "Gesendet", "Sent"},
    {"8", P::ColumnCaption, "Connect", "Connect"},
    {"9", P::ColumnCaption, "Anwahl Zeitpunkt", "Dial Command"},
    {"10", P::ColumnCaption, "Anwahl", "Dialing"},

    {"ShowLabelsCheckBox", P::Caption, "Zahlenwerte an Kurven anzeigen", "Show Values in Graphs"},
    {"ShowLabelsCheckBox", P::Hint, "Jeder Punkt im Diagramm wird mit einem Beschriftungsfeld versehen",
     "Every point in a diagramm gets a label with its value attached"},
    {"StoreAllTimeLogCheckBox", P::Caption, "Log-Daten sichern ('All Time Log' *.ATL im Programmverzeichnis)",
     "Save Log-data ('All Time Log' *.ATL in program directory)"},
    {"StoreAllTimeLogCheckBox", P::Hint, "Erstellt beim Analysieren der Daten eine (komprimierte) Log-Datei",
     "Analysed Data are written into a (compressed) log file"},
    {"SavePosCheckBox", P::Caption, "Fensterposition und -größe merken", "Save window position on quitting"},
    {"SavePosCheckBox", P::Hint,
     "Die Fenstereinstellungen werden bei Programmende in einer *.INI Datei gesichert und beim Neustart "
     "wiederverwendet.",
     "Windows-settings are stored into a *.INI file when closing the program and reused on program-launch."},
    {"SaveSettingsCheckBox", P::Caption, "Sonstige Einstellungen merken", "Save options on quitting"},
    {"SaveSettingsCheckBox", P::Hint,
     "Die Einstellungen werden bei Programmende in einer *.INI Datei gesichert und beim Neustart wiederverwendet.",
     "Settings are stored into a *.INI file when closing the program and reused on program-launch."},
    {"SaveDirCheckBox", P::Caption, "Zuletzt geöffnetes Verzeichnis beim Verlassen speichern",
     "Save last opened directory on quitting"},
    {"SaveDirCheckBox", P::Hint,
     "Die Einstellungen des Öffnen-Dialogs werden bei Programmende in einer *.INI Datei gesichert und beim "
     "Neustart wiederverwendet.",
     "Open-dialogue settings are stored into a *.INI file when closing the program and reused on "
     "program-launch."},
    {"DefaultLoadLogFileCheckBox", P::Caption, "Automatisch beim Programmstart Log-Datei öffnen",
     "Automatically Load Log File on startup"},
    {"DefaultLoadLogFileCheckBox", P::Hint,
     "Beim Programmstart soll automatisch die Vorgabe-Log-Datei eingeladen werden.",
     "The default log file will be opened automatically on startup."},
    {"DefaultTabLabel", P::Caption, "Vorgabe-Tab-Seite beim Programmstart:", "Default tab page on startup:"},
    {"DefaultTabLabel", P::Hint, "Auswahl der zuerst gezeigten Karteikarte, z.B. Übersicht oder Tabelle.",
     "Selects the tab/page that will be displayed first, e.g. Overview or Table."},
    {"DefaultTabComboBox", P::Hint, "Auswahl der zuerst gezeigten Karteikarte, z.B. Übersicht oder Tabelle.",
     "Selects the tab/page that will be displayed first, e.g. Overview or Table."},

    {"DefineDefaultBitBtn", P::Caption, "Aktuelle Log-Datei als Vorgabe", "Current Log File as Default"},
    {"DefineDefaultBitBtn", P::Hint, "Die gerade geöffnete Log-Datei wird beim Programmstart automatisch geöffnet.",
     "Define open log file to be opened as default on startup."},
};

constexpr std::string_view GermanAbout =
    "Kellvar v1.55\r\n"
    "\r\n"
    "Copyright (C) the Kellvar authors. Alle Rechte vorbehalten / All rights reserved.\r\n"
    "\r\n"
    "Das Programm liest standardmäßig die Datei ModemLog.txt (o.ä.) im Windows-Verzeichnis und zeigt die\r\n"
    "darin enthaltenen Informationen als Tabellen und Grafiken an.\r\n"
    "\r\n"
    "\r\n"
    "Für die Funktion müssen mehrere Bedingungen erfüllt sein:\r\n"
    "1. Windows 95/98/NT\r\n"
    "2. In den Modemeigenschaften unter \"Einstellungen/Erweitert.../Weitere Einstellung\" muss die Option\r\n"
    "   \"[X] Protokolldatei aufzeichnen\" oder \"[X] An Protokoll anhängen\" eingeschaltet sein.\r\n"
    "3. Nach dem Einschalten muss mindestens eine Verbindung hergestellt worden sein.\r\n"
    "Das Betriebssystem erstellt oder ergänzt dann bei jeder Modemverbindung die Datei ModemLog.txt oder\r\n"
    "{modemname}.log im Windows-Verzeichnis.\r\n"
    "\r\n"
    "\r\n"
    "Rechtliches:\r\n"
    "Kellvar ist freie Software der Kellvar-Autoren.\r\n"
    "Die Weitergabe ist erlaubt, solange das Programm unverändert bleibt.\r\n"
    "Alle genannten Marken gehören ihren jeweiligen Inhabern.\r\n"
    "Die Nutzung erfolgt auf eigene Verantwortung.\r\n"
    "\r\n"
    "Disclaimer:\r\n"
    "Für Schäden, die durch das Programm oder seine Fehler entstehen, wird keine Haftung übernommen.\r\n"
    "Das Programm wurde getestet und verhielt sich auf dem Testsystem ohne nennenswerte Auffälligkeiten.\r\n"
    "\r\n"
    "\r\n"
    "Feedback:\r\n"
    "Anmerkungen und konstruktive Kritik bitte per E-Mail an kellvar@example.org,\r\n"
    "mit \"Kellvar\" in der Betreffzeile.\r\n"
    "\r\n"
    "Werbung und unerwünschte E-Mails an diese Adresse sind nicht erwünscht\r\n"
    "und werden nicht beantwortet.\r\n"
    "\r\n"
    "\r\n"
    "Updates gibt es über die Website:\r\n"
    "https://kellvar.example.org/\r\n"
    "\r\n"
    "\r\n"
    "Dank an alle, die mit anhaltender konstruktiver Kritik zum Aussehen des Programms beigetragen haben.\r\n";

constexpr std::string_view EnglishAbout =
    "Kellvar v1.55\r\n"
    "\r\n"
    "Copyright (C) the Kellvar authors. Alle Rechte vorbehalten / All rights reserved.\r\n"
    "\r\n"
    "By default the program reads the file ModemLog.txt (or equivalent) in the Windows directory and shows its "
    "information as tables and graphs.\r\n"
    "\r\n"
    "\r\n"
    "Requirements:\r\n"
    "1. Windows 95/98/NT\r\n"
    "2. In the modem properties under \"Settings/Extended.../More Settings\" the option \"[X] Log protocol\"\r\n"
    "   must be switched on.\r\n"
    "3. After switching it on, at least one connection must have been made.\r\n"
    "The operating system then creates or updates the log file in the Windows directory with every modem "
    "connection.\r\n"
    "\r\n"
    "\r\n"
    "Legal Stuff:\r\n"
    "Kellvar is free software by the Kellvar authors.\r\n"
    "It may be passed on as long as the program stays unchanged.\r\n"
    "All trademarks named belong to their owners.\r\n"
    "Use it at your own risk.\r\n"
    "\r\n"
    "Disclaimer:\r\n"
    "No liability is taken for any damage caused by the program or its faults.\r\n"
    "The program was tested and behaved without remarkable findings on the test system.\r\n"
    "\r\n"
    "\r\n"
    "Feedback:\r\n"
    "Please send comments and constructive criticism by e-mail to kellvar@example.org,\r\n"
    "with \"Kellvar\" in the subject line.\r\n"
    "\r\n"
    "Advertising and unsolicited mail to this address are not welcome\r\n"
    "and will not be answered.\r\n"
    "\r\n"
    "\r\n"
    "Updates are available on the website:\r\n"
    "https://kellvar.example.org/\r\n"
    "\r\n"
    "\r\n"
    "Thanks to everyone whose lasting constructive criticism shaped the program's appearance.\r\n";

}  // namespace

std::span<const TTextRow> TextTable()
{
    return Rows;
}

std::string_view TextOf(std::string_view control, TTextProperty property, bool german)
{
    const auto row = std::find_if(std::begin(Rows), std::end(Rows),
                                  [&](const TTextRow& r) { return r.Control == control && r.Property == property; });
    return row == std::end(Rows) ? std::string_view{} : row->Text(german);
}

std::string_view HelpFileName(bool german)
{
    return german ? "kellvar.hlp" : "kellva_e.hlp";
}

std::string_view AboutText(bool german)
{
    return german ? GermanAbout : EnglishAbout;
}

std::vector<std::string_view> ColumnCaptions(bool german)
{
    std::vector<std::string_view> captions;
    for (int column = 0; column < TranslatedColumnCount; ++column)
        captions.push_back(TextOf(std::to_string(column), TTextProperty::ColumnCaption, german));
    captions.push_back("OvrErr");  // the same in both languages
    return captions;
}

std::vector<std::string_view> PageCaptions(bool german)
{
    std::vector<std::string_view> captions;
    for (std::string_view page : PageNames)
        captions.push_back(TextOf(page, TTextProperty::Caption, german));
    return captions;
}

}  // namespace kellvar
