#pragma once

#include <QObject>
#include <QStringList>
#include <functional>

namespace solvane {

// Takes files dropped on a widget (the main window and its description box, which would otherwise
// take the file's address as text): a drag of local files is accepted, and the files dropped are
// handed to open once the drop is over, so that its questions do not hold up the program the files
// came from. Drags of anything else are left to the widget.
class FileDropTarget : public QObject {
    Q_OBJECT
public:
    explicit FileDropTarget(std::function<void(const QStringList&)> open, QObject* parent = nullptr);

    // Accepts the drops for widget, whose own handling of other drags stays as it was.
    void watch(class QWidget& widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QStringList&)> open_;
};

}  // namespace solvane
