#pragma once

#include <QDialog>

#include "model/patterns.h"

class QLabel;
class QScrollBar;

namespace solvane {

// The rings dialog: the number of rings (1 to 10) and the points on the first ring (1 to 30) on
// two scroll bars, with the point count of the resulting pattern shown as the bars move. Takes
// the counts to show and, after OK, gives back the chosen ones.
class RingsForm : public QDialog {
    Q_OBJECT
public:
    explicit RingsForm(RingCounts counts, QWidget* parent = nullptr);

    RingCounts counts() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showCounts();

    QLabel* Rings = nullptr;
    QLabel* FirstRing = nullptr;
    QLabel* PointTotal = nullptr;
    QScrollBar* HScroll1 = nullptr;
    QScrollBar* HScroll2 = nullptr;
};

}  // namespace solvane
