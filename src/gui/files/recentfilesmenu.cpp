#include "files/recentfilesmenu.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

#include "render/qttext.h"

namespace solvane {

RecentFilesMenu::RecentFilesMenu(Platform& platform, QMenu& menu, QAction& before,
                                 std::function<void(const QString&)> open, QObject* parent)
    : QObject(parent),
      platform_(platform),
      menu_(menu),
      before_(before),
      open_(std::move(open)),
      recent_(RecentFiles::load(platform.settings()))
{
    separator_ = menu_.insertSeparator(&before_);
    for (std::size_t i = 0; i < RecentFiles::MaxRecentFiles; ++i) {
        auto* item = new QAction(&menu_);
        item->setObjectName(QStringLiteral("File_Recent_%1").arg(i + 1));
        connect(item, &QAction::triggered, this, [this, i] { choose(i); });
        menu_.insertAction(separator_, item);
        items_.push_back(item);
    }
    update();
}

void RecentFilesMenu::add(const QString& path)
{
    recent_.add(toFileSystem(path));
    recent_.save(platform_.settings());
    update();
}

void RecentFilesMenu::choose(std::size_t index)
{
    if (index >= recent_.paths().size()) return;
    const QString path = fromFileSystem(recent_.paths()[index]);
    if (!QFileInfo::exists(path)) {
        recent_.remove(recent_.paths()[index]);
        recent_.save(platform_.settings());
        update();
        platform_.messageBox(
            QStringLiteral("\"%1\" is no longer there.\r\nIt was taken off the recent files.").arg(path),
            QStringLiteral("Solvane"), MessageIcon::Exclamation, MessageButtons::Ok);
        return;
    }
    open_(path);
}

void RecentFilesMenu::update()
{
    const std::vector<std::string>& paths = recent_.paths();
    for (std::size_t i = 0; i < items_.size(); ++i) {
        QAction* item = items_[i];
        item->setVisible(i < paths.size());
        if (i >= paths.size()) continue;
        const QString path = fromFileSystem(paths[i]);
        item->setText(fromFileSystem(recentFileCaption(i, paths[i])));
        item->setStatusTip(path);
        item->setToolTip(path);
    }
    separator_->setVisible(!paths.empty());
}

}  // namespace solvane
