#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QTextBrowser;

namespace solvane {

// The program's help viewer: a window that shows the HTML help file, with Back, Forward, Contents
// and a find box. A file that cannot be read leaves the page empty and says so in one line.
class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(QWidget* parent = nullptr);

    // Loads helpFilePath and shows its first page. False when the file could not be read.
    bool showFile(const QString& helpFilePath);

    // The explanation shown when the file could not be read; empty otherwise.
    QString problemText() const;

private:
    void findNext();

    QTextBrowser* browser_ = nullptr;
    QLabel* problem_ = nullptr;
    QLineEdit* findBox_ = nullptr;
    QString contentsHtml_;
};

}  // namespace solvane
