// SPDX-License-Identifier: GPL-3.0-or-later
#include "figurelabel.h"

namespace kellvar {

QString TFigureLabel::SpokenName() const
{
    QString caption = caption_ != nullptr ? caption_->text().remove('&').trimmed() : QString();
    if (caption.endsWith(':'))
        caption.chop(1);
    return caption.isEmpty() ? text() : caption + ": " + text();
}

}  // namespace kellvar
