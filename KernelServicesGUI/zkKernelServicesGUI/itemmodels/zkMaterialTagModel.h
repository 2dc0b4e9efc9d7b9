#pragma once

#include "zkItemModel.h"

class zkMaterialTagItem;
class zkdMaterial;
class zkdObject;

// The item model of the scene's material tags: the tags, and below each the materials that
// carry it. The owner sets the root item, usually zkMaterialTagItemFactory::createItemForRoot().
//
// The model follows the kernel: when a material's tags or name change, or materials enter or
// leave the scene, it refills the cache of its root and reloads, keeping the rows whose ids
// survive.
//
// Materials dragged from the material tree ("application/zelk-material-item") or from another
// module ("application/zelk-material-id") can be dropped onto a tag, which adds the tag to
// them in one undo step. The whole payload is checked before anything changes.
class zkMaterialTagModel : public zkItemModel
{
    Q_OBJECT
public:
    explicit zkMaterialTagModel(QObject *parent = nullptr);

    // Refills the root's cache from the scene and reloads.
    void refresh();
    // The material a row shows; null for a tag row and for an index of another model.
    zkdMaterial getMaterial(const QModelIndex &index) const;

    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

private:
    void handle(const zkdObject &object, const QByteArray &name);
    zkMaterialTagItem *tagItem(const QModelIndex &index) const;
    // The materials of a drop payload that do not carry tag yet; empty when any part of the
    // payload is truncated, of another kind or names no material of the scene.
    QList<zkdMaterial> materialsToTag(const QMimeData *data, const QString &tag) const;

    int m_dropDepth = 0;
    bool m_refreshPending = false;
};
