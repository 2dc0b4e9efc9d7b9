#pragma once

#include "zkdChangeCommand.h"
#include "zkdObjectData.h"

#include <QList>
#include <QVariant>

// List properties whose items belong to the object that lists them (the elements of a lens-flare
// effect, the ghosts of a ghost line): items enter the list new and leave it for good, so a
// change keeps the items it takes out alive only while undo can bring them back.
namespace zkdOwnedList {

template <typename T>
QList<T> items(const zkdObject &owner, const char *property)
{
    return owner.property(property).template value<QList<T>>();
}

// Stores the list after as one undoable change named text: created items join the owner,
// removed ones leave it.
template <typename T>
void change(const zkdObject &owner, const char *property, const QList<T> &after,
            const QList<T> &created, const QList<T> &removed, const QString &text)
{
    const std::shared_ptr<zkdObjectData> data = owner.ptr();
    if (!data)
        return;
    auto command = std::make_unique<zkdChangeCommand>(text);
    QList<zkdObject> createdObjects;
    for (const T &item : created) {
        if (const std::shared_ptr<zkdObjectData> itemData = item.ptr())
            itemData->setOwner(data);
        createdObjects.append(item);
    }
    command->addCreated(createdObjects);
    command->addRemoved(QList<zkdObject>(removed.cbegin(), removed.cend()));
    command->store(owner, property, QVariant::fromValue(after));
    zkdChangeCommand::apply(std::move(command));
}

// Inserts new items at index (-1 or past the end: last).
template <typename T>
void insert(const zkdObject &owner, const char *property, const QList<T> &added, int index, const QString &text)
{
    if (added.isEmpty())
        return;
    QList<T> list = items<T>(owner, property);
    const int at = index < 0 || index > list.size() ? list.size() : index;
    for (int i = 0; i < added.size(); ++i)
        list.insert(at + i, added.at(i));
    change<T>(owner, property, list, added, {}, text);
}

// Removes the owner's items among removed.
template <typename T>
void remove(const zkdObject &owner, const char *property, const QList<T> &removed, const QString &text)
{
    QList<T> list = items<T>(owner, property);
    QList<T> taken;
    for (const T &item : removed) {
        if (list.removeOne(item))
            taken.append(item);
    }
    if (!taken.isEmpty())
        change<T>(owner, property, list, {}, taken, text);
}

} // namespace zkdOwnedList
