#pragma once

#include "lang/texttable.h"

#include <QString>

#include <string_view>
#include <utility>
#include <vector>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QWidget;

namespace kellvar {

// Sizes of the layout, drawn for 120 pixels per inch.
inline constexpr double LayoutDpi = 120.0;

// A UTF-8 text of the program's as Qt text.
QString UiText(std::string_view text);

// The design text of a control: the German text of the text table.
QString DesignText(const char* control, TTextProperty property = TTextProperty::Caption);

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

QLabel* CaptionLabel(const char* name, Qt::Alignment alignment = Qt::AlignLeft);

// A status strip of caption labels, each followed by its value label ("0").
QFrame* StatusPanel(const char* name, const std::vector<std::pair<const char*, const char*>>& figures, int height);

// A button with a glyph from the icon theme, or our own drawing of it.
QPushButton* GlyphButton(const char* name, const char* themeIcon, const QString& file);

QCheckBox* SettingsCheckBox(const char* name);

// Sets the window's help context on a widget; F1 finds the nearest one.
void HelpContext(QWidget* widget, int context);

}  // namespace kellvar
