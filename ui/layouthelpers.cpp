#include "layouthelpers.h"

#include <QCheckBox>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

#include <cmath>

namespace kellvar {

namespace {

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

QString DesignText(const char* control, TTextProperty property)
{
    return QString::fromUtf8(TextOf(control, property, true));
}

QLabel* CaptionLabel(const char* name, Qt::Alignment alignment)
{
    auto* label = Named(new QLabel(DesignText(name)), name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

QPushButton* GlyphButton(const char* name, const char* themeIcon, const QString& file)
{
    auto* button = Named(new QPushButton(GlyphIcon(themeIcon, file), DesignText(name)), name);
    button->setAutoDefault(false);
    button->setToolTip(DesignText(name, TTextProperty::Hint));
    return button;
}

QCheckBox* SettingsCheckBox(const char* name)
{
    auto* box = Named(new QCheckBox(DesignText(name)), name);
    box->setToolTip(DesignText(name, TTextProperty::Hint));
    return box;
}

void HelpContext(QWidget* widget, int context)
{
    widget->setProperty("helpContext", context);
}

}  // namespace kellvar
