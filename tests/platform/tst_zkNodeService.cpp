#include <zkKernelServiceFactory.h>
#include <zkNodeService.h>
#include <zkTreeService.h>
#include <zkUndoStack.h>
#include <zkdBaseLightNode.h>
#include <zkdSwitchNode.h>

#include "zkKernelTestFixture.h"

#include <QSignalSpy>
#include <QTest>

class tst_zkNodeService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void createNode();
    void moveWithinParent_data();
    void moveWithinParent();
    void moveAcrossParents();
    void cloneAndLock();
    void lightNodesInOrder();
    void treeSelection();

private:
    zkNodeService *service() const { return zkKernelServiceFactory::the().getService<zkNodeService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    // A group under the scene root with children named after letters.
    zkdNode group(const QString &letters);
    static QString names(const zkdNode &parent);
};

void tst_zkNodeService::init()
{
    stack()->clear();
}

zkdNode tst_zkNodeService::group(const QString &letters)
{
    const zkdNode parent = service()->createNode("zkdNode", zkdNode(), QStringLiteral("Group"));
    for (const QChar letter : letters)
        service()->createNode("zkdNode", parent, letter);
    return parent;
}

QString tst_zkNodeService::names(const zkdNode &parent)
{
    QString result;
    for (const zkdNode &child : parent.getChildren())
        result += child.getName();
    return result;
}

void tst_zkNodeService::createNode()
{
    const zkdNode root = service()->getRootNode();
    QCOMPARE(root, zkKernelServiceFactory::the().getService<zkTreeService>()->getSceneRoot());
    zkdNode light;
    {
        const zkScopedUndo undo(true);
        light = service()->createNode("zkdPointLightNode");
    }
    QCOMPARE(light.getName(), QStringLiteral("PointLight"));
    QCOMPARE(light.getIndex(), root.getChildren().size() - 1);
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(!root.getChildren().contains(light));
    QVERIFY(light.getParent().isNull());
    stack()->redo();
    QCOMPARE(light.getParent(), root);

    QVERIFY(service()->createNode("zkdLensFlareGlow").isNull());
    QVERIFY(service()->createNode("noSuchClass").isNull());
}

void tst_zkNodeService::moveWithinParent_data()
{
    QTest::addColumn<QString>("moved");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("after");
    // The index counts the moved node at its old place: one row down passes new row + 1.
    QTest::newRow("one down") << "B" << 3 << "ACBD";
    QTest::newRow("up to the top") << "C" << 0 << "CABD";
    QTest::newRow("to the end") << "A" << 4 << "BCDA";
    QTest::newRow("past the end") << "A" << 99 << "BCDA";
    QTest::newRow("onto itself") << "B" << 1 << "ABCD";
    QTest::newRow("two, down") << "AB" << 4 << "CDAB";
    QTest::newRow("two, apart") << "DA" << 2 << "BDAC";
}

void tst_zkNodeService::moveWithinParent()
{
    QFETCH(QString, moved);
    QFETCH(int, index);
    QFETCH(QString, after);
    const zkdNode parent = group(QStringLiteral("ABCD"));
    QList<zkdNode> nodes;
    for (const QChar letter : moved)
        nodes.append(parent.getChildren().at(letter.unicode() - 'A'));
    zkChangeLog log;
    {
        const zkScopedUndo undo(true);
        service()->insertNodes(parent, index, nodes);
    }
    QCOMPARE(names(parent), after);
    if (after == QLatin1String("ABCD")) {
        QCOMPARE(stack()->count(), 0); // nothing moved, no step
        return;
    }
    QCOMPARE(stack()->count(), 1);
    QVERIFY(log.contains(parent, "children"));
    log.changes.clear();
    stack()->undo();
    QCOMPARE(names(parent), QStringLiteral("ABCD"));
    QVERIFY(log.contains(parent, "children"));
    stack()->redo();
    QCOMPARE(names(parent), after);
}

void tst_zkNodeService::moveAcrossParents()
{
    const zkdNode from = group(QStringLiteral("AB"));
    const zkdNode to = group(QStringLiteral("XY"));
    const zkdNode a = from.getChildren().first();
    {
        const zkScopedUndo undo(true);
        service()->insertNodes(to, 1, {a});
        service()->appendNodes(from, {to.getChildren().first()});
    }
    QCOMPARE(names(to), QStringLiteral("AY"));
    QCOMPARE(names(from), QStringLiteral("BX"));
    QCOMPARE(a.getParent(), to);
    QCOMPARE(a.getIndex(), 0);
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    stack()->undo();
    QCOMPARE(names(from), QStringLiteral("AB"));
    QCOMPARE(names(to), QStringLiteral("XY"));
    QCOMPARE(a.getParent(), from);
    // Never below itself: no move and no step (the undone two stay for redo).
    const zkScopedUndo undo(true);
    service()->appendNodes(a, {from});
    service()->appendNodes(a, {a});
    QCOMPARE(from.getParent(), service()->getRootNode());
    QVERIFY(a.getChildren().isEmpty());
    QVERIFY(stack()->canRedo());
}

void tst_zkNodeService::cloneAndLock()
{
    const zkdNode parent = group(QStringLiteral("A"));
    const zkdNode original = parent.getChildren().first();
    QVERIFY(!original.isShared());
    zkdNode clone;
    {
        const zkScopedUndo undo(true);
        clone = service()->cloneNode(original, parent);
    }
    QCOMPARE(clone.getName(), QStringLiteral("A"));
    QVERIFY(original.isShared());
    QVERIFY(clone.isShared());
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(!original.isShared());
    QVERIFY(service()->cloneNode(service()->getRootNode(), parent).isNull());

    // A node is locked by its own lock or any parent's.
    QVERIFY(!original.isLocked());
    parent.setUserLocked(true);
    QVERIFY(parent.isLocked() && !parent.hasLockedParent());
    QVERIFY(original.isLocked() && original.hasLockedParent() && !original.getUserLocked());
}

void tst_zkNodeService::lightNodesInOrder()
{
    const zkdNode parent = service()->createNode("zkdSwitchNode", zkdNode(), QStringLiteral("Lights"));
    const zkdNode spot = service()->createNode("zkdSpotLightNode", parent);
    const zkdNode inner = service()->createNode("zkdNode", parent);
    const zkdNode ray = service()->createNode("zkdRayLightNode", inner);
    const zkdNode area = service()->createNode("zkdDiskLightNode", parent);
    QCOMPARE(zkd_cast<zkdSwitchNode>(parent).getChoice(), zkdSwitchNode::AllChildren);

    QList<zkdNode> found;
    for (const zkdBaseLightNode &light : service()->getLightNodes()) {
        if (light == spot || light == ray || light == area)
            found.append(light);
    }
    // Depth first, in child order.
    QCOMPARE(found, QList<zkdNode>({spot, ray, area}));
}

void tst_zkNodeService::treeSelection()
{
    auto *tree = zkKernelServiceFactory::the().getService<zkTreeService>();
    const zkdNode node = group(QStringLiteral("A"));
    QSignalSpy changes(tree, &zkTreeService::selectionChanged);
    tree->setSelectedNodes({node, zkdNode(), node});
    QCOMPARE(tree->getSelectedNodes(), QList<zkdNode>({node}));
    tree->setSelectedNodes({node});
    QCOMPARE(changes.count(), 1);
}

QTEST_MAIN(tst_zkNodeService)
#include "tst_zkNodeService.moc"
