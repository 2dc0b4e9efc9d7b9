#include "zkVariantSetsService.h"

#include "zkScopedMultiCommand.h"
#include "zkUndoString.h"
#include "zkdChangeCommand.h"
#include "zkdClassInfo.h"
#include "zkdHierarchy.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"
#include "zkdScene.h"

#include <QCoreApplication>

namespace {

const char *const undoContext = "Variant Set Commands";

template <typename T>
QList<T> childrenOf(const zkdVariantSetGroup &group)
{
    QList<T> result;
    for (const zkdVariantSetBase &child : group.getChildren()) {
        if (child.isTypeOf<T>() && child.isValid())
            result.append(zkd_cast<T>(child));
    }
    return result;
}

template <typename T>
T createNamed(const QString &name, const zkdVariantSetGroup &group, const char *text)
{
    const T object = zkdObjectManager::create<T>();
    const std::shared_ptr<zkdObjectData> data = object.ptr();
    data->initializeProperty(data->classInfo().indexOf("name"), name);
    const zkScopedMultiCommand step(zkUndoString(text, undoContext));
    auto creation = std::make_unique<zkdChangeCommand>(QCoreApplication::translate(undoContext, text));
    creation->addCreated({object});
    zkdChangeCommand::apply(std::move(creation));
    zkdHierarchy::instance().insert(group, INT_MAX, {object}, QCoreApplication::translate(undoContext, text));
    return object;
}

} // namespace

zkVariantSetsService::zkVariantSetsService(QObject *parent)
    : zkBaseService(parent)
{
    // Any regrouping, its undo and redo alike, changes the children of a group.
    connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged, this,
            [this](const zkdObject &object, const QByteArray &name) {
                if (name == "children" && object.isTypeOf<zkdVariantSetGroup>())
                    emit variantSetsChanged();
            });
}

QList<zkdVariantSet> zkVariantSetsService::getUngroupedVariantSets() const
{
    return childrenOf<zkdVariantSet>(zkdScene::variantSetRoot());
}

QList<zkdVariantSetGroup> zkVariantSetsService::getVariantSetGroups() const
{
    return childrenOf<zkdVariantSetGroup>(zkdScene::variantSetRoot());
}

QList<zkdVariantSet> zkVariantSetsService::getVariantSets() const
{
    QList<zkdVariantSet> sets = getUngroupedVariantSets();
    for (const zkdVariantSetGroup &group : getVariantSetGroups())
        sets.append(childrenOf<zkdVariantSet>(group));
    return sets;
}

zkdVariantSet zkVariantSetsService::findVariantSet(const QString &name) const
{
    for (const zkdVariantSet &set : getVariantSets()) {
        if (set.getName() == name)
            return set;
    }
    return zkdVariantSet();
}

zkdVariantSetGroup zkVariantSetsService::findVariantSetGroup(const QString &name) const
{
    for (const zkdVariantSetGroup &group : getVariantSetGroups()) {
        if (group.getName() == name)
            return group;
    }
    return zkdVariantSetGroup();
}

zkdVariantSet zkVariantSetsService::createVariantSet(const QString &name, const zkdVariantSetGroup &group)
{
    return createNamed<zkdVariantSet>(name, group.isValid() ? group : zkdScene::variantSetRoot(), "Create Variant Set");
}

zkdVariantSetGroup zkVariantSetsService::createVariantSetGroup(const QString &name)
{
    return createNamed<zkdVariantSetGroup>(name, zkdScene::variantSetRoot(), "Create Variant Set Group");
}

void zkVariantSetsService::removeVariantSets(const QList<zkdVariantSetBase> &items)
{
    zkdHierarchy &hierarchy = zkdHierarchy::instance();
    const zkdVariantSetGroup root = zkdScene::variantSetRoot();
    QList<zkdObject> removed;
    for (const zkdVariantSetBase &item : items) {
        if (item.isValid() && hierarchy.isAncestor(root, item))
            removed.append(item);
    }
    if (!removed.isEmpty())
        hierarchy.detach(removed, QCoreApplication::translate(undoContext, "Delete Variant Sets"));
}
