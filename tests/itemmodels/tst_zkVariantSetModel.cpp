#include "zkDropPayload.h"

#include <zkItemDataRole.h>
#include <zkKernelServiceFactory.h>
#include <zkModelTester.h>
#include <zkPlatformService.h>
#include <zkProxyModel.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkVariantSetGroupModelItem.h>
#include <zkVariantSetModelItem.h>
#include <zkVariantSetRootModelItem.h>
#include <zkVariantSetSelectionModel.h>
#include <zkVariantSetTreeModel.h>
#include <zkVariantSetTypes.h>
#include <zkVariantSetsService.h>
#include <zkdHierarchy.h>
#include <zkdVariantSet.h>
#include <zkdVariantSetGroup.h>

#include <QIcon>
#include <QImage>
#include <QMimeData>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <climits>
#include <functional>
#include <memory>

namespace {

const QString mimeType = QStringLiteral("application/zelk-variant-set-item");

zkVariantSetsService *service()
{
    return zkKernelServiceFactory::the().getService<zkVariantSetsService>();
}

zkPlatformService *platform()
{
    return zkKernelServiceFactory::the().getService<zkPlatformService>();
}

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

// The tree as text: names, children in brackets. Every row is populated on the way.
QString dumpModel(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    QStringList rows;
    for (int row = 0; row < model.rowCount(parent); ++row) {
        const QModelIndex index = model.index(row, 0, parent);
        const QString children = dumpModel(model, index);
        rows.append(index.data().toString() + (children.isEmpty() ? QString() : QLatin1Char('[') + children + QLatin1Char(']')));
    }
    return rows.join(QLatin1Char(' '));
}

// The same text straight from the kernel: what the tree is meant to show.
QString dumpKernel()
{
    QStringList rows;
    for (const zkdVariantSet &set : service()->getUngroupedVariantSets())
        rows.append(set.getName());
    for (const zkdVariantSetGroup &group : service()->getVariantSetGroups()) {
        QStringList sets;
        for (const zkdVariantSetBase &child : group.getChildren()) {
            const zkdVariantSet set(child);
            if (set.isValid())
                sets.append(set.getName());
        }
        rows.append(group.getName() + (sets.isEmpty() ? QString() : QLatin1Char('[') + sets.join(QLatin1Char(' ')) + QLatin1Char(']')));
    }
    return rows.join(QLatin1Char(' '));
}

std::unique_ptr<QMimeData> mimeOf(const QByteArray &payload, const QString &type = mimeType)
{
    auto data = std::make_unique<QMimeData>();
    data->setData(type, payload);
    return data;
}

QVariant idOf(const zkdVariantSetBase &base)
{
    return zkVariantSetTreeModel::toQVariant(base);
}

// A known scene: A B G1[C D] G2[E] Empty.
struct Scene
{
    zkdVariantSet a, b, c, d, e;
    zkdVariantSetGroup g1, g2, empty;

    static QString expected() { return QStringLiteral("A B G1[C D] G2[E] Empty"); }

    Scene()
    {
        zkVariantSetsService *sets = service();
        a = sets->createVariantSet(QStringLiteral("A"));
        b = sets->createVariantSet(QStringLiteral("B"));
        g1 = sets->createVariantSetGroup(QStringLiteral("G1"));
        c = sets->createVariantSet(QStringLiteral("C"), g1);
        d = sets->createVariantSet(QStringLiteral("D"), g1);
        g2 = sets->createVariantSetGroup(QStringLiteral("G2"));
        e = sets->createVariantSet(QStringLiteral("E"), g2);
        empty = sets->createVariantSetGroup(QStringLiteral("Empty"));
    }

    zkdVariantSetBase byName(const QString &name) const
    {
        const zkdVariantSet set = service()->findVariantSet(name);
        return set.isNull() ? zkdVariantSetBase(service()->findVariantSetGroup(name)) : zkdVariantSetBase(set);
    }
};

using Payload = std::function<QByteArray(const Scene &)>;

} // namespace

Q_DECLARE_METATYPE(Payload)

// The variant set tree model, its items and the variant set selection model, over the kernel's
// variant sets.
class tst_zkVariantSetModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void rowsAndRoles();
    void dragDisabled();
    void missingService();
    void nestedGroup();
    void preview();
    void handles();
    void typeFilter();

    void renames_data();
    void renames();

    void drops_data();
    void drops();
    void refusedPayloads_data();
    void refusedPayloads();

    void selection();
    void selectionWithoutProxy();

    void randomMutations();

private:
    QModelIndex indexOf(const QString &name) const;

    std::unique_ptr<Scene> m_scene;
    std::unique_ptr<zkVariantSetTreeModel> m_model;
    std::unique_ptr<zkProxyModel> m_proxy;
    std::unique_ptr<zkModelTester> m_modelTester;
    std::unique_ptr<zkModelTester> m_proxyTester;
};

void tst_zkVariantSetModel::init()
{
    stack()->clear();
    m_scene = std::make_unique<Scene>();
    m_model = std::make_unique<zkVariantSetTreeModel>();
    m_modelTester = std::make_unique<zkModelTester>(m_model.get());
    m_proxy = std::make_unique<zkProxyModel>();
    m_proxy->setSourceModel(m_model.get());
    m_proxyTester = std::make_unique<zkModelTester>(m_proxy.get());
}

void tst_zkVariantSetModel::cleanup()
{
    m_proxyTester.reset();
    m_proxy.reset();
    m_modelTester.reset();
    m_model.reset();
    m_scene.reset();
    QList<zkdVariantSetBase> all;
    for (const zkdVariantSet &set : service()->getUngroupedVariantSets())
        all.append(set);
    for (const zkdVariantSetGroup &group : service()->getVariantSetGroups())
        all.append(group);
    service()->removeVariantSets(all);
    stack()->clear();
    platform()->setVariantSetDragDisabled(false);
    platform()->setUIScaleFactor(1.0);
}

QModelIndex tst_zkVariantSetModel::indexOf(const QString &name) const
{
    return m_model->sourceModelIndex(m_scene->byName(name));
}

void tst_zkVariantSetModel::rowsAndRoles()
{
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    QCOMPARE(m_model->columnCount(), 2);
    QCOMPARE(m_model->columnCount(indexOf(QStringLiteral("G1"))), 2);
    QVERIFY(m_model->flags(QModelIndex()) & Qt::ItemIsDropEnabled);

    const QModelIndex set = indexOf(QStringLiteral("C"));
    QCOMPARE(set.parent(), indexOf(QStringLiteral("G1")));
    QCOMPARE(set.data(zkItemDataRole::Kind).toInt(), int(zkVariantSetTypes::VariantSet));
    QCOMPARE(set.data(zkItemDataRole::Kind).userType(), qMetaTypeId<zkVariantSetTypes::VariantSetType>());
    const Qt::ItemFlags setFlags = m_model->flags(set);
    QVERIFY(setFlags & Qt::ItemIsEditable);
    QVERIFY(setFlags & Qt::ItemIsDragEnabled);
    QVERIFY(!(setFlags & Qt::ItemIsDropEnabled));
    QVERIFY(!(m_model->flags(set.siblingAtColumn(1)) & Qt::ItemIsEditable));

    const QModelIndex group = indexOf(QStringLiteral("G1"));
    QCOMPARE(group.data(zkItemDataRole::Kind).toInt(), int(zkVariantSetTypes::Group));
    const Qt::ItemFlags groupFlags = m_model->flags(group);
    QVERIFY(groupFlags & Qt::ItemIsEditable);
    QVERIFY(groupFlags & Qt::ItemIsDragEnabled);
    QVERIFY(groupFlags & Qt::ItemIsDropEnabled);
    QCOMPARE(m_model->getName(group), QStringLiteral("G1"));
    QCOMPARE(m_model->getName(set), QStringLiteral("C"));
}

void tst_zkVariantSetModel::dragDisabled()
{
    platform()->setVariantSetDragDisabled(true);
    zkVariantSetTreeModel model;
    const zkModelTester tester(&model);
    const QModelIndex group = model.sourceModelIndex(m_scene->g1);
    const QModelIndex set = model.sourceModelIndex(m_scene->c);
    QVERIFY(!(model.flags(group) & (Qt::ItemIsDragEnabled | Qt::ItemIsDropEnabled)));
    QVERIFY(!(model.flags(set) & Qt::ItemIsDragEnabled));
    QVERIFY(model.flags(set) & Qt::ItemIsEditable);
}

void tst_zkVariantSetModel::missingService()
{
    zkVariantSetsService *sets = service();
    zkKernelServiceFactory::the().unregisterService("zkVariantSetsService");
    zkVariantSetTreeModel model;
    const zkModelTester tester(&model);
    const int rows = model.rowCount();
    zkKernelServiceFactory::the().registerService(sets);
    QCOMPARE(rows, 0);
}

void tst_zkVariantSetModel::nestedGroup()
{
    const zkdVariantSetGroup nested = service()->createVariantSetGroup(QStringLiteral("Nested"));
    service()->createVariantSet(QStringLiteral("F"), nested);
    zkdHierarchy::instance().insert(m_scene->g1, 1, {nested}, QStringLiteral("Nest"));
    QCOMPARE(dumpModel(*m_model), QStringLiteral("A B G1[C D] G2[E] Empty"));
}

void tst_zkVariantSetModel::preview()
{
    platform()->setUIScaleFactor(1.5);
    QImage image(40, 20, QImage::Format_ARGB32);
    image.fill(Qt::red);
    {
        const zkScopedUndo undo(false);
        m_scene->a.setPreview(image);
    }
    const QModelIndex a = indexOf(QStringLiteral("A"));
    const QIcon icon = a.siblingAtColumn(1).data(Qt::DecorationRole).value<QIcon>();
    QCOMPARE(icon.availableSizes(), QList<QSize>{QSize(24, 24)});
    // A set without a preview has no icon.
    QVERIFY(!indexOf(QStringLiteral("B")).siblingAtColumn(1).data(Qt::DecorationRole).isValid());
}

void tst_zkVariantSetModel::handles()
{
    const QModelIndex set = indexOf(QStringLiteral("C"));
    const QModelIndex group = indexOf(QStringLiteral("G2"));
    QCOMPARE(m_model->getVariantSet(set), m_scene->c);
    QVERIFY(m_model->getVariantSetGroup(set).isNull());
    QCOMPARE(m_model->getVariantSetGroup(group), m_scene->g2);
    QVERIFY(m_model->getVariantSet(group).isNull());
    QCOMPARE(m_model->getVariantSetBase(group), zkdVariantSetBase(m_scene->g2));
    QVERIFY(m_model->getVariantSetBase(QModelIndex()).isNull());
    QVERIFY(m_model->getVariantSetBase(m_proxy->index(0, 0)).isNull());
    QVERIFY(!zkVariantSetTreeModel::toQVariant(zkdVariantSetBase()).isValid());
    QCOMPARE(zkVariantSetTreeModel::toQVariant(m_scene->c).typeName(), "zkdVariantSet");
    QCOMPARE(zkVariantSetTreeModel::toQVariant(m_scene->g1).typeName(), "zkdVariantSetGroup");
    QVERIFY(!m_model->sourceModelIndex(zkdVariantSetBase()).isValid());

    // A set of a group that has not been populated yet.
    zkVariantSetTreeModel fresh;
    QCOMPARE(fresh.rowCount(), 5);
    const QModelIndex e = fresh.sourceModelIndex(m_scene->e);
    QCOMPARE(fresh.getName(e), QStringLiteral("E"));
    QCOMPARE(e.parent(), fresh.sourceModelIndex(m_scene->g2));
}

void tst_zkVariantSetModel::typeFilter()
{
    m_proxy->setTypeFilteringEnabled(true);
    m_proxy->setTypeFilter({int(zkVariantSetTypes::Group)});
    QCOMPARE(dumpModel(*m_proxy), QStringLiteral("G1[C D] G2[E] Empty"));
    m_proxy->setTypeFilter({int(zkVariantSetTypes::VariantSet)});
    QCOMPARE(dumpModel(*m_proxy), QStringLiteral("A B"));
}

void tst_zkVariantSetModel::renames_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");

    QTest::newRow("set") << "C" << "Z" << "A B G1[Z D] G2[E] Empty";
    QTest::newRow("set to another set's name") << "A" << "B" << Scene::expected();
    QTest::newRow("set to a group's name") << "A" << "G2" << "G2 B G1[C D] G2[E] Empty";
    QTest::newRow("set to nothing") << "E" << "" << Scene::expected();
    QTest::newRow("group") << "G2" << "Other" << "A B G1[C D] Other[E] Empty";
    QTest::newRow("group to another group's name") << "G2" << "G1" << Scene::expected();
    QTest::newRow("group to a set's name") << "Empty" << "A" << "A B G1[C D] G2[E] A";
    QTest::newRow("group to nothing") << "G1" << "" << Scene::expected();
}

void tst_zkVariantSetModel::renames()
{
    QFETCH(QString, item);
    QFETCH(QString, text);
    QFETCH(QString, expected);

    QCOMPARE(dumpModel(*m_model), Scene::expected());
    const QModelIndex index = indexOf(item);
    const int steps = stack()->count();
    m_model->setData(index, text);
    QCOMPARE(dumpModel(*m_model), expected);
    QCOMPARE(dumpKernel(), expected);
    const bool renamed = expected != Scene::expected();
    QCOMPARE(stack()->count(), steps + (renamed ? 1 : 0));
    if (renamed) {
        stack()->undo();
        QCOMPARE(dumpModel(*m_model), Scene::expected());
        stack()->redo();
        QCOMPARE(dumpModel(*m_model), expected);
    }
}

void tst_zkVariantSetModel::drops_data()
{
    QTest::addColumn<QStringList>("dragged");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("expected");

    QTest::newRow("out of a group") << QStringList{"C"} << "" << "A B C G1[D] G2[E] Empty";
    QTest::newRow("into a group") << QStringList{"A"} << "G2" << "B G1[C D] G2[E A] Empty";
    QTest::newRow("between groups") << QStringList{"D"} << "Empty" << "A B G1[C] G2[E] Empty[D]";
    QTest::newRow("several") << QStringList{"C", "E", "B"} << "Empty" << "A G1[D] G2 Empty[C E B]";
    QTest::newRow("onto its own group") << QStringList{"C"} << "G1" << QString();
    QTest::newRow("onto the root when ungrouped") << QStringList{"A"} << "" << QString();
    QTest::newRow("onto a variant set") << QStringList{"C"} << "A" << QString();
    QTest::newRow("a group") << QStringList{"G1"} << "" << QString();
    QTest::newRow("a group into a group") << QStringList{"G1"} << "G2" << QString();
    QTest::newRow("one of several refused") << QStringList{"A", "C"} << "G1" << QString();
}

void tst_zkVariantSetModel::drops()
{
    QFETCH(QStringList, dragged);
    QFETCH(QString, target);
    QFETCH(QString, expected);

    QModelIndexList indexes;
    for (const QString &name : qAsConst(dragged))
        indexes.append(indexOf(name));
    const std::unique_ptr<QMimeData> data(m_model->mimeData(indexes));
    const QModelIndex parent = target.isEmpty() ? QModelIndex() : indexOf(target);
    const bool accepted = !expected.isEmpty();
    const int steps = stack()->count();
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);

    QCOMPARE(m_model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, parent), accepted);
    QCOMPARE(m_model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, parent), accepted);
    QCOMPARE(dumpModel(*m_model), accepted ? expected : Scene::expected());
    QCOMPARE(dumpKernel(), dumpModel(*m_model));
    QCOMPARE(stack()->count(), steps + (accepted ? 1 : 0));
    QCOMPARE(resets.count(), 0);
    if (accepted) {
        stack()->undo();
        QCOMPARE(dumpModel(*m_model), Scene::expected());
        stack()->redo();
        QCOMPARE(dumpModel(*m_model), expected);
    }
}

void tst_zkVariantSetModel::refusedPayloads_data()
{
    QTest::addColumn<Payload>("payload");
    QTest::addColumn<QString>("type");

    QTest::newRow("empty") << Payload([](const Scene &) { return QByteArray(); }) << mimeType;
    QTest::newRow("truncated") << Payload([](const Scene &s) { return payloadOf({idOf(s.c), idOf(s.e)}).chopped(3); })
                               << mimeType;
    QTest::newRow("garbage") << Payload([](const Scene &) { return QByteArray("\x7f\x01\x02", 3); }) << mimeType;
    QTest::newRow("foreign type") << Payload([](const Scene &s) { return payloadOf({idOf(s.c)}); })
                                  << "application/zelk-material-item";
    QTest::newRow("root id") << Payload([](const Scene &) { return payloadOf({QStringLiteral("zkVariantSetRootModelItem")}); })
                             << mimeType;
    QTest::newRow("integer id") << Payload([](const Scene &) { return payloadOf({QVariant::fromValue(quint64(1))}); })
                                << mimeType;
    QTest::newRow("stale set") << Payload([](const Scene &) {
        const zkdVariantSet gone = service()->createVariantSet(QStringLiteral("Gone"));
        service()->removeVariantSets({gone});
        return payloadOf({idOf(gone)});
    }) << mimeType;
    QTest::newRow("valid then stale") << Payload([](const Scene &s) {
        return payloadOf({idOf(s.c), QVariant::fromValue(zkdVariantSet())});
    }) << mimeType;
}

void tst_zkVariantSetModel::refusedPayloads()
{
    QFETCH(Payload, payload);
    QFETCH(QString, type);

    QCOMPARE(dumpModel(*m_model), Scene::expected());
    const std::unique_ptr<QMimeData> data = mimeOf(payload(*m_scene), type);
    const int steps = stack()->count();
    const QModelIndex target = indexOf(QStringLiteral("Empty"));
    QVERIFY(!m_model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, target));
    QVERIFY(!m_model->dropMimeData(data.get(), Qt::MoveAction, -1, 0, target));
    QCOMPARE(dumpModel(*m_model), Scene::expected());
    QCOMPARE(dumpKernel(), Scene::expected());
    QCOMPARE(stack()->count(), steps);
}

void tst_zkVariantSetModel::selection()
{
    zkVariantSetSelectionModel selection(m_proxy.get(), nullptr);
    QVERIFY(selection.getSelectedGroupOrParent().isNull());

    selection.setSelected({m_scene->g2, zkdVariantSetBase(), m_scene->g1});
    QCOMPARE(selection.selectedRows().size(), 2);
    QCOMPARE(selection.getSelectedVariantSetGroups().size(), 2);
    QVERIFY(selection.getSelectedVariantSets().isEmpty());
    // The selection's own order, which is the rows', not the order asked for.
    QCOMPARE(selection.getSelectedGroupOrParent(), selection.getSelectedVariantSetGroups().constLast());

    selection.setSelected({m_scene->e});
    QCOMPARE(selection.getSelectedVariantSets(), QList<zkdVariantSet>{m_scene->e});
    QCOMPARE(selection.getSelectedVariantSetItems(), QList<zkdVariantSetBase>{m_scene->e});
    QCOMPARE(selection.getSelectedGroupOrParent(), m_scene->g2);
    // Whole rows are selected.
    QCOMPARE(selection.selectedIndexes().size(), 2);

    selection.setSelected({m_scene->a});
    QVERIFY(selection.getSelectedGroupOrParent().isNull());

    // A set and a group: the group wins whatever the order.
    selection.setSelected({m_scene->c, m_scene->empty});
    QCOMPARE(selection.getSelectedGroupOrParent(), m_scene->empty);

    selection.setSelected({});
    QVERIFY(!selection.hasSelection());
}

void tst_zkVariantSetModel::selectionWithoutProxy()
{
    zkVariantSetSelectionModel selection(m_model.get(), nullptr);
    selection.setSelected({m_scene->a});
    QVERIFY(!selection.hasSelection());
    // Reading works on the tree model itself.
    selection.select(indexOf(QStringLiteral("C")), QItemSelectionModel::Select | QItemSelectionModel::Rows);
    QCOMPARE(selection.getSelectedVariantSetItems(), QList<zkdVariantSetBase>{m_scene->c});
    QCOMPARE(selection.getSelectedGroupOrParent(), m_scene->g1);
}

void tst_zkVariantSetModel::randomMutations()
{
    const QByteArray seedText = qgetenv("ZK_VARIANT_SET_SEED");
    const quint32 seed = seedText.isEmpty() ? QRandomGenerator::global()->generate() : seedText.toUInt();
    QRandomGenerator random(seed);
    const auto pick = [&random](int count) { return int(random.bounded(count)); };
    const QSignalSpy resets(m_model.get(), &QAbstractItemModel::modelReset);
    m_proxy->setRecursiveMatchingEnabled(true);
    int names = 0;
    int acceptedDrops = 0;
    int refusedDrops = 0;
    const auto newName = [&names, &pick] {
        // Now and then a name already taken, which renames must refuse.
        return pick(8) == 0 ? QStringLiteral("S%1").arg(pick(names + 1)) : QStringLiteral("S%1").arg(++names);
    };
    const auto allSets = [] { return service()->getVariantSets(); };
    const auto groups = [] { return service()->getVariantSetGroups(); };
    const auto anyIndex = [this, &pick] {
        QModelIndex index;
        while (m_model->rowCount(index) > 0 && (pick(3) > 0 || !index.isValid()))
            index = m_model->index(pick(m_model->rowCount(index)), 0, index);
        return index;
    };

    for (int step = 0; step < 10000; ++step) {
        QString what;
        const QList<zkdVariantSet> sets = allSets();
        const QList<zkdVariantSetGroup> shownGroups = groups();
        switch (pick(12)) {
        case 0: { // a new set, grouped or not
            what = QStringLiteral("create set");
            const zkScopedUndo undo(true);
            const zkdVariantSetGroup group = shownGroups.isEmpty() || pick(2) ? zkdVariantSetGroup()
                                                                              : shownGroups.at(pick(shownGroups.size()));
            service()->createVariantSet(newName(), group);
            break;
        }
        case 1:
            what = QStringLiteral("create group");
            if (shownGroups.size() < 6) {
                const zkScopedUndo undo(true);
                service()->createVariantSetGroup(newName());
            }
            break;
        case 2: { // delete sets or a group
            what = QStringLiteral("delete");
            const zkScopedUndo undo(true);
            QList<zkdVariantSetBase> doomed;
            if (!sets.isEmpty())
                doomed.append(sets.at(pick(sets.size())));
            if (!shownGroups.isEmpty() && pick(4) == 0)
                doomed.append(shownGroups.at(pick(shownGroups.size())));
            service()->removeVariantSets(doomed);
            break;
        }
        case 3: // a kernel rename
            what = QStringLiteral("rename");
            if (!sets.isEmpty()) {
                const zkScopedUndo undo(true);
                sets.at(pick(sets.size())).setName(newName());
            }
            break;
        case 4: // into a group
            what = QStringLiteral("group");
            if (!sets.isEmpty() && !shownGroups.isEmpty()) {
                const zkScopedUndo undo(true);
                shownGroups.at(pick(shownGroups.size())).addVariantSet(sets.at(pick(sets.size())));
            }
            break;
        case 5: // out of its group
            what = QStringLiteral("ungroup");
            if (!sets.isEmpty()) {
                const zkScopedUndo undo(true);
                const zkdVariantSet set = sets.at(pick(sets.size()));
                set.getParent().removeVariantSet(set);
            }
            break;
        case 6:
        case 7:
            what = QStringLiteral("undo");
            stack()->undo();
            break;
        case 8:
            what = QStringLiteral("redo");
            stack()->redo();
            break;
        case 9: { // an edit in the model
            what = QStringLiteral("edit");
            const QModelIndex index = anyIndex();
            if (index.isValid())
                m_model->setData(index, pick(6) == 0 ? QString() : newName());
            break;
        }
        case 10: { // a drag in the model, which must do what its test said
            what = QStringLiteral("drop");
            QModelIndexList dragged{anyIndex()};
            if (pick(3) == 0)
                dragged.append(anyIndex());
            const std::unique_ptr<QMimeData> data(m_model->mimeData(dragged));
            const QModelIndex target = anyIndex();
            const bool allowed = m_model->canDropMimeData(data.get(), Qt::MoveAction, -1, 0, target);
            const int steps = stack()->count();
            ++(allowed ? acceptedDrops : refusedDrops);
            if (m_model->dropMimeData(data.get(), Qt::MoveAction, pick(3) - 1, 0, target) != allowed
                || stack()->count() > steps + 1 || (!allowed && stack()->count() != steps)) {
                QFAIL(qPrintable(QStringLiteral("seed %1, step %2: drop and drop test disagree").arg(seed).arg(step)));
            }
            break;
        }
        case 11: // the proxy shows groups or sets only
            what = QStringLiteral("filter");
            m_proxy->setTypeFilteringEnabled(pick(2) == 0);
            m_proxy->setTypeFilter({pick(2)});
            break;
        }
        const QString shown = dumpModel(*m_model);
        const QString held = dumpKernel();
        if (shown != held) {
            QFAIL(qPrintable(QStringLiteral("seed %1, step %2 (%3):\n model  %4\n kernel %5")
                                 .arg(seed).arg(step).arg(what, shown, held)));
        }
        if (sets.size() > 40) { // keep the scene small, and the run fast
            const zkScopedUndo undo(false);
            service()->removeVariantSets({sets.constFirst(), sets.constLast()});
        }
    }
    QCOMPARE(dumpModel(*m_model), dumpKernel());
    dumpModel(*m_proxy);
    QCOMPARE(resets.count(), 0);
    QVERIFY(acceptedDrops > 0);
    QVERIFY(refusedDrops > 0);
}

QTEST_MAIN(tst_zkVariantSetModel)
#include "tst_zkVariantSetModel.moc"
