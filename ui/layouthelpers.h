// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textbindings.h"

#include <QString>

#include <string_view>
#include <utility>
#include <vector>

class QCheckBox;
class QFont;
class QFrame;
class QLabel;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace kellvar {

// The layout's pixels are drawn for a font 14 pixels high (at 120 pixels per
// inch). Every position and size, and the title's text, scale as one by the
// line height of the font actually used against those 14 pixels, so the
// proportions hold; where a text needs more room than its scaled place, its
// place grows.
class TLayoutScale {
public:
    static constexpr double LayoutFontHeight = 14.0;

    explicit TLayoutScale(const QFont& font);
    int operator()(double layoutPixels) const;

private:
    double factor_;
};

// The width a text needs in the widget's font, with room for a frame.
int TextWidth(const QWidget* widget, const QString& text);

// A UTF-8 text of the program's as Qt text.
QString UiText(std::string_view text);

template <typename T> T* Named(T* widget, const char* name)
{
    widget->setObjectName(name);
    return widget;
}

// Controls named as in the layout, their texts bound to the text table.
QLabel* CaptionLabel(TTextBindings& texts, const char* name, Qt::Alignment alignment = Qt::AlignLeft);
// A button with a glyph from the icon theme, or our own drawing of it.
QPushButton* GlyphButton(TTextBindings& texts, const char* name, const char* themeIcon, const QString& file);
QCheckBox* SettingsCheckBox(TTextBindings& texts, const char* name);

// Sets the window's help context on a widget; F1 finds the nearest one.
void HelpContext(QWidget* widget, int context);

// A list's captions and rows in their shown order, TAB-separated with CR LF,
// as the connection table copies.
QString TreeText(const QTreeWidget& tree);

}  // namespace kellvar
