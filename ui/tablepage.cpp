// SPDX-License-Identifier: GPL-3.0-or-later
#include "tablepage.h"

#include "connectiontablemodel.h"
#include "layouthelpers.h"
#include "statuspanel.h"
#include "tablecolumns.h"

#include "core/rowtexts.h"
#include "history/summarylines.h"
#include "lang/costtexts.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

namespace kellvar {

TTablePage::TTablePage(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), table_(std::move(decimalSeparator)), view_(Named(new QTreeView, "ListView1")),
      model_(new TConnectionTableModel(table_, view_)),
      panel_(
          new TStatusPanel("Panel3", 26,
                           {{"TriedConnectsTLabel", 8, FigureSlotOfStatusLabel("TriedConnectsLabel"), 146},
                            {"TriedDialInsTLabel", 212, FigureSlotOfStatusLabel("TriedDialInsLabel"), 318},
                            {"SuccessfulConnectsTLabel", 384, FigureSlotOfStatusLabel("SuccessfulConnectsLabel"), 498},
                            {"UnclosedEntriesTLabel", 563, FigureSlotOfStatusLabel("UnclosedEntriesLabel"), 704}}))
{
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    view_->setModel(model_);
    view_->setRootIsDecorated(false);
    view_->setItemsExpandable(false);
    view_->setUniformRowHeights(true);
    view_->setAlternatingRowColors(false);
    view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view_->setSelectionBehavior(QAbstractItemView::SelectRows);
    view_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view_->setContextMenuPolicy(Qt::CustomContextMenu);
    view_->header()->setSectionsClickable(true);
    view_->header()->setSortIndicatorShown(false);
    view_->header()->setStretchLastSection(false);
    // The selection stays visible when the list loses the focus.
    QPalette palette = view_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    view_->setPalette(palette);
    view_->installEventFilter(this);
    ApplyTexts(true);
    column->addWidget(view_, 1);
    column->addWidget(panel_);
}

TTablePage::~TTablePage()
{
    // The rows die with this object, before the child widgets that show them.
    view_->setModel(nullptr);
}

void TTablePage::ApplyTexts(bool german)
{
    german_ = german;
    QStringList captions;
    for (std::string_view caption : ColumnCaptions(german))
        captions << UiText(caption);
    if (table_.Priced())
        for (std::string_view caption : PricedColumnCaptions(german))
            captions << UiText(caption);
    model_->SetCaptions(captions);
    FitColumnWidths(view_, table_, captions);
    panel_->ApplyTexts(german);
}

void TTablePage::SetPriced(bool priced)
{
    table_.SetPriced(priced);
    ApplyTexts(german_);
}

void TTablePage::Clear()
{
    table_.Clear();
    model_->Reset();
    view_->header()->setSortIndicatorShown(false);
}

bool TTablePage::PriceAnew(const std::vector<std::optional<TCost>>& costs)
{
    if (!table_.PriceAnew(costs))
        return false;
    model_->Reset();
    view_->header()->setSortIndicatorShown(false);
    return true;
}

void TTablePage::Sync()
{
    model_->Sync();
}

void TTablePage::SortBy(int column)
{
    model_->Sync();
    model_->Reordered(table_.ColumnClick(column));
    QHeaderView* header = view_->header();
    header->setSortIndicatorShown(true);
    // Qt draws Qt::AscendingOrder as an arrow pointing down; the list shows
    // ascending order with the arrow up, as the file managers do.
    header->setSortIndicator(column, table_.SortDirection(column) < 0 ? Qt::AscendingOrder : Qt::DescendingOrder);
}

void TTablePage::ShowLastRow()
{
    model_->Sync();
    FitColumnWidths(view_, table_, model_->Captions());
    if (table_.RowCount() == 0)
        return;
    const QModelIndex last = model_->index(static_cast<int>(table_.RowCount()) - 1, 0);
    view_->selectionModel()->setCurrentIndex(last, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    // The widths may have brought a horizontal scroll bar, which takes room
    // from the rows: scroll once the view has laid itself out again.
    view_->doItemsLayout();
    view_->scrollTo(last, QAbstractItemView::PositionAtBottom);
    QTimer::singleShot(0, view_, [this, last] {
        if (last.isValid())
            view_->scrollTo(last, QAbstractItemView::PositionAtBottom);
    });
}

void TTablePage::CopyTable() const
{
    if (table_.RowCount() == 0)
        return;
    std::vector<std::string> captions;
    for (const QString& caption : model_->Captions())
        captions.push_back(caption.toStdString());
    auto* data = new QMimeData;
    data->setText(QString::fromUtf8(TableText(table_.Rows(), captions).c_str()));
    // Spreadsheets and word processors take the table as a table.
    data->setHtml(QString::fromUtf8(TableHtml(table_.Rows(), captions).c_str()));
    QApplication::clipboard()->setMimeData(data);
}

void TTablePage::CopyFirstSelectedRow() const
{
    QString text;
    const QModelIndexList selected = view_->selectionModel()->selectedRows();
    if (!selected.isEmpty()) {
        int first = selected.constFirst().row();
        for (const QModelIndex& index : selected)
            first = std::min(first, index.row());
        text = QString::fromUtf8(RowText(table_.Rows()[static_cast<size_t>(first)]).c_str());
    }
    QApplication::clipboard()->setText(text);
}

void TTablePage::CopySelectedRows() const
{
    QModelIndexList selected = view_->selectionModel()->selectedRows();
    if (selected.isEmpty())
        return;
    std::sort(selected.begin(), selected.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::string text;
    for (const QModelIndex& index : selected)
        AppendRowText(text, table_.Rows()[static_cast<size_t>(index.row())]);
    QApplication::clipboard()->setText(QString::fromUtf8(text.c_str()));
}

void TTablePage::ShowContextMenuAtCurrentRow()
{
    const QRect current = view_->visualRect(view_->currentIndex());
    emit view_->customContextMenuRequested(current.isValid() ? current.center() : QPoint(0, 0));
}

bool TTablePage::eventFilter(QObject* watched, QEvent* event)
{
    const bool copyKey = (event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress)
                         && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy);
    if (watched != view_ || !copyKey)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress)
        CopySelectedRows();
    event->accept();
    return true;
}

}  // namespace kellvar
