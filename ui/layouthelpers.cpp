// SPDX-License-Identifier: GPL-3.0-or-later
#include "layouthelpers.h"

#include <QTreeWidget>

#include <QCheckBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QIcon>
#include <QIconEngine>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <utility>

namespace kellvar {

namespace {

// An icon drawn square at the left of a wider box. QPushButton draws its
// caption two pixels beyond its icon, where the two run into each other;
// the rest of the box is the gap.
class TGappedIconEngine : public QIconEngine {
public:
    explicit TGappedIconEngine(QIcon icon) : icon_(std::move(icon)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        const int side = std::min(rect.width(), rect.height());
        icon_.paint(painter, QRect(rect.left(), rect.top() + (rect.height() - side) / 2, side, side), Qt::AlignCenter,
                    mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap picture(size);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return picture;
    }
    QIconEngine* clone() const override { return new TGappedIconEngine(icon_); }

private:
    QIcon icon_;
};

QIcon GlyphIcon(const char* themeName, const QString& file)
{
    QIcon ours;
    ours.addFile(":/icons/" + file + ".svg", QSize(16, 16), QIcon::Normal);
    ours.addFile(":/icons/" + file + "-disabled.svg", QSize(16, 16), QIcon::Disabled);
    return QIcon::fromTheme(themeName, ours);
}

}  // namespace

TLayoutScale::TLayoutScale(const QFont& font) : factor_(QFontMetricsF(font).height() / LayoutFontHeight) {}

int TLayoutScale::operator()(double layoutPixels) const
{
    return static_cast<int>(std::lround(layoutPixels * factor_));
}

int TextWidth(const QWidget* widget, const QString& text)
{
    return static_cast<int>(std::ceil(QFontMetricsF(widget->font()).horizontalAdvance(text)));
}

QString UiText(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* CaptionLabel(TTextBindings& texts, const char* name, Qt::Alignment alignment)
{
    auto* label = texts.Captioned(Named(new QLabel, name), name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPushButton* GlyphButton(TTextBindings& texts, const char* name, const char* themeIcon, const QString& file)
{
    auto* button = texts.Captioned(
        Named(new QPushButton(QIcon(new TGappedIconEngine(GlyphIcon(themeIcon, file))), QString()), name), name);
    // The gap to the caption: a space of the button's font beside Qt's two pixels.
    const int side = button->style()->pixelMetric(QStyle::PM_ButtonIconSize, nullptr, button);
    button->setIconSize(QSize(side + button->fontMetrics().horizontalAdvance(' '), side));
    button->setAutoDefault(false);
    return button;
}

QCheckBox* SettingsCheckBox(TTextBindings& texts, const char* name)
{
    return texts.Captioned(Named(new QCheckBox, name), name);
}

void HelpContext(QWidget* widget, int context)
{
    widget->setProperty("helpContext", context);
}

QString TreeText(const QTreeWidget& tree)
{
    QString text;
    const auto line = [&text](const QStringList& cells) { text += cells.join('\t') + "\r\n"; };
    QStringList captions;
    for (int column = 0; column < tree.columnCount(); ++column)
        captions << tree.headerItem()->text(column);
    line(captions);
    for (int row = 0; row < tree.topLevelItemCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < tree.columnCount(); ++column)
            cells << tree.topLevelItem(row)->text(column);
        line(cells);
    }
    return text;
}

}  // namespace kellvar
