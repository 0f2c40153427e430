// SPDX-License-Identifier: GPL-3.0-or-later
#include "costspage.h"

#include "chart.h"
#include "costchart.h"
#include "figurelabel.h"
#include "filenames.h"
#include "layouthelpers.h"
#include "limitspanel.h"
#include "pagescrollarea.h"
#include "profilemap.h"
#include "reportfolderrow.h"
#include "userdialogs.h"

#include "core/formatting.h"
#include "history/costfigures.h"
#include "history/costhistory.h"
#include "lang/costtexts.h"
#include "lang/fixedtexts.h"
#include "lang/reporttexts.h"
#include "lang/wordings.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace kellvar {

namespace {

// Where the package puts its example tariffs; a build tree has them in examples/.
QString TariffFolder()
{
    const QString installed = "/usr/share/kellvar/tariffs";
    return QFileInfo::exists(installed) ? installed : QString();
}

QString Worded(TCostWording wording, bool german)
{
    return UiText(CostWording(wording, german));
}

// The list shows the files, in their order.
// The list shows each file as its tariff's name, where the files could be
// read, else as its path; the path is the item's tooltip.
bool Lists(const QListWidget* list, const std::vector<std::string>& files, const std::vector<QString>& shown)
{
    if (list->count() != static_cast<int>(files.size()))
        return false;
    for (int row = 0; row < list->count(); ++row)
        if (list->item(row)->toolTip() != QString::fromStdString(files[static_cast<size_t>(row)])
            || list->item(row)->text() != shown[static_cast<size_t>(row)])
            return false;
    return true;
}

}  // namespace

TCostsPage::TCostsPage(TUserDialogs& dialogs, std::string decimalSeparator, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), decimalSeparator_(std::move(decimalSeparator)),
      filesLabel_(Named(new QLabel, "TariffFilesLabel")), fileList_(Named(new QListWidget, "TariffFileList")),
      addButton_(Named(new QPushButton, "AddTariffButton")),
      removeButton_(Named(new QPushButton, "RemoveTariffButton")), upButton_(Named(new QPushButton, "TariffUpButton")),
      downButton_(Named(new QPushButton, "TariffDownButton")), note_(Named(new QLabel, "CostsNoteLabel")),
      limits_(new TLimitsPanel), reportFolder_(new TReportFolderRow(dialogs)),
      monthTable_(Named(new QTreeWidget, "CostMonthList")), chart_(NewCostChart()), profileMap_(new TProfileMap),
      measureLabel_(new QLabel), measure_(Named(new QComboBox, "WeekMapMeasureComboBox"))
{
    // The page scrolls as a whole when the window is smaller than it; its
    // table and chart take what room there is above that.
    auto* content = new QWidget;
    scroll_ = new TPageScrollArea(content);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
    auto* page = new QVBoxLayout(content);
    filesLabel_->setBuddy(fileList_);
    page->addWidget(filesLabel_);
    auto* files = new QHBoxLayout;
    fileList_->setMaximumHeight(fileList_->fontMetrics().height() * 3);
    files->addWidget(fileList_, 1, Qt::AlignTop);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* button : {addButton_, removeButton_, upButton_, downButton_})
        buttons->addWidget(button);
    buttons->addStretch();
    files->addLayout(buttons);
    page->addLayout(files);
    note_->setWordWrap(true);
    note_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    page->addWidget(note_);

    auto* figures = new QGridLayout;
    for (int row = 0; row < 4; ++row) {
        auto* caption = new QLabel;
        auto* value = new TFigureLabel(caption, "-");
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(value);
        figures->addWidget(caption, row, 0);
        figures->addWidget(value, row, 1);
        figures_.emplace_back(caption, value);
    }
    figures->setColumnStretch(2, 1);
    page->addLayout(figures);
    page->addWidget(limits_);

    auto* months = new QHBoxLayout;
    monthTable_->setRootIsDecorated(false);
    monthTable_->setUniformRowHeights(true);
    monthTable_->setColumnCount(6);
    monthTable_->header()->setStretchLastSection(false);
    months->addWidget(monthTable_, 2);
    chart_->setMinimumHeight(fontMetrics().height() * 13);
    months->addWidget(chart_, 3);
    page->addLayout(months, 1);
    auto* measure = new QHBoxLayout;
    measureLabel_->setBuddy(measure_);
    measure_->addItems({QString(), QString(), QString()});
    measure->addWidget(measureLabel_);
    measure->addWidget(measure_);
    measure->addStretch();
    page->addLayout(measure);
    page->addWidget(profileMap_);
    // A setting of the daily timer's, below what the page shows.
    page->addWidget(reportFolder_);
    connect(measure_, &QComboBox::currentIndexChanged, this,
            [this](int index) { profileMap_->SetMeasure(static_cast<TWeekHourProfile::TMeasure>(index)); });

    // The months copy as the connection table does: TAB-separated, CR LF.
    auto* copy = new QAction(UiText(CopyTableCaption), monthTable_);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    monthTable_->addAction(copy);
    monthTable_->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(copy, &QAction::triggered, this, &TCostsPage::CopyMonths);

    connect(addButton_, &QPushButton::clicked, this, &TCostsPage::AddFile);
    connect(removeButton_, &QPushButton::clicked, this, &TCostsPage::RemoveFile);
    connect(upButton_, &QPushButton::clicked, this, [this] { MoveFile(-1); });
    connect(downButton_, &QPushButton::clicked, this, [this] { MoveFile(1); });
    connect(fileList_, &QListWidget::currentRowChanged, this, [this] { ShowFileList(); });
    ApplyTexts(true);
}

void TCostsPage::ApplyTexts(bool german)
{
    german_ = german;
    profileMap_->ApplyTexts(german);
    measureLabel_->setText(UiText(Wording(TWording::WeekMapShows, german)));
    measure_->setItemText(0, Worded(TCostWording::OnlineTime, german));
    measure_->setItemText(1, Worded(TCostWording::Volume, german));
    measure_->setItemText(2, Worded(TCostWording::Costs, german));
    measure_->setAccessibleName(QString(measureLabel_->text()).remove(':'));
    measure_->view()->setAccessibleName(measure_->accessibleName());
    scroll_->setAccessibleName(Worded(TCostWording::Costs, german));
    limits_->ApplyTexts(german);
    reportFolder_->ApplyTexts(german);
    filesLabel_->setText(Worded(TCostWording::TariffFiles, german));
    fileList_->setAccessibleName(Worded(TCostWording::TariffFiles, german).section(" (", 0, 0));
    addButton_->setText(Worded(TCostWording::AddTariff, german));
    removeButton_->setText(Worded(TCostWording::RemoveTariff, german));
    upButton_->setText(Worded(TCostWording::MoveTariffUp, german));
    downButton_->setText(Worded(TCostWording::MoveTariffDown, german));
    const TCostWording captions[] = {TCostWording::TotalCosts, TCostWording::MeanPerConnection,
                                     TCostWording::PerHourOnline, TCostWording::Unpriced};
    for (size_t i = 0; i < figures_.size(); ++i) {
        figures_[i].first->setText(Worded(captions[i], german) + ":");
    }
    monthTable_->setHeaderLabels({Worded(TCostWording::Month, german),
                                  UiText(ReportText(TReportText::Connections, german)),
                                  Worded(TCostWording::OnlineTime, german), Worded(TCostWording::Volume, german),
                                  Worded(TCostWording::Costs, german), Worded(TCostWording::UnpricedColumn, german)});
    monthTable_->setAccessibleName(Worded(TCostWording::CostsPerMonth, german));
    for (int column = 0; column < monthTable_->columnCount(); ++column)
        monthTable_->resizeColumnToContents(column);
    ApplyCostChartTexts(*chart_, german, tariffs_ ? &tariffs_->First() : nullptr);
    ShowFileList();
}

void TCostsPage::SetFiles(const std::vector<std::string>& files)
{
    files_ = files;
    ReadFiles();
}

void TCostsPage::ReadFiles()
{
    tariffs_.reset();
    error_.clear();
    if (!files_.empty()) {
        auto read = ReadTariffFiles(files_, true);
        if (auto* error = std::get_if<TTariffError>(&read)) {
            error_ = error->Message;
            errorHeld_ = holdErrors_;
            if (!holdErrors_)
                dialogs_.ShowMessage(this, QString::fromStdString(error_), TMessageSeverity::Error);
        } else {
            tariffs_.emplace(std::get<TTariffs>(std::move(read)));
        }
    }
    readFiles_ = files_;
    ApplyTexts(german_);
    emit TariffsChanged();
}

void TCostsPage::TellHeldErrors()
{
    holdErrors_ = false;
    if (errorHeld_ && !error_.empty())
        dialogs_.ShowMessage(this, QString::fromStdString(error_), TMessageSeverity::Error);
    errorHeld_ = false;
}

void TCostsPage::ShowFileList()
{
    const int current = fileList_->currentRow();
    std::vector<QString> shown;
    for (size_t i = 0; i < files_.size(); ++i)
        shown.push_back(
            QString::fromStdString(tariffs_ && readFiles_ == files_ ? tariffs_->Files()[i].Name() : files_[i]));
    if (!Lists(fileList_, files_, shown)) {
        const QSignalBlocker quiet(fileList_);
        fileList_->clear();
        for (size_t i = 0; i < files_.size(); ++i) {
            auto* item = new QListWidgetItem(shown[i], fileList_);
            item->setToolTip(QString::fromStdString(files_[i]));
        }
        fileList_->setCurrentRow(std::min(current, fileList_->count() - 1));
    }
    const int row = fileList_->currentRow();
    removeButton_->setEnabled(row >= 0);
    upButton_->setEnabled(row > 0);
    downButton_->setEnabled(row >= 0 && row + 1 < fileList_->count());
    note_->setText(!error_.empty()  ? QString::fromStdString(error_)
                   : files_.empty() ? Worded(TCostWording::NoTariff, german_)
                                    : QString());
    note_->setVisible(!note_->text().isEmpty());
    // Without a tariff the note says what to do; figures, months and chart
    // would only be empty furniture. Limits of time and volume, the week map
    // and the report folder need no tariff.
    for (auto& [caption, value] : figures_) {
        caption->setVisible(tariffs_.has_value());
        value->setVisible(tariffs_.has_value());
    }
    monthTable_->setVisible(tariffs_.has_value());
    chart_->setVisible(tariffs_.has_value());
    // Hidden and empty, it is nothing to move to.
    note_->setFocusPolicy(note_->text().isEmpty() ? Qt::NoFocus : Qt::ClickFocus);
}

void TCostsPage::AddFile()
{
    TOpenFileRequest request;
    request.Title = Worded(TCostWording::AddTariff, german_).remove("...");
    request.Filters = {UiText(Wording(TWording::TariffFilesFilter, german_)),
                       UiText(Wording(TWording::AllFilesFilter, german_))};
    request.InitialDirectory = TariffFolder();
    const auto answer = dialogs_.OpenLogFile(this, request);
    if (!answer)
        return;
    files_.push_back(FileNameBytes(answer->File));
    ShowFileList();
    fileList_->setCurrentRow(fileList_->count() - 1);
    ReadFiles();
}

void TCostsPage::RemoveFile()
{
    const int row = fileList_->currentRow();
    if (row < 0 || row >= static_cast<int>(files_.size()))
        return;
    files_.erase(files_.begin() + row);
    ReadFiles();
}

void TCostsPage::MoveFile(int by)
{
    const int row = fileList_->currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= static_cast<int>(files_.size()))
        return;
    std::swap(files_[static_cast<size_t>(row)], files_[static_cast<size_t>(to)]);
    ShowFileList();
    fileList_->setCurrentRow(to);
    ReadFiles();
}

QString TCostsPage::MonthsText() const
{
    return TreeText(*monthTable_);
}

void TCostsPage::CopyMonths() const
{
    if (monthTable_->topLevelItemCount() > 0)
        QApplication::clipboard()->setText(MonthsText());
}

void TCostsPage::Clear(int64_t today)
{
    limits_->Clear(today, decimalSeparator_, tariffs_ ? &tariffs_->First() : nullptr);
    // Without tariffs there is nothing to clear, and the hidden chart is not
    // laid out anew for every run.
    if (!shown_)
        return;
    shown_ = false;
    monthTable_->clear();
    chart_->ClearSeries();
    chart_->SetSourceValues({nullptr}, TChart::TTrends::AsTheyAre);
    for (auto& [caption, value] : figures_)
        value->setText("-");
}

void TCostsPage::AddToLimits(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    limits_->Add(record, cost);
}

void TCostsPage::Show(const TCostHistory& costs)
{
    limits_->Show();
    profileMap_->SetWeekFromSunday(limits_->Rules().WeekStartsOnSunday);
    profileMap_->SetProfile(costs.Week(), tariffs_ ? &tariffs_->First() : nullptr);
    if (!tariffs_ || !costs.Priced())
        return;
    shown_ = true;
    monthTable_->clear();
    const TTariff& money = tariffs_->First();
    const std::vector<TCostFigure> figures = CostFigures(costs.Sums(), money, decimalSeparator_);
    for (size_t i = 0; i < figures.size() && i < figures_.size(); ++i)
        figures_[i].second->setText(QString::fromStdString(figures[i].Value));
    QList<QTreeWidgetItem*> items;
    for (const TPeriodTotal& month : costs.Months().Periods()) {
        auto* item = new QTreeWidgetItem(
            QStringList{QString::fromStdString(month.Period), QString::number(month.Sums.Connections),
                        QString::fromStdString(FormatClock(month.Sums.DurationHundredths)),
                        QString::fromStdString(FormatBytes(
                            static_cast<double>(month.Sums.ReceivedBytes + month.Sums.SentBytes), decimalSeparator_)),
                        QString::fromStdString(CostSumText(month.Costs, money, decimalSeparator_)),
                        QString::number(month.Costs.Unpriced)});
        for (int column = 1; column < item->columnCount(); ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
        items.append(item);
    }
    monthTable_->addTopLevelItems(items);
    for (int column = 0; column < monthTable_->columnCount(); ++column)
        monthTable_->resizeColumnToContents(column);
    ShowMonthCosts(*chart_, costs.Months(), money);
}

}  // namespace kellvar
