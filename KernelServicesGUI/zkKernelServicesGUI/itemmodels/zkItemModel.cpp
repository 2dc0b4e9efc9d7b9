#include "zkItemModel.h"

#include "zkItemIdPayload.h"
#include "zkModelItem.h"

#include <QMimeData>

#include <algorithm>
#include <cstdio>

namespace {

constexpr quint64 detachedId = ~quint64(0);

} // namespace

zkItemModel::zkItemModel(QObject *parent)
    : QAbstractItemModel(parent)
    , m_mimeType(QStringLiteral("application/zelk-abstract-item"))
{
    m_root = new zkModelItem;
    m_root->setModel(this);
    m_root->m_loaded = true;
}

zkItemModel::~zkItemModel()
{
    // Items destroyed with the model need not leave the indexes one by one.
    clearIndexes();
    zkModelItem *root = m_root;
    m_root = nullptr;
    delete root;
}

void zkItemModel::clear()
{
    beginResetModel();
    std::vector<zkModelItem *> children;
    children.swap(m_root->m_children);
    for (zkModelItem *child : children) {
        child->m_parent = nullptr;
        delete child;
    }
    endResetModel();
}

void zkItemModel::reload()
{
    beginEdit();
    m_root->reload();
    endEdit();
}

void zkItemModel::addChild(zkModelItem *child)
{
    m_root->addChild(child);
}

void zkItemModel::setRootItem(zkModelItem *root)
{
    if (!root || root == m_root)
        return;
    if (root->m_parent)
        root->m_parent->takeChild(root->m_row);
    if (m_root->getId() == root->getId()) {
        // Attaching makes the new root take the old one's place and delete it.
        root->setModel(this);
        return;
    }
    beginResetModel();
    zkModelItem *oldRoot = m_root;
    m_root = nullptr;
    clearIndexes();
    delete oldRoot;
    root->setModel(this);
    m_root = root;
    endResetModel();
}

void zkItemModel::setHeader(const QStringList &headers)
{
    for (int section = 0; section < headers.size(); ++section)
        m_headers.insert(section, headers.at(section));
    if (!headers.isEmpty())
        emit headerDataChanged(Qt::Horizontal, 0, headers.size() - 1);
}

zkModelItem *zkItemModel::findItemById(const QVariant &id) const
{
    const zkIdKey key(id);
    if (key.isHashed()) {
        const auto it = m_hashedIdIndex.find(key);
        return it == m_hashedIdIndex.end() ? nullptr : it->second;
    }
    const auto it = m_orderedIdIndex.find(key);
    return it == m_orderedIdIndex.end() ? nullptr : it->second;
}

zkModelItem *zkItemModel::findOrCreateItemById(const QVariant &id) const
{
    if (zkModelItem *item = findItemById(id))
        return item;
    if (!m_root)
        return nullptr;
    m_root->loadChild(id, [](zkModelItem *item) { item->load(); });
    return findItemById(id);
}

QModelIndex zkItemModel::indexFromId(const QVariant &id, int column)
{
    return getIndex(findOrCreateItemById(id), column);
}

QModelIndex zkItemModel::index(int row, int column, const QModelIndex &parent) const
{
    // Children hang off column 0 only, as in every Qt tree model.
    if (parent.column() > 0)
        return QModelIndex();
    const zkModelItem *parentItem = resolve(parent);
    if (!parentItem || column < 0 || column >= parentItem->columnCount())
        return QModelIndex();
    const zkModelItem *child = parentItem->child(row);
    return child ? createIndex(child->m_row, column, quintptr(child->m_internalId)) : QModelIndex();
}

QModelIndex zkItemModel::parent(const QModelIndex &index) const
{
    if (!index.isValid())
        return QModelIndex();
    const zkModelItem *item = resolve(index);
    return item ? getIndex(item->m_parent, 0) : QModelIndex();
}

int zkItemModel::rowCount(const QModelIndex &parent) const
{
    if (parent.column() > 0)
        return 0;
    zkModelItem *item = resolve(parent);
    return item ? item->childCount() : 0;
}

int zkItemModel::columnCount(const QModelIndex &parent) const
{
    const zkModelItem *item = resolve(parent);
    return item ? item->columnCount() : 1;
}

QVariant zkItemModel::data(const QModelIndex &index, int role) const
{
    zkModelItem *item = resolve(index);
    return item ? item->data(role, index.column()) : QVariant();
}

bool zkItemModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    zkModelItem *item = resolve(index);
    if (!item || !item->setData(role, value, index.column()))
        return false;
    if (role == Qt::CheckStateRole)
        item->checkStateChanged();
    else if (role == Qt::DisplayRole || role == Qt::EditRole)
        item->textChanged();
    return true;
}

QVariant zkItemModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return m_headers.value(section);
    return QVariant();
}

Qt::ItemFlags zkItemModel::flags(const QModelIndex &index) const
{
    const zkModelItem *item = resolve(index);
    if (!item)
        return Qt::NoItemFlags;
    // The empty space below the rows is the root's; column -1 keeps it from being editable.
    return item->flags(index.isValid() ? index.column() : -1);
}

QStringList zkItemModel::mimeTypes() const
{
    return {m_mimeType};
}

QMimeData *zkItemModel::mimeData(const QModelIndexList &indexes) const
{
    QVariantList ids;
    for (const QModelIndex &index : indexes) {
        // A row selected across columns is written once.
        if (index.column() != 0)
            continue;
        if (zkModelItem *item = resolve(index))
            ids.append(item->getId());
    }
    auto *data = new QMimeData;
    data->setData(m_mimeType, zkItemIdPayload::encode(ids));
    return data;
}

bool zkItemModel::canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                                  const QModelIndex &parent) const
{
    zkModelItem *target = resolve(parent);
    QString format;
    if (!target || !canDrop(data, format))
        return false;
    if (format != m_mimeType)
        return canDropMimeDataExternal(data, action, row, column, parent);
    QVariantList ids;
    if (!zkItemIdPayload::decode(data->data(format), &ids))
        return false;
    for (const QVariant &id : qAsConst(ids)) {
        zkModelItem *source = findItemById(id);
        if (!source || !source->canDropTo(target, action))
            return false;
    }
    return true;
}

bool zkItemModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int,
                               const QModelIndex &parent)
{
    QString format;
    if (!data || action == Qt::IgnoreAction || !canDrop(data, format))
        return false;
    zkModelItem *target = resolve(parent);
    if (!target || format != m_mimeType)
        return false;
    const QVariant targetId = target->getId();
    // The whole payload is read before the first move, so that bytes cut short or forged
    // part-way refuse the drop instead of leaving it half done.
    QVariantList ids;
    if (!zkItemIdPayload::decode(data->data(format), &ids))
        return false;
    int insertionRow = row;
    for (const QVariant &id : qAsConst(ids)) {
        // Earlier moves may have replaced items, so both ends are looked up afresh.
        zkModelItem *source = findItemById(id);
        target = findItemById(targetId);
        if (!source || !target)
            continue;
        zkModelItem *oldParent = source->m_parent;
        const int oldRow = source->m_row;
        target->insertChild(insertionRow, source);
        // An item cannot go below itself; such an id is skipped.
        if (source->m_parent == target)
            source->droppedFrom(oldParent, oldRow);
        if (insertionRow >= 0)
            ++insertionRow;
    }
    return true;
}

Qt::DropActions zkItemModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions zkItemModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

bool zkItemModel::canDropMimeDataExternal(const QMimeData *, Qt::DropAction, int, int,
                                          const QModelIndex &) const
{
    return false;
}

bool zkItemModel::tryGetItem(const QModelIndex &index, zkModelItem *&item) const
{
    zkModelItem *resolved = resolve(index);
    if (!resolved)
        return false;
    item = resolved;
    return true;
}

void zkItemModel::setMimeType(const QString &type)
{
    m_mimeType = type;
    m_acceptedMimeTypes.append(type);
}

void zkItemModel::addExternalMimeType(const QString &type)
{
    m_acceptedMimeTypes.append(type);
}

bool zkItemModel::canDrop(const QMimeData *data, QString &format) const
{
    if (!data)
        return false;
    const QStringList formats = data->formats();
    for (const QString &type : m_acceptedMimeTypes) {
        if (formats.contains(type, Qt::CaseSensitive)) {
            format = type;
            return true;
        }
    }
    return false;
}

void zkItemModel::beginEdit()
{
    if (m_editDepth > 0) {
        ++m_editDepth;
        return;
    }
    m_persistentIds.clear();
    if (m_root)
        m_persistentIds.push_back(m_root->m_internalId);
    const QModelIndexList persistent = persistentIndexList();
    for (const QModelIndex &index : persistent)
        m_persistentIds.push_back(index.internalId());
    m_editDepth = 1;
}

void zkItemModel::endEdit()
{
    if (m_editDepth <= 0 || --m_editDepth > 0 || m_pendingRemovals.empty())
        return;
    // Last reported first. Deleting a parent drops its own entries from the list.
    m_cleaningUp = true;
    while (!m_pendingRemovals.empty()) {
        const PendingRemoval removal = m_pendingRemovals.back();
        m_pendingRemovals.pop_back();
        if (int(removal.parent->m_children.size()) > removal.row)
            removal.parent->removeStaleChildren(removal.row);
    }
    m_cleaningUp = false;
}

void zkItemModel::attachItem(zkModelItem *item)
{
    item->m_cachedId = item->getId();
    const zkIdKey key(item->m_cachedId);
    zkModelItem *&entry = key.isHashed() ? m_hashedIdIndex[key] : m_orderedIdIndex[key];
    zkModelItem *oldItem = entry;
    if (oldItem == item)
        return;
    entry = item;
    if (oldItem) {
        takeOverItem(oldItem, item);
        return;
    }
    item->m_internalId = ++m_nextInternalId;
    setItemByInternalId(item->m_internalId, item);
}

void zkItemModel::takeOverItem(zkModelItem *oldItem, zkModelItem *newItem)
{
    newItem->m_internalId = oldItem->m_internalId;
    setItemByInternalId(newItem->m_internalId, newItem);
    // A populated item keeps its own rows, which replace the old item's silently.
    if (!newItem->m_loaded) {
        for (PendingRemoval &removal : m_pendingRemovals) {
            if (removal.parent == oldItem)
                removal.parent = newItem;
        }
        // The new item continues the old one: rows, data and population state.
        newItem->m_children.swap(oldItem->m_children);
        for (zkModelItem *child : newItem->m_children)
            child->m_parent = newItem;
        for (zkModelItem *child : oldItem->m_children)
            child->m_parent = oldItem;
        newItem->m_loaded = oldItem->m_loaded;
        newItem->m_data.swap(oldItem->m_data);
    }

    if (oldItem == m_root)
        m_root = newItem;
    else if (oldItem->m_parent)
        oldItem->m_parent->replaceChildNoEvents(oldItem, newItem);
    dropPendingRemovals(oldItem);
    oldItem->m_model = nullptr;
    oldItem->m_internalId = detachedId;
    delete oldItem;
}

void zkItemModel::detachItem(zkModelItem *item)
{
    if (itemByInternalId(item->m_internalId) == item) {
        setItemByInternalId(item->m_internalId, nullptr);
        const zkIdKey key(item->m_cachedId);
        if (key.isHashed()) {
            const auto it = m_hashedIdIndex.find(key);
            if (it != m_hashedIdIndex.end() && it->second == item)
                m_hashedIdIndex.erase(it);
        } else {
            const auto it = m_orderedIdIndex.find(key);
            if (it != m_orderedIdIndex.end() && it->second == item)
                m_orderedIdIndex.erase(it);
        }
    }
    item->m_internalId = detachedId;
    item->m_cachedId = QVariant();
    dropPendingRemovals(item);
}

void zkItemModel::dropPendingRemovals(const zkModelItem *parent)
{
    if (m_pendingRemovals.empty())
        return;
    m_pendingRemovals.erase(std::remove_if(m_pendingRemovals.begin(), m_pendingRemovals.end(),
                                           [parent](const PendingRemoval &removal) { return removal.parent == parent; }),
                            m_pendingRemovals.end());
}

void zkItemModel::itemRemoved(zkModelItem *parent, int row)
{
    m_pendingRemovals.push_back({parent, row});
}

bool zkItemModel::isPersistent(zkModelItem *item) const
{
    return !item || m_root
           || std::find(m_persistentIds.begin(), m_persistentIds.end(), item->m_internalId) != m_persistentIds.end();
}

QModelIndex zkItemModel::getIndex(const zkModelItem *item, int column) const
{
    if (!item || item == m_root)
        return QModelIndex();
    return createIndex(item->m_row, column, quintptr(item->m_internalId));
}

zkModelItem *zkItemModel::resolve(const QModelIndex &index) const
{
    if (!index.isValid())
        return m_root;
    if (zkModelItem *item = itemByInternalId(index.internalId()))
        return item;
    std::fprintf(stderr, "Invalid index row:%d id:%p", index.row(), reinterpret_cast<void *>(index.internalId()));
    return nullptr;
}

zkModelItem *zkItemModel::itemByInternalId(quint64 id) const
{
    const quint64 slot = id - m_internalIdBase;
    return id >= m_internalIdBase && slot < m_internalIdIndex.size() ? m_internalIdIndex[slot] : nullptr;
}

void zkItemModel::setItemByInternalId(quint64 id, zkModelItem *item)
{
    const quint64 slot = id - m_internalIdBase;
    if (slot == m_internalIdIndex.size())
        m_internalIdIndex.push_back(item);
    else if (slot < m_internalIdIndex.size())
        m_internalIdIndex[slot] = item;
}

void zkItemModel::clearIndexes()
{
    m_hashedIdIndex.clear();
    m_orderedIdIndex.clear();
    m_internalIdIndex.clear();
    m_internalIdBase = m_nextInternalId + 1;
    m_pendingRemovals.clear();
}
