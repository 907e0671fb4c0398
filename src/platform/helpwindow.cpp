#include "platform/helpwindow.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "files/filechecks.h"
#include "render/qttext.h"

namespace solvane {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Solvane Help"));
    resize(640, 520);

    auto* back = new QPushButton(tr("&Back"), this);
    auto* forward = new QPushButton(tr("&Forward"), this);
    auto* contents = new QPushButton(tr("&Contents"), this);
    auto* findLabel = new QLabel(tr("F&ind:"), this);
    findBox_ = new QLineEdit(this);
    findBox_->setObjectName(QStringLiteral("findBox"));
    findLabel->setBuddy(findBox_);

    browser_ = new QTextBrowser(this);
    browser_->setObjectName(QStringLiteral("helpBrowser"));
    browser_->setOpenExternalLinks(true);

    problem_ = new QLabel(this);
    problem_->setObjectName(QStringLiteral("helpProblem"));
    problem_->setTextFormat(Qt::PlainText);
    problem_->hide();

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addWidget(forward);
    buttons->addWidget(contents);
    buttons->addSpacing(12);
    buttons->addWidget(findLabel);
    buttons->addWidget(findBox_, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(problem_);
    layout->addWidget(browser_, 1);

    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QPushButton::setEnabled);
    connect(back, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(contents, &QPushButton::clicked, this, [this] { browser_->setHtml(contentsHtml_); });
    connect(findBox_, &QLineEdit::returnPressed, this, &HelpWindow::findNext);
}

namespace {

// The help file is a few hundred KB; far more is no help file.
constexpr std::size_t MaxHelpFileBytes = 16u * 1024u * 1024u;

}  // namespace

bool HelpWindow::showFile(const QString& helpFilePath)
{
    // Read without waiting: a FIFO put in the help file's place must not freeze the window.
    const FileBytes file = readPlainFile(toFileSystem(helpFilePath), MaxHelpFileBytes, "for a help file");
    const QByteArray bytes = QByteArray::fromStdString(file.bytes);

    browser_->clearHistory();
    if (!file.ok) {
        contentsHtml_.clear();
        browser_->clear();
        problem_->setText(tr("The help file %1 could not be read.").arg(QDir::toNativeSeparators(helpFilePath)));
        problem_->show();
        return false;
    }

    // Links inside the help file are relative to its own folder.
    browser_->setSearchPaths({QFileInfo(helpFilePath).absolutePath()});
    // Text files are single-byte unless the page declares UTF-8 itself.
    const bool utf8 = bytes.toLower().contains("charset=utf-8") || bytes.toLower().contains("charset=\"utf-8");
    contentsHtml_ = utf8 ? QString::fromUtf8(bytes) : QString::fromLatin1(bytes);
    browser_->setHtml(contentsHtml_);
    problem_->clear();
    problem_->hide();
    return true;
}

QString HelpWindow::problemText() const { return problem_->text(); }

void HelpWindow::findNext()
{
    const QString wanted = findBox_->text();
    if (wanted.isEmpty()) return;
    if (!browser_->find(wanted)) {
        // Wrap round to the top once.
        browser_->moveCursor(QTextCursor::Start);
        browser_->find(wanted);
    }
}

}  // namespace solvane
