#pragma once

#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <functional>
#include <memory>

#include "draw/drawcommands.h"
#include "edit/editcommands.h"
#include "files/documentcommands.h"
#include "mainwindow/form1.h"
#include "print/printcommand.h"
#include "scriptedplatform.h"
#include "table/pointtable.h"
#include "view/mouseediting.h"

class QAction;
class QDialog;

namespace solvane {

// The real main window over a scripted platform, for GUI tests and benchmarks. A help file lies in
// the program folder the platform reports, so start-up shows no message of its own; the offscreen
// plugin's warnings are quietened.
class FormHarness {
public:
    // Shows the window at the given size (so the layout has run) unless show is false.
    explicit FormHarness(QSize size = QSize(1100, 800), bool show = true);
    // Fails the running test when a prompt went unscripted or a scripted answer was not used.
    ~FormHarness();

    ScriptedPlatform platform;

    Form1& form() { return *form_; }
    Profile& profile() { return form_->profile(); }
    QAction* action(const char* name) const;

    // Widget pixel of the drawing at a profile position: the drawing shows (X, Y) at (-X, -Y).
    QPoint at(double X, double Y) const;
    // Drawing colour near a profile position, clear of the point's number (printed right and below).
    QColor pixelNear(double X, double Y) const;
    // Drawing colour exactly at a profile position (a snap dot, the centre of a spot).
    QColor pixelAt(double X, double Y) const;

    // Replaces the points with polar ones (X and Y derived), refreshes table and drawing, and
    // leaves the document unchanged (DataChanged False), as after opening a file.
    void setPolarPoints(const std::vector<std::pair<float, float>>& radiusAndAngle);

    // "number|value 1|value 2" of a table row.
    QString row(int r) const;
    // Every row below the header as row() gives it, separated by blanks.
    QString rows() const;

    // Every message box shown so far (ScriptedPlatform::boxes).
    QString boxes() const { return platform.boxes(); }
    // File dialog request i: "title; open or save; pattern; default extension; filter; initial folder".
    QString request(std::size_t i) const;
    // The document state: "2 points, 4 rows; title \"a.waf\", status \"a.waf\"; Save on, changed".
    QString document() const;

    const QString& programDir() const { return programDir_; }

    // The dialogs commands open are shown and handed to answer, which closes them.
    void answerDialogs(std::function<void(QDialog&)> answer);

private:
    QTemporaryDir helpDir_;
    QString programDir_;
    std::unique_ptr<Form1> form_;
};

// Clicks the named button among parent's children (a failure when there is none).
void click(QWidget& parent, const char* button);

// Two polar points as a 5.1 file holds them, with the wafer parameters and colours of a fresh start.
extern const QByteArray TwoPointProfile;
// A results file of n defects in die (10, 10), centre 100000 100000 and pitch 10000 10000 um: defect i at
// X 5i, Y 5 mm.
QByteArray klaResultsFile(int defects);
// Writes the file (a failure when it cannot) and gives its path back; reads one, empty when it cannot.
QString writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

// A blue 200 mm wafer with edge exclusion 5, beam 8 (usable radius (200 / 2 - 5) - 8 / 2 = 91) and green spots.
void setStandardWafer(Profile& profile);

// Fills entries 1 to count with points of random radius (within the usable radius) and angle, the
// same for the same seed, and sets PointCount; the caller refreshes table and drawing.
void scatterPolarPoints(Profile& profile, int count, unsigned seed);

}  // namespace solvane
