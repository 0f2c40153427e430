#include "tablecolumns.h"

#include "layouthelpers.h"

#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <array>
#include <unordered_set>

namespace kellvar {

namespace {

// The layout's widths of the twelve columns, in its pixels.
constexpr std::array<int, TableColumnCount> LayoutWidths = {30, 144, 144, 83, 86, 80, 100, 90, 75, 144, 57, 52};

// The texts of a column that may be its widest: measuring every cell of a
// long table would cost more than the run, and a text with fewer characters
// than the longest but one is never wider in a proportional font of digits.
std::vector<std::string_view> WidestCandidates(const TConnectionTable& table, size_t column)
{
    size_t longest = 0;
    for (const TRowCells& row : table.Rows())
        if (column < row.size())
            longest = std::max(longest, row[column].size());
    std::unordered_set<std::string_view> candidates;
    for (const TRowCells& row : table.Rows())
        if (column < row.size() && row[column].size() + 1 >= longest && candidates.size() < 256)
            candidates.insert(row[column]);
    return {candidates.begin(), candidates.end()};
}

}  // namespace

void FitColumnWidths(QTreeView* view, const TConnectionTable& table, const QStringList& captions)
{
    const TLayoutScale px(view->font());
    const QStyle* style = view->style();
    const int cellMargin = 2 * (style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1) + px(6);
    // Room for the caption, the header's margins and the sort arrow beside it.
    const int headerMargin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, view->header())
                             + style->pixelMetric(QStyle::PM_HeaderMarkSize, nullptr, view->header()) + px(6);
    for (size_t column = 0; column < LayoutWidths.size(); ++column) {
        int width = px(LayoutWidths[column]);
        if (static_cast<qsizetype>(column) < captions.size())
            width = std::max(width, TextWidth(view->header(), captions[static_cast<qsizetype>(column)]) + headerMargin);
        for (std::string_view text : WidestCandidates(table, column))
            width = std::max(width, TextWidth(view, UiText(text)) + cellMargin);
        view->setColumnWidth(static_cast<int>(column), width);
    }
}

}  // namespace kellvar
