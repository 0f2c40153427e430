// SPDX-License-Identifier: GPL-3.0-or-later
#include "textbindings.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace kellvar {

namespace {

QString Text(std::string_view control, TTextProperty property, bool german)
{
    const std::string_view text = TextOf(control, property, german);
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void TTextBindings::Bind(std::string_view control, TTextProperty property, TSetter set)
{
    set(Text(control, property, true));
    bindings_.push_back({control, property, std::move(set)});
}

void TTextBindings::Hint(QWidget* widget, const char* control)
{
    Bind(control, TTextProperty::Hint, [widget](const QString& text) { widget->setToolTip(text); });
}

void TTextBindings::Apply(bool german) const
{
    for (const TBinding& binding : bindings_)
        binding.Set(Text(binding.Control, binding.Property, german));
}

void TTextBindings::SetCaption(QLabel* label, const QString& text)
{
    label->setText(text);
}

void TTextBindings::SetCaption(QAbstractButton* button, const QString& text)
{
    button->setText(text);
}

void TTextBindings::SetCaption(QGroupBox* box, const QString& text)
{
    box->setTitle(text);
}

}  // namespace kellvar
