// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/analysisreceiver.h"
#include "core/chartpoints.h"
#include "history/costhistory.h"
#include "history/shownconnections.h"
#include "ui/chart.h"
#include "ui/userdialogs.h"

#include <QElapsedTimer>

#include <array>
#include <vector>

class QLabel;
class QProgressBar;
class QWidget;

namespace kellvar {

class TCostsPage;
class TNumbersPage;
class TOverviewPage;
class TTablePage;

// The parts of the window a run fills.
struct TRunViews {
    QWidget* Window;
    TUserDialogs* Dialogs;
    TOverviewPage* Overview;
    TTablePage* Table;
    std::array<TChart*, 4> Charts;
    TCostsPage* Costs;
    TNumbersPage* Numbers;
    // Each figure's label on a status panel (null for none), in FigureSlots() order.
    std::vector<QLabel*> StatusLabels;
    // Shown at the right end of the bottom row, beside the Open button.
    QProgressBar* Progress;
    QWidget* BottomRow;
    QWidget* OpenButton;
};

// How a long run shows itself: the progress bar once it has taken longer
// than the delay, and the table and the charts brought up to date at most
// once an interval; drawing them at every pump would cost more than the run.
struct TReadingPace {
    qint64 ProgressDelay = 500;
    qint64 RefreshInterval = 250;
};

// What an analysis run hands to the window: rows into the table page, points
// into the charts, the summary into the overview and the status panels, and
// how far a long run has read. While a run pumps events, the table and the
// charts are brought up to date now and then.
class TWindowReceiver : public TAnalysisReceiver {
public:
    explicit TWindowReceiver(TRunViews views) : views_(std::move(views)) {}

    // Called before each run; a quiet run tells a cut table on standard error.
    void StartRun(bool quiet, bool quietTotal);
    void KeepConnectDates(TConnectDateRange range) { keptDates_ = range; }
    void SetReadingPace(TReadingPace pace) { pace_ = pace; }
    const TChartPoints& Points() const { return points_; }
    // The tariffs of the Costs page price the kept connections anew, and
    // those of later runs.
    void PriceBy(const TTariffs* tariffs) { shown_.PriceBy(tariffs); }
    // The pages that show costs show the kept connections again, as priced
    // now, without reading the log.
    void ShowPricedAgain();
    bool StoppedAtRowLimit() const { return stoppedAtRowLimit_; }

    void ClearTable() override;
    void AddConnectionRow(const TConnectionRecord& record, int32_t rowNumber) override;
    void AppendCellToLastRow(const std::string& text) override;
    void ClearCharts() override;
    void AddChartPoints(const TConnectionRecord& record) override;
    void AddUnlistedSession(const TConnectionRecord& record) override;
    void ClearLogFileMaxSizeNote() override;
    void ShowMessage(const std::string& text, TMessageSeverity severity) override;
    void ProcessPendingEvents() override;
    void ShowProgress(int64_t bytesRead, int64_t fileSize) override;
    void ShowSummary(const TAnalysisCounters& counters) override;

private:
    void HandChartPointsOver(TChart::TTrends trends);
    void ClearCostViews();
    void ShowCosts(const TShownConnections::TShown& shown);
    void ShowRow(const TShownConnections::TShown& shown);
    void ShowPriced();

    TRunViews views_;
    TShownConnections shown_;
    // What the shown connections cost, as the Costs page shows it.
    TCostHistory costs_;
    TChartPoints points_;
    TConnectDateRange keptDates_;
    bool lastRowKept_ = true;
    bool stoppedAtRowLimit_ = false;
    bool quiet_ = false;
    bool quietTotal_ = false;
    QElapsedTimer sinceShown_;
    QElapsedTimer sinceStart_;
    TReadingPace pace_;
};

}  // namespace kellvar
