#pragma once

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
    struct TFigure {
        const char* Caption;
        int CaptionX;  // layout pixels
        const char* Value;
        int ValueX;
        const char* Widest;  // the longest text the value shows
    };

    TStatusPanel(const char* name, int height, const std::vector<TFigure>& figures, QWidget* parent = nullptr);

    // The value labels, in the order given.
    const std::vector<QLabel*>& Values() const { return values_; }

    void Relayout();

protected:
    void changeEvent(QEvent* event) override;

private:
    std::vector<TFigure> figures_;
    std::vector<QLabel*> captions_;
    std::vector<QLabel*> values_;
    int height_;
};

}  // namespace kellvar
