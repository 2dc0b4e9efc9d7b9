#include "zkDropPayload.h"

#include <zkGroupMaterialItem.h>
#include <zkItemDataRole.h>
#include <zkKernelServiceFactory.h>
#include <zkMainMaterialItem.h>
#include <zkMaterialItemFactory.h>
#include <zkMaterialSelectionModel.h>
#include <zkMaterialService.h>
#include <zkMaterialTreeModel.h>
#include <zkMaterialType.h>
#include <zkMaterialTypeRegistry.h>
#include <zkModelTester.h>
#include <zkNodeService.h>
#include <zkProxyModel.h>
#include <zkScopedUndo.h>
#include <zkSubMaterialItem.h>
#include <zkUndoStack.h>
#include <zkdMultiMaterial.h>
#include <zkdObjectManager.h>
#include <zkdSwitchMaterial.h>

#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTest>

#include <functional>
#include <memory>

namespace {

zkMaterialService *service()
{
    return zkKernelServiceFactory::the().getService<zkMaterialService>();
}

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

zkdMaterial createMaterial(const QByteArray &className, const QString &name)
{
    const zkdMaterial material = zkd_cast<zkdMaterial>(zkdObjectManager::create(className));
    material.setName(name);
    return material;
}

zkdMultiMaterial createMulti(const QByteArray &className, const QString &name, const QList<zkdMaterial> &materials)
{
    const zkdMultiMaterial multi = zkd_cast<zkdMultiMaterial>(createMaterial(className, name));
    multi.setMaterials(materials);
    return multi;
}

QString checkMark(int state)
{
    return state == Qt::Checked ? QStringLiteral("+") : state == Qt::Unchecked ? QStringLiteral("-") : QString();
}

// The tree as text: names, "+" or "-" after a checked or unchecked sub-material, children in
// brackets. Every row is populated on the way.
QString dumpModel(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QVariant state = index.data(Qt::CheckStateRole);
        QString text = index.data().toString() + (state.isValid() ? checkMark(state.toInt()) : QString());
        const QString children = dumpModel(model, index);
        if (!children.isEmpty())
            text += QLatin1Char('[') + children + QLatin1Char(']');
        rows.append(text);
    }
    return rows.join(QLatin1Char(' '));
}

QString dumpMaterial(const zkdMaterial &material, int depth);

QString dumpSubMaterials(const zkdMaterial &material, int depth)
{
    const zkdMultiMaterial multi = zkd_cast<zkdMultiMaterial>(material);
    const zkdSwitchMaterial switchMaterial = zkd_cast<zkdSwitchMaterial>(material);
    QStringList rows;
    for (int index = 0; index < multi.count(); ++index) {
        QString text = dumpMaterial(multi.at(index), depth + 1);
        if (!switchMaterial.isNull()) {
            const int bracket = text.indexOf(QLatin1Char('['));
            text.insert(bracket < 0 ? text.size() : bracket,
                        checkMark(switchMaterial.getChoice() == index ? Qt::Checked : Qt::Unchecked));
        }
        rows.append(text);
    }
    return rows.join(QLatin1Char(' '));
}

QString dumpMaterial(const zkdMaterial &material, int depth)
{
    // Multi-materials may hold each other; the model would expand them as far as asked.
    const QString children = depth < 4 ? dumpSubMaterials(material, depth) : QString();
    return material.getName() + (children.isEmpty() ? QString() : QLatin1Char('[') + children + QLatin1Char(']'));
}

// The same text straight from the kernel.
QString dumpKernel(const zkdNode &group)
{
    QStringList rows;
    for (const zkdNode &node : group.getChildren()) {
        const zkdMaterialNode materialNode = zkd_cast<zkdMaterialNode>(node);
        if (!materialNode.isNull()) {
            rows.append(dumpMaterial(materialNode.getMaterial(), 0));
            continue;
        }
        const QString children = dumpKernel(node);
        rows.append(node.getName() + (children.isEmpty() ? QString() : QLatin1Char('[') + children + QLatin1Char(']')));
    }
    return rows.join(QLatin1Char(' '));
}

std::unique_ptr<QMimeData> mimeOf(const QByteArray &payload, const QString &type = QStringLiteral("application/zelk-material-item"))
{
    auto data = std::make_unique<QMimeData>();
    data->setData(type, payload);
    return data;
}

QVariant idOf(const zkdNode &node)
{
    const zkdMaterialNode materialNode = zkd_cast<zkdMaterialNode>(node);
    return QVariant::fromValue(materialNode.isNull() ? zkMaterialId(node) : zkMaterialId(materialNode));
}

// A known scene:
//   Paints [Red, Metallic [Blue]], Lights (empty), Chooser: switch [Red, Chrome, Glass] choosing 0,
//   Stack: multi-pass [Red, Glass], Chrome.
struct Scene
{
    zkdNode paints, metallic, lights;
    zkdMaterial red, blue, chrome, glass;
    zkdSwitchMaterial chooser;
    zkdMultiMaterial stackMaterial;
    zkdMaterialNode redNode, blueNode, chooserNode, stackNode, chromeNode;

    static QString expected()
    {
        return QStringLiteral("Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome");
    }

    Scene()
    {
        red = createMaterial("zkdPlasticMaterial", QStringLiteral("Red"));
        blue = createMaterial("zkdMetallicPaintMaterial", QStringLiteral("Blue"));
        chrome = createMaterial("zkdChromeMaterial", QStringLiteral("Chrome"));
        glass = createMaterial("zkdGlassMaterial", QStringLiteral("Glass"));
        chooser = zkd_cast<zkdSwitchMaterial>(createMulti("zkdSwitchMaterial", QStringLiteral("Chooser"), {red, chrome, glass}));
        stackMaterial = createMulti("zkdMultiPassMaterial", QStringLiteral("Stack"), {red, glass});
        paints = service()->addMaterialGroup(QStringLiteral("Paints"));
        redNode = service()->addMaterial(red, paints);
        metallic = service()->addMaterialGroup(QStringLiteral("Metallic"), paints);
        blueNode = service()->addMaterial(blue, metallic);
        lights = service()->addMaterialGroup(QStringLiteral("Lights"));
        chooserNode = service()->addMaterial(chooser);
        stackNode = service()->addMaterial(stackMaterial);
        chromeNode = service()->addMaterial(chrome);
    }
};

using SceneChange = std::function<void(Scene &)>;

} // namespace

Q_DECLARE_METATYPE(SceneChange)

// The material tree model, its items, the type registry and the material selection model, over
// the kernel's material tree.
class tst_zkMaterialTreeModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void registryEntries_data();
    void registryEntries();
    void registryMisses();

    void rowsAndRoles();
    void missingService();

    void refreshWithoutReset_data();
    void refreshWithoutReset();
    void movesKeepRows();
    void unpopulatedRows();
    void movesStayInTheMaterialTree();

    void edits_data();
    void edits();

    void drops_data();
    void drops();
    void refusedPayloads_data();
    void refusedPayloads();

    void selection();

    void randomMutations();

private:
    void expectKernel() const;

    std::unique_ptr<Scene> m_scene;
    std::unique_ptr<zkMaterialTreeModel> m_model;
    std::unique_ptr<zkProxyModel> m_proxy;
    std::unique_ptr<zkModelTester> m_modelTester;
    std::unique_ptr<zkModelTester> m_proxyTester;
};

void tst_zkMaterialTreeModel::init()
{
    stack()->clear();
    m_scene = std::make_unique<Scene>();
    m_model = std::make_unique<zkMaterialTreeModel>();
    m_model->setRootItem(zkMaterialItemFactory::createItemForRoot());
    m_modelTester = std::make_unique<zkModelTester>(m_model.get());
    m_proxy = std::make_unique<zkProxyModel>();
    m_proxy->setSourceModel(m_model.get());
    m_proxy->setRecursiveMatchingEnabled(true);
    m_proxyTester = std::make_unique<zkModelTester>(m_proxy.get());
}

void tst_zkMaterialTreeModel::cleanup()
{
    m_proxyTester.reset();
    m_proxy.reset();
    m_modelTester.reset();
    m_model.reset();
    m_scene.reset();
    service()->removeNodes(service()->getMaterialTreeRoot().getChildren());
    stack()->clear();
}

void tst_zkMaterialTreeModel::expectKernel() const
{
    QCOMPARE(dumpModel(*m_model), dumpKernel(service()->getMaterialTreeRoot()));
}

void tst_zkMaterialTreeModel::registryEntries_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("category");
    QTest::addColumn<QString>("name");

    // Each kind's first and last of a category, and the ones whose names are easy to get wrong.
    QTest::newRow("zkdPhongMaterial") << 1 << 1 << "Phong";
    QTest::newRow("zkdReflectivePlasticMaterial") << 3 << 3 << "Reflective Plastic";
    QTest::newRow("zkdUnicolorPaintMaterial") << 7 << 6 << "Unicolor Carpaint";
    QTest::newRow("zkdXRayMaterial") << 11 << 7 << "X-Ray";
    QTest::newRow("zkdCarbon2DMaterial") << 13 << 5 << "Carbon 2D";
    QTest::newRow("zkdXRiteMeasuredMaterial") << 18 << 10 << "X-Rite";
    QTest::newRow("zkdLightPortalMaterial") << 21 << 8 << "Light Portal";
    QTest::newRow("zkdSwitchMaterial") << 24 << 2 << "Switch";
    QTest::newRow("zkdEnvironmentMaterial") << 25 << 9 << "Sphere Environment";
    QTest::newRow("zkdSubstanceEnvironmentMaterial") << 28 << 9 << "Substance Panorama";
}

void tst_zkMaterialTreeModel::registryEntries()
{
    QFETCH(int, type);
    QFETCH(int, category);
    QFETCH(QString, name);
    const QString typeName = QString::fromLatin1(QTest::currentDataTag());
    const zkMaterialTypeRegistry &registry = zkMaterialTypeRegistry::getInstance();
    const zkMaterialTypeInfo &info = registry.lookup(type);
    QCOMPARE(info.type, type);
    QCOMPARE(info.category, category);
    QCOMPARE(info.typeName, typeName);
    QCOMPARE(info.name, name);
    QCOMPARE(&registry.lookup(typeName), &info);
    QCOMPARE(registry.getTypeInfos().at(type - 1), &info);
}

void tst_zkMaterialTreeModel::registryMisses()
{
    const zkMaterialTypeRegistry &registry = zkMaterialTypeRegistry::getInstance();
    QList<int> expected;
    for (int type = 1; type <= 28; ++type)
        expected.append(type);
    QCOMPARE(registry.getTypes(), expected);
    // Every type names a kernel material class whose materials find their entry, and items
    // carry the type under the type role, as a number.
    for (const zkMaterialTypeInfo *info : registry.getTypeInfos()) {
        const zkdMaterial material = createMaterial(info->typeName.toLatin1(), QString());
        zkCoreMaterialItem item(zkMaterialId(), material);
        const QVariant kind = item.data(zkItemDataRole::Kind);
        QVERIFY2(registry.lookup(material).type == info->type && kind.toInt() == info->type, qPrintable(info->typeName));
        QCOMPARE(kind.userType(), qMetaTypeId<zkMaterialType>());
        zkdObjectManager::destroy(material);
    }
    const zkMaterialTypeInfo &invalid = registry.lookup(0);
    QCOMPARE(invalid.name, QStringLiteral("Invalid"));
    QVERIFY(invalid.typeName.isEmpty());
    for (const zkMaterialTypeInfo *miss : {&registry.lookup(99), &registry.lookup(-1),
                                           &registry.lookup(QStringLiteral("zkdNoSuchMaterial")),
                                           &registry.lookup(QString()), &registry.lookup(zkdMaterial())})
        QCOMPARE(miss, &invalid);
    // A material class without an entry: type 0, which a type filter without 0 does not pass.
    zkCoreMaterialItem item{zkMaterialId(), zkd_cast<zkdMaterial>(zkdObjectManager::create("zkdBRDFMaterial"))};
    QCOMPARE(item.data(zkItemDataRole::Kind).toInt(), 0);
    zkdObjectManager::destroy(item.getMaterial());
}

void tst_zkMaterialTreeModel::rowsAndRoles()
{
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    expectKernel();
    QCOMPARE(dumpModel(*m_proxy), Scene::expected());

    const QModelIndex paints = m_model->index(0, 0);
    const QModelIndex red = m_model->index(0, 0, paints);
    const QModelIndex chooser = m_model->index(2, 0);
    const QModelIndex stackIndex = m_model->index(3, 0);
    QCOMPARE(m_model->mimeTypes(), QStringList{QStringLiteral("application/zelk-material-item")});

    // Groups carry no type; materials and sub-materials the type of their material.
    QVERIFY(!paints.data(Qt::UserRole).isValid());
    QCOMPARE(red.data(Qt::UserRole).toInt(), int(zkMaterialType::Plastic));
    QCOMPARE(chooser.data(Qt::UserRole).toInt(), int(zkMaterialType::Switch));
    QCOMPARE(m_model->index(1, 0, chooser).data(Qt::UserRole).toInt(), int(zkMaterialType::Chrome));
    QVERIFY(!red.data(Qt::DecorationRole).value<QIcon>().isNull());
    QVERIFY(!paints.data(Qt::DecorationRole).value<QIcon>().isNull());

    // Sub-materials of a plain multi-material carry no check state.
    QVERIFY(!m_model->index(0, 0, stackIndex).data(Qt::CheckStateRole).isValid());

    const Qt::ItemFlags all = Qt::ItemIsSelectable | Qt::ItemIsEditable | Qt::ItemIsDragEnabled
                              | Qt::ItemIsDropEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsEnabled;
    for (const QModelIndex &index : {paints, red, chooser, m_model->index(0, 0, chooser)})
        QCOMPARE(m_model->flags(index), all);

    // Ids: groups and material nodes by node, sub-materials by parent and index.
    auto *chooserItem = dynamic_cast<zkMainMaterialItem *>(m_model->itemFromIndex(chooser));
    QVERIFY(chooserItem);
    QCOMPARE(chooserItem->getRawId(), zkMaterialId(m_scene->chooserNode));
    QCOMPARE(chooserItem->getMultiMaterial(), zkdMultiMaterial(m_scene->chooser));
    QVERIFY(dynamic_cast<zkCoreMaterialItem *>(m_model->itemFromIndex(red))->getMultiMaterial().isNull());
    auto *second = dynamic_cast<zkSubMaterialItem *>(m_model->itemFromIndex(m_model->index(1, 0, chooser)));
    QVERIFY(second);
    QCOMPARE(second->getId().value<zkMaterialId>(), zkMaterialId(zkMaterialId(m_scene->chooserNode), 1));
    QCOMPARE(second->getMaterial(), m_scene->chrome);
    QVERIFY(second->isSwitchable());
    QVERIFY(!second->isSwitched());
    auto *stacked = dynamic_cast<zkSubMaterialItem *>(m_model->itemFromIndex(m_model->index(0, 0, stackIndex)));
    QVERIFY(stacked && !stacked->isSwitchable() && !stacked->isSwitched());
    QCOMPARE(m_model->indexFromId(idOf(m_scene->blueNode)), m_model->index(0, 0, m_model->index(1, 0, paints)));
}

void tst_zkMaterialTreeModel::missingService()
{
    zkMaterialService *materials = service();
    zkKernelServiceFactory::the().unregisterService("zkMaterialService");
    zkGroupMaterialItem *root = zkMaterialItemFactory::createItemForRoot();
    zkKernelServiceFactory::the().registerService(materials);
    QVERIFY(root->getNode().isNull());
    zkMaterialTreeModel model;
    const zkModelTester tester(&model);
    model.setRootItem(root);
    QCOMPARE(model.rowCount(), 0);
}

void tst_zkMaterialTreeModel::refreshWithoutReset_data()
{
    QTest::addColumn<SceneChange>("change");
    QTest::addColumn<QString>("expected");

    const auto recorded = [](SceneChange change) {
        return SceneChange([change](Scene &scene) {
            const zkScopedUndo undo(true);
            change(scene);
        });
    };
    QTest::newRow("rename material") << recorded([](Scene &s) { s.red.setName(QStringLiteral("Ruby")); })
                                     << "Paints[Ruby Metallic[Blue]] Lights Chooser[Ruby+ Chrome- Glass-] "
                                        "Stack[Ruby Glass] Chrome";
    QTest::newRow("rename group") << recorded([](Scene &s) { s.metallic.setName(QStringLiteral("Metal")); })
                                  << "Paints[Red Metal[Blue]] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("move within group")
        << recorded([](Scene &s) { service()->moveNodes(s.paints, 0, {s.metallic}); })
        << "Paints[Metallic[Blue] Red] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("move to the end")
        << recorded([](Scene &s) { service()->moveNodes(service()->getMaterialTreeRoot(), INT_MAX, {s.paints}); })
        << "Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome Paints[Red Metallic[Blue]]";
    QTest::newRow("regroup material")
        << recorded([](Scene &s) { service()->moveNodes(s.lights, 0, {s.blueNode, s.chromeNode}); })
        << "Paints[Red Metallic] Lights[Blue Chrome] Chooser[Red+ Chrome- Glass-] Stack[Red Glass]";
    QTest::newRow("regroup group")
        << recorded([](Scene &s) { service()->moveNodes(s.lights, 0, {s.paints}); })
        << "Lights[Paints[Red Metallic[Blue]]] Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("create")
        << recorded([](Scene &s) {
               service()->addMaterial(createMaterial("zkdVelvetMaterial", QStringLiteral("Velvet")), s.metallic);
               service()->addMaterialGroup(QStringLiteral("New"), s.lights);
           })
        << "Paints[Red Metallic[Blue Velvet]] Lights[New] Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("delete material") << recorded([](Scene &s) { service()->removeMaterial(s.blue); })
                                     << "Paints[Red Metallic] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("delete group") << recorded([](Scene &s) { service()->removeNodes({s.paints}); })
                                  << "Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("destroy group") << SceneChange([](Scene &s) { zkdObjectManager::destroy(s.metallic); })
                                   << "Paints[Red] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome";
    QTest::newRow("switch choice") << recorded([](Scene &s) { s.chooser.setChoice(2); })
                                   << "Paints[Red Metallic[Blue]] Lights Chooser[Red- Chrome- Glass+] Stack[Red Glass] Chrome";
    QTest::newRow("sub-materials") << recorded([](Scene &s) { s.stackMaterial.setMaterials({s.glass, s.blue, s.red}); })
                                   << "Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Glass-] "
                                      "Stack[Glass Blue Red] Chrome";
    QTest::newRow("other material in node")
        << recorded([](Scene &s) { s.chromeNode.setMaterial(s.stackMaterial); })
        << "Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Stack[Red Glass]";
    QTest::newRow("undo") << SceneChange([](Scene &s) {
        {
            const zkScopedUndo undo(true);
            service()->moveNodes(s.lights, 0, {s.redNode});
            s.red.setName(QStringLiteral("Ruby"));
            s.chooser.setChoice(1);
        }
        for (int step = 0; step < 3; ++step)
            stack()->undo();
    }) << Scene::expected();
    QTest::newRow("redo") << SceneChange([](Scene &s) {
        {
            const zkScopedUndo undo(true);
            service()->moveNodes(s.lights, 0, {s.redNode});
            s.chooser.setChoice(1);
        }
        stack()->undo();
        stack()->undo();
        stack()->redo();
        stack()->redo();
    }) << "Paints[Metallic[Blue]] Lights[Red] Chooser[Red- Chrome+ Glass-] Stack[Red Glass] Chrome";
}

void tst_zkMaterialTreeModel::refreshWithoutReset()
{
    QFETCH(SceneChange, change);
    QFETCH(QString, expected);
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    QCOMPARE(dumpModel(*m_proxy), Scene::expected());
    const QPersistentModelIndex stackIndex = m_model->index(3, 0);
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    change(*m_scene);
    QCOMPARE(resets.count(), 0);
    QCOMPARE(dumpModel(*m_model), expected);
    expectKernel();
    QCOMPARE(dumpModel(*m_proxy), expected);
    // A row the change left alone keeps its index.
    if (QByteArray(QTest::currentDataTag()).startsWith("delete") || QByteArray(QTest::currentDataTag()) == "create")
        QCOMPARE(stackIndex.data().toString(), QStringLiteral("Stack"));
}

// Rows that move in the kernel move in the model: selections and expanded states stay with them.
void tst_zkMaterialTreeModel::movesKeepRows()
{
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    const QPersistentModelIndex blue = m_model->indexFromId(idOf(m_scene->blueNode));
    const QPersistentModelIndex metallic = m_model->indexFromId(idOf(m_scene->metallic));
    const QSignalSpy moves(m_model.get(), &QAbstractItemModel::rowsMoved);
    const QSignalSpy removals(m_model.get(), &QAbstractItemModel::rowsRemoved);
    {
        const zkScopedUndo undo(true);
        service()->moveNodes(m_scene->lights, 0, {m_scene->metallic});
    }
    QCOMPARE(moves.count(), 1);
    QCOMPARE(removals.count(), 0);
    QVERIFY(metallic.isValid());
    QCOMPARE(metallic.parent(), m_model->indexFromId(idOf(m_scene->lights)));
    QCOMPARE(blue.parent(), QModelIndex(metallic));
    stack()->undo();
    QCOMPARE(moves.count(), 2);
    QCOMPARE(removals.count(), 0);
    QCOMPARE(metallic.parent(), m_model->index(0, 0));
    expectKernel();
}

// Changes below rows that were never populated are read when they are.
void tst_zkMaterialTreeModel::unpopulatedRows()
{
    QCOMPARE(m_model->rowCount(), 5);
    const QModelIndex paints = m_model->index(0, 0);
    const QModelIndex lights = m_model->index(1, 0);
    {
        const zkScopedUndo undo(true);
        service()->moveNodes(m_scene->lights, 0, {m_scene->blueNode});
        m_scene->blue.setName(QStringLiteral("Navy"));
        m_scene->chooser.setChoice(1);
    }
    const std::unique_ptr<QMimeData> data(m_model->mimeData({m_model->index(4, 0)}));
    QVERIFY(m_model->dropMimeData(data.get(), Qt::MoveAction, 0, 0, lights));
    QCOMPARE(m_model->rowCount(paints), 2);
    QCOMPARE(dumpModel(*m_model),
             QStringLiteral("Paints[Red Metallic] Lights[Chrome Navy] Chooser[Red- Chrome+ Glass-] Stack[Red Glass]"));
    m_model->reload();
    expectKernel();
}

void tst_zkMaterialTreeModel::movesStayInTheMaterialTree()
{
    zkNodeService *nodes = zkKernelServiceFactory::the().getService<zkNodeService>();
    const zkdNode sceneNode = nodes->createNode("zkdNode");
    const zkScopedUndo undo(true);
    service()->moveNodes(m_scene->paints, 0, {sceneNode});
    service()->moveNodes(nodes->getRootNode(), 0, {m_scene->paints});
    service()->moveNodes(m_scene->metallic, 0, {m_scene->paints});
    service()->removeNodes({sceneNode, service()->getMaterialTreeRoot()});
    QCOMPARE(stack()->count(), 0);
    QCOMPARE(sceneNode.getParent(), nodes->getRootNode());
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    expectKernel();
    zkdObjectManager::destroy(sceneNode);
}

void tst_zkMaterialTreeModel::edits_data()
{
    QTest::addColumn<QList<int>>("path");
    QTest::addColumn<int>("role");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("steps");

    QTest::newRow("rename material") << QList<int>{0, 0} << int(Qt::EditRole) << QVariant(QStringLiteral("Ruby"))
                                     << "Paints[Ruby Metallic[Blue]] Lights Chooser[Ruby+ Chrome- Glass-] "
                                        "Stack[Ruby Glass] Chrome"
                                     << 1;
    QTest::newRow("rename sub-material") << QList<int>{3, 1} << int(Qt::EditRole) << QVariant(QStringLiteral("Pane"))
                                         << "Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Pane-] "
                                            "Stack[Red Pane] Chrome"
                                         << 1;
    QTest::newRow("rename group") << QList<int>{0, 1} << int(Qt::EditRole) << QVariant(QStringLiteral("Metal"))
                                  << "Paints[Red Metal[Blue]] Lights Chooser[Red+ Chrome- Glass-] Stack[Red Glass] Chrome"
                                  << 1;
    QTest::newRow("check second") << QList<int>{2, 1} << int(Qt::CheckStateRole) << QVariant(int(Qt::Checked))
                                  << "Paints[Red Metallic[Blue]] Lights Chooser[Red- Chrome+ Glass-] Stack[Red Glass] Chrome"
                                  << 1;
    // The choice stays; the row shows it again.
    QTest::newRow("uncheck chosen") << QList<int>{2, 0} << int(Qt::CheckStateRole) << QVariant(int(Qt::Unchecked))
                                    << Scene::expected() << 0;
    QTest::newRow("check chosen") << QList<int>{2, 0} << int(Qt::CheckStateRole) << QVariant(int(Qt::Checked))
                                  << Scene::expected() << 0;
}

void tst_zkMaterialTreeModel::edits()
{
    QFETCH(QList<int>, path);
    QFETCH(int, role);
    QFETCH(QVariant, value);
    QFETCH(QString, expected);
    QFETCH(int, steps);
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    QModelIndex index;
    for (const int row : path)
        index = m_model->index(row, 0, index);
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    QVERIFY(m_model->setData(index, value, role));
    QCOMPARE(dumpModel(*m_model), expected);
    expectKernel();
    QCOMPARE(stack()->count(), steps);
    stack()->undo();
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    expectKernel();
    QCOMPARE(resets.count(), 0);
}

void tst_zkMaterialTreeModel::drops_data()
{
    QTest::addColumn<QList<QList<int>>>("dragged");
    QTest::addColumn<QList<int>>("target");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("expected");

    using Paths = QList<QList<int>>;
    QTest::newRow("material into group") << Paths{{4}} << QList<int>{1} << -1
                                         << "Paints[Red Metallic[Blue]] Lights[Chrome] Chooser[Red+ Chrome- Glass-] "
                                            "Stack[Red Glass]";
    QTest::newRow("material down in its group") << Paths{{0, 0}} << QList<int>{0} << 2
                                                << "Paints[Metallic[Blue] Red] Lights Chooser[Red+ Chrome- Glass-] "
                                                   "Stack[Red Glass] Chrome";
    QTest::newRow("two into group, in order") << Paths{{4}, {0, 0}} << QList<int>{0, 1} << 0
                                              << "Paints[Metallic[Chrome Red Blue]] Lights Chooser[Red+ Chrome- "
                                                 "Glass-] Stack[Red Glass]";
    QTest::newRow("group into group") << Paths{{0}} << QList<int>{1} << -1
                                      << "Lights[Paints[Red Metallic[Blue]]] Chooser[Red+ Chrome- Glass-] "
                                         "Stack[Red Glass] Chrome";
    QTest::newRow("sub-material reordered") << Paths{{3, 1}} << QList<int>{3} << 0
                                            << "Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Glass-] "
                                               "Stack[Glass Red] Chrome";
    // An item never goes below itself: the drop is taken and changes nothing.
    QTest::newRow("group into its child") << Paths{{0}} << QList<int>{0, 1} << -1 << Scene::expected();
    QTest::newRow("onto a multi-material") << Paths{{4}} << QList<int>{3} << -1
                                           << "Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Glass-] "
                                              "Stack[Red Glass Chrome]";
    QTest::newRow("sub-material out to a group") << Paths{{3, 0}} << QList<int>{1} << -1
                                                 << "Paints[Red Metallic[Blue]] Lights[Red] Chooser[Red+ Chrome- "
                                                    "Glass-] Stack[Glass] Chrome";
    QTest::newRow("sub-material to another multi") << Paths{{3, 0}} << QList<int>{2} << 0
                                                   << "Paints[Red Metallic[Blue]] Lights Chooser[Red Red+ Chrome- "
                                                      "Glass-] Stack[Glass] Chrome";
    QTest::newRow("sub-material beside its node") << Paths{{3, 1}} << QList<int>{} << 3
                                                  << "Paints[Red Metallic[Blue]] Lights Chooser[Red+ Chrome- Glass-] "
                                                     "Glass Stack[Red] Chrome";
}

// Drops move rows in the model only; a reload shows the kernel's order again, without a reset.
void tst_zkMaterialTreeModel::drops()
{
    QFETCH(QList<QList<int>>, dragged);
    QFETCH(QList<int>, target);
    QFETCH(int, row);
    QFETCH(QString, expected);
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    const auto indexAt = [this](const QList<int> &path) {
        QModelIndex index;
        for (const int r : path)
            index = m_model->index(r, 0, index);
        return index;
    };
    QModelIndexList indexes;
    for (const QList<int> &path : dragged)
        indexes.append(indexAt(path));
    const std::unique_ptr<QMimeData> data(m_model->mimeData(indexes));
    const QModelIndex parent = indexAt(target);
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    QVERIFY(m_model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, parent));
    QVERIFY(m_model->dropMimeData(data.get(), Qt::MoveAction, row, 0, parent));
    QCOMPARE(dumpModel(*m_model), expected);
    QCOMPARE(dumpKernel(service()->getMaterialTreeRoot()), Scene::expected());
    QCOMPARE(stack()->count(), 0);
    m_model->reload();
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    QCOMPARE(resets.count(), 0);
}

void tst_zkMaterialTreeModel::refusedPayloads_data()
{
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("type");

    const QString own = QStringLiteral("application/zelk-material-item");
    // Payloads that name rows of the scene are made in the test, where the scene exists.
    QTest::newRow("truncated") << QByteArray("truncated") << own;
    QTest::newRow("garbage") << QByteArray::fromHex("0000007f00ffee") << own;
    QTest::newRow("foreign id") << payloadOf({QVariant(quint64(1))}) << own;
    QTest::newRow("foreign string") << payloadOf({QVariant(QStringLiteral("Red"))}) << own;
    QTest::newRow("unknown material id") << payloadOf({QVariant::fromValue(zkMaterialId(zkMaterialId(), 3))}) << own;
    QTest::newRow("other mime type") << QByteArray() << QStringLiteral("application/zelk-material-id");
    QTest::newRow("stale: removed node") << QByteArray("removed") << own;
    QTest::newRow("stale: destroyed node") << QByteArray("destroyed") << own;
    QTest::newRow("valid id, then cut") << QByteArray("cut") << own;
}

void tst_zkMaterialTreeModel::refusedPayloads()
{
    QFETCH(QByteArray, payload);
    QFETCH(QString, type);
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    const QByteArray chrome = payloadOf({idOf(m_scene->chromeNode)});
    if (payload == "truncated") {
        payload = chrome.left(chrome.size() - 3);
    } else if (payload == "cut") {
        payload = chrome + chrome.left(chrome.size() / 2);
    } else if (payload == "removed") {
        payload = payloadOf({idOf(m_scene->blueNode)});
        service()->removeMaterial(m_scene->blue);
    } else if (payload == "destroyed") {
        payload = payloadOf({idOf(m_scene->metallic)});
        zkdObjectManager::destroy(m_scene->metallic);
    }
    const QString before = dumpModel(*m_model);
    const int steps = stack()->count();
    const std::unique_ptr<QMimeData> data = mimeOf(payload, type);
    const QModelIndex lights = m_model->index(1, 0);
    QVERIFY(!m_model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, lights));
    // A drop regardless skips what it cannot resolve; what it moved is the model's only.
    m_model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, lights);
    QCOMPARE(dumpKernel(service()->getMaterialTreeRoot()), before);
    QCOMPARE(stack()->count(), steps);
    m_model->reload();
    QCOMPARE(dumpModel(*m_model), before);
}

void tst_zkMaterialTreeModel::selection()
{
    // Nothing populated: selecting by id populates the paths.
    zkMaterialTreeModel model;
    model.setRootItem(zkMaterialItemFactory::createItemForRoot());
    zkProxyModel proxy;
    proxy.setSourceModel(&model);
    zkMaterialSelectionModel selection(&proxy, nullptr);
    const zkMaterialId blue(m_scene->blueNode);
    const zkMaterialId glassInStack(zkMaterialId(m_scene->stackNode), 1);
    const zkMaterialId missing(zkMaterialId(m_scene->stackNode), 7);
    selection.setSelectedIds({blue, missing, glassInStack});
    QCOMPARE(selection.getSelectedIds(), (QList<zkMaterialId>{blue, glassInStack}));
    QCOMPARE(selection.selectedIndexes().first().model(), &proxy);
    QCOMPARE(selection.selectedIndexes().first().data().toString(), QStringLiteral("Blue"));

    // Hidden by the proxy: not selected.
    proxy.setFilterRegExp(QRegExp(QStringLiteral("^Paints$")));
    selection.setSelectedIds({blue, glassInStack});
    QCOMPARE(selection.getSelectedIds(), QList<zkMaterialId>{blue});
    selection.setSelectedIds({});
    QVERIFY(!selection.hasSelection());

    // Directly on the item model, and on a model that is none.
    zkMaterialSelectionModel direct(&model, nullptr);
    direct.setSelectedIds({glassInStack});
    QCOMPARE(direct.getSelectedIds(), QList<zkMaterialId>{glassInStack});
    QStandardItemModel other(2, 1);
    zkMaterialSelectionModel none(&other, nullptr);
    none.select(other.index(0, 0), QItemSelectionModel::Select);
    QVERIFY(none.getSelectedIds().isEmpty());
    none.setSelectedIds({blue});
    QCOMPARE(none.selectedIndexes(), QModelIndexList{other.index(0, 0)});
}

// Random kernel changes, model edits and drops followed by a reload; after each, the model must
// show what the kernel holds. ZK_MATERIAL_TREE_SEED replays a run.
void tst_zkMaterialTreeModel::randomMutations()
{
    const QByteArray seedText = qgetenv("ZK_MATERIAL_TREE_SEED");
    const quint32 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) { return int(random.bounded(count)); };
    static const QByteArray plainKinds[] = {"zkdPlasticMaterial", "zkdChromeMaterial", "zkdGlassMaterial",
                                            "zkdVelvetMaterial", "zkdPhongMaterial"};
    static const QByteArray multiKinds[] = {"zkdSwitchMaterial", "zkdMultiPassMaterial", "zkdLayeredMaterial"};
    QList<zkdMaterial> plainMaterials{m_scene->red, m_scene->blue, m_scene->chrome, m_scene->glass};
    QList<zkdMultiMaterial> multiMaterials{m_scene->chooser, m_scene->stackMaterial};
    const zkdNode root = service()->getMaterialTreeRoot();
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    const auto treeNodes = [&root] {
        QList<zkdNode> nodes;
        QList<zkdNode> pending = root.getChildren();
        while (!pending.isEmpty()) {
            const zkdNode node = pending.takeFirst();
            nodes.append(node);
            pending += node.getChildren();
        }
        return nodes;
    };
    const auto groups = [&treeNodes, &root] {
        QList<zkdNode> result{root};
        for (const zkdNode &node : treeNodes()) {
            if (!node.isTypeOf<zkdMaterialNode>())
                result.append(node);
        }
        return result;
    };
    const auto anyIndex = [this, &pick] {
        QModelIndex index;
        while (m_model->rowCount(index) > 0) {
            index = m_model->index(pick(m_model->rowCount(index)), 0, index);
            if (pick(3) == 0)
                break;
        }
        return index;
    };

    constexpr int steps = 10000;
    for (int step = 0; step < steps; ++step) {
        QString what;
        const QList<zkdNode> nodes = treeNodes();
        const zkScopedUndo undo(true);
        switch (pick(13)) {
        case 0: { // create
            const zkdNode group = groups().at(pick(groups().size()));
            if (pick(4) == 0) {
                what = QStringLiteral("create group");
                service()->addMaterialGroup(QStringLiteral("G%1").arg(step), group);
            } else if (pick(3) == 0) {
                what = QStringLiteral("create multi-material");
                QList<zkdMaterial> subs;
                for (int n = pick(4); n >= 0; --n)
                    subs.append(plainMaterials.at(pick(plainMaterials.size())));
                const zkdMultiMaterial multi = createMulti(multiKinds[pick(3)], QStringLiteral("M%1").arg(step), subs);
                multiMaterials.append(multi);
                service()->addMaterial(multi, group);
            } else {
                what = QStringLiteral("create material");
                const zkdMaterial material = pick(3) == 0 ? plainMaterials.at(pick(plainMaterials.size()))
                                                          : createMaterial(plainKinds[pick(5)], QStringLiteral("P%1").arg(step));
                if (!plainMaterials.contains(material))
                    plainMaterials.append(material);
                service()->addMaterial(material, group);
            }
            break;
        }
        case 1: // delete
            if (nodes.isEmpty())
                break;
            what = QStringLiteral("delete");
            if (pick(2) == 0) {
                service()->removeNodes({nodes.at(pick(nodes.size()))});
            } else {
                const zkdMaterialNode node = zkd_cast<zkdMaterialNode>(nodes.at(pick(nodes.size())));
                service()->removeMaterial(node.getMaterial());
            }
            break;
        case 2: { // rename
            what = QStringLiteral("rename");
            if (pick(2) == 0 && !nodes.isEmpty()) {
                const zkdNode node = nodes.at(pick(nodes.size()));
                const zkdMaterialNode materialNode = zkd_cast<zkdMaterialNode>(node);
                if (materialNode.isNull())
                    node.setName(QStringLiteral("g%1").arg(step));
                else
                    materialNode.getMaterial().setName(QStringLiteral("m%1").arg(step));
            } else {
                plainMaterials.at(pick(plainMaterials.size())).setName(QStringLiteral("p%1").arg(step));
            }
            break;
        }
        case 3: // move
        case 4: { // regroup
            if (nodes.isEmpty())
                break;
            const zkdNode node = nodes.at(pick(nodes.size()));
            const zkdNode group = pick(2) == 0 ? node.getParent() : groups().at(pick(groups().size()));
            what = QStringLiteral("move %1 to %2").arg(node.getName(), group.getName());
            service()->moveNodes(group, pick(group.getChildren().size() + 2), {node});
            break;
        }
        case 5: { // switch choice
            const zkdSwitchMaterial switchMaterial = zkd_cast<zkdSwitchMaterial>(multiMaterials.at(pick(multiMaterials.size())));
            if (switchMaterial.isNull() || switchMaterial.count() == 0)
                break;
            what = QStringLiteral("choice");
            switchMaterial.setChoice(pick(switchMaterial.count()));
            break;
        }
        case 6: { // sub-materials
            what = QStringLiteral("sub-materials");
            const zkdMultiMaterial multi = multiMaterials.at(pick(multiMaterials.size()));
            QList<zkdMaterial> subs = multi.getMaterials();
            if (!subs.isEmpty() && pick(2) == 0)
                subs.removeAt(pick(subs.size()));
            else
                subs.insert(pick(subs.size() + 1), plainMaterials.at(pick(plainMaterials.size())));
            multi.setMaterials(subs);
            break;
        }
        case 7:
        case 8:
            what = QStringLiteral("undo");
            stack()->undo();
            break;
        case 9:
            what = QStringLiteral("redo");
            stack()->redo();
            break;
        case 10: { // an edit in the model
            const QModelIndex index = anyIndex();
            if (!index.isValid())
                break;
            if (pick(2) == 0) {
                what = QStringLiteral("edit name of %1").arg(index.data().toString());
                m_model->setData(index, QStringLiteral("e%1").arg(step));
            } else {
                what = QStringLiteral("edit check of %1").arg(index.data().toString());
                m_model->setData(index, pick(2) == 0 ? Qt::Checked : Qt::Unchecked, Qt::CheckStateRole);
            }
            break;
        }
        case 11: { // a drop in the model, which the kernel does not see, then a reload
            QModelIndexList dragged{anyIndex()};
            if (pick(2) == 0)
                dragged.append(anyIndex());
            const QModelIndex target = anyIndex();
            const std::unique_ptr<QMimeData> data(m_model->mimeData(dragged));
            what = QStringLiteral("drop onto %1").arg(target.data().toString());
            const int row = pick(m_model->rowCount(target) + 2) - 1;
            const bool accepted = m_model->canDropMimeData(data.get(), Qt::MoveAction, row, 0, target);
            if (m_model->dropMimeData(data.get(), Qt::MoveAction, row, 0, target) != accepted)
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: drop and drop test disagree").arg(seed).arg(step)));
            m_model->reload();
            break;
        }
        case 12: // the proxy filters something else
            what = QStringLiteral("filter");
            m_proxy->setFilterRegExp(QRegExp(pick(2) == 0 ? QString() : QString::number(pick(10))));
            break;
        }
        const QString shown = dumpModel(*m_model);
        const QString held = dumpKernel(root);
        if (shown != held) {
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3):\n model  %4\n kernel %5")
                                 .arg(seed).arg(step).arg(what, shown, held)));
        }
        if (nodes.size() > 60) // keep the tree small, and the run fast
            service()->removeNodes(root.getChildren().mid(0, 2));
    }
    QCOMPARE(dumpModel(*m_model), dumpKernel(root));
    dumpModel(*m_proxy);
    QCOMPARE(resets.count(), 0);
}

QTEST_MAIN(tst_zkMaterialTreeModel)
#include "tst_zkMaterialTreeModel.moc"
