// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/usagelimits.h"

#include <QWidget>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QGridLayout;
class QProgressBar;

namespace kellvar {

// The Costs page's limits: a list of them ("month:cost~>40"), the day the
// billing month starts and the first day of the week, and a bar per limit
// with what the period holding today used so far and is foreseen to use.
class TLimitsPanel : public QWidget {
    Q_OBJECT

public:
    explicit TLimitsPanel(QWidget* parent = nullptr);

    void ApplyTexts(bool german);
    // The limits as the settings keep them; texts that are no limit are dropped.
    void SetLimits(const std::vector<std::string>& limits, const std::vector<std::string>& alerted,
                   const TPeriodRules& rules);
    std::vector<std::string> Limits() const;
    const std::vector<std::string>& AlertedPeriods() const { return alerted_; }
    // The periods told as the settings file has them now.
    void SetAlertedPeriods(std::vector<std::string> alerted);
    TPeriodRules Rules() const;

    // A run's connections, checked against the periods that hold today.
    // money: the currency the costs are shown in; none without tariffs.
    void Clear(int64_t today, std::string decimalSeparator, const TTariff* money);
    void Add(const TConnectionRecord& record, const std::optional<TCost>& cost);
    void Show();
    // The limits exceeded in a period they were not yet told exceeded in;
    // each is remembered as told.
    std::vector<std::string> NewlyExceeded();

    QListWidget* LimitList() const { return limitList_; }
    QLabel* EstimateLabel() const { return estimate_; }
    QLabel* Bar(size_t index) const;
    QProgressBar* Gauge(size_t index) const;

signals:
    // The limits or the way periods are cut changed: the log is to be checked anew.
    void LimitsChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The checks point into the limits: they go with any change of them.
    void Changed();
    void AddLimit();
    void RemoveLimit();

    bool german_ = true;
    std::string decimalSeparator_ = ".";
    const TTariff* money_ = nullptr;
    std::vector<TLimit> limits_;
    std::vector<std::string> alerted_;
    std::optional<TLimitChecks> checks_;
    // The billing month that holds today, shown so far and foreseen.
    std::optional<TPeriodEstimate> month_;

    QLabel* limitsLabel_;
    QLineEdit* limitEdit_;
    QPushButton* addButton_;
    QPushButton* removeButton_;
    QListWidget* limitList_;
    QLabel* monthStartLabel_;
    QSpinBox* monthStart_;
    QLabel* weekStartLabel_;
    QComboBox* weekStart_;
    QLabel* estimate_;
    QGridLayout* bars_;
};

}  // namespace kellvar
