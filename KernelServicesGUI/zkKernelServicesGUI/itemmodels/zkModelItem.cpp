#include "zkModelItem.h"

#include "zkItemModel.h"

#include <QBrush>
#include <QFont>
#include <QIcon>

#include <algorithm>

zkModelItem::zkModelItem()
    : m_flags(Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled)
{
}

zkModelItem::~zkModelItem()
{
    if (m_model)
        m_model->detachItem(this);
    for (zkModelItem *child : m_children)
        delete child;
}

int zkModelItem::columnCount() const
{
    return 1;
}

bool zkModelItem::getCheckable() const
{
    return hasItemFlags(Qt::ItemIsUserCheckable);
}

bool zkModelItem::getEnabled() const
{
    return hasItemFlags(Qt::ItemIsEnabled);
}

bool zkModelItem::getSelectable() const
{
    return hasItemFlags(Qt::ItemIsSelectable);
}

bool zkModelItem::getEditable(int column) const
{
    return column == 0 && hasItemFlags(Qt::ItemIsEditable);
}

bool zkModelItem::getDragEnabled() const
{
    return hasItemFlags(Qt::ItemIsDragEnabled);
}

bool zkModelItem::getDropEnabled() const
{
    return hasItemFlags(Qt::ItemIsDropEnabled);
}

QVariant zkModelItem::getId()
{
    return QVariant::fromValue(quint64(reinterpret_cast<quintptr>(this)));
}

zkModelItem *zkModelItem::child(int row) const
{
    return row >= 0 && row < int(m_children.size()) ? m_children[row] : nullptr;
}

int zkModelItem::childCount()
{
    lazyLoad();
    return int(m_children.size());
}

void zkModelItem::addChild(zkModelItem *child)
{
    insertChild(-1, child);
}

void zkModelItem::insertChild(int row, zkModelItem *child)
{
    if (!child || child->isSelfOrAncestorOf(this))
        return;
    const int count = int(m_children.size());
    insertAt(row < 0 || row > count ? count : row, child);
}

void zkModelItem::removeChild(int row)
{
    if (row >= 0 && row < int(m_children.size()))
        removeChildren(row, row);
}

zkModelItem *zkModelItem::takeChild(int row)
{
    if (row < 0 || row >= int(m_children.size()))
        return nullptr;
    const bool announce = announcesRows();
    if (announce)
        m_model->beginRemoveRows(getRowIndex(), row, row);
    zkModelItem *child = takeChildNoEvents(row);
    child->setModel(nullptr);
    if (announce)
        m_model->endRemoveRows();
    return child;
}

QList<zkModelItem *> zkModelItem::takeChildren()
{
    QList<zkModelItem *> taken;
    if (m_children.empty())
        return taken;
    const bool announce = announcesRows();
    if (announce)
        m_model->beginRemoveRows(getRowIndex(), 0, int(m_children.size()) - 1);
    std::vector<zkModelItem *> children;
    children.swap(m_children);
    taken.reserve(int(children.size()));
    for (zkModelItem *child : children) {
        child->m_parent = nullptr;
        child->setModel(nullptr);
        taken.append(child);
    }
    if (announce)
        m_model->endRemoveRows();
    return taken;
}

void zkModelItem::setChildren(const QList<zkModelItem *> &list)
{
    m_children.reserve(list.size());
    for (int i = 0; i < list.size(); ++i) {
        zkModelItem *child = list.at(i);
        if (child && !child->isSelfOrAncestorOf(this))
            insertAt(std::min(i, int(m_children.size())), child);
    }
    const int keep = list.size();
    if (int(m_children.size()) <= keep)
        return;
    for (std::size_t row = keep; row < m_children.size(); ++row)
        m_children[row]->m_stale = true;
    if (m_model)
        m_model->itemRemoved(this, keep);
    else
        removeStaleChildren(keep);
}

void zkModelItem::clear()
{
    if (!m_children.empty())
        removeChildren(0, int(m_children.size()) - 1);
}

bool zkModelItem::setData(int role, const QVariant &value, int column)
{
    if (role == Qt::EditRole)
        role = Qt::DisplayRole;
    if (!canSetData(role, value, column))
        return false;
    if (m_data.insertOrModify(column, role, value) && m_model && !m_populating) {
        const QModelIndex index = getIndex(column);
        emit m_model->dataChanged(index, index, {role});
    }
    return true;
}

QVariant zkModelItem::data(int role, int column)
{
    lazyLoad();
    return m_data.find(column, role == Qt::EditRole ? int(Qt::DisplayRole) : role);
}

void zkModelItem::clearData(int role, int column)
{
    setData(role, QVariant(), column);
}

void zkModelItem::setText(const QString &text, int column)
{
    setData(Qt::DisplayRole, text, column);
}

void zkModelItem::setIcon(const QIcon &icon, int column)
{
    setData(Qt::DecorationRole, icon, column);
}

void zkModelItem::setToolTip(const QString &toolTip, int column)
{
    setData(Qt::ToolTipRole, toolTip, column);
}

void zkModelItem::setFont(const QFont &font, int column)
{
    setData(Qt::FontRole, font, column);
}

void zkModelItem::setForegroundBrush(const QBrush &brush, int column)
{
    setData(Qt::ForegroundRole, brush, column);
}

void zkModelItem::setCheckState(Qt::CheckState state, int column)
{
    setData(Qt::CheckStateRole, int(state), column);
}

QString zkModelItem::getText(int column)
{
    return data(Qt::DisplayRole, column).toString();
}

QString zkModelItem::getToolTip(int column)
{
    return data(Qt::ToolTipRole, column).toString();
}

QIcon zkModelItem::getIcon(int column)
{
    return data(Qt::DecorationRole, column).value<QIcon>();
}

QFont zkModelItem::getFont(int column)
{
    return data(Qt::FontRole, column).value<QFont>();
}

QBrush zkModelItem::getForegroundBrush(int column)
{
    return data(Qt::ForegroundRole, column).value<QBrush>();
}

Qt::CheckState zkModelItem::getCheckState(int column)
{
    QVariant value = data(Qt::CheckStateRole, column);
    if (!value.convert(qMetaTypeId<Qt::CheckState>()))
        return Qt::Unchecked;
    const int state = value.toInt();
    return state >= Qt::Unchecked && state <= Qt::Checked ? Qt::CheckState(state) : Qt::Unchecked;
}

void zkModelItem::lazyLoad()
{
    // While the model removes stale rows the item stays unloaded and populates when next asked.
    if (m_populating || m_loaded || !m_model || m_model->isCleaningUp())
        return;
    m_populating = true;
    m_model->beginEdit();
    m_loaded = true;
    update();
    m_model->endEdit();
    m_populating = false;
}

void zkModelItem::load()
{
    if (m_loaded || !m_model || m_model->isCleaningUp())
        return;
    m_model->beginEdit();
    m_loaded = true;
    update();
    m_model->endEdit();
}

void zkModelItem::reload()
{
    if (!m_loaded || m_stale)
        return;
    m_loaded = false;
    if (m_model && !m_model->isPersistent(m_parent))
        return;
    load();
    // By row rather than over a copy: a child's refresh may take items elsewhere in the tree
    // over by id, which deletes them.
    for (std::size_t row = 0; row < m_children.size(); ++row)
        m_children[row]->reload();
}

void zkModelItem::update()
{
}

bool zkModelItem::canDropTo(zkModelItem *, Qt::DropAction)
{
    return true;
}

void zkModelItem::droppedFrom(zkModelItem *, int)
{
}

void zkModelItem::textChanged()
{
}

void zkModelItem::checkStateChanged()
{
}

bool zkModelItem::loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader)
{
    for (std::size_t row = 0; row < m_children.size(); ++row) {
        if (m_children[row]->loadChild(id, loader))
            return true;
    }
    return false;
}

bool zkModelItem::canSetData(int, const QVariant &, int)
{
    return true;
}

void zkModelItem::setModel(zkItemModel *model)
{
    if (m_model == model)
        return;
    if (m_model)
        m_model->detachItem(this);
    m_model = model;
    if (model)
        model->attachItem(this);
    for (std::size_t row = 0; row < m_children.size(); ++row)
        m_children[row]->setModel(model);
}

Qt::ItemFlags zkModelItem::flags(int column) const
{
    Qt::ItemFlags result;
    if (getCheckable())
        result |= Qt::ItemIsUserCheckable;
    if (getEnabled())
        result |= Qt::ItemIsEnabled;
    if (getSelectable())
        result |= Qt::ItemIsSelectable;
    if (getEditable(column))
        result |= Qt::ItemIsEditable;
    if (getDragEnabled())
        result |= Qt::ItemIsDragEnabled;
    if (getDropEnabled())
        result |= Qt::ItemIsDropEnabled;
    return result;
}

QModelIndex zkModelItem::getIndex(int column) const
{
    return m_model ? m_model->getIndex(this, column) : QModelIndex();
}

QModelIndex zkModelItem::getRowIndex() const
{
    return getIndex(0);
}

bool zkModelItem::isSelfOrAncestorOf(const zkModelItem *item) const
{
    for (; item; item = item->m_parent) {
        if (item == this)
            return true;
    }
    return false;
}

bool zkModelItem::announcesRows() const
{
    return m_model && !m_populating;
}

void zkModelItem::insertAt(int pos, zkModelItem *child)
{
    // An item leaving another model leaves it with the usual notices.
    if (child->m_parent && child->m_parent->m_model != m_model)
        child->m_parent->takeChild(child->m_row);
    // Attaching can make the child take the place of an attached item with the same id, and
    // so give it a parent.
    child->setModel(m_model);
    child->m_stale = false;
    if (!child->m_parent)
        insertNewChild(pos, child);
    else if (child->m_parent != this || child->m_row != pos)
        insertExistingChild(pos, child);
}

void zkModelItem::insertNewChild(int pos, zkModelItem *child)
{
    const bool announce = announcesRows();
    if (announce)
        m_model->beginInsertRows(getRowIndex(), pos, pos);
    insertChildNoEvents(pos, child);
    if (announce)
        m_model->endInsertRows();
}

void zkModelItem::insertExistingChild(int pos, zkModelItem *child)
{
    zkModelItem *oldParent = child->m_parent;
    const int oldRow = child->m_row;
    if (oldParent == this && oldRow + 1 == pos)
        return;
    // Views know no rows of an item that populates itself: a move into it is announced as a
    // removal, a move out of it as an insertion.
    const bool fromKnown = oldParent->announcesRows();
    const bool intoKnown = announcesRows();
    if (fromKnown && intoKnown) {
        if (!m_model->beginMoveRows(oldParent->getRowIndex(), oldRow, oldRow, getRowIndex(), pos))
            return;
        moveInChildNoEvents(child, pos);
        m_model->endMoveRows();
    } else if (fromKnown) {
        m_model->beginRemoveRows(oldParent->getRowIndex(), oldRow, oldRow);
        moveInChildNoEvents(child, pos);
        m_model->endRemoveRows();
    } else if (intoKnown) {
        m_model->beginInsertRows(getRowIndex(), pos, pos);
        moveInChildNoEvents(child, pos);
        m_model->endInsertRows();
    } else {
        moveInChildNoEvents(child, pos);
    }
}

void zkModelItem::insertChildNoEvents(int pos, zkModelItem *child)
{
    child->m_parent = this;
    child->m_model = m_model;
    m_children.insert(m_children.begin() + pos, child);
    renumber(pos, int(m_children.size()) - 1);
}

void zkModelItem::moveInChildNoEvents(zkModelItem *child, int pos)
{
    zkModelItem *oldParent = child->m_parent;
    const int oldRow = child->m_row;
    const bool down = oldParent == this && oldRow < pos;
    oldParent->m_children.erase(oldParent->m_children.begin() + oldRow);
    const int row = down ? pos - 1 : pos;
    m_children.insert(m_children.begin() + row, child);
    child->m_parent = this;
    if (oldParent == this) {
        renumber(std::min(oldRow, row), std::max(oldRow, row));
    } else {
        oldParent->renumber(oldRow, int(oldParent->m_children.size()) - 1);
        renumber(row, int(m_children.size()) - 1);
    }
}

void zkModelItem::replaceChildNoEvents(zkModelItem *oldChild, zkModelItem *newChild)
{
    const int row = oldChild->m_row;
    m_children[row] = newChild;
    newChild->m_parent = this;
    newChild->m_row = row;
    oldChild->m_parent = nullptr;
}

zkModelItem *zkModelItem::takeChildNoEvents(int row)
{
    zkModelItem *child = m_children[row];
    m_children.erase(m_children.begin() + row);
    renumber(row, int(m_children.size()) - 1);
    child->m_parent = nullptr;
    return child;
}

void zkModelItem::removeChildren(int first, int last)
{
    const bool announce = announcesRows();
    if (announce)
        m_model->beginRemoveRows(getRowIndex(), first, last);
    const std::vector<zkModelItem *> removed(m_children.begin() + first, m_children.begin() + last + 1);
    m_children.erase(m_children.begin() + first, m_children.begin() + last + 1);
    renumber(first, int(m_children.size()) - 1);
    for (zkModelItem *child : removed) {
        child->m_parent = nullptr;
        delete child;
    }
    if (announce)
        m_model->endRemoveRows();
}

void zkModelItem::removeStaleChildren(int from)
{
    // From the back, one contiguous run at a time. Only rows still stale go: a later
    // setChildren() of the same edit may have taken some of them back.
    int last = int(m_children.size()) - 1;
    while (last >= from) {
        if (!m_children[last]->m_stale) {
            --last;
            continue;
        }
        int first = last;
        while (first > from && m_children[first - 1]->m_stale)
            --first;
        removeChildren(first, last);
        last = first - 1;
    }
}

void zkModelItem::renumber(int from, int to)
{
    for (int row = from; row <= to; ++row)
        m_children[row]->m_row = row;
}

void zkModelItem::setItemFlags(Qt::ItemFlags flags, bool on)
{
    m_flags = on ? m_flags | flags : m_flags & ~flags;
}
