#pragma once

#include <QDialog>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "files/documentstate.h"
#include "model/patterns.h"
#include "model/profile.h"
#include "platform/platform.h"
#include "table/spotspicture.h"

class QAction;
class QLabel;
class QLineEdit;

namespace solvane {

class ElidingLabel;
class FileOpener;
class FlexGrid;
class RecentFilesMenu;
class RecoveryKeeper;
class UndoHistory;
struct ProfileSnapshot;
class WaferView;

// The main window: owns the one open profile and the panes that show it (the wafer drawing
// Picture1, the point table grdData with its edit box txtedit, the description box descript and
// the status bar), and handles every menu command. Commands change the profile directly and then
// refresh the drawing and the table themselves, in the order each command fixes. Controls and menu
// items carry their names as object names, so tests find them with findChild.
//
// The class is implemented across the subsystem folders: mainwindow/ (start-up, layout, menus),
// view/ (drawing and mouse editing), table/ (table display, cell editing, Edit menu), files/
// (document commands), importers/, print/ and dialogs/.
class Form1 : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window and runs the start-up (Form_Load). The platform outlives the window.
    explicit Form1(Platform& platform, QWidget* parent = nullptr);
    ~Form1() override;

    Profile& profile() { return profile_; }
    FlexGrid& grid() { return *grdData; }
    WaferView& picture() { return *Picture1; }
    QLineEdit& editBox() { return *txtedit; }
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
    void initgrid();
    void initdata();
    // Opens the first of files named from outside the file dialogs (the command line, a later start, a
    // drop): a profile, or a KLA results or CSV file to import, after the unsaved-changes question.
    void openFiles(const QStringList& files);

    // Wafer drawing.
    void drawwafer();
    void drawsnapgrid();
    void redrawall();
    void drawpoint(int i);
    void drawspot(double R, float Theta, Colour fill, Colour outline);
    void drawnumber(double R, float Theta, int n);

    // Point table display.
    void updategrid();
    void updaterow(int row);
    void clearrow(int row);
    // clearrow of rows 1 to last, announced to the table as one change.
    void clearrows(int last);
    void resetgrid(int n);

    // Layout of the panes for the window's current size.
    void Form_Resize();

    // In-place cell editing.
    void MSFlexGridEdit(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyAscii);
    void EditKeyCode(FlexGrid& MSflexgrid, QLineEdit& edt, int KeyCode, int Shift);
    void checkrange();

    // Edit procedures.
    void deletepoint();
    void sorttheta();
    void sortradius();

    // Menu commands.
    void File_New_Click();
    void File_Open_Click();
    void File_Save_Click();
    void File_SaveAs_Click();
    void mnuFileImporter_Click();
    void mnuCSVFileImporter_Click();
    void File_PrintData_Click();
    void File_Exit_Click();
    void Edit_Delete_Click();
    void Edit_Copy_Click();
    void Edit_SortA_Click();
    void Edit_SortR_Click();
    void Edit_Clear_Click();
    void Setup_Color_Click();
    void Setup_Size_Click();
    void Draw_Snap_Click();
    void Draw_Grid_Click();
    void Draw_Five_Click();
    void Draw_Nine_Click();
    void Draw_Seventeen_Click();
    void Draw_Polar_Click();
    void Draw_XY_Click();
    void Menu_HelpSelection_Click(int Index);
    // Site planning: ring patterns, the shortest visiting order, rotation and the path on the drawing.
    void Draw_Rings_Click();
    void Draw_Path_Click();
    void Edit_Optimise_Click();
    void Edit_Rotate_Click();
    // Export and paste: the points as CSV, the drawing as an image, points from the clipboard.
    void File_ExportCsv_Click();
    void File_ExportImage_Click();
    void Edit_Paste_Click();

    // Mouse editing on the wafer drawing; positions in the drawing's user scale (mm).
    void Picture1_MouseDown(float X, float Y);
    void Picture1_MouseMove(float X, float Y);
    void Picture1_MouseUp(float X, float Y);

    // Point table and edit box events.
    void grdData_KeyPress(int KeyAscii);
    void grdData_DblClick();
    void grdData_GotFocus();
    void grdData_LeaveCell();
    void grdData_EnterCell();
    void grdData_KeyDown(int KeyCode);
    void txtedit_KeyDown(int KeyCode);
    // Returns the character to keep, 0 to discard it.
    int txtedit_KeyPress(int KeyAscii);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildControls();
    void buildMenus();
    QAction* addMenuItem(class QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)());
    void setStatus(int panel, const QString& text);
    // What follows from the document state: Save's enabled state, the name in status panel 2 and in
    // the window title, with the title's modified mark.
    void showDocumentState();
    // Undo and Redo at the top of the Edit menu; a step's snapshot shown as a command shows its result.
    void addUndoItems(class QMenu* edit);
    void showSnapshot(const ProfileSnapshot& snapshot);
    // Lets Undo and Redo's keys reach the window from the description box; true when it took them.
    bool leaveUndoKeysToTheWindow(QEvent& shortcutOverride);
    void setPointer(Pointer pointer) { platform_.setPointer(pointer); }
    // The unload check of every close: false when the user keeps the window open.
    bool Form_Unload();
    void showAboutBox();
    // A WaferDrawing over Picture1's surface, the profile and the window's palette.
    class WaferDrawing drawing();
    // Grid steps dialog with the caller's title and captions, on DlgAngSteps/DlgRadSteps.
    void showGridStepsDialog(const QString& title, const QString& upperCaption, const QString& lowerCaption);
    // Refuses an addition beyond the store's capacity with a message; true when there is room.
    bool roomForOneMorePoint();
    // The unsaved-change prompt with lastLine ("    Clear anyway?"); true when there are no unsaved changes
    // or the user answers Yes.
    bool mayDiscardChanges(const char* lastLine);
    // The profile with its points removed, for a read or an import that must not touch the open document.
    Profile emptiedCopy() const;
    // Makes loaded the open document, named after file: table, drawing, description and status bar
    // follow, and it counts as unchanged unless it was recovered.
    void showLoadedDocument(const Profile& loaded, const FileChoice& file, DocumentSource source);
    // Stores the settings and the window's placement; the reason when the store could not be written.
    std::optional<std::string> storeSettings();
    // Document commands: the name dialog and the write, and the write itself, which names the document
    // after file or reports why it failed.
    void saveProfileAs();
    void writeProfileTo(const FileChoice& file);
    // Open and the imports once their file is known (from the dialog, the command line, a drop, the recent
    // list). The KLA import gives false for a file of the wrong type chosen in the dialog, so it is shown again.
    void openProfileFile(const FileChoice& file);
    bool importKlaResultsFile(const FileChoice& file, bool chosenInDialog);
    void importCsvFile(const FileChoice& file);
    // The recent files, the drop target and the command-line opening share this routing.
    void buildFileOpening(class QMenu* file);
    // Import commands: show the imported profile, or say why the file was not imported (failure not
    // empty) and keep the open document.
    void finishImport(const Profile& imported, const FileChoice& file, const QString& failure);
    // The site planning items of the Edit menu (after the sorts) and of the Draw menu (at its end).
    void addSitePlanningEditItems(class QMenu* edit);
    void addSitePlanningDrawItems(class QMenu* draw);
    // The export items of the File menu (after Save As) and Paste of the Edit menu (after Copy).
    void addExportItems(class QMenu* file);
    void addPasteItem(class QMenu* edit);
    void showExportFailure(const FileChoice& file, const QString& reason);
    // The path's length in its status panel while the path is shown; nothing otherwise.
    void showPathLength();
    // Every spot in SpotColor with its number, then point row's spot in red when row is a point
    // (0: none): what a change of the table's current cell shows. Cheap while the last such picture
    // is still the one shown.
    void drawSpotsHighlighting(int row);
    // Keeps the picture just drawn, every spot in SpotColor, for drawSpotsHighlighting.
    void rememberSpotsPicture();
    // updaterow with the decimal separator given (updategrid asks the locale once for all rows).
    void writeRow(int row, char separator);
    // The user's decimal separator for displayed numbers.
    char decimalSeparator() const;
    double logicalDpi() const;
    int twipsToPx(double twips) const;
    double pxToTwips(int pixels) const;

    Platform& platform_;
    Profile profile_;

    // Controls.
    QLabel* Label1 = nullptr;
    QLineEdit* descript = nullptr;
    WaferView* Picture1 = nullptr;
    FlexGrid* grdData = nullptr;
    QLineEdit* txtedit = nullptr;
    QLabel* statusPanel1_ = nullptr;
    ElidingLabel* statusPanel2_ = nullptr;

    // Menu items.
    QAction* File_New = nullptr;
    QAction* File_Open = nullptr;
    QAction* File_Save = nullptr;
    QAction* File_SaveAs = nullptr;
    QAction* mnuFileImporter = nullptr;
    QAction* mnuCSVFileImporter = nullptr;
    QAction* File_PrintData = nullptr;
    QAction* File_Exit = nullptr;
    QAction* Edit_Undo = nullptr;
    QAction* Edit_Redo = nullptr;
    QAction* Edit_Delete = nullptr;
    QAction* Edit_Copy = nullptr;
    QAction* Edit_SortA = nullptr;
    QAction* Edit_SortR = nullptr;
    QAction* Edit_Clear = nullptr;
    QAction* Setup_Color = nullptr;
    QAction* Setup_Size = nullptr;
    QAction* Draw_Snap = nullptr;
    QAction* Draw_Grid = nullptr;
    QAction* Draw_Five = nullptr;
    QAction* Draw_Nine = nullptr;
    QAction* Draw_Seventeen = nullptr;
    QAction* Draw_Polar = nullptr;
    QAction* Draw_XY = nullptr;
    QAction* Draw_Rings = nullptr;
    QAction* Draw_Path = nullptr;
    QAction* Edit_Optimise = nullptr;
    QAction* Edit_Rotate = nullptr;
    QAction* File_ExportCsv = nullptr;
    QAction* File_ExportImage = nullptr;
    QAction* Edit_Paste = nullptr;

    // Mouse editing state.
    std::int16_t CursorMode = 0;
    std::int16_t Dragging = False;
    std::int16_t DragPoint = 0;
    float MouseX = 0.0f;
    float MouseY = 0.0f;
    float DragX = 0.0f;
    float DragY = 0.0f;

    // Help file lookup.
    QString HelpPath;
    bool helpFound_ = false;

    // Column numbers of the CSV import, kept between imports (dialog order).
    std::int16_t CsvCenterLocCol = 0;
    std::int16_t CsvDiePitchCol = 0;
    std::int16_t CsvXIndexCol = 0;
    std::int16_t CsvYIndexCol = 0;
    std::int16_t CsvXRelCol = 0;
    std::int16_t CsvYRelCol = 0;

    DocumentSource documentSource_ = DocumentSource::ProfileFile;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<UndoHistory> undo_;
    std::unique_ptr<FileOpener> opener_;
    RecentFilesMenu* recentFiles_ = nullptr;

    // Status bar height in twips as the previous layout set it.
    double statusBarHeightTwips_ = 315.0;

    // The last picture with every spot in SpotColor, for the table's current-cell highlight.
    SpotsPicture spotsPicture_;

    // Site planning state, kept for the session: the last ring counts and rotation angle; whether
    // the drawing shows the visiting path (also kept in the settings store).
    RingCounts ringCounts_ = DefaultRingCounts;
    double rotationDeg_ = 0.0;
    bool showPath_ = false;
    // Status bar panel of the path's length (while shown) and of the last Optimise Order's result.
    QLabel* statusPanelPath_ = nullptr;

    // Side of an exported PNG, kept for the session.
    int exportImageSidePx_ = 1200;
};

}  // namespace solvane
