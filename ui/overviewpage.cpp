// The overview page: title, the figure groups and the log-file size.

#include "modemlogdialog.h"

#include "layouthelpers.h"

#include "lang/fixedtexts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace kellvar {

namespace {

// A sunken read-only field of the overview, "-" until a run writes it.
QLabel* ValueField(const char* name, int width = 112, int height = 21)
{
    auto* field = Named(new QLabel("-"), name);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setMinimumSize(width, height);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

struct TOverviewField {
    const char* Label;
    const char* Value;
};

// A group box of label/value pairs, rows of the given number of pairs.
QGroupBox* FigureGroup(const char* name, const std::vector<std::vector<TOverviewField>>& rows,
                       const std::vector<int>& valueWidths)
{
    auto* group = Named(new QGroupBox(DesignText(name)), name);
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(3);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row)
        for (int pair = 0; pair < static_cast<int>(rows[row].size()); ++pair) {
            const TOverviewField& field = rows[row][pair];
            grid->addWidget(CaptionLabel(field.Label), row, 3 * pair);
            grid->addWidget(ValueField(field.Value, valueWidths[pair], row == 0 ? 21 : 20), row, 3 * pair + 1);
            grid->setColumnMinimumWidth(3 * pair + 2, 24);
        }
    grid->setColumnStretch(3 * static_cast<int>(valueWidths.size()), 1);
    return group;
}

}  // namespace

QWidget* TModemLogDialog::BuildOverviewPage()
{
    auto* page = new QWidget;
    auto* stack = new QVBoxLayout(page);
    stack->setSpacing(0);

    auto* title = CaptionLabel("OvTitlePanel", Qt::AlignHCenter);
    QFont titleFont = title->font();
    titleFont.setPointSizeF(30 * 72 / LayoutDpi);
    title->setFont(titleFont);
    title->setStyleSheet("color: navy;");
    title->setMinimumHeight(47);
    stack->addWidget(title);
    auto* subtitle = CaptionLabel("OvSubtitlePanel", Qt::AlignHCenter);
    QFont subtitleFont = subtitle->font();
    subtitleFont.setPointSizeF(18 * 72 / LayoutDpi);
    subtitle->setFont(subtitleFont);
    subtitle->setMinimumHeight(23);
    stack->addWidget(subtitle);

    const std::vector<int> twoColumns = {112, 112};
    stack->addWidget(FigureGroup("OvVerbindungenGroupBox",
                                 {{{"OvVerbindungsVersucheLabel", "TriedConnectsStaticText"},
                                   {"OvAnwahlversucheLabel", "TriedDialInsStaticText"}},
                                  {{"OvVerbindungsaufnahmenLabel", "SuccessfulConnectsStaticText"},
                                   {"OvVerstuemmelteEintraegeLabel", "UnclosedEntriesStaticText"}}},
                                 twoColumns));
    stack->addSpacing(4);
    stack->addWidget(FigureGroup("OvUebertragungsratenGroupBox",
                                 {{{"OvDurchschnittLesenLabel", "AverageReadRateStaticText"},
                                   {"OvDurchschnittSchreibenLabel", "AverageWriteRateStaticText"}}},
                                 twoColumns));
    stack->addSpacing(4);
    stack->addWidget(FigureGroup("OvTransfervolumenGroupBox",
                                 {{{"OvGesamtmengeGelesenLabel", "SumReadDataStaticText"},
                                   {"OvDurchschnittGelesenLabel", "MeanReadDataStaticText"}},
                                  {{"OvGesamtmengeGesendetLabel", "SumWrittenDataStaticText"},
                                   {"OvDurchschnittgesendetLabel", "MeanWrittenDataStaticText"}}},
                                 twoColumns));
    stack->addSpacing(3);
    stack->addWidget(FigureGroup("OvVerbindungszeitenGroupBox",
                                 {{{"OvGesamtverbindungsdauerLabel", "SumConnectionTimeStaticText"},
                                   {"OvMittlereVerbindungsdauerLabel", "MeanConnectionTimeStaticText"}},
                                  {{"OvMittlereAnwahldauerLabel", "AverageDialingTimeStaticText"}}},
                                 twoColumns));
    stack->addSpacing(4);
    stack->addWidget(FigureGroup("OvLastConnectGroupBox",
                                 {{{"OvLastBeginnLabel", "StartLastConnectionStaticText"},
                                   {"OvLastEmpfangenLabel", "ReceivedBytesLastConnectionStaticText"},
                                   {"OvLastEmpfangsrateLabel", "ReceiverateLastConnectionStaticText"}},
                                  {{"OvLastEndeLabel", "EndLastConnectionStaticText"},
                                   {"OvLastGesendetLabel", "SentBytesLastConnectionStaticText"},
                                   {"OvLastSenderateLabel", "SendrateLastConnectionStaticText"}}},
                                 {153, 112, 112}));
    stack->addSpacing(8);

    auto* sizeRow = new QHBoxLayout;
    sizeRow->setContentsMargins(9, 0, 0, 0);
    sizeRow->addWidget(CaptionLabel("OvLogFileSizeLabel"));
    auto* size = ValueField("LogFileSizeStaticText");
    size->setAutoFillBackground(true);
    size->setBackgroundRole(QPalette::Button);
    sizeRow->addWidget(size);
    sizeRow->addWidget(Named(new QLabel(UiText(LogFileMaxSizeNote)), "OvLogFileMaxSizeLabel"));
    sizeRow->addStretch(1);
    stack->addLayout(sizeRow);
    stack->addStretch(1);
    return page;
}

}  // namespace kellvar
