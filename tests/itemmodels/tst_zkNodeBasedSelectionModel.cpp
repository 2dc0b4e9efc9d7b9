#include "zkTestTree.h"

#include <zkNodeBasedSelectionModel.h>
#include <zkProxyModel.h>
#include <zkdObjectManager.h>

#include <QtTest>

namespace {

// 1[11[111] 12] 2[21] 3 in three columns, with kernel nodes as the items' ids.
struct NodeTree
{
    NodeTree() : scene(zkTestScene::parse(QStringLiteral("1[11[111] 12] 2[21] 3")))
    {
        for (quint64 id : {1, 11, 111, 12, 2, 21, 3})
            scene.nodes.insert(id, zkdObjectManager::create<zkdNode>());
        model.setRootItem(new zkTestItem(&scene, 0, 3));
    }
    QList<zkdNode> nodes(const QList<quint64> &ids) const
    {
        QList<zkdNode> result;
        for (quint64 id : ids)
            result.append(scene.nodes.value(id));
        return result;
    }

    zkTestScene scene;
    zkTestModel model;
};

} // namespace

class tst_zkNodeBasedSelectionModel : public QObject
{
    Q_OBJECT
private slots:
    void selectedNodes_data();
    void selectedNodes();
    void selectNodesThroughAProxy();
};

void tst_zkNodeBasedSelectionModel::selectedNodes_data()
{
    QTest::addColumn<QList<quint64>>("selected");
    QTest::addColumn<QList<quint64>>("roots");

    QTest::newRow("parent and child") << QList<quint64>{1, 11} << QList<quint64>{1};
    QTest::newRow("child first") << QList<quint64>{111, 1} << QList<quint64>{1};
    QTest::newRow("grandparent covers") << QList<quint64>{1, 111, 21} << QList<quint64>{1, 21};
    QTest::newRow("siblings") << QList<quint64>{11, 12} << QList<quint64>{11, 12};
    QTest::newRow("nothing") << QList<quint64>() << QList<quint64>();
}

void tst_zkNodeBasedSelectionModel::selectedNodes()
{
    QFETCH(QList<quint64>, selected);
    QFETCH(QList<quint64>, roots);

    NodeTree f;
    zkModelTester tester(&f.model);
    zkNodeBasedSelectionModel selection(&f.model, nullptr);
    for (quint64 id : qAsConst(selected))
        selection.select(f.model.indexFromId(f.scene.idOf(id)),
                         QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QVERIFY(selection.getSelectedRootNodes() == f.nodes(roots));
    // Rows span three columns and count once.
    QVERIFY(selection.getAllSelectedNodes() == f.nodes(selected));
    QVERIFY(selection.getSelectedNode() == f.nodes(selected).value(0));
}

void tst_zkNodeBasedSelectionModel::selectNodesThroughAProxy()
{
    NodeTree f;
    zkProxyModel proxy;
    proxy.setSourceModel(&f.model);
    proxy.sort(0, Qt::DescendingOrder);
    zkNodeBasedSelectionModel selection(&proxy, nullptr);
    QVERIFY(!f.model.findItemById(f.scene.idOf(111)) && !selection.getFirstSelectedIndex().isValid());

    // Null nodes and nodes that the model cannot find are left out; the path to 111 populates.
    selection.selectNodes(
        {f.scene.nodes.value(3), zkdNode(), f.scene.nodes.value(111), zkdObjectManager::create<zkdNode>()});
    QVERIFY(selection.getAllSelectedNodes() == f.nodes({3, 111}));
    QCOMPARE(selection.selectedIndexes().size(), 6); // whole rows
    const QModelIndex first = selection.getFirstSelectedIndex();
    QVERIFY(first.model() == &proxy && first.row() == 0 && proxy.mapToSource(first).row() == 2);

    zkModelTester tester(&proxy);
    selection.selectNodes({});
    QVERIFY(!selection.hasSelection());
}

QTEST_MAIN(tst_zkNodeBasedSelectionModel)
#include "tst_zkNodeBasedSelectionModel.moc"
