#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/profile.h"
#include "platform/platform.h"
#include "window/windowservices.h"

class QAction;
class QLabel;
class QLineEdit;
class QMenu;

namespace solvane {

class DocumentCommands;
class DrawCommands;
class DrawingPane;
class EditCommands;
class ElidingLabel;
class ExportCommands;
class FileOpener;
class FlexGrid;
class ImportCommands;
class MouseEditing;
class PointTable;
class PrintCommand;
class SetupCommands;
class UndoHistory;
struct ProfileSnapshot;
class WaferView;

// The main window: owns the one open profile and composes the parts that show and change it (the
// wafer drawing Picture1 with its mouse editing, the point table grdData with its edit box txtedit,
// the document, import, export, print, Edit, Draw and Setup commands), the description box descript
// and the status bar. Parts reach the window through WindowServices; commands change the profile
// and then refresh the drawing and the table in the order each command fixes. Controls and menu
// items carry their names as object names, so tests find them with findChild.
class Form1 : public QMainWindow, public WindowServices {
    Q_OBJECT
public:
    // Builds the window and runs the start-up (Form_Load). The platform outlives the window.
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    // The parts.
    PointTable& table() { return *table_; }
    DrawingPane& drawingPane() { return *drawing_; }
    MouseEditing& mouse() { return *mouse_; }
    DocumentCommands& documents() { return *documents_; }
    ImportCommands& imports() { return *imports_; }
    ExportCommands& exports() { return *exports_; }
    PrintCommand& printing() { return *printing_; }
    EditCommands& edits() { return *edits_; }
    DrawCommands& draws() { return *draws_; }
    SetupCommands& setup() { return *setup_; }

    FlexGrid& grid();
    WaferView& picture();
    QLineEdit& editBox();
    QLineEdit& descriptionBox() { return *descript; }
    QString statusPanel(int panel) const;
    bool helpFileFound() const { return helpFound_; }
    const QString& helpPath() const { return HelpPath; }

    // Every modal dialog of the window is shown through this: exec() by default. Tests replace it to
    // set the dialog's values and press its buttons synchronously, never with timers.
    std::function<int(QDialog&)> runDialog = [](QDialog& dialog) { return dialog.exec(); };

    // Start-up.
    void Form_Load();
    // Offers the unsaved work an earlier run left in its recovery copy, then starts keeping one of this
    // run's unsaved changes. Called once the window is shown.
    void recoverUnsavedWork();
    // Ends the program without a question, for a termination signal: the unsaved changes stay in the
    // recovery copy and the settings are stored as Exit stores them.
    void quitKeepingUnsavedWork();
    // The table's columns and the panes' first places; the profile's points emptied.
    void initgrid();
    void initdata();
    // Layout of the panes for the window's current size.
    void Form_Resize();
    void File_Exit_Click();
    void Menu_HelpSelection_Click(int Index);
    // Opens the first of files named from outside the file dialogs (the command line, a later start, a
    // drop): a profile, or a KLA results or CSV file to import, after the unsaved-changes question.
    void openFiles(const QStringList& files);

    // WindowServices.
    Profile& profile() override { return profile_; }
    Platform& platform() override { return platform_; }
    UndoHistory& undoHistory() override { return *undo_; }
    int showModal(QDialog& dialog) override { return runDialog(dialog); }
    QWidget* dialogParent() override { return this; }
    void drawwafer() override;
    void drawsnapgrid() override;
    void redrawall() override;
    void drawpoint(int i) override;
    void drawspot(double R, float Theta, Colour fill, Colour outline) override;
    void drawnumber(double R, float Theta, int n) override;
    void highlightPoint(int row) override;
    bool showsPath() const override;
    void showCrossOnDrawing(bool cross) override;
    void setShowPath(bool show) override;
    void setDrawingScale(double waferDiameter) override;
    void updategrid() override;
    void updaterow(int row) override;
    int currentRow() const override;
    void setCurrentRow(int row) override;
    void showDraggedPosition(int row, const QString& first, const QString& second) override;
    void showAppendedPoint() override;
    void emptyPointList() override;
    void commitCellEdit() override;
    void deletepoint() override;
    void setStatus(const QString& text) override;
    void setPathStatus(const QString& text) override;
    void setSnapChecked(bool on) override;
    void setSortsEnabled(bool enabled) override;
    void showDocument(const DocumentState& state) override;
    QString descriptionText() const override;
    void setDescriptionText(const QString& text) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    template <typename Part>
    QAction* addMenuItem(QMenu* menu, const char* name, const QString& caption, Part& part, void (Part::*handler)());
    // The recent files above exit, the drop target and the command-line opening share this routing.
    void buildFileOpening(QMenu* file, QAction* exit);
    // Undo and Redo at the top of the Edit menu; a step's snapshot shown as a command shows its result.
    void addUndoItems(QMenu* edit);
    void showSnapshot(const ProfileSnapshot& snapshot);
    // Lets Undo and Redo's keys reach the window from the description box; true when it took them.
    bool leaveUndoKeysToTheWindow(QEvent& shortcutOverride);
    // The Delete key removes only the point it names: the current row's, or the spot picked on the
    // drawing. On the entry row it names none, so the key does nothing there.
    bool deleteKeyNamesAPoint() const;
    // Stores the settings and the window's placement; the reason when the store could not be written.
    std::optional<std::string> storeSettings();
    void showAboutBox();
    double logicalDpi() const;
    int twipsToPx(double twips) const;
    double pxToTwips(int pixels) const;

    Platform& platform_;
    Profile profile_;

    // Controls.
    QLabel* Label1 = nullptr;
    QLineEdit* descript = nullptr;
    QLabel* statusPanel1_ = nullptr;
    ElidingLabel* statusPanel2_ = nullptr;

    // Menu items the window's state changes.
    QAction* File_Save = nullptr;
    QAction* Edit_Undo = nullptr;
    QAction* Edit_Redo = nullptr;
    QAction* Edit_Delete = nullptr;
    QAction* Edit_SortA = nullptr;
    QAction* Edit_SortR = nullptr;
    QAction* Draw_Snap = nullptr;
    QAction* Draw_Path = nullptr;

    // Help file lookup.
    QString HelpPath;
    bool helpFound_ = false;

    // Status bar height in twips as the previous layout set it.
    double statusBarHeightTwips_ = 315.0;

    std::unique_ptr<DrawingPane> drawing_;
    PointTable* table_ = nullptr;
    std::unique_ptr<UndoHistory> undo_;
    std::unique_ptr<MouseEditing> mouse_;
    DocumentCommands* documents_ = nullptr;
    std::unique_ptr<ImportCommands> imports_;
    std::unique_ptr<ExportCommands> exports_;
    std::unique_ptr<PrintCommand> printing_;
    std::unique_ptr<EditCommands> edits_;
    std::unique_ptr<DrawCommands> draws_;
    std::unique_ptr<SetupCommands> setup_;
    std::unique_ptr<FileOpener> opener_;
};

}  // namespace solvane
