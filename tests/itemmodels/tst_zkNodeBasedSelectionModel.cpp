#include <zkItemModel.h>
#include <zkModelItem.h>
#include <zkNodeBasedSelectionModel.h>
#include <zkProxyModel.h>

#include <zkdNode.h>
#include <zkdObjectManager.h>

#include <QAbstractItemModelTester>
#include <QStandardItemModel>
#include <QtTest>

namespace {

// A tree of kernel nodes, by name: "a", "a1", "a11" ... (a node's children carry its name
// plus a digit).
struct NodeTree
{
    QHash<QString, zkdNode> nodes;
    QHash<quint64, QList<zkdNode>> children;
    QHash<quint64, zkdNode> parents;
    zkdNode root = zkdObjectManager::create<zkdNode>();

    zkdNode add(const QString &name, const zkdNode &parent)
    {
        const zkdNode node = zkdObjectManager::create<zkdNode>();
        nodes.insert(name, node);
        children[parent.getObjectId()].append(node);
        parents.insert(node.getObjectId(), parent);
        return node;
    }

    QString nameOf(const zkdNode &node) const { return nodes.key(node); }
};

class NodeItem : public zkModelItem
{
public:
    NodeItem(NodeTree *tree, const zkdNode &node, int columns) : m_tree(tree), m_node(node), m_columns(columns) {}

    QVariant getId() override { return QVariant::fromValue(m_node); }
    int columnCount() const override { return m_columns; }

protected:
    void update() override
    {
        setText(m_tree->nameOf(m_node));
        QList<zkModelItem *> items;
        for (const zkdNode &child : m_tree->children.value(m_node.getObjectId()))
            items.append(new NodeItem(m_tree, child, m_columns));
        setChildren(items);
    }

    bool loadChild(const QVariant &id, std::function<void(zkModelItem *)> loader) override
    {
        QList<zkdNode> path;
        for (zkdNode at = m_tree->parents.value(id.value<zkdNode>().getObjectId()); at != m_node;
             at = m_tree->parents.value(at.getObjectId())) {
            if (at.isNull())
                return false;
            path.prepend(at);
        }
        loader(this);
        for (const zkdNode &step : qAsConst(path)) {
            zkModelItem *item = getModel()->findItemById(QVariant::fromValue(step));
            if (!item)
                return false;
            loader(item);
        }
        return true;
    }

private:
    NodeTree *m_tree;
    zkdNode m_node;
    int m_columns;
};

// a[a1[a11] a2] b[b1] c, three columns.
struct Fixture
{
    Fixture()
    {
        const zkdNode a = tree.add(QStringLiteral("a"), tree.root);
        tree.add(QStringLiteral("a11"), tree.add(QStringLiteral("a1"), a));
        tree.add(QStringLiteral("a2"), a);
        tree.add(QStringLiteral("b1"), tree.add(QStringLiteral("b"), tree.root));
        tree.add(QStringLiteral("c"), tree.root);
        model.setRootItem(new NodeItem(&tree, tree.root, 3));
    }

    QModelIndex sourceIndex(const QString &name) { return model.indexFromId(QVariant::fromValue(tree.nodes.value(name))); }

    QStringList names(const QList<zkdNode> &nodes) const
    {
        QStringList result;
        for (const zkdNode &node : nodes)
            result.append(node.isNull() ? QStringLiteral("null") : tree.nameOf(node));
        return result;
    }

    NodeTree tree;
    zkItemModel model;
};

} // namespace

class tst_zkNodeBasedSelectionModel : public QObject
{
    Q_OBJECT
private slots:
    void selectedRootNodes_data();
    void selectedRootNodes();
    void rowAcrossColumnsCountsOnce();
    void selectNodesPopulatesThePath();
    void selectNodesWithEmptyListClears();
    void answersInTheViewModelsCoordinates();
    void otherModelsGiveNoNodes();
};

void tst_zkNodeBasedSelectionModel::selectedRootNodes_data()
{
    QTest::addColumn<QStringList>("selected");
    QTest::addColumn<QStringList>("roots");

    QTest::newRow("parent and child") << QStringList{"a", "a1"} << QStringList{"a"};
    QTest::newRow("child first") << QStringList{"a11", "a"} << QStringList{"a"};
    QTest::newRow("grandparent covers") << QStringList{"a", "a11", "b1"} << QStringList{"a", "b1"};
    QTest::newRow("siblings") << QStringList{"a1", "a2"} << QStringList{"a1", "a2"};
    QTest::newRow("nothing") << QStringList() << QStringList();
}

void tst_zkNodeBasedSelectionModel::selectedRootNodes()
{
    QFETCH(QStringList, selected);
    QFETCH(QStringList, roots);

    Fixture f;
    zkNodeBasedSelectionModel selection(&f.model, nullptr);
    for (const QString &name : qAsConst(selected))
        selection.select(f.sourceIndex(name), QItemSelectionModel::Select | QItemSelectionModel::Rows);

    QCOMPARE(f.names(selection.getSelectedRootNodes()), roots);
    QCOMPARE(f.names(selection.getAllSelectedNodes()).size(), selected.size());
    QCOMPARE(selection.getSelectedNode().isNull(), selected.isEmpty());
}

void tst_zkNodeBasedSelectionModel::rowAcrossColumnsCountsOnce()
{
    Fixture f;
    QAbstractItemModelTester tester(&f.model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    zkNodeBasedSelectionModel selection(&f.model, nullptr);
    selection.select(f.sourceIndex(QStringLiteral("b")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    selection.select(f.sourceIndex(QStringLiteral("c")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(selection.selection().indexes().size(), 6);

    QCOMPARE(f.names(selection.getAllSelectedNodes()), (QStringList{"b", "c"}));
    QCOMPARE(f.names({selection.getSelectedNode()}), QStringList{"b"});
}

void tst_zkNodeBasedSelectionModel::selectNodesPopulatesThePath()
{
    Fixture f;
    zkProxyModel proxy;
    proxy.setSourceModel(&f.model);
    zkNodeBasedSelectionModel selection(&proxy, nullptr);
    QVERIFY(!f.model.findItemById(QVariant::fromValue(f.tree.nodes.value(QStringLiteral("a11")))));

    selection.selectNodes({f.tree.nodes.value(QStringLiteral("a11")), zkdNode(), f.tree.nodes.value(QStringLiteral("c")),
                           zkdObjectManager::create<zkdNode>()});

    QCOMPARE(f.names(selection.getAllSelectedNodes()), (QStringList{"a11", "c"}));
    // Whole rows.
    QCOMPARE(selection.selectedIndexes().size(), 6);
    QCOMPARE(selection.selectedIndexes().first().model(), &proxy);

    selection.selectNodes({f.tree.nodes.value(QStringLiteral("b"))});
    QCOMPARE(f.names(selection.getAllSelectedNodes()), QStringList{"b"});
}

void tst_zkNodeBasedSelectionModel::selectNodesWithEmptyListClears()
{
    Fixture f;
    zkNodeBasedSelectionModel selection(&f.model, nullptr);
    selection.selectNodes({f.tree.nodes.value(QStringLiteral("a"))});
    QVERIFY(selection.hasSelection());
    selection.selectNodes({});
    QVERIFY(!selection.hasSelection());
    QVERIFY(selection.getSelectedNode().isNull());
}

void tst_zkNodeBasedSelectionModel::answersInTheViewModelsCoordinates()
{
    Fixture f;
    zkProxyModel proxy;
    proxy.setSourceModel(&f.model);
    proxy.sort(0, Qt::DescendingOrder);
    QAbstractItemModelTester tester(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
    zkNodeBasedSelectionModel selection(&proxy, nullptr);
    QVERIFY(!selection.getFirstSelectedIndex().isValid());

    selection.selectNodes({f.tree.nodes.value(QStringLiteral("c"))});

    const QModelIndex first = selection.getFirstSelectedIndex();
    QCOMPARE(first.model(), &proxy);
    QCOMPARE(first.row(), 0);
    QCOMPARE(proxy.mapToSource(first).row(), 2);
    QCOMPARE(f.names({selection.getSelectedNode()}), QStringList{"c"});
}

void tst_zkNodeBasedSelectionModel::otherModelsGiveNoNodes()
{
    QStandardItemModel model;
    model.appendRow(new QStandardItem(QStringLiteral("plain")));
    zkNodeBasedSelectionModel selection(&model, nullptr);
    selection.select(model.index(0, 0), QItemSelectionModel::Select);

    QVERIFY(selection.getSelectedNode().isNull());
    QCOMPARE(selection.getAllSelectedNodes().size(), 1);
    QVERIFY(selection.getAllSelectedNodes().first().isNull());
    QVERIFY(selection.getSelectedRootNodes().isEmpty());
    QCOMPARE(selection.getFirstSelectedIndex(), model.index(0, 0));

    selection.selectNodes({zkdObjectManager::create<zkdNode>()});
    QVERIFY(!selection.hasSelection());
}

QTEST_MAIN(tst_zkNodeBasedSelectionModel)
#include "tst_zkNodeBasedSelectionModel.moc"
