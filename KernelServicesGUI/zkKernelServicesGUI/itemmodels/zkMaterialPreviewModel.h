#pragma once

#include "zkItemModel.h"

class zkdMaterial;
class zkdObject;

// The materials of one node as preview images. The owner sets the root, usually
// zkMaterialPreviewItemFactory::createItemForRoot(node).
//
// The model follows the kernel: an edit of a shown material renders its preview anew, and a
// change below the material tree reloads the rows, keeping those whose materials stay. Drops of
// its own rows move them in the model only.
//
// A drag also carries the first dragged material as a zkMaterialIdPayload, which material
// controls and the tag model take.
class zkMaterialPreviewModel : public zkItemModel
{
    Q_OBJECT
public:
    explicit zkMaterialPreviewModel(QObject *parent = nullptr);

    // The material a row shows; null for an index of another model.
    zkdMaterial getMaterial(const QModelIndex &index) const;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;

private:
    void handle(const zkdObject &object, const QByteArray &name);
};
