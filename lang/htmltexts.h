// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "keyedtexts.h"

#include <array>
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

inline constexpr std::array<TKeyedText<THtmlText>, 19> HtmlTextRows = {{
    {THtmlText::ReportTitle, "Kellvar-Bericht", "Kellvar Report"},
    {THtmlText::Overview, "Überblick", "Overview"},
    {THtmlText::Months, "Monate", "Months"},
    {THtmlText::Years, "Jahre", "Years"},
    {THtmlText::Charts, "Diagramme", "Charts"},
    {THtmlText::Limits, "Grenzen", "Limits"},
    {THtmlText::HistoryChart, "Datenmenge und Online-Zeit", "Data Volume and Online Time"},
    {THtmlText::VolumeAxis, "Datenmenge in byte", "Data volume in byte"},
    {THtmlText::TimeAxis, "Online-Zeit in h", "Online time in h"},
    {THtmlText::CostAxis, "Kosten", "Costs"},
    {THtmlText::WrittenBy, "Geschrieben von kellvar-report aus", "Written by kellvar-report from"},
    {THtmlText::WriteReportTo, "HTML-Bericht schreiben nach:", "Write HTML report to:"},
    {THtmlText::ChooseFolder, "Ordner wählen...", "Choose Folder..."},
    {THtmlText::ReportFolderHint,
     "Der tägliche Timer schreibt den Bericht nach dem Archivieren neu; index.html im Browser öffnen",
     "The daily timer writes the report anew after archiving; open index.html in a browser"},
    {THtmlText::CannotBeWritten, "kann nicht geschrieben werden: ", "cannot be written: "},
    {THtmlText::NotAReportFile, "gehört nicht zu einem Kellvar-Bericht; wählen Sie einen leeren oder neuen Ordner",
     "is not part of a Kellvar report; choose an empty or a new folder"},
    {THtmlText::FolderInUse, "wird von einem anderen Programm geschrieben", "is being written by another program"},
    {THtmlText::ReportMark, "Dieser Ordner enthält einen Bericht von kellvar-report, den jeder Lauf ganz ersetzt.\n",
     "This folder holds a report of kellvar-report, which each run replaces whole.\n"},
    {THtmlText::Comparison, "Tarife im Vergleich", "Tariffs compared"},
}};
static_assert(RowsInKeyOrder(HtmlTextRows));

constexpr std::string_view HtmlText(THtmlText text, bool german)
{
    return KeyedText(HtmlTextRows, text, german);
}

}  // namespace kellvar
