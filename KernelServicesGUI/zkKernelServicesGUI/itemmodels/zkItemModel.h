#pragma once

#include "zkIdKey.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QStringList>

#include <map>
#include <unordered_map>
#include <vector>

class zkModelItem;

// A Qt item model over one tree of zkModelItem objects. Every attached item gets an internal id,
// never reused, that goes into its model indexes; items are also indexed by their stable
// getId(), so that a refresh that builds fresh items hands rows, persistent indexes and
// selections over to them instead of resetting the model.
//
// Structural work of item population runs inside edits: rows that setChildren() drops are
// removed when the outermost edit closes.
//
// Drag and drop serialises the dragged items' ids, as QVariants, under the model's own MIME
// type; a drop moves the items with those ids under the target.
class zkItemModel : public QAbstractItemModel
{
    Q_OBJECT
public:
    explicit zkItemModel(QObject *parent = nullptr);
    ~zkItemModel() override;

    // Removes every row below the root, with a model reset.
    void clear();
    // Refreshes every loaded item; rows whose ids survive stay where they are.
    void reload();
    void addChild(zkModelItem *child);
    // Takes ownership. A root with the same id as the current one takes its place without a
    // reset; any other root resets the model.
    void setRootItem(zkModelItem *root);
    void setHeader(const QStringList &headers);

    zkModelItem *findItemById(const QVariant &id) const;
    // Populates the items on the way to id when it is not attached yet.
    zkModelItem *findOrCreateItemById(const QVariant &id) const;
    QModelIndex indexFromId(const QVariant &id, int column = 0);
    bool isCleaningUp() const { return m_cleaningUp; }

    QModelIndex index(int row, int column, const QModelIndex &parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex &index) const override;
    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;
    Qt::DropActions supportedDragActions() const override;
    Qt::DropActions supportedDropActions() const override;

    // Decides drops of accepted MIME types other than the model's own.
    virtual bool canDropMimeDataExternal(const QMimeData *data, Qt::DropAction action, int row,
                                         int column, const QModelIndex &parent) const;

protected:
    // The item of index (the root for an invalid index); false for an index this model does not
    // hold, after a line on standard error.
    bool tryGetItem(const QModelIndex &index, zkModelItem *&item) const;
    // The model's own drag type; it is also accepted on drop.
    void setMimeType(const QString &type);
    void addExternalMimeType(const QString &type);
    // The first accepted type, in the order added, that data offers.
    bool canDrop(const QMimeData *data, QString &format) const;

private:
    friend class zkModelItem;
    // Reads the ids of the items behind selected indexes.
    friend class zkNodeBasedSelectionModel;

    void beginEdit();
    void endEdit();
    void attachItem(zkModelItem *item);
    void detachItem(zkModelItem *item);
    void takeOverItem(zkModelItem *oldItem, zkModelItem *newItem);
    void itemRemoved(zkModelItem *parent, int row);
    void dropPendingRemovals(const zkModelItem *parent);
    bool isPersistent(zkModelItem *item) const;
    QModelIndex getIndex(const zkModelItem *item, int column) const;
    zkModelItem *resolve(const QModelIndex &index) const;
    zkModelItem *itemByInternalId(quint64 id) const;
    void setItemByInternalId(quint64 id, zkModelItem *item);
    void clearIndexes();

    zkModelItem *m_root = nullptr;
    // Rows that setChildren() dropped: from row on, below parent; in the order reported.
    struct PendingRemoval
    {
        zkModelItem *parent;
        int row;
    };
    std::vector<PendingRemoval> m_pendingRemovals;
    int m_editDepth = 0;
    QString m_mimeType;
    quint64 m_nextInternalId = 0;
    QHash<int, QString> m_headers;
    std::vector<quint64> m_persistentIds;
    // Attached items by id: ids of hashable types in a hash table, others ordered.
    std::unordered_map<zkIdKey, zkModelItem *, zkIdKey::Hasher> m_hashedIdIndex;
    std::map<zkIdKey, zkModelItem *> m_orderedIdIndex;
    // Attached items by internal id, which are handed out in sequence from the base on: a
    // lookup for every model index is a plain array access.
    std::vector<zkModelItem *> m_internalIdIndex;
    quint64 m_internalIdBase = 1;
    QStringList m_acceptedMimeTypes;
    bool m_cleaningUp = false;
};
