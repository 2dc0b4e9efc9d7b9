#pragma once

#include "zkItemModel.h"

#include <zkMaterialId.h>
#include <zkdObject.h>

#include <QHash>
#include <QSet>
#include <QVector>

class zkBaseMaterialItem;
class zkdMaterial;

// The item model of the scene's material tree. Its owner sets the root item, usually
// zkMaterialItemFactory::createItemForRoot().
//
// The model follows the kernel: a change of a group's children or name, of a material's name,
// sub-materials or choice, and the destruction of a node refresh the items concerned by id,
// without a reset. Edits made in the model are carried into the kernel as one undo step each; the
// notices they cause are handled once the model's own work is done. Drops move rows in the model
// only: the next refresh of the groups concerned shows the kernel's order again.
class zkMaterialTreeModel : public zkItemModel
{
    Q_OBJECT
public:
    explicit zkMaterialTreeModel(QObject *parent = nullptr);

    // The item behind a valid index of this model; null for any other index.
    zkModelItem *itemFromIndex(const QModelIndex &index) const;

    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    // The rows as this model's own payload and, when the first row shows a material, that
    // material as the shared material-id payload for other modules.
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

private:
    friend class zkCoreMaterialItem;

    struct Change
    {
        zkdObject object;
        QByteArray name;
        bool destroyed;
    };

    // Makes renames and sub-material changes of material reach the item with id.
    void watchMaterial(const zkdMaterial &material, const zkMaterialId &id);

    void handle(const zkdObject &object, const QByteArray &name, bool destroyed);
    void apply(const Change &change);
    void refreshGroup(const zkMaterialId &id);
    void refreshMaterial(quint64 materialId);
    void removeNode(const zkMaterialId &id);
    zkBaseMaterialItem *findMaterialItem(const zkMaterialId &id) const;
    // Runs a model operation with kernel notices held back, then handles them.
    template <typename Operation>
    bool guarded(Operation operation);

    // Item ids by the object id of the material they show; entries may be stale.
    QHash<quint64, QVector<zkMaterialId>> m_materialItems;
    QVector<Change> m_heldBack;
    // Groups being refreshed, against cycles of refreshes.
    QSet<zkMaterialId> m_refreshing;
    int m_operationDepth = 0;
};
