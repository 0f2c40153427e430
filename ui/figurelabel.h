// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>

namespace kellvar {

// A figure's value beside its caption. A screen reader hears both,
// "Total Costs: 12.40 DM", as the overview's figures say them.
class TFigureLabel : public QLabel {
    Q_OBJECT

public:
    explicit TFigureLabel(QLabel* caption, const QString& text = {}, QWidget* parent = nullptr)
        : QLabel(text, parent), caption_(caption)
    {
    }

    // "caption: value", the caption without its colon and accelerator.
    QString SpokenName() const;

private:
    QPointer<QLabel> caption_;
};

}  // namespace kellvar
