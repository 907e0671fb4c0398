#pragma once

#include <QLabel>
#include <QString>

namespace solvane {

// A status bar panel for a file name: shows as much of its text as its width allows, the middle
// replaced by "…", and the whole text as its tool tip. It asks for the width of the whole text;
// the window caps that so the other panel keeps its room.
class ElidingLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void setFullText(const QString& text);
    const QString& fullText() const { return fullText_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void elide();

    QString fullText_;
};

}  // namespace solvane
