#pragma once

#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkdObjectManager.h>

#include <QObject>
#include <QVariant>

// One edit as the property editor makes it: a multi-command inside a recording undo scope.
inline bool zkEdit(const zkdObject &object, const QByteArray &name, const QVariant &value)
{
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step;
    return object.setProperty(name.constData(), value);
}

inline zkdObject zkSubObject(const zkdObject &owner, const char *name)
{
    return zkdObjectManager::fromVariant(owner.property(name));
}

// The kernel's change notices for its lifetime, each with the value the property had when its
// notice came: listeners read the new value from inside the notice.
class zkChangeLog : public QObject
{
public:
    struct Change
    {
        zkdObject object;
        QByteArray name;
        QVariant value;
    };

    zkChangeLog()
    {
        connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged, this,
                [this](const zkdObject &object, const QByteArray &name) {
                    changes.append({object, name, object.property(name.constData())});
                });
    }

    QVariantList values(const zkdObject &object, const QByteArray &name) const
    {
        QVariantList result;
        for (const Change &change : changes) {
            if (change.object == object && change.name == name)
                result.append(change.value);
        }
        return result;
    }
    bool contains(const zkdObject &object, const QByteArray &name) const { return !values(object, name).isEmpty(); }

    QList<Change> changes;
};
