#pragma once

#include <QItemSelectionModel>

class zkItemModel;

// The base of the selection models of views over a zkItemModel, directly or through a proxy:
// it maps the view's selection to the item model.
class zkAbstractSelectionModel : public QItemSelectionModel
{
    Q_OBJECT
public:
    zkAbstractSelectionModel(QAbstractItemModel *model, QObject *parent);

    // In the coordinates of the view's model; invalid when nothing is selected.
    QModelIndex getFirstSelectedIndex() const;

protected:
    QItemSelection sourceModelSelection() const;
    // The proxy's source model, or the model itself.
    const QAbstractItemModel *sourceModel() const;
    // The source model when it is a zkItemModel, else null.
    const zkItemModel *getTreeModel() const;
};
