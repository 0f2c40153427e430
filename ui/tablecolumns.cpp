// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablecolumns.h"

#include "layouthelpers.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTreeView>

#include <algorithm>
#include <array>

namespace kellvar {

namespace {

// The digit the font draws widest.
QChar WidestDigit(const QFontMetrics& metrics)
{
    QChar widest = '0';
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QChar(digit)) > metrics.horizontalAdvance(widest))
            widest = QChar(digit);
    return widest;
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
    const QChar widestDigit = WidestDigit(view->fontMetrics());
    const size_t columns = std::max(static_cast<size_t>(TableColumnCount), static_cast<size_t>(captions.size()));
    for (size_t column = 0; column < columns; ++column) {
        // The costs column has no width of the layout's; its texts decide.
        int width = column < TableColumns.size() ? px(TableColumns[column].LayoutWidth) : 0;
        if (static_cast<qsizetype>(column) < captions.size())
            width = std::max(width, TextWidth(view->header(), captions[static_cast<qsizetype>(column)]) + headerMargin);
        for (const std::string& shape : table.Shapes().Of(column))
            width = std::max(width, TextWidth(view, UiText(shape).replace('0', widestDigit)) + cellMargin);
        view->setColumnWidth(static_cast<int>(column), width);
    }
}

}  // namespace kellvar
