// SPDX-License-Identifier: GPL-3.0-or-later
#include "numberspage.h"

#include "chart.h"
#include "layouthelpers.h"
#include "pagescrollarea.h"

#include "history/numberrows.h"
#include "lang/numbertexts.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kellvar {

namespace {

// Where a row keeps its number's place in the page's list, and each cell
// the value it sorts by.
constexpr int IndexRole = Qt::UserRole;
constexpr int SortRole = Qt::UserRole + 1;

// A row that sorts its figures as numbers (a figure of none first) and the
// number itself as text.
class TNumberItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;

    bool operator<(const QTreeWidgetItem& other) const override
    {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        const QVariant mine = data(column, SortRole);
        const QVariant theirs = other.data(column, SortRole);
        if (column == static_cast<int>(TNumberColumn::Number) || (!mine.isValid() && !theirs.isValid()))
            return text(column) < other.text(column);
        if (!mine.isValid() || !theirs.isValid())
            return !mine.isValid();
        return mine.toLongLong() < theirs.toLongLong();
    }
};

QString Text(TNumberText text, bool german)
{
    return UiText(NumberText(text, german));
}

constexpr TRgb SpeedColour{128, 0, 128};

}  // namespace

TNumbersPage::TNumbersPage(std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), decimalSeparator_(std::move(decimalSeparator)), note_(Named(new QLabel, "NumbersNoteLabel")),
      table_(Named(new QTreeWidget, "NumberList")), hint_(Named(new QLabel, "NumbersChartHint")),
      chart_(new TChart("NumbersChart", {{"NumberSuccessSeries", ChartBlue}, {"NumberSpeedSeries", SpeedColour, true}},
                        {}, TChart::TPointAxis::Named))
{
    auto* content = new QWidget;
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(new TPageScrollArea(content));
    auto* page = new QVBoxLayout(content);
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    page->addWidget(note_);
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    table_->setSortingEnabled(true);
    table_->header()->setStretchLastSection(false);
    table_->setMinimumHeight(fontMetrics().height() * 8);
    page->addWidget(table_, 2);
    hint_->setWordWrap(true);
    page->addWidget(hint_);
    chart_->setMinimumHeight(fontMetrics().height() * 13);
    page->addWidget(chart_, 3);

    // The table copies as the connection table does: TAB-separated, CR LF.
    auto* copy = new QAction(table_);
    copy->setObjectName("CopyNumbers");
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    table_->addAction(copy);
    table_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &TNumbersPage::CopyTable);
    connect(table_, &QTreeWidget::itemSelectionChanged, this, &TNumbersPage::ShowChart);
    ApplyTexts(true);
    Clear(nullptr);
}

void TNumbersPage::ApplyTexts(bool german)
{
    german_ = german;
    table_->findChild<QAction*>("CopyNumbers")->setText(Text(TNumberText::CopyTable, german));
    table_->setAccessibleName(Text(TNumberText::PageCaption, german));
    note_->setText(Text(TNumberText::NoNumbers, german));
    hint_->setText(Text(TNumberText::ChosenHint, german));
    chart_->LeftAxis()->setTitleText(Text(TNumberText::SuccessSeries, german));
    chart_->RightAxis()->setTitleText(Text(TNumberText::SpeedSeries, german));
    chart_->BottomAxis()->setTitleText(Text(TNumberText::Month, german));
    chart_->Series(0)->setName(Text(TNumberText::SuccessSeries, german));
    chart_->Series(1)->setName(Text(TNumberText::SpeedSeries, german));
    ShowTable();
}

void TNumbersPage::Clear(const TTariff* money)
{
    money_ = money;
    history_ = TNumberHistory();
    numbers_.clear();
}

void TNumbersPage::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    history_.AddConnection(record, cost);
}

void TNumbersPage::AddUnlisted(const TConnectionRecord& record)
{
    history_.AddUnlistedSession(record);
}

void TNumbersPage::Show()
{
    numbers_ = history_.Figures();
    ShowTable();
}

void TNumbersPage::ShowTable()
{
    const bool known = KnowsNumbers(numbers_);
    note_->setVisible(!known);
    const std::vector<std::string> head = NumberHeadTexts(german_, money_);
    QStringList captions;
    for (const std::string& caption : head)
        captions << QString::fromStdString(caption);
    const QSignalBlocker quiet(table_);
    table_->clear();
    table_->setColumnCount(static_cast<int>(head.size()));
    table_->setHeaderLabels(captions);
    QList<QTreeWidgetItem*> items;
    for (size_t index = 0; index < numbers_.size() && known; ++index) {
        const TNumberFigures& f = numbers_[index];
        auto* item = new TNumberItem;
        const std::vector<std::string> texts = NumberRowTexts(f, german_, decimalSeparator_, money_);
        for (size_t column = 0; column < texts.size(); ++column) {
            item->setText(static_cast<int>(column), QString::fromStdString(texts[column]));
            if (column > 0)
                item->setTextAlignment(static_cast<int>(column), Qt::AlignRight | Qt::AlignVCenter);
            if (const auto value = NumberSortValue(f, static_cast<TNumberColumn>(column)))
                item->setData(static_cast<int>(column), SortRole, QVariant::fromValue<qlonglong>(*value));
        }
        item->setData(0, IndexRole, QVariant::fromValue<qulonglong>(index));
        items.append(item);
    }
    table_->addTopLevelItems(items);
    table_->sortByColumn(static_cast<int>(TNumberColumn::Attempts), Qt::DescendingOrder);
    for (int column = 0; column < table_->columnCount(); ++column)
        table_->resizeColumnToContents(column);
    ShowChart();
}

std::vector<TNumberFigures> TNumbersPage::Chosen() const
{
    std::vector<size_t> indexes;
    for (const QTreeWidgetItem* item : table_->selectedItems())
        indexes.push_back(item->data(0, IndexRole).toULongLong());
    std::sort(indexes.begin(), indexes.end());
    if (indexes.empty())
        for (size_t index = 0; index < std::min<size_t>(3, numbers_.size()); ++index)
            indexes.push_back(index);
    std::vector<TNumberFigures> chosen;
    for (const size_t index : indexes)
        chosen.push_back(numbers_[index]);
    return chosen;
}

void TNumbersPage::ShowChart()
{
    const std::vector<TNumberFigures> chosen = KnowsNumbers(numbers_) ? Chosen() : std::vector<TNumberFigures>{};
    QStringList names;
    for (const TNumberFigures& f : chosen)
        names << QString::fromStdString(NumberName(f, german_));
    const QString title = Text(TNumberText::ChartTitle, german_);
    chart_->chart()->setTitle(names.isEmpty() ? title : title + ": " + names.join(", "));
    std::vector<double> success;
    std::vector<double> speed;
    std::vector<QString> months;
    for (const auto& [month, f] : history_.Over(chosen)) {
        success.push_back(static_cast<double>(f.SuccessBasisPoints().value_or(0)) / 100);
        speed.push_back(static_cast<double>(f.MedianSpeed.value_or(0)) / 1000);
        months.push_back(QString::fromStdString(month));
    }
    chart_->ClearSeries();
    chart_->SetSourceValues({&success, &speed}, TChart::TTrends::AsTheyAre);
    chart_->SetPointNames(std::move(months));
}

QString TNumbersPage::TableText() const
{
    return TreeText(*table_);
}

void TNumbersPage::CopyTable() const
{
    if (table_->topLevelItemCount() > 0)
        QApplication::clipboard()->setText(TableText());
}

}  // namespace kellvar
