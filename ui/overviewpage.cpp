// SPDX-License-Identifier: GPL-3.0-or-later
#include "overviewpage.h"

#include "layouthelpers.h"

#include "history/contrast.h"
#include "history/summarylines.h"
#include "lang/fixedtexts.h"

#include <QEvent>
#include <QGroupBox>
#include <QLabel>

#include <algorithm>
#include <span>

namespace kellvar {

namespace {

// Where the layout puts a group's fields: rows at y 20 and 44 (50 in the
// connection-time group); two caption/field columns, or three in the group
// of the last connection. The fields show the figures in the order of
// FigureSlots(), row by row; the log file's size follows the groups.
struct TGroupLayout {
    const char* Name;
    int Height;
    int SpaceBefore;
    std::vector<int> RowColumns;  // the number of fields in each row
};

const std::vector<TGroupLayout> Groups = {
    {"OvVerbindungenGroupBox", 70, 0, {2, 2}},    {"OvUebertragungsratenGroupBox", 46, 4, {2}},
    {"OvTransfervolumenGroupBox", 71, 4, {2, 2}}, {"OvVerbindungszeitenGroupBox", 78, 3, {2, 1}},
    {"OvLastConnectGroupBox", 70, 4, {3, 3}},
};
constexpr size_t LastConnectionGroup = 4;

constexpr int TitleHeight = 47;
constexpr int SubtitleHeight = 23;
constexpr int SizeRowY = 428;
constexpr int FieldHeight = 21;
constexpr int Gap = 6;

QLabel* Field(const char* name)
{
    auto* field = Named(new QLabel("-"), name);
    field->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    field->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return field;
}

}  // namespace

TOverviewPage::TOverviewPage(QWidget* parent) : QWidget(parent)
{
    title_ = CaptionLabel(texts_, "OvTitlePanel", Qt::AlignHCenter);
    ColourTitle();
    subtitle_ = CaptionLabel(texts_, "OvSubtitlePanel", Qt::AlignHCenter);
    for (QLabel* label : {title_, subtitle_})
        label->setParent(this);

    const std::span<const TFigureSlot> figures = FigureSlots();
    size_t slot = 0;
    for (const TGroupLayout& layout : Groups) {
        auto* box = texts_.Captioned(Named(new QGroupBox(this), layout.Name), layout.Name);
        groups_.push_back({box, layout.Height, layout.SpaceBefore});
        for (int row = 0; row < static_cast<int>(layout.RowColumns.size()); ++row)
            for (int column = 0; column < layout.RowColumns[static_cast<size_t>(row)]; ++column, ++slot) {
                Q_ASSERT(std::string_view(figures[slot].Group) == layout.Name);
                QLabel* caption = CaptionLabel(texts_, figures[slot].Caption);
                QLabel* field = Field(figures[slot].OverviewField);
                caption->setParent(box);
                field->setParent(box);
                pairs_.push_back({caption, field, slot, groups_.size() - 1, row, column});
                fields_.push_back(field);
            }
    }
    sizeCaption_ = CaptionLabel(texts_, figures[slot].Caption);
    sizeField_ = Field(figures[slot].OverviewField);
    sizeSlot_ = slot;
    fields_.push_back(sizeField_);
    sizeField_->setAutoFillBackground(true);
    sizeField_->setBackgroundRole(QPalette::Button);
    maxSizeNote_ = Named(new QLabel(UiText(kellvar::LogFileMaxSizeNote)), "OvLogFileMaxSizeLabel");
    rowLimitNote_ = Named(new QLabel, "OvRowLimitLabel");
    for (QLabel* label : {sizeCaption_, sizeField_, maxSizeNote_, rowLimitNote_})
        label->setParent(this);
    Relayout();
}

void TOverviewPage::ShowFigures(const TSummaryFigures& figures, const std::optional<TLastConnection>& last)
{
    for (size_t i = 0; i < fields_.size(); ++i)
        if (const auto value = FigureSlots()[i].Value(figures, last))
            fields_[i]->setText(QString::fromUtf8(value->c_str()));
    NameFields();
}

void TOverviewPage::ApplyTexts(bool german) const
{
    texts_.Apply(german);
    NameFields();
}

void TOverviewPage::ColourTitle()
{
    // Navy, or as near to it as still reads on the window's ground (a dark desktop's).
    const QColor ground = palette().color(QPalette::Window);
    const TRgb navy = ReadableOn({0, 0, 128}, {ground.red(), ground.green(), ground.blue()}, TextContrast);
    QPalette colours = title_->palette();
    colours.setColor(QPalette::WindowText, QColor(navy.Red, navy.Green, navy.Blue));
    title_->setPalette(colours);
}

void TOverviewPage::NameFields() const
{
    std::vector<TPair> all = pairs_;
    all.push_back({sizeCaption_, sizeField_, sizeSlot_, 0, 0, 0});
    for (const TPair& p : all) {
        QString caption = p.Caption->text().trimmed();
        if (caption.endsWith(':'))
            caption.chop(1);
        p.Field->setAccessibleName(caption + ": " + p.Field->text());
    }
}

void TOverviewPage::Relayout()
{
    const TLayoutScale px(font());
    QFont titleFont = font();
    titleFont.setPixelSize(std::max(1, px(30)));
    title_->setFont(titleFont);
    QFont subtitleFont = font();
    subtitleFont.setPixelSize(std::max(1, px(18)));
    subtitle_->setFont(subtitleFont);

    const int gap = px(Gap);
    const int frame = 2 * sizeField_->frameWidth() + 2 * gap;
    // The stamps of the last connection take the wide column; every other
    // field is as wide as the longest text any of them shows.
    int narrow = std::max(px(112), TextWidth(this, FigureSlots()[sizeSlot_].Widest) + frame);
    int wide = px(153);
    for (const TPair& p : pairs_) {
        int& width = p.Group == LastConnectionGroup && p.Column == 0 ? wide : narrow;
        width = std::max(width, TextWidth(this, FigureSlots()[p.Slot].Widest) + frame);
    }
    const auto widest = [&](bool lastConnection, int column) {
        int width = 0;
        for (const TPair& p : pairs_)
            if ((p.Group == LastConnectionGroup) == lastConnection && p.Column == column)
                width = std::max(width, TextWidth(p.Caption, p.Caption->text()));
        return width;
    };
    // One grid for the four groups of two columns...
    const int captionX = px(9);
    const int leftField = std::max(px(185), captionX + widest(false, 0) + gap);
    const int rightCaption = std::max(px(361), leftField + narrow + 2 * gap);
    int rightField = std::max(px(537), rightCaption + widest(false, 1) + gap);
    // ...whose right field column the last connection's third column shares.
    const int lastField1 = std::max(px(64), captionX + widest(true, 0) + gap);
    const int lastCaption2 = std::max(px(233), lastField1 + wide + 2 * gap);
    const int lastField2 = std::max(px(313), lastCaption2 + widest(true, 1) + gap);
    const int lastCaption3 = std::max(px(441), lastField2 + narrow + 2 * gap);
    rightField = std::max(rightField, lastCaption3 + widest(true, 2) + gap);

    const int fieldHeight = std::max(px(FieldHeight), fontMetrics().height() + 2 * sizeField_->frameWidth() + 2);
    for (const TPair& p : pairs_) {
        const bool last = p.Group == LastConnectionGroup;
        const bool secondRowLower = p.Row == 1 && p.Group == 3;
        const int y = p.Row == 0 ? px(20) : (secondRowLower ? px(50) : px(44));
        int captionAt = captionX, fieldAt = leftField, width = narrow;
        if (last) {
            const int captions[] = {captionX, lastCaption2, lastCaption3};
            const int fields[] = {lastField1, lastField2, rightField};
            captionAt = captions[p.Column];
            fieldAt = fields[p.Column];
            width = p.Column == 0 ? wide : narrow;
        } else if (p.Column == 1) {
            captionAt = rightCaption;
            fieldAt = rightField;
        }
        p.Field->setGeometry(fieldAt, y, width, fieldHeight);
        p.Caption->setGeometry(captionAt, y, fieldAt - gap - captionAt, fieldHeight);
    }
    contentWidth_ = rightField + narrow + px(9);

    int y = 0;
    title_->setGeometry(0, y, width(), std::max(px(TitleHeight), title_->sizeHint().height()));
    y += title_->height();
    subtitle_->setGeometry(0, y, width(), std::max(px(SubtitleHeight), subtitle_->sizeHint().height()));
    y += subtitle_->height();
    const int rowsGrowth = fieldHeight - px(FieldHeight);
    for (const TGroup& group : groups_) {
        y += px(group.SpaceBefore);
        const int rows = static_cast<int>(Groups[static_cast<size_t>(&group - groups_.data())].RowColumns.size());
        const int height = px(group.Height) + rows * rowsGrowth;
        group.Box->setGeometry(0, y, std::max(width(), contentWidth_), height);
        y += height;
    }
    const int sizeY = std::max(px(SizeRowY), y + px(8));
    const int sizeFieldAt = std::max(px(153), captionX + TextWidth(sizeCaption_, sizeCaption_->text()) + gap);
    sizeCaption_->setGeometry(captionX, sizeY, sizeFieldAt - gap - captionX, fieldHeight);
    sizeField_->setGeometry(sizeFieldAt, sizeY, narrow, fieldHeight);
    const int noteAt = std::max(px(281), sizeFieldAt + narrow + gap);
    // The note is shown or emptied later; its place fits it either way.
    maxSizeNote_->setGeometry(noteAt, sizeY, TextWidth(maxSizeNote_, UiText(kellvar::LogFileMaxSizeNote)) + gap,
                              fieldHeight);
    const int rowLimitAt = noteAt + maxSizeNote_->width();
    rowLimitNote_->setGeometry(rowLimitAt, sizeY, TextWidth(rowLimitNote_, rowLimitNote_->text()) + gap, fieldHeight);
    setMinimumSize(std::max(contentWidth_, rowLimitAt + rowLimitNote_->width()), sizeY + fieldHeight + px(8));
}

void TOverviewPage::ShowRowLimitNote(const QString& text)
{
    rowLimitNote_->setText(text);
    Relayout();
}

void TOverviewPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Relayout();
}

void TOverviewPage::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        Relayout();
    if (event->type() == QEvent::PaletteChange)
        ColourTitle();
}

}  // namespace kellvar
