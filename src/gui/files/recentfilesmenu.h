#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

#include "platform/platform.h"
#include "settings/recentfiles.h"

class QAction;
class QMenu;

namespace solvane {

// The recent files of the File menu: "&1 name" to "&8 name" above a given item, with a separator of
// their own, kept in the settings store. Choosing one opens it; one that is no longer there is taken
// off the list with a message.
class RecentFilesMenu : public QObject {
    Q_OBJECT
public:
    // The items go into menu above before; open is called with the path of the item chosen.
    RecentFilesMenu(Platform& platform, QMenu& menu, QAction& before, std::function<void(const QString&)> open,
                    QObject* parent = nullptr);

    // Puts path at the top of the list.
    void add(const QString& path);

private:
    void choose(std::size_t index);
    // Shows the list in the items.
    void update();

    Platform& platform_;
    QMenu& menu_;
    QAction& before_;
    std::function<void(const QString&)> open_;
    RecentFiles recent_;
    QAction* separator_ = nullptr;
    std::vector<QAction*> items_;  // one for each place of the list, hidden while the place is empty
};

}  // namespace solvane
