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
    NotAReportFile,
    FolderInUse,
    ReportMark,
    Comparison,
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
    case THtmlText::NotAReportFile:
        return german ? "gehört nicht zu einem Kellvar-Bericht; wählen Sie einen leeren oder neuen Ordner"
                      : "is not part of a Kellvar report; choose an empty or a new folder";
    case THtmlText::FolderInUse:
        return german ? "wird von einem anderen Programm geschrieben" : "is being written by another program";
    case THtmlText::Comparison:
        return german ? "Tarife im Vergleich" : "Tariffs compared";
    case THtmlText::ReportMark:
        return german ? "Dieser Ordner enthält einen Bericht von kellvar-report, den jeder Lauf ganz ersetzt.\n"
                      : "This folder holds a report of kellvar-report, which each run replaces whole.\n";
    case THtmlText::WrittenBy:
        break;
    }
    return german ? "Geschrieben von kellvar-report aus" : "Written by kellvar-report from";
}

}  // namespace kellvar
