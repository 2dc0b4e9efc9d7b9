#include "zkdHierarchy.h"

#include "zkUndoStack.h"
#include "zkdObjectManager.h"

// Swaps the links of the parents and children a change touched between their states before and
// after it.
class zkdHierarchyCommand : public zkUndoCommand
{
public:
    zkdHierarchyCommand(zkdHierarchy::State before, zkdHierarchy::State after, QString text)
        : m_before(std::move(before)), m_after(std::move(after)), m_text(std::move(text))
    {
    }

    void undo() override { zkdHierarchy::instance().restore(m_before); }
    void redo() override { zkdHierarchy::instance().restore(m_after); }
    QString text() const override { return m_text; }

private:
    zkdHierarchy::State m_before;
    zkdHierarchy::State m_after;
    QString m_text;
};

zkdHierarchy &zkdHierarchy::instance()
{
    static zkdHierarchy hierarchy;
    static const QMetaObject::Connection cleanup = QObject::connect(
            zkdObjectManager::instance(), &zkdObjectManager::objectDestroyed,
            [](const zkdObject &object) { hierarchy.forget(object); });
    Q_UNUSED(cleanup);
    return hierarchy;
}

zkdObject zkdHierarchy::parent(const zkdObject &child) const
{
    return m_parents.value(child.getObjectId());
}

QList<zkdObject> zkdHierarchy::children(const zkdObject &parent) const
{
    return m_children.value(parent.getObjectId());
}

int zkdHierarchy::indexOf(const zkdObject &child) const
{
    const zkdObject parent = this->parent(child);
    return parent.isNull() ? -1 : children(parent).indexOf(child);
}

bool zkdHierarchy::isAncestor(const zkdObject &ancestor, const zkdObject &object) const
{
    for (zkdObject p = parent(object); !p.isNull(); p = parent(p)) {
        if (p == ancestor)
            return true;
    }
    return false;
}

void zkdHierarchy::insert(const zkdObject &parent, int index, const QList<zkdObject> &children,
                          const QString &text)
{
    if (parent.isNull())
        return;
    QList<zkdObject> moved;
    for (const zkdObject &child : children) {
        if (!child.isNull() && child != parent && !isAncestor(child, parent) && !moved.contains(child))
            moved.append(child);
    }
    if (moved.isEmpty())
        return;

    // The moved children leave their places first; they go before the first child at or after
    // index that stays.
    const QList<zkdObject> current = this->children(parent);
    zkdObject anchor;
    for (int i = qMax(index, 0); i < current.size(); ++i) {
        if (!moved.contains(current.at(i))) {
            anchor = current.at(i);
            break;
        }
    }

    QList<zkdObject> parents{parent};
    for (const zkdObject &child : qAsConst(moved)) {
        const zkdObject old = this->parent(child);
        if (!old.isNull() && !parents.contains(old))
            parents.append(old);
    }
    const State before = save(parents, moved);

    for (const zkdObject &child : qAsConst(moved))
        unlink(child);
    QList<zkdObject> &list = m_children[parent.getObjectId()];
    const int at = anchor.isNull() ? list.size() : list.indexOf(anchor);
    for (int i = 0; i < moved.size(); ++i) {
        list.insert(at + i, moved.at(i));
        m_parents.insert(moved.at(i).getObjectId(), parent);
    }

    changed(before, save(parents, moved), text);
}

void zkdHierarchy::detach(const QList<zkdObject> &children, const QString &text)
{
    QList<zkdObject> detached;
    QList<zkdObject> parents;
    for (const zkdObject &child : children) {
        const zkdObject old = parent(child);
        if (old.isNull() || detached.contains(child))
            continue;
        detached.append(child);
        if (!parents.contains(old))
            parents.append(old);
    }
    if (detached.isEmpty())
        return;

    const State before = save(parents, detached);
    for (const zkdObject &child : qAsConst(detached))
        unlink(child);
    changed(before, save(parents, detached), text);
}

zkdHierarchy::State zkdHierarchy::save(const QList<zkdObject> &parents, const QList<zkdObject> &children) const
{
    State state;
    state.parentObjects = parents;
    state.childObjects = children;
    for (const zkdObject &p : parents)
        state.children.insert(p.getObjectId(), this->children(p));
    for (const zkdObject &c : children)
        state.parents.insert(c.getObjectId(), parent(c));
    return state;
}

void zkdHierarchy::restore(const State &state)
{
    for (const zkdObject &p : state.parentObjects) {
        const QList<zkdObject> list = state.children.value(p.getObjectId());
        if (list.isEmpty())
            m_children.remove(p.getObjectId());
        else
            m_children.insert(p.getObjectId(), list);
    }
    for (const zkdObject &c : state.childObjects) {
        const zkdObject p = state.parents.value(c.getObjectId());
        if (p.isNull())
            m_parents.remove(c.getObjectId());
        else
            m_parents.insert(c.getObjectId(), p);
    }

    notify(state);
}

void zkdHierarchy::notify(const State &state) const
{
    zkdObjectManager *manager = zkdObjectManager::instance();
    for (const zkdObject &p : state.parentObjects)
        manager->notifyPropertyChanged(p, QByteArrayLiteral("children"));
    for (const zkdObject &c : state.childObjects)
        manager->notifyPropertyChanged(c, QByteArrayLiteral("parent"));
}

void zkdHierarchy::unlink(const zkdObject &child)
{
    const zkdObject old = m_parents.take(child.getObjectId());
    if (old.isNull())
        return;
    auto it = m_children.find(old.getObjectId());
    if (it == m_children.end())
        return;
    it->removeOne(child);
    if (it->isEmpty())
        m_children.erase(it);
}

void zkdHierarchy::forget(const zkdObject &object)
{
    unlink(object);
    for (const zkdObject &child : m_children.take(object.getObjectId()))
        m_parents.remove(child.getObjectId());
}

void zkdHierarchy::changed(const State &before, const State &after, const QString &text)
{
    if (before.children == after.children && before.parents == after.parents)
        return;
    notify(after);
    zkUndoStack *stack = zkUndoStack::instance();
    if (stack->isRecording())
        stack->record(std::make_unique<zkdHierarchyCommand>(before, after, text));
}
