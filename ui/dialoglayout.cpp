// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, their names, nesting and order. Each control shows
// the design (German) text of the text table until ApplyLanguageTexts sets
// the chosen language.

#include "modemlogdialog.h"

#include "chartpage.h"
#include "costspage.h"
#include "fixedplacement.h"
#include "layouthelpers.h"
#include "limitspanel.h"
#include "numberspage.h"
#include "overviewpage.h"
#include "pagescrollarea.h"
#include "settingspage.h"
#include "statuspanel.h"
#include "tablepage.h"

#include "history/summarylines.h"
#include "lang/fixedtexts.h"
#include "lang/texttable.h"
#include "ui/rules/readingprogress.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace kellvar {

namespace {

// A status panel figure: its caption label, the label showing the figure, and their x positions.
TStatusPanel::TFigure Figure(const char* caption, int captionX, const char* statusLabel, int valueX)
{
    return {caption, captionX, FigureSlotOfStatusLabel(statusLabel), valueX};
}

}  // namespace

void TModemLogDialog::BuildLayout()
{
    setObjectName("ModemLogDialog");
    texts_.Bind("ModemLogDialog", TTextProperty::Caption, [this](const QString& text) { setWindowTitle(text); });
    texts_.Bind("OpenDialog1", TTextProperty::Caption, [this](const QString& text) { OpenDialog1.Title = text; });
    HelpContext(this, 1);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(3, 3, 3, 0);
    outer->setSpacing(0);
    // The window may be made as small as its bounds rules allow; below the
    // layout size everything scrolls as a whole, pages, status panels and
    // the bottom row alike, instead of squeezing or cutting any of them.
    outer->setSizeConstraint(QLayout::SetNoConstraint);
    windowScroll_ = Named(new QScrollArea, "WindowScrollArea");
    windowScroll_->setFrameShape(QFrame::NoFrame);
    windowScroll_->setWidgetResizable(true);
    windowScroll_->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(windowScroll_);
    auto* content = new QWidget;
    windowScroll_->setWidget(content);
    auto* main = new QVBoxLayout(content);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);

    auto* panel1 = Named(new QWidget, "Panel1");
    auto* panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = Named(new QTabWidget, "PageControl1");
    HelpContext(PageControl1, 1601);
    panel1Layout->addWidget(PageControl1);
    main->addWidget(panel1, 1);
    main->addWidget(BuildBottomPanel());

    overview_ = new TOverviewPage;
    tablePage_ = new TTablePage(decimalSeparator_);
    // The status panels beneath the charts, in the order of the charts.
    const std::array<TStatusPanel*, 4> chartPanels = {
        new TStatusPanel("Panel4", 26,
                         {Figure("AverageReadRateTLabel", 15, "AverageReadRateLabel", 137),
                          Figure("AverageWriteRateTLabel", 272, "AverageWriteRateLabel", 416)}),
        new TStatusPanel("Panel7", 26, {Figure("AverageDialTimeTLabel", 19, "AverageDialingTimeLabel", 207)}),
        new TStatusPanel("Panel6", 24,
                         {Figure("ConnectionTimeTLabel", 12, "SumConnectionTimeLabel", 176),
                          Figure("AverageConnectionTimeTLabel", 265, "MeanConnectionTimeLabel", 487)}),
        new TStatusPanel("Panel5", 26,
                         {Figure("SumDataReadTLabel", 11, "SumReadDataLabel", 159),
                          Figure("SumDataWrittenTLabel", 282, "SumWrittenDataLabel", 441)}),
    };
    for (size_t chart = 0; chart < chartPages_.size(); ++chart)
        chartPages_[chart] = new TChartPage(WindowCharts()[chart], chartPanels[chart]);
    settingsPage_ = new TSettingsPage;
    auto* about = new QWidget;
    auto* aboutLayout = new QVBoxLayout(about);
    aboutLayout->setContentsMargins(0, 0, 0, 0);
    Memo1 = Named(new QPlainTextEdit, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    aboutLayout->addWidget(Memo1);

    // The pages in the order of PageNames, with their help context and the
    // control a screen reader names by the page's caption.
    const std::array<std::tuple<QWidget*, int, QWidget*>, PageNames.size()> pages = {{
        {new TPageScrollArea(overview_), 1601, nullptr},
        {tablePage_, 1101, tablePage_->View()},
        {chartPages_[0], 1201, nullptr},
        {chartPages_[3], 1301, nullptr},
        {chartPages_[2], 1501, nullptr},
        {chartPages_[1], 1401, nullptr},
        {new TPageScrollArea(settingsPage_), 3101, nullptr},
        {about, 2101, Memo1},
    }};
    for (size_t index = 0; index < pages.size(); ++index) {
        const auto [content, helpContext, named] = pages[index];
        const std::string_view name = PageNames[index];
        content->setObjectName(UiText(name));
        HelpContext(content, helpContext);
        PageControl1->addTab(content, {});
        texts_.Bind(name, TTextProperty::Caption, [this, content, named](const QString& text) {
            PageControl1->setTabText(PageControl1->indexOf(content), text);
            if (named != nullptr)
                named->setAccessibleName(QString(text).remove('&'));
        });
    }

    // What the connections cost, after the pages the program always had, so
    // that stored start pages keep their meaning.
    costsPage_ = Named(new TCostsPage(dialogs_, decimalSeparator_), "CostsPage");
    PageControl1->addTab(costsPage_, {});
    connect(costsPage_, &TCostsPage::TariffsChanged, this, [this] {
        tablePage_->SetPriced(costsPage_->Tariffs() != nullptr);
        PriceShownConnectionsAnew();
    });
    connect(costsPage_->Limits(), &TLimitsPanel::LimitsChanged, this, &TModemLogDialog::PriceShownConnectionsAnew);
    HelpContext(costsPage_, 4101);
    // How the calls to each dialled number went, after the costs.
    numbersPage_ = Named(new TNumbersPage(decimalSeparator_), "NumbersPage");
    PageControl1->addTab(numbersPage_, {});
    HelpContext(numbersPage_, 4201);

    ListView1 = tablePage_->View();
    Chart1 = chartPages_[0]->Chart();
    Chart2 = chartPages_[1]->Chart();
    Chart3 = chartPages_[2]->Chart();
    Chart4 = chartPages_[3]->Chart();
    connect(settingsPage_, &TSettingsPage::DefineDefaultClicked, this, &TModemLogDialog::DefineDefaultBitBtnClick);
    BuildMenus();

    for (std::string_view filter : OpenDialogFilters)
        OpenDialog1.Filters << UiText(filter);

    // The bottom panel's tab order follows the screen, left to right (set
    // once the panel has its place in the window): keyboard and screen
    // reader users meet the controls where they see them.
    setTabOrder(OpenButton, CloseButton);
    setTabOrder(CloseButton, HelpButton);
    setTabOrder(HelpButton, ShowLabelsCheckBox);

    // Each figure's status label, by its place in FigureSlots().
    std::vector<QLabel*> statusLabels(FigureSlots().size(), nullptr);
    for (TStatusPanel* panel : StatusPanels())
        for (size_t i = 0; i < panel->Figures().size(); ++i)
            statusLabels[panel->Figures()[i].Slot] = panel->Values()[i];
    receiver_ = std::make_unique<TWindowReceiver>(TRunViews{this, &dialogs_, overview_, tablePage_, Charts(),
                                                            costsPage_, numbersPage_, std::move(statusLabels),
                                                            progress_, bottomPanel_, OpenButton});

    // The layout's client area, scaled to the font.
    const TLayoutScale px(font());
    resize(px(1106), px(549));
}

std::vector<TStatusPanel*> TModemLogDialog::StatusPanels() const
{
    std::vector<TStatusPanel*> panels = {tablePage_->Panel()};
    for (TChartPage* page : chartPages_)
        panels.push_back(page->Panel());
    return panels;
}

void TModemLogDialog::RelayoutFixedParts()
{
    overview_->Relayout();
    for (TStatusPanel* panel : StatusPanels())
        panel->Relayout();
    settingsPage_->Relayout();
    bottomPanel_->Relayout();
    bottomPanel_->setFixedHeight(std::max(TLayoutScale(font())(42), bottomPanel_->sizeHint().height()));
    // The layout's client area less the window's margins: all of it fits
    // there, and a smaller window scrolls.
    const TLayoutScale px(font());
    windowScroll_->widget()->setMinimumSize(px(1106) - 6, px(549) - 3);
}

QWidget* TModemLogDialog::BuildBottomPanel()
{
    auto* panel = Named(new TFixedPlacement, "Panel2");
    bottomPanel_ = panel;
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    OpenButton = GlyphButton(texts_, "OpenButton", "document-open", "open");
    CloseButton = GlyphButton(texts_, "CloseButton", "application-exit", "close");
    HelpButton = GlyphButton(texts_, "HelpButton", "help-contents", "help");
    CloseButton->setDefault(true);
    ShowLabelsCheckBox = SettingsCheckBox(texts_, "ShowLabelsCheckBox");
    panel->Place(OpenButton, 9, 4, 99, 30);
    panel->Place(CloseButton, 137, 4, 99, 30);
    panel->Place(HelpButton, 265, 4, 99, 30);
    panel->Place(ShowLabelsCheckBox, 377, 9, 376, 17);
    // Placed by ShowProgress while a long run reads, outside the layout.
    progress_ = Named(new QProgressBar(panel), "ProgressBar");
    progress_->setRange(0, ReadingProgressSteps);
    progress_->setFormat("%p %");
    progress_->hide();
    panel->setFixedHeight(std::max(TLayoutScale(panel->font())(42), panel->sizeHint().height()));

    connect(OpenButton, &QPushButton::clicked, this, &TModemLogDialog::OpenButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &TModemLogDialog::CloseButtonClick);
    connect(HelpButton, &QPushButton::clicked, this, &TModemLogDialog::HelpButtonClick);
    connect(ShowLabelsCheckBox, &QCheckBox::toggled, this, &TModemLogDialog::ShowLabelsCheckBoxClick);
    return panel;
}

void TModemLogDialog::BuildMenus()
{
    PopupMenu1 = Named(new QMenu(this), "PopupMenu1");
    QAction* unzoom = Named(PopupMenu1->addAction(UiText(UnzoomCaption)), "Unzoom1");
    QFont bold = unzoom->font();
    bold.setBold(true);
    unzoom->setFont(bold);
    PopupMenu1->setDefaultAction(unzoom);
    Named(PopupMenu1->addSeparator(), "InZwischenablage1");
    QAction* bitmap = Named(PopupMenu1->addAction(UiText(CopyBitmapCaption)), "alsBitmap1");
    QAction* meta = Named(PopupMenu1->addAction(UiText(CopyMetaCaption)), "alsMeta1");
    connect(unzoom, &QAction::triggered, this, &TModemLogDialog::Unzoom1Click);
    connect(bitmap, &QAction::triggered, this, &TModemLogDialog::alsBitmap1Click);
    connect(meta, &QAction::triggered, this, &TModemLogDialog::alsMeta1Click);

    PopupMenu2 = Named(new QMenu(this), "PopupMenu2");
    QAction* table = Named(PopupMenu2->addAction(UiText(CopyTableCaption)), "CopyData1");
    QAction* line = Named(PopupMenu2->addAction(UiText(CopyLineCaption)), "CopyDataLine1");
    connect(table, &QAction::triggered, this, &TModemLogDialog::CopyData1Click);
    connect(line, &QAction::triggered, this, &TModemLogDialog::CopyDataLine1Click);

    // owner asks for the menu; positions are in the coordinates of area.
    const auto popUp = [](QMenu* menu, QWidget* owner, QWidget* area) {
        connect(owner, &QWidget::customContextMenuRequested, menu,
                [menu, area](const QPoint& at) { menu->popup(area->mapToGlobal(at)); });
    };
    for (TChart* chart : Charts())
        popUp(PopupMenu1, chart, chart);
    popUp(PopupMenu1, costsPage_->Chart(), costsPage_->Chart());
    popUp(PopupMenu1, numbersPage_->Chart(), numbersPage_->Chart());
    popUp(PopupMenu1, bottomPanel_, bottomPanel_);
    popUp(PopupMenu2, ListView1, ListView1->viewport());
    // Unzoom and the copies act on the chart of the page shown; elsewhere they are off.
    connect(PopupMenu1, &QMenu::aboutToShow, this, [this, unzoom, bitmap, meta] {
        for (QAction* action : {unzoom, bitmap, meta})
            action->setEnabled(ActiveChart() != nullptr);
    });

    // The keys desktop programs answer to.
    const auto shortcut = [this](const QKeySequence& keys, void (TModemLogDialog::*handler)()) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, handler);
    };
    shortcut(QKeySequence::Open, &TModemLogDialog::OpenButtonClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_Q), &TModemLogDialog::CloseButtonClick);
    shortcut(QKeySequence(Qt::CTRL | Qt::Key_W), &TModemLogDialog::CloseButtonClick);
    shortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &TModemLogDialog::ShowContextMenuOfFocus);
}

}  // namespace kellvar
