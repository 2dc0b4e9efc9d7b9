#pragma once

#include <zkdObject.h>

#include <QHash>
#include <QList>
#include <QStringList>
#include <QTreeWidget>

// The scene's objects, one row each, under a header row per kind (materials, lights, cameras
// ...). Several objects can be selected; names follow the kernel when objects are renamed,
// also by undo and redo.
class zkDemoSceneList : public QTreeWidget
{
    Q_OBJECT
public:
    explicit zkDemoSceneList(QWidget *parent = nullptr);

    // Replaces the rows; within a kind the objects keep the given order.
    void setObjects(const QList<zkdObject> &objects);
    // In display order.
    QList<zkdObject> getSelectedObjects() const;
    // Selects exactly the objects carrying the given names (the first such row per name) and
    // makes the first of them current; returns the names no row carries.
    QStringList selectByNames(const QStringList &names);

signals:
    void objectSelectionChanged(const QList<zkdObject> &objects);

private:
    QTreeWidgetItem *createKindItem(const QString &title);
    void updateName(const zkdObject &object, const QByteArray &property);

    QHash<quint64, QTreeWidgetItem *> m_items;
};
