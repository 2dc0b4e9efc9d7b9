#include "zkDemoSceneList.h"

#include <zkdBaseLightNode.h>
#include <zkdCameraNode.h>
#include <zkdMaterial.h>
#include <zkdNode.h>
#include <zkdObjectManager.h>
#include <zkdSceneplateNode.h>
#include <zkdVariantSetBase.h>

#include <QHeaderView>
#include <QSignalBlocker>

#include <algorithm>
#include <iterator>

namespace {

struct Kind
{
    const QMetaObject *metaObject;
    const char *title;
};

// The first kind an object is a type of decides its header, so subclasses come first.
const Kind kinds[] = {
    {&zkdMaterial::staticMetaObject, QT_TRANSLATE_NOOP("zkDemoSceneList", "Materials")},
    {&zkdBaseLightNode::staticMetaObject, QT_TRANSLATE_NOOP("zkDemoSceneList", "Lights")},
    {&zkdCameraNode::staticMetaObject, QT_TRANSLATE_NOOP("zkDemoSceneList", "Cameras")},
    {&zkdSceneplateNode::staticMetaObject, QT_TRANSLATE_NOOP("zkDemoSceneList", "Scene Plates")},
    {&zkdNode::staticMetaObject, QT_TRANSLATE_NOOP("zkDemoSceneList", "Nodes")},
    {&zkdVariantSetBase::staticMetaObject, QT_TRANSLATE_NOOP("zkDemoSceneList", "Variant Sets")},
};

const char *const otherKind = QT_TRANSLATE_NOOP("zkDemoSceneList", "Other");

constexpr int objectIdRole = Qt::UserRole;

QString nameOf(const zkdObject &object)
{
    return object.property("name").toString();
}

} // namespace

zkDemoSceneList::zkDemoSceneList(QWidget *parent)
    : QTreeWidget(parent)
{
    setObjectName(QStringLiteral("SceneList"));
    setColumnCount(2);
    setHeaderLabels({tr("Object"), tr("Type")});
    header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    connect(this, &QTreeWidget::itemSelectionChanged, this,
            [this] { emit objectSelectionChanged(getSelectedObjects()); });
    connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged, this, &zkDemoSceneList::updateName);
}

void zkDemoSceneList::setObjects(const QList<zkdObject> &objects)
{
    const QSignalBlocker blocker(this);
    clear();
    m_items.clear();
    // A header per kind in the table's order; those left empty are dropped.
    QList<QTreeWidgetItem *> headers;
    for (const Kind &kind : kinds)
        headers.append(createKindItem(tr(kind.title)));
    headers.append(createKindItem(tr(otherKind)));
    for (const zkdObject &object : objects) {
        const auto kind = std::find_if(std::cbegin(kinds), std::cend(kinds),
                                       [&object](const Kind &k) { return object.isTypeOf(*k.metaObject); });
        // No kind found gives the index after the table's: the "Other" header.
        QTreeWidgetItem *header = headers.at(int(kind - std::cbegin(kinds)));
        auto *item = new QTreeWidgetItem(header, {nameOf(object), object.getTypeName()});
        item->setData(0, objectIdRole, object.getObjectId());
        item->setForeground(1, QColor(0x6b, 0x72, 0x80));
        item->setToolTip(0, QStringLiteral("%1 #%2").arg(object.getTypeName()).arg(object.getObjectId()));
        m_items.insert(object.getObjectId(), item);
    }
    for (QTreeWidgetItem *header : qAsConst(headers)) {
        if (header->childCount() == 0)
            delete header;
    }
    expandAll();
}

QTreeWidgetItem *zkDemoSceneList::createKindItem(const QString &title)
{
    auto *item = new QTreeWidgetItem(this, {title});
    item->setFlags(Qt::ItemIsEnabled);
    item->setFirstColumnSpanned(true);
    QFont font = item->font(0);
    font.setBold(true);
    item->setFont(0, font);
    return item;
}

QList<zkdObject> zkDemoSceneList::getSelectedObjects() const
{
    QList<zkdObject> objects;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        const QTreeWidgetItem *kind = topLevelItem(i);
        for (int k = 0; k < kind->childCount(); ++k) {
            const QTreeWidgetItem *item = kind->child(k);
            if (!item->isSelected())
                continue;
            const zkdObject object = zkdObjectManager::find(item->data(0, objectIdRole).toULongLong());
            if (!object.isNull())
                objects.append(object);
        }
    }
    return objects;
}

QStringList zkDemoSceneList::selectByNames(const QStringList &names)
{
    QStringList missing;
    QList<QTreeWidgetItem *> found;
    for (const QString &name : names) {
        const QList<QTreeWidgetItem *> matches = findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
        const auto it = std::find_if(matches.cbegin(), matches.cend(),
                                     [](const QTreeWidgetItem *item) { return item->parent() != nullptr; });
        if (it == matches.cend())
            missing.append(name);
        else
            found.append(*it);
    }
    {
        const QSignalBlocker blocker(this);
        clearSelection();
        if (!found.isEmpty())
            setCurrentItem(found.first(), 0, QItemSelectionModel::NoUpdate);
        for (QTreeWidgetItem *item : qAsConst(found))
            item->setSelected(true);
    }
    emit objectSelectionChanged(getSelectedObjects());
    return missing;
}

void zkDemoSceneList::updateName(const zkdObject &object, const QByteArray &property)
{
    if (property != "name")
        return;
    if (QTreeWidgetItem *item = m_items.value(object.getObjectId()))
        item->setText(0, nameOf(object));
}
