// The window's controls, their names, nesting and order. Design texts are the
// German ones of the text table; ApplyLanguageTexts sets the chosen language.

#include "modemlogdialog.h"

#include "layouthelpers.h"

#include "chart.h"
#include "connectiontablemodel.h"
#include "lang/fixedtexts.h"
#include "lang/texttable.h"

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
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace kellvar {

namespace {

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

    auto* panel1 = Named(new QWidget, "Panel1");
    auto* panel1Layout = new QVBoxLayout(panel1);
    panel1Layout->setContentsMargins(0, 0, 0, 0);
    PageControl1 = Named(new QTabWidget, "PageControl1");
    HelpContext(PageControl1, 1601);
    panel1Layout->addWidget(PageControl1);
    main->addWidget(panel1, 1);
    main->addWidget(BuildBottomPanel());

    Chart1 = new TChart("Chart1", {{"Series1", Blue, false},
                                   {"Series2", Red, true},
                                   {"Series3", LightAqua, false, 0},
                                   {"Series4", LightFuchsia, true, 1}});
    Chart4 = new TChart("Chart4", {{"LineSeries5", Blue, false},
                                   {"LineSeries6", Red, true},
                                   {"LineSeries7", LightAqua, false, 0},
                                   {"LineSeries8", LightFuchsia, true, 1}});
    Chart3 = new TChart("Chart3", {{"LineSeries2", Blue, false}, {"LineSeries4", LightYellow, false, 0}});
    Chart2 = new TChart("Chart2", {{"LineSeries1", Blue, false}, {"LineSeries3", LightYellow, false, 0}});

    struct TPage {
        const char* Name;
        int HelpContext;
        QWidget* Content;
    };
    const std::vector<TPage> pages = {
        {"TabSheet0", 1601, BuildOverviewPage()},
        {"TabSheet1", 1101, BuildTablePage()},
        {"TabSheet2", 1201,
         BuildChartPage(
             Chart1, "Panel4",
             {{"AverageReadRateTLabel", "AverageReadRateLabel"}, {"AverageWriteRateTLabel", "AverageWriteRateLabel"}},
             26)},
        {"TabSheet7", 1301,
         BuildChartPage(Chart4, "Panel5",
                        {{"SumDataReadTLabel", "SumReadDataLabel"}, {"SumDataWrittenTLabel", "SumWrittenDataLabel"}},
                        26)},
        {"TabSheet4", 1501,
         BuildChartPage(Chart3, "Panel6",
                        {{"ConnectionTimeTLabel", "SumConnectionTimeLabel"},
                         {"AverageConnectionTimeTLabel", "MeanConnectionTimeLabel"}},
                        24)},
        {"TabSheet3", 1401,
         BuildChartPage(Chart2, "Panel7", {{"AverageDialTimeTLabel", "AverageDialingTimeLabel"}}, 26)},
        {"TabSheet6", 3101, BuildSettingsPage()},
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

    // The layout's client area, in the pixels of the screen at hand.
    const double scale = std::max(1.0, logicalDpiX() / LayoutDpi);
    resize(static_cast<int>(1106 * scale), static_cast<int>(549 * scale));
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
    const int widths[] = {30, 144, 144, 83, 86, 80, 100, 90, 75, 144, 57, 52};
    for (int c = 0; c < TableColumnCount; ++c)
        ListView1->setColumnWidth(c, widths[c]);
    column->addWidget(ListView1, 1);
    column->addWidget(StatusPanel("Panel3",
                                  {{"TriedConnectsTLabel", "TriedConnectsLabel"},
                                   {"TriedDialInsTLabel", "TriedDialInsLabel"},
                                   {"SuccessfulConnectsTLabel", "SuccessfulConnectsLabel"},
                                   {"UnclosedEntriesTLabel", "UnclosedEntriesLabel"}},
                                  26));
    return page;
}

QWidget* TModemLogDialog::BuildChartPage(TChart* chart, const char* panelName,
                                         const std::vector<std::pair<const char*, const char*>>& figures,
                                         int panelHeight)
{
    auto* page = new QWidget;
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(chart, 1);
    column->addWidget(StatusPanel(panelName, figures, panelHeight));
    return page;
}

QWidget* TModemLogDialog::BuildSettingsPage()
{
    auto* page = new QWidget;
    auto* pageLayout = new QVBoxLayout(page);
    auto* group = Named(new QGroupBox(UiText(SettingsGroupCaption)), "GroupBox1");
    pageLayout->addWidget(group);
    auto* column = new QVBoxLayout(group);
    const auto indented = [&](QWidget* widget) {
        auto* row = new QHBoxLayout;
        row->addSpacing(16);
        row->addWidget(widget);
        row->addStretch(1);
        column->addLayout(row);
    };
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
    DefaultTabComboBox->setMinimumWidth(256);
    DefaultTabComboBox->setToolTip(DesignText("DefaultTabComboBox", TTextProperty::Hint));
    DefineDefaultBitBtn = GlyphButton("DefineDefaultBitBtn", "emblem-default", "default");
    DefineDefaultBitBtn->setMinimumSize(256, 29);

    column->addWidget(SavePosCheckBox);
    column->addWidget(SaveSettingsCheckBox);
    indented(SaveDirCheckBox);
    indented(StoreAllTimeLogCheckBox);
    column->addSpacing(8);
    column->addWidget(tabLabel);
    indented(DefaultTabComboBox);
    column->addSpacing(8);
    column->addWidget(DefaultLoadLogFileCheckBox);
    indented(DefineDefaultBitBtn);
    column->addStretch(1);

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
    auto* panel = Named(new QWidget, "Panel2");
    panel->setFixedHeight(42);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 4, 6, 4);
    OpenButton = GlyphButton("OpenButton", "document-open", "open");
    CloseButton = GlyphButton("CloseButton", "application-exit", "close");
    HelpButton = GlyphButton("HelpButton", "help-contents", "help");
    HelpButton->setToolTip({});
    CloseButton->setDefault(true);
    ShowLabelsCheckBox = SettingsCheckBox("ShowLabelsCheckBox");
    ShowLabelsCheckBox->setMinimumWidth(376);
    row->addWidget(OpenButton);
    row->addSpacing(26);
    row->addWidget(CloseButton);
    row->addSpacing(26);
    row->addWidget(HelpButton);
    row->addSpacing(12);
    row->addWidget(ShowLabelsCheckBox);
    row->addStretch(1);
    setTabOrder(ShowLabelsCheckBox, OpenButton);
    setTabOrder(OpenButton, CloseButton);
    setTabOrder(CloseButton, HelpButton);

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
    QWidget* panel2 = findChild<QWidget*>("Panel2");
    popUp(PopupMenu1, panel2, panel2);
    popUp(PopupMenu2, ListView1, ListView1->viewport());
}

}  // namespace kellvar
