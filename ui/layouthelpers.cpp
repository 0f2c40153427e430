#include "layouthelpers.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVariant>

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

QFrame* StatusPanel(const char* name, const std::vector<std::pair<const char*, const char*>>& figures, int height)
{
    auto* panel = Named(new QFrame, name);
    panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    panel->setFixedHeight(height);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(6, 0, 6, 0);
    for (const auto& [caption, value] : figures) {
        row->addWidget(CaptionLabel(caption, Qt::AlignRight));
        auto* figure = Named(new QLabel("0"), value);
        figure->setMinimumWidth(60);
        figure->setTextInteractionFlags(Qt::TextSelectableByMouse);
        row->addWidget(figure);
        row->addSpacing(16);
    }
    row->addStretch(1);
    return panel;
}

QPushButton* GlyphButton(const char* name, const char* themeIcon, const QString& file)
{
    auto* button = Named(new QPushButton(GlyphIcon(themeIcon, file), DesignText(name)), name);
    button->setMinimumSize(99, 30);
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
