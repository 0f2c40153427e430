// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "lang/texttable.h"

#include <QString>

#include <functional>
#include <string_view>
#include <vector>

class QAbstractButton;
class QGroupBox;
class QLabel;
class QWidget;

namespace kellvar {

// The texts of a part of the window in either language. Each control is
// bound once, where it is made, to its rows of the text table; it shows the
// design (German) text from then on, and Apply sets the chosen language's.
class TTextBindings {
public:
    using TSetter = std::function<void(const QString&)>;

    void Bind(std::string_view control, TTextProperty property, TSetter set);

    // The caption and, where the table has one, the hint of a label, button or group box.
    template <typename T> T* Captioned(T* widget, const char* control)
    {
        Bind(control, TTextProperty::Caption, [widget](const QString& text) { SetCaption(widget, text); });
        Hint(widget, control);
        return widget;
    }
    void Hint(QWidget* widget, const char* control);

    void Apply(bool german) const;

private:
    static void SetCaption(QLabel* label, const QString& text);
    static void SetCaption(QAbstractButton* button, const QString& text);
    static void SetCaption(QGroupBox* box, const QString& text);

    struct TBinding {
        std::string_view Control;
        TTextProperty Property;
        TSetter Set;
    };
    std::vector<TBinding> bindings_;
};

}  // namespace kellvar
