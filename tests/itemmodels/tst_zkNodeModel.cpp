#include "zkDropPayload.h"

#include <zkItemModel.h>
#include <zkKernelServiceFactory.h>
#include <zkLightLinkId.h>
#include <zkModelTester.h>
#include <zkNodeBasedSelectionModel.h>
#include <zkNodeModelItem.h>
#include <zkNodeService.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdLightLinkSetNode.h>
#include <zkdObjectManager.h>
#include <zkdSwitchNode.h>

#include <QMimeData>
#include <QRandomGenerator>
#include <QTest>

#include <memory>
#include <thread>
#include <vector>

namespace {

const QString mimeType = QStringLiteral("application/zelk-abstract-item");

zkNodeService *service()
{
    return zkKernelServiceFactory::the().getService<zkNodeService>();
}

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

zkdNode createNode(const zkdNode &parent, const QString &name, const QByteArray &className = "zkdNode")
{
    return service()->createNode(className, parent, name);
}

QVariant idOf(const zkdNode &node)
{
    return QVariant::fromValue(node);
}

std::unique_ptr<QMimeData> mimeOf(const QByteArray &payload, const QString &type = mimeType)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(type, payload);
    return data;
}

bool shownChecked(const zkdNode &node)
{
    if (!node.getVisibilityFlag())
        return false;
    const zkdSwitchNode switchNode = zkd_cast<zkdSwitchNode>(node.getParent());
    if (switchNode.isNull())
        return true;
    return switchNode.getChoice() == zkdSwitchNode::AllChildren || switchNode.getChoice() == node.getIndex();
}

// One row as text: the name, "+" or "-" for the check box, "_" when underlined, "#" when not
// editable, "~" when not draggable, the children in brackets.
QString rowText(const QString &name, bool checked, bool underlined, bool editable, bool draggable)
{
    return name + QLatin1Char(checked ? '+' : '-') + (underlined ? QStringLiteral("_") : QString())
        + (editable ? QString() : QStringLiteral("#")) + (draggable ? QString() : QStringLiteral("~"));
}

QString dumpModel(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        // Data first, as a view paints a row before it drags or edits it: flags do not populate.
        const QString name = index.data().toString();
        const Qt::ItemFlags flags = model.flags(index);
        QString text = rowText(name, index.data(Qt::CheckStateRole).toInt() == Qt::Checked,
                               index.data(Qt::FontRole).value<QFont>().underline(), flags & Qt::ItemIsEditable,
                               flags & Qt::ItemIsDragEnabled);
        const QString children = dumpModel(model, index);
        if (!children.isEmpty())
            text += QLatin1Char('[') + children + QLatin1Char(']');
        rows.append(text);
    }
    return rows.join(QLatin1Char(' '));
}

// The oracle: the same text, read from the kernel.
QString dumpKernel(const zkdNode &parent)
{
    QStringList rows;
    for (const zkdNode &node : parent.getChildren()) {
        QString text = rowText(node.getName(), shownChecked(node), node.isShared(), !node.isLocked(),
                               !node.hasLockedParent());
        const QString children = dumpKernel(node);
        if (!children.isEmpty())
            text += QLatin1Char('[') + children + QLatin1Char(']');
        rows.append(text);
    }
    return rows.join(QLatin1Char(' '));
}

// The tree's names only, from the model or from the kernel.
QString dumpModelNames(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString children = dumpModelNames(model, index);
        rows.append(index.data().toString() + (children.isEmpty() ? QString() : QLatin1Char('[') + children + QLatin1Char(']')));
    }
    return rows.join(QLatin1Char(' '));
}

QString dumpKernelNames(const zkdNode &parent)
{
    QStringList rows;
    for (const zkdNode &node : parent.getChildren()) {
        const QString children = dumpKernelNames(node);
        rows.append(node.getName() + (children.isEmpty() ? QString() : QLatin1Char('[') + children + QLatin1Char(']')));
    }
    return rows.join(QLatin1Char(' '));
}

// The nodes below top, depth first.
QList<zkdNode> nodesBelow(const zkdNode &top)
{
    QList<zkdNode> nodes;
    for (const zkdNode &child : top.getChildren()) {
        nodes.append(child);
        nodes += nodesBelow(child);
    }
    return nodes;
}

// A scene tree as the application builds one: node items under a model that takes drops of
// its own rows.
class NodeModel : public zkItemModel
{
public:
    explicit NodeModel(const zkdNode &top)
    {
        setMimeType(mimeType);
        setRootItem(new zkNodeModelItem(top));
    }
};

} // namespace

class tst_zkNodeModel : public QObject
{
    Q_OBJECT

private slots:
    // Runs first: no id exists before it.
    void lightLinkIdRegistersOnce();
    void lightLinkIdKinds_data();
    void lightLinkIdKinds();
    void lightLinkIdParents();
    void lightLinkIdOrder();
    void lightLinkIdStream();

    void init();
    void cleanup();

    void rows();
    void switchCheckStates_data();
    void switchCheckStates();
    void checkEdits_data();
    void checkEdits();
    void lockedCheckEdits_data();
    void lockedCheckEdits();
    void rename();
    void lazyLookup();
    void drops_data();
    void drops();
    void refusedDrops_data();
    void refusedDrops();

    void randomMutations();

private:
    void expectKernel() const;

    zkdNode m_top;
    zkdNode m_group;
    zkdSwitchNode m_switch;
    std::unique_ptr<zkItemModel> m_model;
    std::unique_ptr<zkModelTester> m_tester;
};

void tst_zkNodeModel::lightLinkIdRegistersOnce()
{
    QCOMPARE(QMetaType::type("zkLightLinkId"), int(QMetaType::UnknownType));
    std::vector<std::thread> threads;
    for (int i = 0; i < 4; ++i)
        threads.emplace_back([] { zkLightLinkId(); });
    for (std::thread &thread : threads)
        thread.join();
    QCOMPARE(QMetaType::type("zkLightLinkId"), qMetaTypeId<zkLightLinkId>());
}

void tst_zkNodeModel::lightLinkIdKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("hasSet");
    QTest::addColumn<bool>("nodeIsSet");

    QTest::newRow("invalid") << 0 << 0 << false << false;
    QTest::newRow("link set") << 1 << 1 << true << true;
    QTest::newRow("light list") << 2 << 2 << true << true;
    QTest::newRow("object list") << 3 << 3 << true << true;
    QTest::newRow("light") << 4 << 4 << true << false;
    QTest::newRow("object") << 5 << 5 << true << false;
    QTest::newRow("root") << 6 << 6 << false << false;
}

void tst_zkNodeModel::lightLinkIdKinds()
{
    QFETCH(int, kind);
    QFETCH(int, type);
    QFETCH(bool, hasSet);
    QFETCH(bool, nodeIsSet);
    const auto set = zkdObjectManager::create<zkdLightLinkSetNode>();
    const zkdNode node = zkdObjectManager::create<zkdNode>();
    const zkLightLinkId ids[] = {zkLightLinkId(),
                                 zkLightLinkId::createSetId(set),
                                 zkLightLinkId::createLightListId(set),
                                 zkLightLinkId::createObjectListId(set),
                                 zkLightLinkId::createLightId(set, node),
                                 zkLightLinkId::createObjectId(set, node),
                                 zkLightLinkId::createRootId(node)};
    const zkLightLinkId &id = ids[kind];
    QCOMPARE(id.getType(), type);
    const bool tests[] = {id.isLinkSet(), id.isLightSet(), id.isObjectSet(), id.isLight(), id.isObject(), id.isRoot()};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(tests[i], type == i + 1);
    QCOMPARE(id.getLightLinkSet(), hasSet ? set : zkdLightLinkSetNode());
    QCOMPARE(id.getNode(), nodeIsSet ? zkdNode(set) : kind == 0 ? zkdNode() : node);
    zkdObjectManager::destroy(set);
    zkdObjectManager::destroy(node);
}

void tst_zkNodeModel::lightLinkIdParents()
{
    const zkdNode group = createNode(zkdNode(), QStringLiteral("Links"));
    const auto set = zkd_cast<zkdLightLinkSetNode>(createNode(group, QStringLiteral("Set"), "zkdLightLinkSetNode"));
    const zkdNode light = createNode(group, QStringLiteral("Light"), "zkdPointLightNode");
    QVERIFY(!set.isNull());
    const zkLightLinkId lightId = zkLightLinkId::createLightId(set, light);
    QCOMPARE(lightId.getParent(), zkLightLinkId::createLightListId(set));
    QCOMPARE(lightId.getParent().getParent(), zkLightLinkId::createSetId(set));
    QCOMPARE(zkLightLinkId::createSetId(set).getParent(), zkLightLinkId::createRootId(group));
    QCOMPARE(zkLightLinkId::createObjectId(set, light).getParent(), zkLightLinkId::createObjectListId(set));
    QCOMPARE(zkLightLinkId::createObjectListId(set).getParent(), zkLightLinkId::createSetId(set));
    QCOMPARE(zkLightLinkId::createRootId(group).getParent(), zkLightLinkId());
    QCOMPARE(zkLightLinkId().getParent(), zkLightLinkId());
    QVERIFY(zkLightLinkId::createLightId(set, light) != zkLightLinkId::createObjectId(set, light));
    service()->removeNodes({group});
}

void tst_zkNodeModel::lightLinkIdOrder()
{
    const auto first = zkdObjectManager::create<zkdLightLinkSetNode>();
    const auto second = zkdObjectManager::create<zkdLightLinkSetNode>();
    const zkdNode low = zkdObjectManager::create<zkdNode>();
    const zkdNode high = zkdObjectManager::create<zkdNode>();
    QVERIFY(first < second && low < high);

    // By type regardless of the handles ...
    QVERIFY(zkLightLinkId::createSetId(second) < zkLightLinkId::createLightListId(first));
    QVERIFY(zkLightLinkId::createObjectId(second, high) < zkLightLinkId::createRootId(low));
    QVERIFY(zkLightLinkId() < zkLightLinkId::createSetId(first));
    // ... then by set, then by node.
    QVERIFY(zkLightLinkId::createLightId(first, high) < zkLightLinkId::createLightId(second, low));
    QVERIFY(zkLightLinkId::createLightId(first, low) < zkLightLinkId::createLightId(first, high));
    QVERIFY(!(zkLightLinkId::createLightId(first, low) < zkLightLinkId::createLightId(first, low)));

    // The registered comparators are the ones QVariant uses.
    const QVariant a = QVariant::fromValue(zkLightLinkId::createLightId(first, low));
    QCOMPARE(a, QVariant::fromValue(zkLightLinkId::createLightId(first, low)));
    QVERIFY(a != QVariant::fromValue(zkLightLinkId::createObjectId(first, low)));
    const QVariant b = QVariant::fromValue(zkLightLinkId::createObjectId(first, low));
    int order = 0;
    QVERIFY(QMetaType::compare(a.constData(), b.constData(), qMetaTypeId<zkLightLinkId>(), &order));
    QCOMPARE(order, -1);
    for (const zkdObject &object : {zkdObject(first), zkdObject(second), zkdObject(low), zkdObject(high)})
        zkdObjectManager::destroy(object);
}

void tst_zkNodeModel::lightLinkIdStream()
{
    const auto set = zkdObjectManager::create<zkdLightLinkSetNode>();
    const zkdNode node = zkdObjectManager::create<zkdNode>();
    const zkLightLinkId id = zkLightLinkId::createObjectId(set, node);

    QByteArray bytes;
    {
        QDataStream out(&bytes, QIODevice::WriteOnly);
        out << id;
    }
    QByteArray expected;
    {
        QDataStream out(&expected, QIODevice::WriteOnly);
        out << zkdObject(set) << zkdObject(node);
    }
    QCOMPARE(bytes, QByteArray::fromHex("00000005") + expected);

    zkLightLinkId read;
    QDataStream in(bytes);
    in >> read;
    QCOMPARE(read, id);
    QCOMPARE(read.getLightLinkSet(), set);

    // Through QVariant, as in a drag payload.
    QByteArray variantBytes;
    {
        QDataStream out(&variantBytes, QIODevice::WriteOnly);
        out << QVariant::fromValue(id);
    }
    QVariant variant;
    QDataStream variantIn(variantBytes);
    variantIn >> variant;
    QCOMPARE(variant.value<zkLightLinkId>(), id);

    // A cut stream reads as the invalid id.
    zkLightLinkId cut = id;
    QDataStream cutIn(bytes.left(10));
    cutIn >> cut;
    QCOMPARE(cut, zkLightLinkId());
    zkdObjectManager::destroy(set);
    zkdObjectManager::destroy(node);
}

// Top [ Group [ Child, Locked [ Inner ] ], Switch [ One, Two, Three ], Shared, Clone ]
void tst_zkNodeModel::init()
{
    stack()->clear();
    m_top = createNode(zkdNode(), QStringLiteral("Top"));
    m_group = createNode(m_top, QStringLiteral("Group"));
    createNode(m_group, QStringLiteral("Child"));
    const zkdNode locked = createNode(m_group, QStringLiteral("Locked"));
    createNode(locked, QStringLiteral("Inner"));
    locked.setUserLocked(true);
    m_switch = zkd_cast<zkdSwitchNode>(createNode(m_top, QStringLiteral("Switch"), "zkdSwitchNode"));
    for (const char *name : {"One", "Two", "Three"})
        createNode(m_switch, QString::fromLatin1(name));
    m_switch.setChoice(1);
    const zkdNode shared = createNode(m_top, QStringLiteral("Shared"));
    service()->cloneNode(shared, m_top).setName(QStringLiteral("Clone"));
    stack()->clear();

    m_model = std::make_unique<NodeModel>(m_top);
    m_tester = std::make_unique<zkModelTester>(m_model.get());
}

void tst_zkNodeModel::cleanup()
{
    m_tester.reset();
    m_model.reset();
    service()->removeNodes({m_top});
    stack()->clear();
}

void tst_zkNodeModel::expectKernel() const
{
    m_model->reload();
    QCOMPARE(dumpModel(*m_model), dumpKernel(m_top));
}

void tst_zkNodeModel::rows()
{
    QCOMPARE(dumpModel(*m_model), QStringLiteral("Group+[Child+ Locked+#[Inner+#~]] Switch+[One- Two+ Three-] Shared+_ Clone+_"));
    expectKernel();
    const QModelIndex group = m_model->index(0, 0);
    QCOMPARE(group.data(Qt::DecorationRole).value<QIcon>().isNull(), false);
    QCOMPARE(m_model->flags(group),
             Qt::ItemIsUserCheckable | Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable
                 | Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled);
    QCOMPARE(m_model->data(group, Qt::UserRole).isValid(), false);

    // A shared node's twin gone: the underline goes with the next refresh.
    service()->removeNodes({m_top.getChildren().last()});
    expectKernel();
    QVERIFY(!m_model->index(2, 0).data(Qt::FontRole).value<QFont>().underline());
}

void tst_zkNodeModel::switchCheckStates_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<bool>("secondVisible");
    QTest::addColumn<QString>("expected");

    QTest::newRow("all") << int(zkdSwitchNode::AllChildren) << true << "+++";
    QTest::newRow("all, one hidden") << int(zkdSwitchNode::AllChildren) << false << "+-+";
    QTest::newRow("none") << int(zkdSwitchNode::NoChild) << true << "---";
    QTest::newRow("first") << 0 << true << "+--";
    QTest::newRow("last") << 2 << true << "--+";
    QTest::newRow("hidden choice") << 1 << false << "---";
    QTest::newRow("out of range") << 7 << true << "---";
}

void tst_zkNodeModel::switchCheckStates()
{
    QFETCH(int, choice);
    QFETCH(bool, secondVisible);
    QFETCH(QString, expected);
    m_switch.setChoice(choice);
    m_switch.getChildren().at(1).setVisibilityFlag(secondVisible);
    m_model->reload();
    const QModelIndex switchIndex = m_model->index(1, 0);
    QString shown;
    for (int row = 0; row < m_model->rowCount(switchIndex); ++row)
        shown += m_model->index(row, 0, switchIndex).data(Qt::CheckStateRole).toInt() == Qt::Checked ? '+' : '-';
    QCOMPARE(shown, expected);
    expectKernel();
}

void tst_zkNodeModel::checkEdits_data()
{
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("check");
    QTest::addColumn<int>("expectedChoice");
    QTest::addColumn<bool>("expectedVisible");

    QTest::newRow("uncheck the shown child") << 1 << 1 << false << -1 << false;
    QTest::newRow("uncheck a child not shown") << 0 << 1 << false << 0 << false;
    QTest::newRow("uncheck under all") << -2 << 2 << false << -1 << false;
    QTest::newRow("check a child not shown") << 0 << 2 << true << 2 << true;
    QTest::newRow("check under none") << -1 << 0 << true << 0 << true;
}

void tst_zkNodeModel::checkEdits()
{
    QFETCH(int, choice);
    QFETCH(int, row);
    QFETCH(bool, check);
    QFETCH(int, expectedChoice);
    QFETCH(bool, expectedVisible);
    m_switch.setChoice(choice);
    const zkdNode child = m_switch.getChildren().at(row);
    if (check)
        child.setVisibilityFlag(false);
    m_model->reload();
    const QString before = dumpModel(*m_model);

    const QModelIndex index = m_model->index(row, 0, m_model->index(1, 0));
    QVERIFY(m_model->setData(index, check ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(m_switch.getChoice(), expectedChoice);
    QCOMPARE(child.getVisibilityFlag(), expectedVisible);
    QCOMPARE(stack()->count(), 1);
    expectKernel();

    stack()->undo();
    QCOMPARE(m_switch.getChoice(), choice);
    QCOMPARE(child.getVisibilityFlag(), !check);
    m_model->reload();
    QCOMPARE(dumpModel(*m_model), before);
}

void tst_zkNodeModel::lockedCheckEdits_data()
{
    QTest::addColumn<bool>("underSwitch");
    QTest::addColumn<QString>("lock");
    QTest::addColumn<bool>("refused");

    // The edited node is the switch's second child or the group's first; under a switch the
    // switch is vetted instead of the node.
    QTest::newRow("node locked") << false << "node" << true;
    QTest::newRow("ancestor locked") << false << "ancestor" << true;
    QTest::newRow("sibling locked") << false << "sibling" << false;
    QTest::newRow("switch child locked") << true << "node" << false;
    QTest::newRow("switch locked") << true << "parent" << true;
    QTest::newRow("above the switch locked") << true << "ancestor" << true;
    QTest::newRow("switch sibling locked") << true << "sibling" << false;
}

void tst_zkNodeModel::lockedCheckEdits()
{
    QFETCH(bool, underSwitch);
    QFETCH(QString, lock);
    QFETCH(bool, refused);
    const zkdNode parent = underSwitch ? zkdNode(m_switch) : m_group;
    const int row = underSwitch ? 1 : 0;
    const zkdNode node = parent.getChildren().at(row);
    if (lock == QLatin1String("node"))
        node.setUserLocked(true);
    else if (lock == QLatin1String("parent"))
        parent.setUserLocked(true);
    else if (lock == QLatin1String("ancestor"))
        m_top.setUserLocked(true);
    else
        parent.getChildren().at(row + 1).setUserLocked(true);
    m_model->reload();
    const QModelIndex index = m_model->indexFromId(idOf(node));
    QCOMPARE(index.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(m_model->setData(index, Qt::Unchecked, Qt::CheckStateRole), !refused);
    QCOMPARE(index.data(Qt::CheckStateRole).toInt(), int(refused ? Qt::Checked : Qt::Unchecked));
    QCOMPARE(node.getVisibilityFlag(), refused);
    QCOMPARE(stack()->count(), refused ? 0 : 1);
    expectKernel();
}

void tst_zkNodeModel::rename()
{
    const QModelIndex group = m_model->index(0, 0);
    QVERIFY(m_model->setData(group, QStringLiteral("Renamed"), Qt::EditRole));
    QCOMPARE(m_group.getName(), QStringLiteral("Renamed"));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(m_group.getName(), QStringLiteral("Group"));
    expectKernel();
    QCOMPARE(group.data().toString(), QStringLiteral("Group"));
}

void tst_zkNodeModel::lazyLookup()
{
    const zkdNode locked = m_group.getChildren().at(1);
    const zkdNode inner = locked.getChildren().first();
    const zkdNode deeper = createNode(inner, QStringLiteral("Deeper"));
    const zkdNode one = m_switch.getChildren().first();
    // The tester of m_model populates every row; this model is asked only here.
    NodeModel model(m_top);
    QVERIFY(!model.findItemById(idOf(m_group)));

    const QModelIndex index = model.indexFromId(idOf(inner));
    QVERIFY(index.isValid());
    // The chain down to the parent populated; the rows of other branches and below the node did
    // not.
    QVERIFY(model.findItemById(idOf(locked)));
    QVERIFY(!model.findItemById(idOf(one)));
    QVERIFY(!model.findItemById(idOf(deeper)));
    QCOMPARE(index.data().toString(), QStringLiteral("Inner"));
    QCOMPARE(index.parent().data().toString(), QStringLiteral("Locked"));

    QVERIFY(!model.indexFromId(idOf(m_top)).isValid());
    QVERIFY(!model.indexFromId(idOf(service()->getRootNode())).isValid());
    const zkdNode outside = createNode(zkdNode(), QStringLiteral("Outside"));
    QVERIFY(!model.indexFromId(idOf(outside)).isValid());
    QVERIFY(!model.indexFromId(QVariant(quint64(1))).isValid());
    service()->removeNodes({outside});

    // The selection model finds nodes through the same lookup.
    zkNodeBasedSelectionModel selection(&model, nullptr);
    selection.selectNodes({deeper});
    QCOMPARE(selection.getSelectedNode(), deeper);
}

void tst_zkNodeModel::drops_data()
{
    QTest::addColumn<QStringList>("sources");
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    // Names as the kernel holds them afterwards: the top's children, then the group's and the
    // switch's.
    QTest::newRow("one row down") << QStringList{"One"} << "Switch" << 2 << "Group Switch Shared Clone|Child Locked|Two One Three";
    QTest::newRow("to the end") << QStringList{"One"} << "Switch" << 3 << "Group Switch Shared Clone|Child Locked|Two Three One";
    QTest::newRow("onto a node") << QStringList{"One"} << "Group" << -1 << "Group Switch Shared Clone|Child Locked One|Two Three";
    QTest::newRow("one row up") << QStringList{"Three"} << "Switch" << 1 << "Group Switch Shared Clone|Child Locked|One Three Two";
    QTest::newRow("into another parent") << QStringList{"Two"} << "Group" << 1 << "Group Switch Shared Clone|Child Two Locked|One Three";
    QTest::newRow("onto the root") << QStringList{"Child"} << "" << 0 << "Child Group Switch Shared Clone|Locked|One Two Three";
    QTest::newRow("two nodes") << QStringList{"One", "Shared"} << "Group" << 0 << "Group Switch Clone|One Shared Child Locked|Two Three";
    QTest::newRow("into itself") << QStringList{"Group"} << "Child" << -1 << "Group Switch Shared Clone|Child Locked|One Two Three";
}

void tst_zkNodeModel::drops()
{
    QFETCH(QStringList, sources);
    QFETCH(QString, target);
    QFETCH(int, row);
    QFETCH(QString, expected);
    QHash<QString, zkdNode> byName;
    for (const zkdNode &node : nodesBelow(m_top))
        byName.insert(node.getName(), node);
    QVariantList ids;
    for (const QString &source : qAsConst(sources))
        ids.append(idOf(byName.value(source)));
    const QModelIndex targetIndex = target.isEmpty() ? QModelIndex() : m_model->indexFromId(idOf(byName.value(target)));
    for (const QString &source : qAsConst(sources))
        QVERIFY(m_model->indexFromId(idOf(byName.value(source))).isValid());

    const std::unique_ptr<QMimeData> data = mimeOf(payloadOf(ids));
    QVERIFY(m_model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, targetIndex));
    QVERIFY(m_model->dropMimeData(data.get(), Qt::MoveAction, row, 0, targetIndex));
    // The model moved its rows itself; check states that follow a switch's choice wait for the
    // next refresh.
    QCOMPARE(dumpModelNames(*m_model), dumpKernelNames(m_top));
    const auto names = [](const zkdNode &parent) {
        QStringList result;
        for (const zkdNode &node : parent.getChildren())
            result.append(node.getName());
        return result.join(QLatin1Char(' '));
    };
    QCOMPARE(names(m_top) + '|' + names(m_group) + '|' + names(m_switch), expected);
    expectKernel();
}

void tst_zkNodeModel::refusedDrops_data()
{
    QTest::addColumn<QString>("payload");
    QTest::addColumn<QString>("target");

    QTest::newRow("onto a locked node") << "valid" << "Locked";
    QTest::newRow("below a locked node") << "valid" << "Inner";
    QTest::newRow("truncated") << "truncated" << "Group";
    QTest::newRow("valid id, then cut") << "cut" << "Group";
    QTest::newRow("garbage") << "garbage" << "Group";
    QTest::newRow("foreign id") << "foreign" << "Group";
    QTest::newRow("stale: deleted node") << "deleted" << "Group";
    QTest::newRow("stale: destroyed node") << "destroyed" << "Group";
    QTest::newRow("other mime type") << "mime" << "Group";
}

void tst_zkNodeModel::refusedDrops()
{
    QFETCH(QString, payload);
    QFETCH(QString, target);
    QHash<QString, zkdNode> byName;
    for (const zkdNode &node : nodesBelow(m_top))
        byName.insert(node.getName(), node);
    const QModelIndex targetIndex = m_model->indexFromId(idOf(byName.value(target)));
    QVERIFY(targetIndex.isValid());
    const zkdNode one = byName.value(QStringLiteral("One"));
    QVERIFY(m_model->indexFromId(idOf(one)).isValid());
    const QByteArray valid = payloadOf({idOf(one)});
    QByteArray bytes = valid;
    QString type = mimeType;
    if (payload == QLatin1String("truncated")) {
        bytes = valid.left(valid.size() - 3);
    } else if (payload == QLatin1String("cut")) {
        bytes = valid + valid.left(valid.size() / 2);
    } else if (payload == QLatin1String("garbage")) {
        bytes = QByteArray::fromHex("0000007f00ffee");
    } else if (payload == QLatin1String("foreign")) {
        bytes = payloadOf({QVariant(quint64(1)), QVariant(QStringLiteral("One"))});
    } else if (payload == QLatin1String("deleted")) {
        service()->removeNodes({one});
        m_model->reload();
    } else if (payload == QLatin1String("destroyed")) {
        const zkdNode three = byName.value(QStringLiteral("Three"));
        QVERIFY(m_model->indexFromId(idOf(three)).isValid());
        bytes = payloadOf({idOf(three)});
        service()->removeNodes({three});
        stack()->clear();
        zkdObjectManager::destroy(three);
        m_model->reload();
    } else if (payload == QLatin1String("mime")) {
        type = QStringLiteral("application/zelk-material-item");
    }
    const QString before = dumpModel(*m_model);
    const int steps = stack()->count();
    const std::unique_ptr<QMimeData> data = mimeOf(bytes, type);
    QVERIFY(!m_model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, targetIndex));
    if (payload == QLatin1String("truncated") || payload == QLatin1String("garbage") || payload == QLatin1String("mime"))
        QVERIFY(!m_model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, targetIndex));
    QCOMPARE(dumpModel(*m_model), before);
    QCOMPARE(stack()->count(), steps);
    expectKernel();
}

void tst_zkNodeModel::randomMutations()
{
    const QByteArray seedText = qgetenv("ZK_NODE_MODEL_SEED");
    const quint32 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) { return int(random.bounded(count)); };
    const auto anyIndex = [this, &pick] {
        QModelIndex index;
        while (m_model->rowCount(index) > 0) {
            index = m_model->index(pick(m_model->rowCount(index)), 0, index);
            if (pick(3) == 0)
                break;
        }
        return index;
    };
    // Reads the node behind a row.
    zkNodeBasedSelectionModel selection(m_model.get(), nullptr);
    const auto nodeOf = [this, &selection](const QModelIndex &index) {
        if (!index.isValid())
            return m_top;
        selection.select(index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        return selection.getSelectedNode();
    };

    constexpr int steps = 10000;
    for (int step = 0; step < steps; ++step) {
        QString what;
        const QList<zkdNode> nodes = nodesBelow(m_top);
        const auto anyNode = [&] { return nodes.isEmpty() ? m_top : nodes.at(pick(nodes.size())); };
        const auto anyParent = [&] { return pick(4) == 0 || nodes.isEmpty() ? m_top : nodes.at(pick(nodes.size())); };
        const zkScopedUndo undo(true);
        switch (pick(14)) {
        case 0: // create
        case 1:
            if (nodes.size() < 40) {
                what = QStringLiteral("create");
                const QByteArray kind = pick(3) == 0 ? "zkdSwitchNode" : "zkdNode";
                createNode(anyParent(), QStringLiteral("N%1").arg(step), kind);
            } else {
                what = QStringLiteral("delete (full)");
                service()->removeNodes({anyNode()});
            }
            break;
        case 2:
            what = QStringLiteral("clone");
            if (!nodes.isEmpty() && nodes.size() < 40)
                service()->cloneNode(anyNode(), anyParent());
            break;
        case 3:
            what = QStringLiteral("delete");
            if (!nodes.isEmpty())
                service()->removeNodes({anyNode()});
            break;
        case 4:
            what = QStringLiteral("rename");
            if (!nodes.isEmpty())
                anyNode().setName(QStringLiteral("R%1").arg(step));
            break;
        case 5: { // move in the kernel
            what = QStringLiteral("kernel move");
            const zkdNode parent = anyParent();
            if (pick(2) == 0)
                service()->appendNodes(parent, {anyNode()});
            else
                service()->insertNodes(parent, pick(parent.getChildren().size() + 1), {anyNode()});
            break;
        }
        case 6: // visibility, choice, lock in the kernel
            what = QStringLiteral("kernel toggle");
            if (!nodes.isEmpty()) {
                const zkdNode node = anyNode();
                const zkdSwitchNode switchNode = zkd_cast<zkdSwitchNode>(node);
                if (!switchNode.isNull() && pick(2) == 0)
                    switchNode.setChoice(pick(switchNode.getChildren().size() + 2) - 2);
                else if (pick(5) == 0)
                    node.setUserLocked(!node.getUserLocked());
                else
                    node.setVisibilityFlag(!node.getVisibilityFlag());
            }
            break;
        case 7:
        case 8:
            what = QStringLiteral("undo");
            stack()->undo();
            break;
        case 9:
            what = QStringLiteral("redo");
            stack()->redo();
            break;
        case 10: { // check box edit in the model
            what = QStringLiteral("model check");
            const QModelIndex index = anyIndex();
            if (!index.isValid())
                break;
            const zkdNode node = nodeOf(index);
            const zkdSwitchNode switchNode = zkd_cast<zkdSwitchNode>(node.getParent());
            const zkdNode vetted = switchNode.isNull() ? node : zkdNode(switchNode);
            const bool checked = index.data(Qt::CheckStateRole).toInt() == Qt::Checked;
            const bool accepted = m_model->setData(index, checked ? Qt::Unchecked : Qt::Checked, Qt::CheckStateRole);
            if (accepted == (vetted.getUserLocked() || vetted.hasLockedParent()))
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: check edit of %3 %4")
                                     .arg(seed).arg(step).arg(node.getName(), accepted ? "accepted" : "refused")));
            break;
        }
        case 11: { // rename in the model
            what = QStringLiteral("model rename");
            const QModelIndex index = anyIndex();
            if (index.isValid())
                m_model->setData(index, QStringLiteral("E%1").arg(step), Qt::EditRole);
            break;
        }
        default: { // drop in the model
            const QModelIndex source = anyIndex();
            const QModelIndex target = pick(5) == 0 ? QModelIndex() : anyIndex();
            if (!source.isValid())
                break;
            const int row = pick(m_model->rowCount(target) + 2) - 1;
            what = QStringLiteral("drop at %1").arg(row);
            const std::unique_ptr<QMimeData> data(m_model->mimeData({source}));
            const bool accepted = m_model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, target);
            if (accepted == nodeOf(target).isLocked())
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: drop onto %3 %4")
                                     .arg(seed).arg(step).arg(nodeOf(target).getName(), accepted ? "accepted" : "refused")));
            if (accepted)
                m_model->dropMimeData(data.get(), Qt::MoveAction, row, 0, target);
            // The model's rows agree with the kernel before any refresh.
            const QString shown = dumpModelNames(*m_model);
            const QString held = dumpKernelNames(m_top);
            if (shown != held)
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3, before refresh):\n model  %4\n kernel %5")
                                     .arg(seed).arg(step).arg(what, shown, held)));
            break;
        }
        }
        m_model->reload();
        const QString shown = dumpModel(*m_model);
        const QString held = dumpKernel(m_top);
        if (shown != held)
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3):\n model  %4\n kernel %5")
                                 .arg(seed).arg(step).arg(what, shown, held)));
    }
}

QTEST_MAIN(tst_zkNodeModel)

#include "tst_zkNodeModel.moc"

