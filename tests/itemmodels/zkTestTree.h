#pragma once

// Fixtures shared by the item-model tests: a scene that test items read in their update(), a
// model with drag types of its own, and a tree notation, "1[2 3] 4": ids, children in brackets.

#include <zkItemModel.h>
#include <zkModelItem.h>
#include <zkModelTester.h>
#include <zkdNode.h>

#include <QAbstractProxyModel>
#include <QMimeData>
#include <QSet>
#include <QStringList>

#include <functional>

class zkTestItem;

// What the test items show. Id 0 is the root.
struct zkTestScene
{
    static constexpr quint64 none = ~quint64(0);

    QHash<quint64, QList<quint64>> children;
    QHash<quint64, QString> names;
    QSet<quint64> undroppable;
    QHash<quint64, zkdNode> nodes; // given as the items' ids instead of the numbers
    std::function<void(zkTestItem *)> afterUpdate; // runs at the end of every update()

    QString name(quint64 id) const { return names.value(id, QString::number(id)); }
    QVariant idOf(quint64 id) const
    {
        return nodes.contains(id) ? QVariant::fromValue(nodes.value(id)) : QVariant::fromValue(id);
    }
    quint64 parentOf(quint64 id) const
    {
        for (auto it = children.cbegin(); it != children.cend(); ++it) {
            if (it.value().contains(id))
                return it.key();
        }
        return none;
    }
    void unlink(quint64 id) { children[parentOf(id)].removeOne(id); }

    static zkTestScene parse(QString tree)
    {
        zkTestScene scene;
        QList<quint64> stack{0};
        tree.replace(QLatin1Char('['), QLatin1String(" [ ")).replace(QLatin1Char(']'), QLatin1String(" ] "));
        for (const QString &token : tree.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (token == QLatin1String("["))
                stack.append(scene.children[stack.last()].last());
            else if (token == QLatin1String("]"))
                stack.removeLast();
            else
                scene.children[stack.last()].append(token.toULongLong());
        }
        return scene;
    }
};

class zkTestItem : public zkModelItem
{
public:
    zkTestItem(zkTestScene *scene, quint64 id, int columns = 1) : m_scene(scene), m_id(id), m_columns(columns)
    {
        setDragEnabled(true);
        setDropEnabled(true);
    }
    QVariant getId() override { return m_scene->idOf(m_id); }
    int columnCount() const override { return m_columns; }
    quint64 id() const { return m_id; }
    using zkModelItem::reload;

protected:
    void update() override
    {
        for (int column = 0; column < m_columns; ++column)
            setText(m_scene->name(m_id), column);
        QList<zkModelItem *> items;
        for (quint64 child : m_scene->children.value(m_id))
            items.append(new zkTestItem(m_scene, child, m_columns));
        setChildren(items);
        if (m_scene->afterUpdate)
            m_scene->afterUpdate(this);
    }
    bool canDropTo(zkModelItem *, Qt::DropAction) override { return !m_scene->undroppable.contains(m_id); }
    // Populates the items from here down to the parent of id.
    bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader) override
    {
        QList<quint64> path;
        const bool node = id.userType() == qMetaTypeId<zkdNode>();
        quint64 at = node ? m_scene->nodes.key(id.value<zkdNode>(), zkTestScene::none) : id.toULongLong();
        while ((at = m_scene->parentOf(at)) != m_id) {
            if (at == zkTestScene::none)
                return false;
            path.prepend(at);
        }
        loader(this);
        for (quint64 step : qAsConst(path))
            loader(getModel()->findItemById(m_scene->idOf(step)));
        return true;
    }

private:
    zkTestScene *m_scene;
    quint64 m_id;
    int m_columns;
};

// A model with a drag type of its own and an external type that it takes onto items only.
struct zkTestModel : zkItemModel
{
    static QString mimeType() { return QStringLiteral("application/x-zk-test-item"); }
    static QString externalType() { return QStringLiteral("application/x-zk-external"); }
    explicit zkTestModel(bool withMimeTypes = true)
    {
        if (withMimeTypes) {
            setMimeType(mimeType());
            addExternalMimeType(externalType());
        }
    }
    using zkItemModel::tryGetItem;
    bool canDropMimeDataExternal(const QMimeData *, Qt::DropAction, int, int, const QModelIndex &parent) const override
    {
        return parent.isValid();
    }
};

// A model over a scene, watched by QAbstractItemModelTester (which populates it as views would).
struct zkTestFixture
{
    explicit zkTestFixture(const QString &tree, int columns = 1, bool withMimeTypes = true)
        : scene(zkTestScene::parse(tree)), model(withMimeTypes), root(new zkTestItem(&scene, 0, columns))
    {
        model.setRootItem(root);
    }
    zkModelItem *item(quint64 id) const { return model.findItemById(scene.idOf(id)); }
    QModelIndex indexOf(quint64 id) { return model.indexFromId(scene.idOf(id)); }

    zkTestScene scene;
    zkTestModel model;
    zkTestItem *root;
    zkModelTester tester{&model};
};

// The tree as a view sees it through a model, by display text.
inline QString zkDumpModel(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList parts;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QString below = zkDumpModel(model, model.index(row, 0, parent));
        parts.append(model.index(row, 0, parent).data().toString() + (below.isEmpty() ? QString() : '[' + below + ']'));
    }
    return parts.join(QLatin1Char(' '));
}

// The tree a proxy shows, read through its source: each row by the display text of the source row
// it maps to, marked "!" when that row does not sit below the source row of the proxy's parent
// or does not map back to the same proxy row. Equal to zkDumpModel(proxy) when the mapping holds.
inline QString zkDumpSourceRows(const QAbstractProxyModel &proxy, const QModelIndex &parent = QModelIndex())
{
    QStringList parts;
    for (int row = 0; row < proxy.rowCount(parent); ++row) {
        const QModelIndex index = proxy.index(row, 0, parent);
        const QModelIndex source = proxy.mapToSource(index);
        const bool consistent = source.parent() == proxy.mapToSource(parent) && proxy.mapFromSource(source) == index;
        const QString below = zkDumpSourceRows(proxy, index);
        parts.append((consistent ? QString() : QStringLiteral("!")) + source.data().toString()
                     + (below.isEmpty() ? QString() : '[' + below + ']'));
    }
    return parts.join(QLatin1Char(' '));
}
