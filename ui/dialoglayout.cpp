// The window's controls, their names, nesting and order. Design texts are the
// German ones of the text table; ApplyLanguageTexts sets the chosen language.

#include "modemlogdialog.h"

#include "fixedplacement.h"
#include "layouthelpers.h"
#include "overviewpage.h"
#include "pagescrollarea.h"
#include "statuspanel.h"
#include "tablecolumns.h"

#include "chart.h"
#include "connectiontablemodel.h"
#include "lang/fixedtexts.h"
#include "lang/texttable.h"
#include "ui/rules/summarylines.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace kellvar {

namespace {

// The longest texts of the status panels' values.
const char* const LongCount = "32766";
const char* const LongRate = "1023.99Kbyte/s";
const char* const LongVolume = "1023.99Mbyte";
const char* const LongClock = "9999:59:59.99";
const char* const LongDialing = "999.99 Sekunden";

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor LightAqua(128, 255, 255);
const QColor LightFuchsia(255, 128, 255);
const QColor LightYellow(255, 255, 128);

}  // namespace

void TModemLogDialog::BuildLayout()
{
    setObjectName("ModemLogDialog");
    HelpContext(this, 1);
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(3, 3, 3, 0);
    main->setSpacing(0);
    // The window may be made as small as its bounds rules allow; pages that
    // do not fit scroll, and the bottom panel is clipped.
    main->setSizeConstraint(QLayout::SetNoConstraint);

    auto* panel1 = Named(new QWidget, "Panel1");
    auto* panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = Named(new QTabWidget, "PageControl1");
    HelpContext(PageControl1, 1601);
    panel1Layout->addWidget(PageControl1);
    main->addWidget(panel1, 1);
    main->addWidget(BuildBottomPanel());

    Chart1 = new TChart("Chart1",
                        {{"Series1", Blue, false},
                         {"Series2", Red, true},
                         {"Series3", LightAqua, false, 0},
                         {"Series4", LightFuchsia, true, 1}},
                        "byte/s");
    Chart4 = new TChart("Chart4",
                        {{"LineSeries5", Blue, false},
                         {"LineSeries6", Red, true},
                         {"LineSeries7", LightAqua, false, 0},
                         {"LineSeries8", LightFuchsia, true, 1}},
                        "byte");
    Chart3 = new TChart("Chart3", {{"LineSeries2", Blue, false}, {"LineSeries4", LightYellow, false, 0}});
    Chart2 = new TChart("Chart2", {{"LineSeries1", Blue, false}, {"LineSeries3", LightYellow, false, 0}});

    struct TPage {
        const char* Name;
        int HelpContext;
        QWidget* Content;
    };
    const std::vector<TPage> pages = {
        {"TabSheet0", 1601, new TPageScrollArea(overview_ = new TOverviewPage)},
        {"TabSheet1", 1101, BuildTablePage()},
        {"TabSheet2", 1201,
         BuildChartPage(Chart1,
                        new TStatusPanel("Panel4", 26,
                                         {{"AverageReadRateTLabel", 15, "AverageReadRateLabel", 137, LongRate},
                                          {"AverageWriteRateTLabel", 272, "AverageWriteRateLabel", 416, LongRate}}))},
        {"TabSheet7", 1301,
         BuildChartPage(Chart4,
                        new TStatusPanel("Panel5", 26,
                                         {{"SumDataReadTLabel", 11, "SumReadDataLabel", 159, LongVolume},
                                          {"SumDataWrittenTLabel", 282, "SumWrittenDataLabel", 441, LongVolume}}))},
        {"TabSheet4", 1501,
         BuildChartPage(
             Chart3,
             new TStatusPanel("Panel6", 24,
                              {{"ConnectionTimeTLabel", 12, "SumConnectionTimeLabel", 176, LongClock},
                               {"AverageConnectionTimeTLabel", 265, "MeanConnectionTimeLabel", 487, LongClock}}))},
        {"TabSheet3", 1401,
         BuildChartPage(
             Chart2, new TStatusPanel("Panel7", 26,
                                      {{"AverageDialTimeTLabel", 19, "AverageDialingTimeLabel", 207, LongDialing}}))},
        {"TabSheet6", 3101, new TPageScrollArea(BuildSettingsPage())},
        {"TabSheet5", 2101, BuildAboutPage()},
    };
    for (const TPage& page : pages) {
        page.Content->setObjectName(page.Name);
        HelpContext(page.Content, page.HelpContext);
        PageControl1->addTab(page.Content, DesignText(page.Name));
    }
    for (TChart* chart : Charts()) {
        chart->setToolTip(DesignText(chart->objectName().toUtf8().constData(), TTextProperty::Hint));
        chart->chart()->setTitle(DesignText(chart->objectName().toUtf8().constData(), TTextProperty::ChartTitle));
    }
    BuildMenus();

    for (std::string_view filter : OpenDialogFilters)
        OpenDialog1.Filters << UiText(filter);

    // The bottom panel's tab order: the show-values box first, then the
    // buttons from left to right (set once the panel has its place in the window).
    setTabOrder(ShowLabelsCheckBox, OpenButton);
    setTabOrder(OpenButton, CloseButton);
    setTabOrder(CloseButton, HelpButton);

    // Each figure's status label, found once.
    for (const TFigureSlot& slot : FigureSlots()) {
        QLabel* status = nullptr;
        for (TStatusPanel* panel : statusPanels_)
            for (QLabel* value : panel->Values())
                if (slot.StatusLabel != nullptr && value->objectName() == slot.StatusLabel)
                    status = value;
        statusLabels_.push_back(status);
    }

    // The layout's client area, scaled to the font.
    const TLayoutScale px(font());
    resize(px(1106), px(549));
}

void TModemLogDialog::RelayoutFixedParts()
{
    overview_->Relayout();
    for (TStatusPanel* panel : statusPanels_)
        panel->Relayout();
    for (TFixedPlacement* placement : findChildren<TFixedPlacement*>())
        placement->Relayout();
    bottomPanel_->setFixedHeight(std::max(TLayoutScale(font())(42), bottomPanel_->sizeHint().height()));
}

QWidget* TModemLogDialog::BuildTablePage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);

    ListView1 = Named(new QTreeView, "ListView1");
    model_ = new TConnectionTableModel(table_, ListView1);
    ListView1->setModel(model_);
    ListView1->setRootIsDecorated(false);
    ListView1->setItemsExpandable(false);
    ListView1->setUniformRowHeights(true);
    ListView1->setAlternatingRowColors(false);
    ListView1->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setContextMenuPolicy(Qt::CustomContextMenu);
    ListView1->header()->setSectionsClickable(true);
    ListView1->header()->setSortIndicatorShown(false);
    ListView1->header()->setStretchLastSection(false);
    // The selection stays visible when the list loses the focus.
    QPalette palette = ListView1->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    ListView1->setPalette(palette);
    const std::vector<std::string_view> captions = ColumnCaptions(true);
    QStringList headers;
    for (std::string_view caption : captions)
        headers << QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    model_->SetCaptions(headers);
    FitColumnWidths(ListView1, table_, headers);
    column->addWidget(ListView1, 1);
    auto* panel = new TStatusPanel("Panel3", 26,
                                   {{"TriedConnectsTLabel", 8, "TriedConnectsLabel", 146, LongCount},
                                    {"TriedDialInsTLabel", 212, "TriedDialInsLabel", 318, LongCount},
                                    {"SuccessfulConnectsTLabel", 384, "SuccessfulConnectsLabel", 498, LongCount},
                                    {"UnclosedEntriesTLabel", 563, "UnclosedEntriesLabel", 704, LongCount}});
    statusPanels_.push_back(panel);
    column->addWidget(panel);
    return page;
}

QWidget* TModemLogDialog::BuildChartPage(TChart* chart, TStatusPanel* panel)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(chart, 1);
    column->addWidget(panel);
    statusPanels_.push_back(panel);
    return page;
}

QWidget* TModemLogDialog::BuildSettingsPage()
{
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    auto* group = Named(new QGroupBox(UiText(SettingsGroupCaption)), "GroupBox1");
    pageLayout->addWidget(group);
    auto* groupLayout = new QVBoxLayout(group);
    groupLayout->setContentsMargins(0, 0, 0, 0);
    auto* controls = Named(new TFixedPlacement, "GroupBox1Controls");
    groupLayout->addWidget(controls);

    SavePosCheckBox = SettingsCheckBox("SavePosCheckBox");
    SaveSettingsCheckBox = SettingsCheckBox("SaveSettingsCheckBox");
    SaveDirCheckBox = SettingsCheckBox("SaveDirCheckBox");
    StoreAllTimeLogCheckBox = SettingsCheckBox("StoreAllTimeLogCheckBox");
    DefaultLoadLogFileCheckBox = SettingsCheckBox("DefaultLoadLogFileCheckBox");
    DefaultLoadLogFileCheckBox->setChecked(true);
    auto* tabLabel = CaptionLabel("DefaultTabLabel");
    tabLabel->setToolTip(DesignText("DefaultTabLabel", TTextProperty::Hint));
    DefaultTabComboBox = Named(new QComboBox, "DefaultTabComboBox");
    DefaultTabComboBox->setEditable(false);
    DefaultTabComboBox->setToolTip(DesignText("DefaultTabComboBox", TTextProperty::Hint));
    DefineDefaultBitBtn = GlyphButton("DefineDefaultBitBtn", "emblem-default", "default");
    // Group boxes draw their caption inside; the layout's y values count from its top.
    controls->Place(SavePosCheckBox, 16, 25 - 16, 465, 16);
    controls->Place(SaveSettingsCheckBox, 16, 46 - 16, 465, 16);
    controls->Place(SaveDirCheckBox, 32, 68 - 16, 465, 16);
    controls->Place(StoreAllTimeLogCheckBox, 32, 92 - 16, 465, 18);
    controls->Place(tabLabel, 16, 120 - 16);
    controls->Place(DefaultTabComboBox, 32, 140 - 16, 256);
    controls->Place(DefaultLoadLogFileCheckBox, 16, 176 - 16, 465, 18);
    controls->Place(DefineDefaultBitBtn, 32, 201 - 16, 256, 29);
    pageLayout->addStretch(0);

    setTabOrder(SavePosCheckBox, SaveSettingsCheckBox);
    setTabOrder(SaveSettingsCheckBox, SaveDirCheckBox);
    setTabOrder(SaveDirCheckBox, StoreAllTimeLogCheckBox);
    setTabOrder(StoreAllTimeLogCheckBox, DefaultLoadLogFileCheckBox);
    setTabOrder(DefaultLoadLogFileCheckBox, DefineDefaultBitBtn);
    setTabOrder(DefineDefaultBitBtn, DefaultTabComboBox);
    connect(DefineDefaultBitBtn, &QPushButton::clicked, this, &TModemLogDialog::DefineDefaultBitBtnClick);
    return page;
}

QWidget* TModemLogDialog::BuildAboutPage()
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    Memo1 = Named(new QPlainTextEdit, "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    column->addWidget(Memo1);
    return page;
}

QWidget* TModemLogDialog::BuildBottomPanel()
{
    auto* panel = Named(new TFixedPlacement, "Panel2");
    bottomPanel_ = panel;
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    OpenButton = GlyphButton("OpenButton", "document-open", "open");
    CloseButton = GlyphButton("CloseButton", "application-exit", "close");
    HelpButton = GlyphButton("HelpButton", "help-contents", "help");
    HelpButton->setToolTip({});
    CloseButton->setDefault(true);
    ShowLabelsCheckBox = SettingsCheckBox("ShowLabelsCheckBox");
    panel->Place(OpenButton, 9, 4, 99, 30);
    panel->Place(CloseButton, 137, 4, 99, 30);
    panel->Place(HelpButton, 265, 4, 99, 30);
    panel->Place(ShowLabelsCheckBox, 377, 9, 376, 17);
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
    // The list copies its current cell on Ctrl+C before any shortcut could;
    // eventFilter takes the key first.
    ListView1->installEventFilter(this);
}

}  // namespace kellvar
