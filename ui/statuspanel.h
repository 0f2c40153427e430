// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textbindings.h"

#include <QFrame>

#include <vector>

class QLabel;

namespace kellvar {

// A status strip along the bottom of the table and chart pages: captions
// followed by their values ("0" until a run), at the layout's x positions
// scaled to the font, moved right where a text needs more room.
class TStatusPanel : public QFrame {
    Q_OBJECT

public:
    // A figure of FigureSlots() beside its caption; its value label has the
    // slot's status label name.
    struct TFigure {
        const char* Caption;
        int CaptionX;  // layout pixels
        size_t Slot;
        int ValueX;
    };

    TStatusPanel(const char* name, int height, const std::vector<TFigure>& figures, QWidget* parent = nullptr);

    // The figures shown, each with its value label.
    const std::vector<TFigure>& Figures() const { return figures_; }
    const std::vector<QLabel*>& Values() const { return values_; }

    void ApplyTexts(bool german) const { texts_.Apply(german); }
    void Relayout();

protected:
    void changeEvent(QEvent* event) override;

private:
    TTextBindings texts_;
    std::vector<TFigure> figures_;
    std::vector<QLabel*> captions_;
    std::vector<QLabel*> values_;
    int height_;
};

}  // namespace kellvar
