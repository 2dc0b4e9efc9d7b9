#pragma once

// Test fixtures shared by the item-model tests: a scene of numeric ids that test items read in
// their update(), a model with its own MIME type, and compact tree notations ("1[2 3] 4": ids,
// with the children of an id in brackets after it).

#include <zkItemDataRole.h>
#include <zkItemModel.h>
#include <zkModelItem.h>

#include <QAbstractItemModel>
#include <QAbstractItemModelTester>
#include <QHash>
#include <QList>
#include <QMimeData>
#include <QSet>
#include <QStringList>

#include <functional>
#include <memory>

// What the test items show: children, names and kinds by id. Id 0 is the root.
struct zkTestScene
{
    QHash<quint64, QList<quint64>> children;
    QHash<quint64, QString> names;
    QHash<quint64, int> kinds;
    // Ids that refuse to be dropped anywhere.
    QSet<quint64> undroppable;

    QString name(quint64 id) const { return names.value(id, QString::number(id)); }

    quint64 parentOf(quint64 id) const
    {
        for (auto it = children.cbegin(); it != children.cend(); ++it) {
            if (it.value().contains(id))
                return it.key();
        }
        return ~quint64(0);
    }

    static zkTestScene parse(const QString &tree)
    {
        zkTestScene scene;
        QList<quint64> stack{0};
        quint64 last = 0;
        QString number;
        const auto flush = [&] {
            if (number.isEmpty())
                return;
            last = number.toULongLong();
            scene.children[stack.last()].append(last);
            number.clear();
        };
        for (const QChar c : tree) {
            if (c.isDigit()) {
                number.append(c);
                continue;
            }
            flush();
            if (c == QLatin1Char('['))
                stack.append(last);
            else if (c == QLatin1Char(']'))
                stack.removeLast();
        }
        flush();
        return scene;
    }
};

class zkTestItem : public zkModelItem
{
public:
    zkTestItem(zkTestScene *scene, quint64 id, int columns = 1)
        : m_scene(scene), m_id(id), m_columns(columns)
    {
        setDragEnabled(true);
        setDropEnabled(true);
    }

    QVariant getId() override { return QVariant::fromValue(m_id); }
    int columnCount() const override { return m_columns; }

    quint64 id() const { return m_id; }
    int updateCount() const { return m_updates; }

    using zkModelItem::isLoaded;
    using zkModelItem::load;
    using zkModelItem::reload;

    // Runs at the end of every update(), inside the model's edit.
    std::function<void(zkTestItem *)> afterUpdate;
    // Where the last drop took this item from.
    zkModelItem *droppedOldParent = nullptr;
    int droppedOldRow = -1;
    int dropCount = 0;

protected:
    void update() override
    {
        ++m_updates;
        setText(m_scene->name(m_id));
        for (int column = 1; column < m_columns; ++column)
            setText(m_scene->name(m_id) + QLatin1Char('/') + QString::number(column), column);
        if (m_scene->kinds.contains(m_id))
            setData(zkItemDataRole::Kind, m_scene->kinds.value(m_id));
        QList<zkModelItem *> items;
        for (quint64 child : m_scene->children.value(m_id))
            items.append(new zkTestItem(m_scene, child, m_columns));
        setChildren(items);
        if (afterUpdate)
            afterUpdate(this);
    }

    bool canDropTo(zkModelItem *, Qt::DropAction) override { return !m_scene->undroppable.contains(m_id); }

    void droppedFrom(zkModelItem *oldParent, int oldRow) override
    {
        droppedOldParent = oldParent;
        droppedOldRow = oldRow;
        ++dropCount;
    }

    // Populates the ancestors of id from this item down, as a scene-aware item would.
    bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader) override
    {
        QList<quint64> path;
        for (quint64 at = m_scene->parentOf(id.toULongLong()); at != m_id; at = m_scene->parentOf(at)) {
            if (at == ~quint64(0))
                return false;
            path.prepend(at);
        }
        loader(this);
        for (quint64 step : path) {
            zkModelItem *item = getModel()->findItemById(QVariant::fromValue(step));
            if (!item)
                return false;
            loader(item);
        }
        return true;
    }

private:
    zkTestScene *m_scene;
    quint64 m_id;
    int m_columns;
    int m_updates = 0;
};

// A model with a MIME type of its own, so that it accepts drops.
class zkTestModel : public zkItemModel
{
public:
    static QString mimeType() { return QStringLiteral("application/x-zk-test-item"); }

    explicit zkTestModel(bool withMimeType = true)
    {
        if (withMimeType)
            setMimeType(mimeType());
    }

    using zkItemModel::addExternalMimeType;
    using zkItemModel::tryGetItem;

    bool acceptExternal = false;

    bool canDropMimeDataExternal(const QMimeData *, Qt::DropAction, int, int, const QModelIndex &) const override
    {
        return acceptExternal;
    }
};

// A model over a scene, watched by QAbstractItemModelTester (which populates it as an
// expanded view would).
struct zkTestFixture
{
    explicit zkTestFixture(const QString &tree, int columns = 1, bool withMimeType = true)
        : scene(zkTestScene::parse(tree)), model(withMimeType), root(new zkTestItem(&scene, 0, columns))
    {
        model.setRootItem(root);
        tester = std::make_unique<QAbstractItemModelTester>(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    zkModelItem *item(quint64 id) const { return model.findItemById(QVariant::fromValue(id)); }
    QModelIndex indexOf(quint64 id) { return model.indexFromId(QVariant::fromValue(id)); }

    zkTestScene scene;
    zkTestModel model;
    zkTestItem *root;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

// The tree below item as it stands, without populating anything: "1[2 3] 4".
inline QString zkDumpItems(const zkModelItem *item)
{
    QStringList parts;
    for (int row = 0; const zkModelItem *child = item->child(row); ++row) {
        QString part = const_cast<zkModelItem *>(child)->getId().toString();
        if (child->child(0))
            part += QLatin1Char('[') + zkDumpItems(child) + QLatin1Char(']');
        parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}

// The tree as a view sees it through a model, by display text: "1[2 3] 4".
inline QString zkDumpModel(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList parts;
    const int rows = model.rowCount(parent);
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        QString part = index.data().toString();
        if (model.rowCount(index) > 0)
            part += QLatin1Char('[') + zkDumpModel(model, index) + QLatin1Char(']');
        parts.append(part);
    }
    return parts.join(QLatin1Char(' '));
}
