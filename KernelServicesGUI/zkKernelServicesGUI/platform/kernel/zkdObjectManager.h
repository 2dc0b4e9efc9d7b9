#pragma once

#include "zkdClassInfo.h"
#include "zkdObject.h"

#include <QList>
#include <QObject>

// The kernel's object table and class registry, and the source of change notifications.
class zkdObjectManager : public QObject
{
    Q_OBJECT
public:
    static zkdObjectManager *instance();

    // Type ids. Every name gets a stable id on first use, also names that are no kernel class
    // (the run-time type names of arbitrary QObject classes); kernel classes get theirs when
    // they are registered.
    static quint64 getTypeId(const char *typeName);
    static quint64 getTypeId(const QByteArray &typeName);
    static QByteArray getTypeName(quint64 typeId);
    // True when typeId is baseTypeId or a kernel class derived from it.
    static bool isTypeOf(quint64 typeId, quint64 baseTypeId);

    static const zkdClassInfo *classInfo(quint64 typeId);
    static const zkdClassInfo *classInfo(const QByteArray &className);
    static QList<QByteArray> classNames();

    // Registers handle class T with Qt's meta-type system (its name, QList<T>, stream operators
    // and comparators) and with the kernel: its own properties, appended to (or, for a name
    // the base already has, replacing in place) those of its base class, which must have been
    // registered before. The hook runs after every edit of an object of T or a subclass.
    template <typename T>
    static void registerClass(const QVector<zkdPropertyInfo> &ownProperties = {},
                              const zkdPropertyHook &hook = {});

    // Creates an object of a registered class with its default values and sub-objects.
    static zkdObject create(const QByteArray &className);
    template <typename T>
    static T create() { return zkd_cast<T>(create(QByteArray(T::staticMetaObject.className()))); }

    static zkdObject find(quint64 objectId);

    // A QVariant holding a handle of the object's own class, and back: the handle held by a
    // QVariant of any kernel handle class (null for other variants).
    static QVariant toVariant(const zkdObject &object);
    static zkdObject fromVariant(const QVariant &value);

    // Removes an object and the sub-objects it owns from the kernel; handles to them turn empty.
    static void destroy(const zkdObject &object);
    static int objectCount();

    // Objects are also known to other modules by a pair (object id, external type id).
    static quint64 getExternalTypeId(const zkdObject &object);
    // The object named by an external pair as a T; null, with a critical log line, when the
    // external type is unknown or not a T; null when no such object exists.
    template <typename T>
    static T createFromExternal(quint64 objectId, quint64 externalType)
    {
        T result;
        result.assign(fromExternal(objectId, externalType, T::staticMetaObject));
        return result;
    }

    // Emits propertyChanged; the kernel calls it after every change of a stored value.
    void notifyPropertyChanged(const zkdObject &object, const QByteArray &name);

signals:
    void propertyChanged(const zkdObject &object, const QByteArray &name);
    void objectDestroyed(const zkdObject &object);

private:
    explicit zkdObjectManager(QObject *parent = nullptr);

    static void registerClassInfo(const QMetaObject &metaObject, int handleType,
                                  const QVector<zkdPropertyInfo> &ownProperties, const zkdPropertyHook &hook);
    static zkdObject fromExternal(quint64 objectId, quint64 externalType, const QMetaObject &requested);
};

template <typename T>
void zkdObjectManager::registerClass(const QVector<zkdPropertyInfo> &ownProperties, const zkdPropertyHook &hook)
{
    const char *name = T::staticMetaObject.className();
    qRegisterMetaType<T>(name);
    qRegisterMetaTypeStreamOperators<T>(name);
    QMetaType::registerComparators<T>();
    const QByteArray listName = QByteArrayLiteral("QList<") + name + '>';
    qRegisterMetaType<QList<T>>(listName.constData());
    qRegisterMetaTypeStreamOperators<QList<T>>(listName.constData());
    QMetaType::registerEqualsComparator<QList<T>>();
    registerClassInfo(T::staticMetaObject, qMetaTypeId<T>(), ownProperties, hook);
}
