// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "textbindings.h"

#include "core/summaryfigures.h"

#include <QWidget>

#include <array>
#include <optional>
#include <vector>

class QGroupBox;
class QLabel;

namespace kellvar {

// The overview page: title, the five groups of figures and the log-file size.
// Its fields stand on one grid across the groups, at the layout's positions
// scaled to the font, moved right where a caption needs more room.
class TOverviewPage : public QWidget {
    Q_OBJECT

public:
    explicit TOverviewPage(QWidget* parent = nullptr);

    QLabel* Title() const { return title_; }
    QLabel* LogFileMaxSizeNote() const { return maxSizeNote_; }
    // Says that the table stopped at its row limit; empty when it did not.
    void ShowRowLimitNote(const QString& text);

    // Each figure with a value goes to its field; the others keep their text.
    void ShowFigures(const TSummaryFigures& figures, const std::optional<TLastConnection>& last);

    void ApplyTexts(bool german) const;
    // Places everything anew for the current font and captions.
    void Relayout();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // A screen reader reads each figure with its caption ("Tried Connects: 1987").
    void NameFields() const;
    void ColourTitle();

    struct TGroup {
        QGroupBox* Box;
        int Height;       // layout pixels
        int SpaceBefore;  // layout pixels
    };
    // A caption with the field of figure Slot, in column Column of row Row of a group.
    struct TPair {
        QLabel* Caption;
        QLabel* Field;
        size_t Slot;
        size_t Group;
        int Row;
        int Column;
    };

    TTextBindings texts_;
    std::vector<TGroup> groups_;
    std::vector<TPair> pairs_;
    std::vector<QLabel*> fields_;  // in the order of FigureSlots()
    QLabel* title_;
    QLabel* subtitle_;
    QLabel* sizeCaption_;
    QLabel* sizeField_;
    size_t sizeSlot_;
    QLabel* maxSizeNote_;
    QLabel* rowLimitNote_;
    int contentWidth_ = 0;
};

}  // namespace kellvar
