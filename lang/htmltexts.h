// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace kellvar {

// The HTML report's own texts; its figures, columns and charts take the
// window's.
enum class THtmlText {
    ReportTitle,
    Overview,
    Months,
    Years,
    Charts,
    Limits,
    HistoryChart,
    VolumeAxis,
    TimeAxis,
    CostAxis,
    WrittenBy,
    WriteReportTo,
    ChooseFolder,
    ReportFolderHint,
    CannotBeWritten,
    NotAReportFolder,
};

constexpr std::string_view HtmlText(THtmlText text, bool german)
{
    switch (text) {
    case THtmlText::ReportTitle:
        return german ? "Kellvar-Bericht" : "Kellvar Report";
    case THtmlText::Overview:
        return german ? "Überblick" : "Overview";
    case THtmlText::Months:
        return german ? "Monate" : "Months";
    case THtmlText::Years:
        return german ? "Jahre" : "Years";
    case THtmlText::Charts:
        return german ? "Diagramme" : "Charts";
    case THtmlText::Limits:
        return german ? "Grenzen" : "Limits";
    case THtmlText::HistoryChart:
        return german ? "Datenmenge und Online-Zeit" : "Data Volume and Online Time";
    case THtmlText::VolumeAxis:
        return german ? "Datenmenge in byte" : "Data volume in byte";
    case THtmlText::TimeAxis:
        return german ? "Online-Zeit in h" : "Online time in h";
    case THtmlText::CostAxis:
        return german ? "Kosten" : "Costs";
    case THtmlText::WriteReportTo:
        return german ? "HTML-Bericht schreiben nach:" : "Write HTML report to:";
    case THtmlText::ChooseFolder:
        return german ? "Ordner wählen..." : "Choose Folder...";
    case THtmlText::ReportFolderHint:
        return german ? "Der tägliche Timer schreibt den Bericht nach dem Archivieren neu; index.html im Browser öffnen"
                      : "The daily timer writes the report anew after archiving; open index.html in a browser";
    case THtmlText::CannotBeWritten:
        return german ? "kann nicht geschrieben werden: " : "cannot be written: ";
    case THtmlText::NotAReportFolder:
        return german ? "enthält Dateien, die kein Kellvar-Bericht sind; wählen Sie einen leeren oder neuen Ordner"
                      : "holds files that are not a Kellvar report; choose an empty or a new folder";
    case THtmlText::WrittenBy:
        break;
    }
    return german ? "Geschrieben von kellvar-report aus" : "Written by kellvar-report from";
}

}  // namespace kellvar
