#pragma once

#include "zkItemDataMap.h"

#include <QList>
#include <QVariant>

#include <functional>
#include <vector>

class zkItemModel;
class QBrush;
class QFont;
class QIcon;
class QModelIndex;
class QString;

// One row of a zkItemModel tree. An item owns its child rows, keeps its display data by
// (column, role) and populates itself lazily: the first request for its children or data runs
// update(). Structural changes are reported to the model the item belongs to; an item that
// belongs to no model changes silently.
//
// Concrete items override getId() with a value that is stable across re-creation, so that an
// update() may build fresh child items and hand them to setChildren(): a fresh item whose id
// matches an existing one takes over that item's row, children and data, and only what really
// changed is moved, inserted or removed.
class zkModelItem
{
public:
    zkModelItem();
    virtual ~zkModelItem();

    zkModelItem(const zkModelItem &) = delete;
    zkModelItem &operator=(const zkModelItem &) = delete;

    virtual int columnCount() const;
    virtual bool getCheckable() const;
    virtual bool getEnabled() const;
    virtual bool getSelectable() const;
    virtual bool getEditable(int column) const;
    virtual bool getDragEnabled() const;
    virtual bool getDropEnabled() const;
    // The item's identity; by default its address.
    virtual QVariant getId();

    zkItemModel *getModel() const { return m_model; }
    zkModelItem *getParent() const { return m_parent; }
    int getChildIndex() const { return m_row; }
    // Does not populate; null for a row out of range.
    zkModelItem *child(int row) const;
    // Populates first.
    int childCount();

    void addChild(zkModelItem *child);
    // A negative row or one beyond the end appends. A child that already has a parent moves.
    void insertChild(int row, zkModelItem *child);
    void removeChild(int row);
    // The caller owns the result; null for a row out of range.
    zkModelItem *takeChild(int row);
    QList<zkModelItem *> takeChildren();
    // Makes the children equal to list. Children left over are removed when the model's
    // outermost edit closes, so within an update() they stay readable.
    void setChildren(const QList<zkModelItem *> &list);
    void clear();

    // Qt::EditRole is stored as Qt::DisplayRole. dataChanged() is emitted only for a real change.
    bool setData(int role, const QVariant &value, int column = 0);
    QVariant data(int role, int column = 0);
    void clearData(int role, int column = 0);

    void setText(const QString &text, int column = 0);
    void setIcon(const QIcon &icon, int column = 0);
    void setToolTip(const QString &toolTip, int column = 0);
    void setFont(const QFont &font, int column = 0);
    void setForegroundBrush(const QBrush &brush, int column = 0);
    void setCheckState(Qt::CheckState state, int column = 0);

    QString getText(int column = 0);
    QString getToolTip(int column = 0);
    QIcon getIcon(int column = 0);
    QFont getFont(int column = 0);
    QBrush getForegroundBrush(int column = 0);
    Qt::CheckState getCheckState(int column = 0);

    void setCheckable(bool on) { setItemFlags(Qt::ItemIsUserCheckable, on); }
    void setEnabled(bool on) { setItemFlags(Qt::ItemIsEnabled, on); }
    void setSelectable(bool on) { setItemFlags(Qt::ItemIsSelectable, on); }
    void setEditable(bool on) { setItemFlags(Qt::ItemIsEditable, on); }
    void setDragEnabled(bool on) { setItemFlags(Qt::ItemIsDragEnabled, on); }
    void setDropEnabled(bool on) { setItemFlags(Qt::ItemIsDropEnabled, on); }

protected:
    void lazyLoad();
    void load();
    void reload();
    bool isLoaded() const { return m_loaded; }

    // Populates or refreshes the item: text, icon, check state, children.
    virtual void update();
    virtual bool canDropTo(zkModelItem *target, Qt::DropAction action);
    // Called after a drop moved this item under its new parent.
    virtual void droppedFrom(zkModelItem *oldParent, int oldRow);
    virtual void textChanged();
    virtual void checkStateChanged();
    // Makes sure that the item with id exists below this item, calling loader on the items
    // along the way. The default offers the request to the existing children in row order.
    virtual bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader);
    virtual bool canSetData(int role, const QVariant &value, int column);

private:
    friend class zkItemModel;

    void setModel(zkItemModel *model);
    Qt::ItemFlags flags(int column) const;
    QModelIndex getIndex(int column) const;
    QModelIndex getRowIndex() const;

    bool isSelfOrAncestorOf(const zkModelItem *item) const;
    bool announcesRows() const;
    void insertAt(int pos, zkModelItem *child);
    void insertNewChild(int pos, zkModelItem *child);
    void insertExistingChild(int pos, zkModelItem *child);
    void insertChildNoEvents(int pos, zkModelItem *child);
    void moveInChildNoEvents(zkModelItem *child, int pos);
    void replaceChildNoEvents(zkModelItem *oldChild, zkModelItem *newChild);
    zkModelItem *takeChildNoEvents(int row);
    void removeChildren(int first, int last);
    void removeStaleChildren(int from);
    void renumber(int from, int to);

    bool hasItemFlags(Qt::ItemFlags flags) const { return (m_flags & flags) == flags; }
    void setItemFlags(Qt::ItemFlags flags, bool on);

    zkItemModel *m_model = nullptr;
    zkModelItem *m_parent = nullptr;
    std::vector<zkModelItem *> m_children;
    zkItemDataMap m_data;
    QVariant m_cachedId;
    quint64 m_internalId = 0;
    int m_row = 0;
    Qt::ItemFlags m_flags;
    bool m_loaded = false;
    bool m_populating = false;
    bool m_stale = false;
};
