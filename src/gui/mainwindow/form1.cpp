#include "mainwindow/form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <cmath>

#include "dialogs/setupcommands.h"
#include "draw/drawcommands.h"
#include "edit/editcommands.h"
#include "files/description.h"
#include "files/documentcommands.h"
#include "files/exportcommands.h"
#include "files/fileopener.h"
#include "help/frmabout.h"
#include "help/helpfile.h"
#include "importers/importcommands.h"
#include "mainwindow/descriptionvalidator.h"
#include "mainwindow/elidinglabel.h"
#include "mainwindow/layoutrule.h"
#include "model/pointlist.h"
#include "platform/twips.h"
#include "print/printcommand.h"
#include "render/qttext.h"
#include "settings/settings.h"
#include "table/flexgrid.h"
#include "table/pointtable.h"
#include "undo/undohistory.h"
#include "view/drawingpane.h"
#include "view/mouseediting.h"
#include "view/waferview.h"

namespace solvane {

namespace {

// Fixed geometry of the description caption and box, in twips.
constexpr double Label1WidthTwips = 1755.0;
constexpr double DescriptLeftTwips = 1740.0;
constexpr double DescriptHeightTwips = 315.0;
// How long a hint stays in the status bar.
constexpr int StatusHintMs = 5000;

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    documents_ = new DocumentCommands(
        *this, platform_.recoveryDir(), [this] { return storeSettings(); }, this);
    // The session may end the program without a close: the unsaved changes go to the recovery copy first.
    connect(qApp, &QGuiApplication::commitDataRequest, documents_, &DocumentCommands::keepUnsavedWork);
    buildControls();
    undo_ = std::make_unique<UndoHistory>(
        profile_, [this] { return currentRow(); }, [this](const ProfileSnapshot& s) { showSnapshot(s); });
    connect(undo_.get(), &UndoHistory::modifiedChanged, this, &QWidget::setWindowModified);
    mouse_ = std::make_unique<MouseEditing>(*this);
    imports_ = std::make_unique<ImportCommands>(*this, *documents_);
    exports_ = std::make_unique<ExportCommands>(*this);
    printing_ = std::make_unique<PrintCommand>(*this);
    edits_ = std::make_unique<EditCommands>(*this);
    draws_ = std::make_unique<DrawCommands>(*this);
    setup_ = std::make_unique<SetupCommands>(*this);
    WaferView* Picture1 = &picture();
    connect(Picture1, &WaferView::mouseDown, this, [this](float x, float y) { mouse_->Picture1_MouseDown(x, y); });
    connect(Picture1, &WaferView::mouseMove, this, [this](float x, float y) { mouse_->Picture1_MouseMove(x, y); });
    connect(Picture1, &WaferView::mouseUp, this, [this](float x, float y) { mouse_->Picture1_MouseUp(x, y); });
    connect(Picture1, &WaferView::redrawNeeded, this, &Form1::redrawall);
    buildMenus();
    Form_Load();
}

Form1::~Form1()
{
    // Closing the window takes the focus from the description box, whose handlers reach the undo
    // history: that is gone before the widgets are.
    descript->disconnect(this);
}

void Form1::buildControls()
{
    auto* client = new QWidget(this);
    setCentralWidget(client);

    Label1 = new QLabel(QStringLiteral("Profile Description:"), client);
    Label1->setObjectName(QStringLiteral("Label1"));
    descript = new QLineEdit(client);
    descript->setObjectName(QStringLiteral("descript"));
    descript->installEventFilter(this);
    Label1->setBuddy(descript);
    // The user's edits reach the profile through the undo history, which needs the text before them.
    connect(descript, &QLineEdit::textChanged, this, [this](const QString& text) {
        if (!descript->isModified()) profile_.Description = toBytes(text);
    });
    connect(descript, &QLineEdit::textEdited, this, [this](const QString& text) { undo_->describe(toBytes(text)); });
    connect(descript, &QLineEdit::editingFinished, this, [this] { undo_->endDescriptionSession(); });
    descript->setValidator(new DescriptionValidator(
        [this] {
            statusBar()->showMessage(QStringLiteral("A description holds at most %1 characters of ISO-8859-1 "
                                                    "(Latin-1), without double quotes.")
                                         .arg(MaxDescriptionLength),
                                     StatusHintMs);
        },
        descript));

    drawing_ = std::make_unique<DrawingPane>(profile_, platform_, client);
    table_ = new PointTable(*this, client);

    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName(QStringLiteral("StatusBarPanel1"));
    statusPanel2_ = new ElidingLabel(this);
    statusPanel2_->setObjectName(QStringLiteral("StatusBarPanel2"));
    statusPanel2_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMMM")));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(statusPanel1_, 1);
    statusBar()->addPermanentWidget(statusPanel2_);
    statusBar()->addPermanentWidget(&drawing_->pathStatus());
}

template <typename Part>
QAction* Form1::addMenuItem(QMenu* menu, const char* name, const QString& caption, Part& part, void (Part::*handler)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, [&part, handler] { (part.*handler)(); });
    return item;
}

void Form1::buildMenus()
{
    DocumentCommands& documents = *documents_;
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addMenuItem(file, "File_New", QStringLiteral("&New"), documents, &DocumentCommands::File_New_Click);
    file->addSeparator();
    addMenuItem(file, "File_Open", QStringLiteral("&Open..."), documents, &DocumentCommands::File_Open_Click);
    File_Save = addMenuItem(file, "File_Save", QStringLiteral("&Save"), documents, &DocumentCommands::File_Save_Click);
    File_Save->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    addMenuItem(file, "File_SaveAs", QStringLiteral("Save &As..."), documents, &DocumentCommands::File_SaveAs_Click)
        ->setShortcut(QKeySequence(Qt::Key_F12));
    file->addSeparator();
    addMenuItem(file, "File_ExportCsv", QStringLiteral("Export &CSV..."), *exports_,
                &ExportCommands::File_ExportCsv_Click);
    addMenuItem(file, "File_ExportImage", QStringLiteral("Export &Image..."), *exports_,
                &ExportCommands::File_ExportImage_Click);
    file->addSeparator();
    addMenuItem(file, "mnuFileImporter", QStringLiteral("KLA File &Importer"), *imports_,
                &ImportCommands::mnuFileImporter_Click);
    addMenuItem(file, "mnuCSVFileImporter", QStringLiteral("CSV File Importer"), *imports_,
                &ImportCommands::mnuCSVFileImporter_Click);
    file->addSeparator();
    addMenuItem(file, "File_PrintData", QStringLiteral("&Print"), *printing_, &PrintCommand::File_PrintData_Click);
    file->addSeparator();
    buildFileOpening(file, addMenuItem(file, "File_Exit", QStringLiteral("E&xit"), *this, &Form1::File_Exit_Click));

    EditCommands& edits = *edits_;
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addUndoItems(edit);
    Edit_Delete = edit->addAction(QStringLiteral("&Delete"));
    Edit_Delete->setObjectName(QStringLiteral("Edit_Delete"));
    // Text boxes keep the key for their own text while they have the focus.
    Edit_Delete->setShortcut(QKeySequence::Delete);
    Edit_Delete->installEventFilter(this);
    connect(Edit_Delete, &QAction::triggered, this, [this] {
        mouse_->letGoOfHeldSpot();
        edits_->Edit_Delete_Click();
    });
    addMenuItem(edit, "Edit_Copy", QStringLiteral("&Copy"), edits, &EditCommands::Edit_Copy_Click);
    addMenuItem(edit, "Edit_Paste", QStringLiteral("&Paste"), edits, &EditCommands::Edit_Paste_Click)
        ->setShortcut(QKeySequence::Paste);
    edit->addSeparator();
    Edit_SortA = addMenuItem(edit, "Edit_SortA", QStringLiteral("Sort &Theta"), edits, &EditCommands::Edit_SortA_Click);
    Edit_SortR = addMenuItem(edit, "Edit_SortR", QStringLiteral("Sort &Radius"), edits,
                             &EditCommands::Edit_SortR_Click);
    addMenuItem(edit, "Edit_Optimise", QStringLiteral("&Optimise Order"), edits, &EditCommands::Edit_Optimise_Click);
    addMenuItem(edit, "Edit_Rotate", QStringLiteral("R&otate..."), edits, &EditCommands::Edit_Rotate_Click);
    edit->addSeparator();
    addMenuItem(edit, "Edit_Clear", QStringLiteral("C&lear Points"), edits, &EditCommands::Edit_Clear_Click);

    QMenu* setup = menuBar()->addMenu(QStringLiteral("&Setup"));
    addMenuItem(setup, "Setup_Color", QStringLiteral("Co&lor"), *setup_, &SetupCommands::Setup_Color_Click);
    addMenuItem(setup, "Setup_Size", QStringLiteral("&Parameters"), *setup_, &SetupCommands::Setup_Size_Click);

    DrawCommands& draws = *draws_;
    QMenu* draw = menuBar()->addMenu(QStringLiteral("&Draw"));
    Draw_Snap = addMenuItem(draw, "Draw_Snap", QStringLiteral("&Snap"), draws, &DrawCommands::Draw_Snap_Click);
    Draw_Snap->setCheckable(true);
    // The check mark follows SnapOn, which only the commands change.
    connect(Draw_Snap, &QAction::triggered, this, [this] { Draw_Snap->setChecked(profile_.SnapOn != False); });
    addMenuItem(draw, "Draw_Grid", QStringLiteral("Snap to Grid"), draws, &DrawCommands::Draw_Grid_Click);
    draw->addSeparator();
    addMenuItem(draw, "Draw_Five", QStringLiteral("&5 Point"), draws, &DrawCommands::Draw_Five_Click);
    addMenuItem(draw, "Draw_Nine", QStringLiteral("&9 Point"), draws, &DrawCommands::Draw_Nine_Click);
    addMenuItem(draw, "Draw_Seventeen", QStringLiteral("&17 Point"), draws, &DrawCommands::Draw_Seventeen_Click);
    draw->addSeparator();
    addMenuItem(draw, "Draw_Polar", QStringLiteral("&Polar Coords"), draws, &DrawCommands::Draw_Polar_Click);
    addMenuItem(draw, "Draw_XY", QStringLiteral("&XY Coords"), draws, &DrawCommands::Draw_XY_Click);
    addMenuItem(draw, "Draw_Rings", QStringLiteral("&Rings..."), draws, &DrawCommands::Draw_Rings_Click);
    draw->addSeparator();
    Draw_Path = draw->addAction(QStringLiteral("Show &Path"));
    Draw_Path->setObjectName(QStringLiteral("Draw_Path"));
    Draw_Path->setCheckable(true);
    connect(Draw_Path, &QAction::triggered, this, [this](bool show) { draws_->Draw_Path_Click(show); });

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    QAction* contents = help->addAction(QStringLiteral("&Contents"));
    contents->setObjectName(QStringLiteral("Menu_HelpSelection_1"));
    connect(contents, &QAction::triggered, this, [this] { Menu_HelpSelection_Click(1); });
    help->addSeparator()->setObjectName(QStringLiteral("Menu_HelpSelection_2"));
    QAction* about = help->addAction(QStringLiteral("&About..."));
    about->setObjectName(QStringLiteral("Menu_HelpSelection_3"));
    connect(about, &QAction::triggered, this, [this] { Menu_HelpSelection_Click(3); });
}

double Form1::logicalDpi() const { return logicalDpiX() > 0 ? logicalDpiX() : 96.0; }

int Form1::twipsToPx(double twips) const { return static_cast<int>(std::lround(twipsToPixels(twips, logicalDpi()))); }

double Form1::pxToTwips(int pixels) const { return pixelsToTwips(pixels, logicalDpi()); }

QString Form1::statusPanel(int panel) const { return panel == 1 ? statusPanel1_->text() : statusPanel2_->fullText(); }

void Form1::showDocument(const DocumentState& state)
{
    const QString name = fromFileSystem(state.name());
    statusPanel2_->setFullText(name);
    setWindowTitle(QStringLiteral("%1[*] \u2014 %2").arg(name, fromBytes(profile_.ProfileTitle)));
    File_Save->setEnabled(state.saveEnabled());
}

void Form1::Form_Load()
{
    // Settings first: they choose the flavour, the wafer parameters and the window's place.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    const ScreenSizeTwips screenTwips{pxToTwips(screen.width()), pxToTwips(screen.height())};
    const WindowPlacement stored = loadsettings(profile_, platform_.settings(), screenTwips,
                                                toFileSystem(QDir::homePath()));
    const WindowPlacement placement = placeOnScreen(stored, screenTwips);
    setMinimumSize(twipsToPx(MinWindowWidthTwips), twipsToPx(MinWindowHeightTwips));
    // The place is the frame's, so that the title bar lands where the placement keeps it: on the screen.
    resize(twipsToPx(placement.width), twipsToPx(placement.height));
    move(screen.left() + twipsToPx(placement.left), screen.top() + twipsToPx(placement.top));

    if (profile_.CoordSys.empty()) profile_.CoordSys = "Polar";
    if (profile_.CoordSys != "Polar")
        profile_.RectSys = True;
    else
        profile_.PolarSys = True;
    const HelpSearchResult help = FindHelpFile(
        toFileSystem(platform_.programDir()), toFileSystem(platform_.searchPath()),
        [](const std::string& path) { return QFileInfo(fromFileSystem(path)).isFile(); }, '/', ':');
    helpFound_ = help.found;
    HelpPath = fromFileSystem(help.HelpPath);
    if (!helpFound_) {
        platform_.messageBox(QStringLiteral("qdx5.hlp not found in your path.\r\n"
                                            "Windows searches your PATH environment variable for help files, "
                                            "so you need to copy qdx5.hlp to a directory included in your "
                                            "PATH if you wish to obtain help while running Solvane."),
                             QStringLiteral("Solvane help not available"), MessageIcon::Exclamation,
                             MessageButtons::Ok);
    }

    const bool showPath = loadShowPath(platform_.settings());
    drawing_->setShowPath(showPath);
    Draw_Path->setChecked(showPath);

    initgrid();
    initdata();
    drawwafer();
    table_->resetgrid(1);
    // Typing starts in the table: the first key opens the entry row's first cell.
    grid().setFocus();
}

void Form1::initgrid()
{
    table_->initgrid();
    FlexGrid& grdData = grid();
    const QWidget* client = centralWidget();
    grdData.setGeometry(client->width() - grdData.width(), 0, grdData.width(), client->height());
    const int side = std::max(1, client->width() - grdData.width());
    picture().setGeometry(0, 0, side, side);
    picture().surface().resize(picture().size());

    if (profile_.RectSys) setSortsEnabled(false);
    mouse_->reset();
    profile_.SnapOn = False;
    Draw_Snap->setChecked(false);
}

void Form1::initdata()
{
    profile_.DefWaferColor = ButtonFaceColour;
    profile_.DefSpotColor = ButtonShadowColour;
    profile_.WaferColor = ButtonFaceColour;
    profile_.SpotColor = ButtonShadowColour;
    profile_.FileTitle.clear();
    profile_.FilePath.clear();
    documents_->showDocumentState();
    clearPoints(profile_);
    profile_.DataChanged = False;
    profile_.GridAngSteps = 4;
    profile_.GridRadSteps = 1;
    profile_.SnapAngSteps = 4;
    profile_.SnapRadSteps = 1;
}

void Form1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    Form_Resize();
}

void Form1::Form_Resize()
{
    const QWidget* client = centralWidget();
    LayoutInput in{};
    in.innerWidth = pxToTwips(client->width());
    in.innerHeight = pxToTwips(client->height() + statusBar()->height());
    in.innerTop = 0.0;
    in.descriptLeft = DescriptLeftTwips;
    in.descriptWidth = pxToTwips(descript->width());
    in.descriptHeight = DescriptHeightTwips;
    FlexGrid* grdData = &grid();
    WaferView* Picture1 = &picture();
    in.gridWidth = pxToTwips(grdData->width());
    in.statusBarHeight = statusBarHeightTwips_;
    const LayoutResult out = layoutPanes(in);

    Label1->setGeometry(0, 0, twipsToPx(Label1WidthTwips), twipsToPx(DescriptHeightTwips));
    descript->setGeometry(twipsToPx(DescriptLeftTwips), 0, twipsToPx(out.descriptWidth),
                          twipsToPx(DescriptHeightTwips));
    grdData->setGeometry(twipsToPx(out.gridLeft), twipsToPx(out.gridTop), grdData->width(), twipsToPx(out.gridHeight));
    const int side = std::max(1, twipsToPx(static_cast<double>(out.pictureSide)));
    Picture1->setGeometry(twipsToPx(out.pictureLeft), twipsToPx(out.pictureTop), side, side);
    Picture1->surface().resize(Picture1->size());

    drawwafer();
    redrawall();

    // The status bar's height follows the font; the next layout reads it.
    statusBarHeightTwips_ = 1.6 * pxToTwips(fontMetrics().boundingRect(QStringLiteral("|")).height());
    statusBar()->setFixedHeight(twipsToPx(statusBarHeightTwips_));
    // A long file name takes at most half the bar; the read-out keeps the rest.
    statusPanel2_->setMaximumWidth(std::max(statusPanel2_->minimumWidth(), width() / 2));
}

void Form1::closeEvent(QCloseEvent* event)
{
    if (documents_->Form_Unload())
        event->accept();
    else
        event->ignore();
}

void Form1::Menu_HelpSelection_Click(int Index)
{
    if (Index == 3) {
        showAboutBox();
        return;
    }
    platform_.showHelp(HelpPath + QString::fromLatin1(HelpFileName));
}

void Form1::File_Exit_Click() { close(); }

void Form1::showAboutBox()
{
    frmAbout about(profile_, platform_, this);
    runDialog(about);
}

void Form1::recoverUnsavedWork() { documents_->recoverUnsavedWork(); }

void Form1::quitKeepingUnsavedWork()
{
    documents_->keepUnsavedWork();
    storeSettings();
    // exit, not quit: quit closes the windows, and the close would ask about the unsaved changes.
    QCoreApplication::exit(0);
}

std::optional<std::string> Form1::storeSettings()
{
    // Start-up places the window relative to the screen's work area: store it the same way, so that
    // it comes back where it was.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QPoint origin = screen ? screen->availableGeometry().topLeft() : QPoint(0, 0);
    const WindowPlacement current{pxToTwips(pos().x() - origin.x()), pxToTwips(pos().y() - origin.y()),
                                  pxToTwips(width()), pxToTwips(height())};
    savesettings(profile_, platform_.settings(), current);
    return platform_.settings().save();
}

bool Form1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == descript && event->type() == QEvent::ShortcutOverride) return leaveUndoKeysToTheWindow(*event);
    // The menu item on the entry row still takes the last point; the key, pressed there, takes nothing.
    if (watched == Edit_Delete && event->type() == QEvent::Shortcut) return !deleteKeyNamesAPoint();
    return QMainWindow::eventFilter(watched, event);
}

bool Form1::deleteKeyNamesAPoint() const
{
    const int row = currentRow();
    return row >= 1 && row <= profile_.PointCount;
}

FlexGrid& Form1::grid() { return table_->grid(); }

WaferView& Form1::picture() { return drawing_->view(); }

QLineEdit& Form1::editBox() { return table_->editBox(); }

void Form1::drawwafer() { drawing_->drawwafer(); }

void Form1::drawsnapgrid() { drawing_->drawsnapgrid(); }

void Form1::redrawall() { drawing_->redrawall(); }

void Form1::drawpoint(int i) { drawing_->drawpoint(i); }

void Form1::drawspot(double R, float Theta, Colour fill, Colour outline)
{
    drawing_->drawspot(R, Theta, fill, outline);
}

void Form1::drawnumber(double R, float Theta, int n) { drawing_->drawnumber(R, Theta, n); }

void Form1::highlightPoint(int row) { drawing_->drawSpotsHighlighting(row); }

bool Form1::showsPath() const { return drawing_->showsPath(); }

void Form1::setShowPath(bool show) { drawing_->setShowPath(show); }

void Form1::setDrawingScale(double waferDiameter)
{
    // A size of 0 or less cannot span a scale, so the last drawable one stays.
    const double d = waferDiameter;
    if (d > 0.0) picture().surface().setScale(-d / 2.0, d / 2.0, d / 2.0, -d / 2.0);
}

void Form1::updategrid() { table_->updategrid(); }

void Form1::updaterow(int row) { table_->updaterow(row); }

int Form1::currentRow() const { return table_->grid().Row(); }

void Form1::setCurrentRow(int row) { table_->grid().setRow(row); }

void Form1::showDraggedPosition(int row, const QString& first, const QString& second)
{
    table_->showDraggedPosition(row, first, second);
}

void Form1::showAppendedPoint() { table_->showAppendedPoint(); }

void Form1::emptyPointList()
{
    table_->clearrows(profile_.PointCount);
    clearPoints(profile_);
    table_->grid().setRows(2);
}

void Form1::commitCellEdit() { table_->commitCellEdit(); }

void Form1::showCrossOnDrawing(bool cross)
{
    if (cross)
        picture().setCursor(Qt::CrossCursor);
    else
        picture().unsetCursor();
}

void Form1::deletepoint() { edits_->deletepoint(); }

void Form1::setStatus(const QString& text) { statusPanel1_->setText(text); }

void Form1::setPathStatus(const QString& text) { drawing_->pathStatus().setText(text); }

void Form1::setSnapChecked(bool on) { Draw_Snap->setChecked(on); }

void Form1::setSortsEnabled(bool enabled)
{
    Edit_SortA->setEnabled(enabled);
    Edit_SortR->setEnabled(enabled);
}

QString Form1::descriptionText() const { return descript->text(); }

void Form1::setDescriptionText(const QString& text) { descript->setText(text); }

}  // namespace solvane
