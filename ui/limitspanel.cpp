// SPDX-License-Identifier: GPL-3.0-or-later
#include "limitspanel.h"

#include "layouthelpers.h"

#include "history/contrast.h"
#include "history/costfigures.h"
#include "lang/wordings.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace kellvar {

namespace {

// A bar's fill stands out from the window's ground as a line must; past
// its limit it is drawn in a red that reads there as text would.
QPalette BarPalette(QPalette palette, bool exceeded)
{
    const QColor ground = palette.color(QPalette::Base);
    const QColor fill = palette.color(QPalette::Highlight);
    const TRgb shown = exceeded ? ReadableOn({200, 0, 0}, {ground.red(), ground.green(), ground.blue()}, TextContrast)
                                : ReadableOn({fill.red(), fill.green(), fill.blue()},
                                             {ground.red(), ground.green(), ground.blue()}, LineContrast);
    palette.setColor(QPalette::Highlight, QColor(shown.Red, shown.Green, shown.Blue));
    return palette;
}

// A limit's bar: how much of its period's limit is used, with a mark where
// the limit lies, and past the mark as far as the period went past it.
class TLimitGauge : public QProgressBar {
public:
    explicit TLimitGauge(int reached)
    {
        setRange(0, std::max(100, reached));
        setValue(reached);
        // The label beside it says the figures; a percentage drawn on the
        // red of an exceeded bar could not be read on every palette.
        setTextVisible(false);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QProgressBar::paintEvent(event);
        QPainter painter(this);
        painter.setPen(QPen(palette().color(QPalette::WindowText), 2));
        const int x = static_cast<int>(static_cast<int64_t>(width() - 1) * 100 / maximum());
        painter.drawLine(x, 0, x, height());
    }
};

}  // namespace

TLimitsPanel::TLimitsPanel(QWidget* parent)
    : QWidget(parent), limitsLabel_(Named(new QLabel, "LimitsLabel")), limitEdit_(Named(new QLineEdit, "LimitEdit")),
      addButton_(Named(new QPushButton, "AddLimitButton")), removeButton_(Named(new QPushButton, "RemoveLimitButton")),
      limitList_(Named(new QListWidget, "LimitList")), monthStartLabel_(new QLabel),
      monthStart_(Named(new QSpinBox, "BillingMonthStartSpinBox")), weekStartLabel_(new QLabel),
      weekStart_(Named(new QComboBox, "WeekStartComboBox")), estimate_(Named(new QLabel, "MonthEstimateLabel")),
      bars_(new QGridLayout)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* entry = new QHBoxLayout;
    limitsLabel_->setBuddy(limitEdit_);
    limitEdit_->setPlaceholderText("month:cost~>40");
    entry->addWidget(limitsLabel_);
    entry->addWidget(limitEdit_, 1);
    entry->addWidget(addButton_);
    entry->addWidget(removeButton_);
    monthStartLabel_->setBuddy(monthStart_);
    monthStart_->setRange(1, 31);
    weekStartLabel_->setBuddy(weekStart_);
    weekStart_->addItems({QString(), QString()});
    entry->addWidget(monthStartLabel_);
    entry->addWidget(monthStart_);
    entry->addWidget(weekStartLabel_);
    entry->addWidget(weekStart_);
    layout->addLayout(entry);
    // Three limits in view at least; up to six as the page grows.
    const auto linesHigh = [this](int lines) {
        return limitList_->fontMetrics().lineSpacing() * lines + 2 * limitList_->frameWidth() + 4;
    };
    limitList_->setMinimumHeight(linesHigh(3));
    limitList_->setMaximumHeight(linesHigh(6));
    layout->addWidget(limitList_);
    estimate_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    layout->addWidget(estimate_);
    layout->addLayout(bars_);
    connect(addButton_, &QPushButton::clicked, this, &TLimitsPanel::AddLimit);
    limitEdit_->installEventFilter(this);
    connect(removeButton_, &QPushButton::clicked, this, &TLimitsPanel::RemoveLimit);
    connect(monthStart_, &QSpinBox::valueChanged, this, &TLimitsPanel::Changed);
    connect(weekStart_, &QComboBox::currentIndexChanged, this, &TLimitsPanel::Changed);
    ApplyTexts(true);
}

void TLimitsPanel::ApplyTexts(bool german)
{
    german_ = german;
    limitsLabel_->setText(UiText(Wording(TWording::Limit, german)));
    addButton_->setText(UiText(Wording(TWording::SetLimit, german)));
    removeButton_->setText(UiText(Wording(TWording::DeleteLimit, german)));
    limitList_->setAccessibleName(UiText(Wording(TWording::Limits, german)));
    monthStartLabel_->setText(UiText(Wording(TWording::BillingMonthFromDay, german)));
    weekStartLabel_->setText(UiText(Wording(TWording::WeekFrom, german)));
    // A screen reader names the controls as their labels do.
    monthStart_->setAccessibleName(QString(monthStartLabel_->text()).remove(':'));
    weekStart_->setAccessibleName(QString(weekStartLabel_->text()).remove(':'));
    weekStart_->view()->setAccessibleName(weekStart_->accessibleName());
    weekStart_->setItemText(0, UiText(Wording(TWording::Monday, german)));
    weekStart_->setItemText(1, UiText(Wording(TWording::Sunday, german)));
    Show();
}

bool TLimitsPanel::eventFilter(QObject* watched, QEvent* event)
{
    // Enter in the limit's field sets the limit. The line edit passes Enter
    // on, and in the window it presses Close.
    if (watched == limitEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            AddLimit();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TLimitsPanel::Changed()
{
    checks_.reset();
    month_.reset();
    Show();
    emit LimitsChanged();
}

void TLimitsPanel::SetLimits(const std::vector<std::string>& limits, const std::vector<std::string>& alerted,
                             const TPeriodRules& rules)
{
    const QSignalBlocker quietMonth(monthStart_);
    const QSignalBlocker quietWeek(weekStart_);
    checks_.reset();
    limits_.clear();
    for (const std::string& text : limits)
        if (const auto limit = ParseLimit(text))
            limits_.push_back(*limit);
    alerted_ = alerted;
    alerted_.resize(limits_.size());
    monthStart_->setValue(rules.MonthStart);
    weekStart_->setCurrentIndex(rules.WeekStartsOnSunday ? 1 : 0);
    limitList_->clear();
    for (const TLimit& limit : limits_)
        limitList_->addItem(QString::fromStdString(limit.Text));
}

std::vector<std::string> TLimitsPanel::Limits() const
{
    std::vector<std::string> texts;
    for (const TLimit& limit : limits_)
        texts.push_back(limit.Text);
    return texts;
}

TPeriodRules TLimitsPanel::Rules() const
{
    return {monthStart_->value(), weekStart_->currentIndex() == 1};
}

void TLimitsPanel::AddLimit()
{
    const auto limit = ParseLimit(limitEdit_->text().trimmed().toStdString());
    if (!limit) {
        limitEdit_->selectAll();
        return;
    }
    limits_.push_back(*limit);
    alerted_.emplace_back();
    limitList_->addItem(QString::fromStdString(limit->Text));
    limitEdit_->clear();
    Changed();
}

void TLimitsPanel::RemoveLimit()
{
    const int row = limitList_->currentRow();
    if (row < 0 || row >= static_cast<int>(limits_.size()))
        return;
    limits_.erase(limits_.begin() + row);
    alerted_.erase(alerted_.begin() + row);
    delete limitList_->takeItem(row);
    Changed();
}

void TLimitsPanel::Clear(int64_t today, std::string decimalSeparator, const TTariff* money)
{
    decimalSeparator_ = std::move(decimalSeparator);
    money_ = money;
    checks_.emplace(limits_, Rules(), today);
    month_.emplace(PeriodSpan(TPeriod::Billing, today, Rules()), today);
}

void TLimitsPanel::Add(const TConnectionRecord& record, const std::optional<TCost>& cost)
{
    if (checks_)
        checks_->Add(record, cost);
    if (month_)
        month_->Add(record, cost);
}

QLabel* TLimitsPanel::Bar(size_t index) const
{
    QLayoutItem* label = bars_->itemAtPosition(static_cast<int>(index), 0);
    return label != nullptr ? qobject_cast<QLabel*>(label->widget()) : nullptr;
}

QProgressBar* TLimitsPanel::Gauge(size_t index) const
{
    QLayoutItem* gauge = bars_->itemAtPosition(static_cast<int>(index), 1);
    return gauge != nullptr ? qobject_cast<QProgressBar*>(gauge->widget()) : nullptr;
}

void TLimitsPanel::Show()
{
    while (QLayoutItem* item = bars_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    estimate_->setText(month_ ? QString::fromStdString(MonthEstimateText(*month_, german_, decimalSeparator_, money_))
                              : QString());
    if (!checks_)
        return;
    // One grid: every bar starts where the others do, whatever its label's length.
    int row = 0;
    for (const TLimitCheck& check : checks_->Checks()) {
        const TLimitBar bar = LimitBar(check, german_, decimalSeparator_, money_);
        auto* text = new QLabel(QString::fromStdString(bar.Text));
        text->setWordWrap(true);
        auto* gauge = new TLimitGauge(bar.Reached);
        gauge->setAccessibleName(text->text());
        gauge->setPalette(BarPalette(gauge->palette(), bar.Exceeded));
        bars_->addWidget(text, row, 0);
        bars_->addWidget(gauge, row, 1);
        ++row;
    }
    bars_->setColumnStretch(0, 1);
    bars_->setColumnStretch(1, 1);
}

void TLimitsPanel::SetAlertedPeriods(std::vector<std::string> alerted)
{
    alerted_ = std::move(alerted);
    alerted_.resize(limits_.size());
}

std::vector<std::string> TLimitsPanel::NewlyExceeded()
{
    std::vector<std::string> told;
    if (!checks_)
        return told;
    const std::vector<TLimitCheck> checks = checks_->Checks();
    for (size_t i = 0; i < checks.size() && i < alerted_.size(); ++i) {
        const std::string period = PeriodSpan(TPeriod::Day, checks[i].Span.First, {}).Name;
        if (!checks[i].Exceeded() || alerted_[i] == period)
            continue;
        alerted_[i] = period;
        told.push_back(LimitBar(checks[i], german_, decimalSeparator_, money_).Text);
    }
    return told;
}

}  // namespace kellvar
