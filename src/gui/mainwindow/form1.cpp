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

#include "files/description.h"
#include "files/fileopener.h"
#include "files/recoverykeeper.h"
#include "help/helpfile.h"
#include "mainwindow/descriptionvalidator.h"
#include "mainwindow/elidinglabel.h"
#include "mainwindow/layoutrule.h"
#include "model/pointlist.h"
#include "platform/twips.h"
#include "render/qttext.h"
#include "settings/settings.h"
#include "table/flexgrid.h"
#include "undo/undohistory.h"
#include "view/waferview.h"

namespace solvane {

namespace {

// Fixed geometry of the description caption and box, in twips.
constexpr double Label1WidthTwips = 1755.0;
constexpr double DescriptLeftTwips = 1740.0;
constexpr double DescriptHeightTwips = 315.0;
// Room around a cell's text so the widest value stays readable.
constexpr int CellPaddingPx = 8;
// How long a hint stays in the status bar.
constexpr int StatusHintMs = 5000;

}  // namespace

Form1::Form1(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    recovery_ = std::make_unique<RecoveryKeeper>(profile_, platform_.recoveryDir());
    // The session may end the program without a close: the unsaved changes go to the recovery copy first.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this] { recovery_->keepNow(); });
    buildControls();
    undo_ = std::make_unique<UndoHistory>(
        profile_, [this] { return grdData->Row(); }, [this](const ProfileSnapshot& s) { showSnapshot(s); });
    connect(undo_.get(), &UndoHistory::modifiedChanged, this, &QWidget::setWindowModified);
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

    Picture1 = new WaferView(client);
    connect(Picture1, &WaferView::mouseDown, this, &Form1::Picture1_MouseDown);
    connect(Picture1, &WaferView::mouseMove, this, &Form1::Picture1_MouseMove);
    connect(Picture1, &WaferView::mouseUp, this, &Form1::Picture1_MouseUp);
    connect(Picture1, &WaferView::redrawNeeded, this, &Form1::redrawall);

    grdData = new FlexGrid(client);
    connect(grdData, &FlexGrid::leaveCell, this, &Form1::grdData_LeaveCell);
    connect(grdData, &FlexGrid::enterCell, this, &Form1::grdData_EnterCell);
    connect(grdData, &FlexGrid::keyPress, this, &Form1::grdData_KeyPress);
    connect(grdData, &FlexGrid::keyDown, this, &Form1::grdData_KeyDown);
    connect(grdData, &FlexGrid::dblClick, this, &Form1::grdData_DblClick);
    connect(grdData, &FlexGrid::gotFocus, this, &Form1::grdData_GotFocus);

    txtedit = new QLineEdit(client);
    txtedit->setObjectName(QStringLiteral("txtedit"));
    txtedit->hide();
    txtedit->installEventFilter(this);

    statusPanel1_ = new QLabel(this);
    statusPanel1_->setObjectName(QStringLiteral("StatusBarPanel1"));
    statusPanel2_ = new ElidingLabel(this);
    statusPanel2_->setObjectName(QStringLiteral("StatusBarPanel2"));
    statusPanel2_->setMinimumWidth(fontMetrics().horizontalAdvance(QStringLiteral("MMMMMMMMMMMMMMMM")));
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(statusPanel1_, 1);
    statusBar()->addPermanentWidget(statusPanel2_);
}

QAction* Form1::addMenuItem(QMenu* menu, const char* name, const QString& caption, void (Form1::*handler)())
{
    QAction* item = menu->addAction(caption);
    item->setObjectName(QString::fromLatin1(name));
    connect(item, &QAction::triggered, this, handler);
    return item;
}

void Form1::buildMenus()
{
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    File_New = addMenuItem(file, "File_New", QStringLiteral("&New"), &Form1::File_New_Click);
    file->addSeparator();
    File_Open = addMenuItem(file, "File_Open", QStringLiteral("&Open..."), &Form1::File_Open_Click);
    File_Save = addMenuItem(file, "File_Save", QStringLiteral("&Save"), &Form1::File_Save_Click);
    File_Save->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F12));
    File_SaveAs = addMenuItem(file, "File_SaveAs", QStringLiteral("Save &As..."), &Form1::File_SaveAs_Click);
    File_SaveAs->setShortcut(QKeySequence(Qt::Key_F12));
    file->addSeparator();
    addExportItems(file);
    file->addSeparator();
    mnuFileImporter = addMenuItem(file, "mnuFileImporter", QStringLiteral("KLA File &Importer"),
                                  &Form1::mnuFileImporter_Click);
    mnuCSVFileImporter = addMenuItem(file, "mnuCSVFileImporter", QStringLiteral("CSV File Importer"),
                                     &Form1::mnuCSVFileImporter_Click);
    file->addSeparator();
    File_PrintData = addMenuItem(file, "File_PrintData", QStringLiteral("&Print"), &Form1::File_PrintData_Click);
    file->addSeparator();
    File_Exit = addMenuItem(file, "File_Exit", QStringLiteral("E&xit"), &Form1::File_Exit_Click);
    buildFileOpening(file);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addUndoItems(edit);
    Edit_Delete = addMenuItem(edit, "Edit_Delete", QStringLiteral("&Delete"), &Form1::Edit_Delete_Click);
    Edit_Copy = addMenuItem(edit, "Edit_Copy", QStringLiteral("&Copy"), &Form1::Edit_Copy_Click);
    addPasteItem(edit);
    edit->addSeparator();
    Edit_SortA = addMenuItem(edit, "Edit_SortA", QStringLiteral("Sort &Theta"), &Form1::Edit_SortA_Click);
    Edit_SortR = addMenuItem(edit, "Edit_SortR", QStringLiteral("Sort &Radius"), &Form1::Edit_SortR_Click);
    addSitePlanningEditItems(edit);
    edit->addSeparator();
    Edit_Clear = addMenuItem(edit, "Edit_Clear", QStringLiteral("C&lear Points"), &Form1::Edit_Clear_Click);

    QMenu* setup = menuBar()->addMenu(QStringLiteral("&Setup"));
    Setup_Color = addMenuItem(setup, "Setup_Color", QStringLiteral("Co&lor"), &Form1::Setup_Color_Click);
    Setup_Size = addMenuItem(setup, "Setup_Size", QStringLiteral("&Parameters"), &Form1::Setup_Size_Click);

    QMenu* draw = menuBar()->addMenu(QStringLiteral("&Draw"));
    Draw_Snap = addMenuItem(draw, "Draw_Snap", QStringLiteral("&Snap"), &Form1::Draw_Snap_Click);
    Draw_Snap->setCheckable(true);
    // The check mark follows SnapOn, which only the commands change.
    connect(Draw_Snap, &QAction::triggered, this, [this] { Draw_Snap->setChecked(profile_.SnapOn != False); });
    Draw_Grid = addMenuItem(draw, "Draw_Grid", QStringLiteral("Snap to Grid"), &Form1::Draw_Grid_Click);
    draw->addSeparator();
    Draw_Five = addMenuItem(draw, "Draw_Five", QStringLiteral("&5 Point"), &Form1::Draw_Five_Click);
    Draw_Nine = addMenuItem(draw, "Draw_Nine", QStringLiteral("&9 Point"), &Form1::Draw_Nine_Click);
    Draw_Seventeen = addMenuItem(draw, "Draw_Seventeen", QStringLiteral("&17 Point"), &Form1::Draw_Seventeen_Click);
    draw->addSeparator();
    Draw_Polar = addMenuItem(draw, "Draw_Polar", QStringLiteral("&Polar Coords"), &Form1::Draw_Polar_Click);
    Draw_XY = addMenuItem(draw, "Draw_XY", QStringLiteral("&XY Coords"), &Form1::Draw_XY_Click);
    addSitePlanningDrawItems(draw);

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

char Form1::decimalSeparator() const { return localeDecimalSeparator(); }

QString Form1::statusPanel(int panel) const { return panel == 1 ? statusPanel1_->text() : statusPanel2_->fullText(); }

void Form1::setStatus(int panel, const QString& text)
{
    if (panel == 1)
        statusPanel1_->setText(text);
    else
        statusPanel2_->setFullText(text);
}

void Form1::showDocumentState()
{
    const DocumentState state = documentState(profile_, documentSource_);
    const QString name = fromFileSystem(state.name());
    setStatus(2, name);
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

    showPath_ = loadShowPath(platform_.settings());
    Draw_Path->setChecked(showPath_);

    initgrid();
    initdata();
    drawwafer();
    resetgrid(1);
}

void Form1::initgrid()
{
    grdData->setCols(3);
    const QFontMetrics metrics = fontMetrics();
    const int numberWidth = metrics.horizontalAdvance(QStringLiteral("8888")) + CellPaddingPx;
    const int valueWidth = metrics.horizontalAdvance(QStringLiteral("888.88888")) + CellPaddingPx;
    grdData->setColumnWidth(0, numberWidth);
    grdData->setColumnWidth(1, valueWidth);
    grdData->setColumnWidth(2, valueWidth);
    grdData->setColAlignment(0, Qt::AlignCenter);
    grdData->setColAlignment(1, Qt::AlignLeft | Qt::AlignVCenter);
    grdData->setColAlignment(2, Qt::AlignLeft | Qt::AlignVCenter);
    grdData->setRows(2);

    // Room for the columns, the frame and a vertical scroll bar once the list outgrows the pane.
    const int gridWidth = numberWidth + 2 * valueWidth + 2 * grdData->frameWidth() +
                          grdData->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    const QWidget* client = centralWidget();
    grdData->setGeometry(client->width() - gridWidth, 0, gridWidth, client->height());

    txtedit->clear();

    const int side = std::max(1, static_cast<int>(std::lround(client->width() - gridWidth)));
    Picture1->setGeometry(0, 0, side, side);
    Picture1->surface().resize(Picture1->size());

    if (profile_.RectSys) {
        Edit_SortA->setEnabled(false);
        Edit_SortR->setEnabled(false);
    }
    CursorMode = 0;
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
    showDocumentState();
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
    if (Form_Unload())
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

}  // namespace solvane

namespace solvane {

bool Form1::roomForOneMorePoint()
{
    if (hasRoomForPoint(profile_)) return true;
    platform_.messageBox(QStringLiteral("The profile already holds the maximum of 2000 points."),
                         QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
    return false;
}

}  // namespace solvane
