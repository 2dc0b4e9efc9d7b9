#include "zkdLensFlareGhostLine.h"

#include "zkdClassInfo.h"
#include "zkdLensFlareGhost.h"
#include "zkdObjectManager.h"
#include "zkdOwnedList.h"

#include <QCoreApplication>

namespace {

const char *const ghostsProperty = "ghosts";

QString undoText(const char *text)
{
    return QCoreApplication::translate("Light Editor", text);
}

} // namespace

QList<zkdLensFlareGhost> zkdLensFlareGhostLine::getGhosts() const
{
    return zkdOwnedList::items<zkdLensFlareGhost>(*this, ghostsProperty);
}

zkdLensFlareGhost zkdLensFlareGhostLine::createGhost(double distance) const
{
    if (!isValid())
        return zkdLensFlareGhost();
    const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
    const std::shared_ptr<zkdObjectData> data = ghost.ptr();
    data->initializeProperty(data->classInfo().indexOf("distance"),
                             float(qBound(zkdLensFlareGhost::MinimumDistance, distance, zkdLensFlareGhost::MaximumDistance)));
    zkdOwnedList::insert<zkdLensFlareGhost>(*this, ghostsProperty, {ghost}, -1, undoText("Create Ghost"));
    return ghost;
}

void zkdLensFlareGhostLine::removeGhosts(const QList<zkdLensFlareGhost> &ghosts) const
{
    zkdOwnedList::remove<zkdLensFlareGhost>(*this, ghostsProperty, ghosts, undoText("Remove Ghosts"));
}

void zkdLensFlareGhostLine::insertGhosts(const QList<zkdLensFlareGhost> &ghosts, int index) const
{
    zkdOwnedList::insert<zkdLensFlareGhost>(*this, ghostsProperty, ghosts, index, undoText("Add Ghosts"));
}
