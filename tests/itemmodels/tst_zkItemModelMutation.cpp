// A seeded random walk over the structural operations of zkItemModel: refreshes with random id
// sets (kept, new, dropped, reordered, moved in from elsewhere), nested edits, reloads, taking
// subtrees out and putting them back, and drops within the tree. After every step the model's
// tree must equal the scene it was built from, persistent indexes of surviving ids must still
// denote their items, and the model must never reset. QAbstractItemModelTester watches the model
// and a zkProxyModel over it, and the proxy, updated step by step, must show what a new proxy
// shows.
//
// The seed is printed; set ZK_MUTATION_SEED to replay a run, ZK_MUTATION_STEPS to change its
// length.

#include <zkItemModel.h>
#include <zkModelItem.h>
#include <zkProxyModel.h>

#include <QAbstractItemModelTester>
#include <QDataStream>
#include <QMimeData>
#include <QRegExp>
#include <QSignalSpy>
#include <QtTest>

#include <algorithm>
#include <map>
#include <memory>
#include <random>

namespace {

constexpr quint64 noId = ~quint64(0);
// Ids of rows that exist only between two setChildren() calls of one update().
constexpr quint64 transientIds = quint64(1) << 40;

QVariant idVariant(quint64 id)
{
    return QVariant::fromValue(id);
}

// The scene the items read: a tree of ids below the root 0.
struct Scene
{
    QHash<quint64, QList<quint64>> children;
    QHash<quint64, quint64> parents;
    QHash<quint64, QString> names;
    quint64 nextId = 1;

    bool contains(quint64 id) const { return id == 0 || parents.contains(id); }

    // In id order, so that a seed replays whatever the hash seed of the process.
    QList<quint64> ids() const
    {
        QList<quint64> list = parents.keys();
        std::sort(list.begin(), list.end());
        return list;
    }

    // The non-empty child lists, comparable across scenes.
    std::map<quint64, QList<quint64>> structure() const
    {
        std::map<quint64, QList<quint64>> result;
        for (auto it = children.cbegin(); it != children.cend(); ++it) {
            if (!it.value().isEmpty())
                result.emplace(it.key(), it.value());
        }
        return result;
    }
    quint64 parentOf(quint64 id) const { return parents.value(id, noId); }

    bool isAncestorOrSelf(quint64 ancestor, quint64 id) const
    {
        for (; id != noId; id = parentOf(id)) {
            if (id == ancestor)
                return true;
        }
        return false;
    }

    quint64 create()
    {
        const quint64 id = nextId++;
        names.insert(id, QString::number(id));
        return id;
    }

    void insert(quint64 parent, int row, quint64 id)
    {
        QList<quint64> &list = children[parent];
        list.insert(row < 0 || row > list.size() ? list.size() : row, id);
        parents.insert(id, parent);
    }

    void unlink(quint64 id) { children[parents.take(id)].removeOne(id); }

    void purge(quint64 id)
    {
        for (quint64 child : children.take(id))
            purge(child);
        parents.remove(id);
        names.remove(id);
    }

    // insertChild(row, id) under parent as the item model documents it, moves included.
    void simulateInsert(quint64 parent, int row, quint64 id)
    {
        const QList<quint64> &list = children[parent];
        int pos = row < 0 || row > list.size() ? list.size() : row;
        if (parentOf(id) == parent) {
            const int oldRow = list.indexOf(id);
            if (oldRow == pos || oldRow + 1 == pos)
                return;
            if (oldRow < pos)
                --pos;
        }
        unlink(id);
        insert(parent, pos, id);
    }
};

class Harness;

class MutationModel : public zkItemModel
{
public:
    MutationModel() { setMimeType(QStringLiteral("application/x-zk-mutation")); }
};

class MutationItem : public zkModelItem
{
public:
    MutationItem(Harness *harness, quint64 id) : m_harness(harness), m_id(id)
    {
        setDragEnabled(true);
        setDropEnabled(true);
    }

    QVariant getId() override { return idVariant(m_id); }
    quint64 id() const { return m_id; }

    using zkModelItem::isLoaded;
    using zkModelItem::reload;

protected:
    void update() override;
    void droppedFrom(zkModelItem *oldParent, int oldRow) override;

private:
    Harness *m_harness;
    quint64 m_id;
};

class Harness
{
public:
    explicit Harness(quint32 seed) : m_random(seed)
    {
        for (int i = 0; i < 12; ++i)
            scene.insert(0, -1, scene.create());
        for (int i = 0; i < 30; ++i) {
            const QList<quint64> ids = scene.ids();
            scene.insert(ids.at(pick(ids.size())), -1, scene.create());
        }
        model.setRootItem(new MutationItem(this, 0));
        proxy.setSourceModel(&model);
        proxy.setRecursiveMatchingEnabled(true);
        modelTester = std::make_unique<QAbstractItemModelTester>(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
        proxyTester = std::make_unique<QAbstractItemModelTester>(&proxy, QAbstractItemModelTester::FailureReportingMode::Fatal);
    }

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(m_random); }
    bool chance(int percent) { return pick(100) < percent; }

    // One random operation; what it did, for failure messages.
    QString step()
    {
        rememberPersistentIndexes();
        m_reborn.clear();
        const int dice = pick(100);
        QString what;
        if (dice < 30)
            what = refreshOne();
        else if (dice < 45)
            what = reloadAfterSeveralChanges();
        else if (dice < 55)
            what = nestedRefresh();
        else if (dice < 62)
            what = rename();
        else if (dice < 75)
            what = takeChild();
        else if (dice < 95)
            what = drop();
        else
            what = changeFilter();
        return what;
    }

    // Empty when the model matches the scene and the remembered indexes behave.
    QString check()
    {
        QString error = checkItem(model.findItemById(idVariant(0)), 0);
        if (!error.isEmpty())
            return error;
        for (const auto &entry : qAsConst(m_persistent)) {
            const QPersistentModelIndex &index = entry.first;
            const quint64 id = entry.second;
            if (!scene.contains(id) || m_reborn.contains(id)) {
                if (index.isValid())
                    return QStringLiteral("index of removed id %1 still valid").arg(id);
                continue;
            }
            zkModelItem *item = model.findItemById(idVariant(id));
            if (!index.isValid() || !item)
                return QStringLiteral("index of id %1 lost").arg(id);
            if (index.data().toString() != scene.names.value(id) || index.row() != item->getChildIndex()
                || index.parent().data().toString() != scene.names.value(scene.parentOf(id)))
                return QStringLiteral("index of id %1 points elsewhere").arg(id);
        }
        return QString();
    }

    // The proxy, updated step by step, shows what a new proxy over the same source shows.
    QString checkProxy()
    {
        zkProxyModel fresh;
        fresh.setSourceModel(&model);
        fresh.setFilterRegExp(proxy.filterRegExp());
        fresh.setRecursiveMatchingEnabled(m_recursive);
        if (m_sorted)
            fresh.sort(0);
        const QString expected = dump(fresh, QModelIndex());
        const QString actual = dump(proxy, QModelIndex());
        return expected == actual ? QString() : QStringLiteral("proxy shows %1 instead of %2").arg(actual, expected);
    }

    Scene scene;
    QSet<quint64> scrambleOnce;
    QHash<quint64, quint64> nestedReloads;
    MutationModel model;
    zkProxyModel proxy;

private:
    friend class MutationItem;

    QList<MutationItem *> existingItems(bool loadedOnly)
    {
        QList<MutationItem *> items;
        QList<zkModelItem *> queue{model.findItemById(idVariant(0))};
        while (!queue.isEmpty()) {
            auto *item = static_cast<MutationItem *>(queue.takeFirst());
            if (!loadedOnly || item->isLoaded())
                items.append(item);
            for (int row = 0; zkModelItem *child = item->child(row); ++row)
                queue.append(child);
        }
        return items;
    }

    MutationItem *pickItem(bool loadedOnly, bool withRoot = true)
    {
        QList<MutationItem *> items = existingItems(loadedOnly);
        if (!withRoot)
            items.removeFirst();
        return items.isEmpty() ? nullptr : items.at(pick(items.size()));
    }

    // A new child list for parent in the scene: some children dropped, the rest reordered, new ids
    // and sometimes an id from elsewhere in the tree (never an ancestor of parent).
    void restructure(quint64 parent, bool withMoveIn = true)
    {
        QList<quint64> list = scene.children.value(parent);
        std::shuffle(list.begin(), list.end(), m_random);
        QList<quint64> dropped;
        const int keepPercent = scene.parents.size() > 150 ? 55 : 80;
        for (int i = list.size() - 1; i >= 0; --i) {
            if (!chance(keepPercent))
                dropped.append(list.takeAt(i));
        }
        const QList<quint64> ids = scene.ids();
        if (withMoveIn && chance(40) && !ids.isEmpty()) {
            const quint64 candidate = ids.at(pick(ids.size()));
            if (!scene.isAncestorOrSelf(candidate, parent) && !list.contains(candidate) && !dropped.contains(candidate)) {
                scene.unlink(candidate);
                list.insert(pick(list.size() + 1), candidate);
            }
        }
        const int fresh = scene.parents.size() > 150 ? pick(2) : pick(4);
        for (int i = 0; i < fresh; ++i)
            list.insert(pick(list.size() + 1), scene.nextId++);
        for (quint64 id : qAsConst(dropped)) {
            scene.children[parent].removeOne(id);
            scene.purge(id);
        }
        for (quint64 id : qAsConst(list)) {
            if (!scene.names.contains(id))
                scene.names.insert(id, QString::number(id));
            scene.parents.insert(id, parent);
        }
        scene.children[parent] = list;
    }

    QString refreshOne()
    {
        MutationItem *item = pickItem(true);
        const quint64 id = item->id();
        restructure(id);
        if (chance(30))
            scrambleOnce.insert(id);
        item->reload();
        return QStringLiteral("refresh %1").arg(id);
    }

    QString reloadAfterSeveralChanges()
    {
        QStringList ids;
        const int changes = 1 + pick(3);
        for (int i = 0; i < changes; ++i) {
            MutationItem *item = pickItem(true);
            if (!scene.contains(item->id()))
                continue;
            restructure(item->id());
            if (chance(30))
                scrambleOnce.insert(item->id());
            ids.append(QString::number(item->id()));
        }
        model.reload();
        return QStringLiteral("reload after changes of %1").arg(ids.join(QLatin1Char(',')));
    }

    // While one item updates, another one reloads inside the same edit. An inner item above the
    // outer one would replace the outer one while it updates, which no scene does. The inner
    // change moves nothing in from elsewhere: the outer change may drop the inner item, and its
    // refresh would never show where the moved rows went.
    QString nestedRefresh()
    {
        // Refreshes replace items by fresh ones; only the outer item is sure to outlive its own.
        MutationItem *outer = pickItem(true);
        const quint64 outerId = outer->id();
        const quint64 innerId = pickItem(true)->id();
        if (scene.isAncestorOrSelf(innerId, outerId))
            return refreshOne();
        restructure(innerId, false);
        restructure(outerId);
        nestedReloads.insert(outerId, innerId);
        outer->reload();
        nestedReloads.remove(outerId);
        return QStringLiteral("nested refresh of %1 within %2").arg(innerId).arg(outerId);
    }

    QString rename()
    {
        MutationItem *item = pickItem(true, false);
        if (!item)
            return QStringLiteral("rename: nothing");
        const quint64 id = item->id();
        scene.names[id] = QString::number(id) + QLatin1Char("abc"[pick(3)]);
        static_cast<MutationItem *>(item->getParent())->reload();
        return QStringLiteral("rename %1").arg(id);
    }

    QString takeChild()
    {
        QList<MutationItem *> parents = existingItems(true);
        parents.erase(std::remove_if(parents.begin(), parents.end(), [](MutationItem *item) { return !item->child(0); }),
                      parents.end());
        if (parents.isEmpty())
            return QStringLiteral("take: nothing");
        MutationItem *parent = parents.at(pick(parents.size()));
        const int row = pick(parent->childCount());
        std::unique_ptr<zkModelItem> taken(parent->takeChild(row));
        const quint64 id = static_cast<MutationItem *>(taken.get())->id();
        scene.unlink(id);
        QList<zkModelItem *> subtree{taken.get()};
        while (!subtree.isEmpty()) {
            zkModelItem *item = subtree.takeFirst();
            m_reborn.insert(static_cast<MutationItem *>(item)->id());
            for (int r = 0; zkModelItem *child = item->child(r); ++r)
                subtree.append(child);
        }
        if (chance(50)) {
            scene.purge(id);
            return QStringLiteral("take %1 and delete it").arg(id);
        }
        MutationItem *target = pickItem(false);
        const int targetRow = pick(scene.children.value(target->id()).size() + 3) - 1;
        target->insertChild(targetRow, taken.release());
        scene.insert(target->id(), targetRow, id);
        return QStringLiteral("take %1 and insert it under %2 at %3").arg(id).arg(target->id()).arg(targetRow);
    }

    QString drop()
    {
        const QList<MutationItem *> items = existingItems(false);
        if (items.size() < 2)
            return QStringLiteral("drop: nothing");
        MutationItem *target = items.at(pick(items.size()));
        const int row = pick(scene.children.value(target->id()).size() + 3) - 1;
        QList<quint64> payloadIds;
        const int count = 1 + pick(3);
        for (int i = 0; i < count; ++i) {
            const quint64 id = chance(10) ? (quint64(1) << 50) + pick(5) : items.at(1 + pick(items.size() - 1))->id();
            if (!payloadIds.contains(id))
                payloadIds.append(id);
        }

        Scene expected = scene;
        int insertionRow = row;
        for (quint64 id : qAsConst(payloadIds)) {
            if (!expected.contains(id))
                continue;
            if (!expected.isAncestorOrSelf(id, target->id()))
                expected.simulateInsert(target->id(), insertionRow, id);
            if (insertionRow >= 0)
                ++insertionRow;
        }

        QByteArray bytes;
        QDataStream stream(&bytes, QIODevice::WriteOnly);
        for (quint64 id : qAsConst(payloadIds))
            stream << idVariant(id);
        QMimeData data;
        data.setData(QStringLiteral("application/x-zk-mutation"), bytes);
        const QModelIndex parent = target->id() == 0 ? QModelIndex() : model.indexFromId(idVariant(target->id()));
        const bool accepted = model.dropMimeData(&data, Qt::MoveAction, row, 0, parent);
        QStringList ids;
        for (quint64 id : qAsConst(payloadIds))
            ids.append(QString::number(id));
        const QString what = QStringLiteral("drop %1 on %2 at %3").arg(ids.join(QLatin1Char(','))).arg(target->id()).arg(row);
        if (!accepted)
            return what + QStringLiteral(": refused");
        if (expected.structure() != scene.structure())
            return what + QStringLiteral(": scene differs from the expected moves");
        return what;
    }

    QString changeFilter()
    {
        static const char *const patterns[] = {"", "1", "2", "3[0-9]", "^[0-9]$", "7b|a"};
        const char *pattern = patterns[pick(6)];
        m_recursive = chance(70);
        proxy.setRecursiveMatchingEnabled(m_recursive);
        proxy.setFilterRegExp(QRegExp(QString::fromLatin1(pattern)));
        m_sorted = chance(50);
        proxy.sort(m_sorted ? 0 : -1);
        return QStringLiteral("filter '%1'%2%3").arg(QLatin1String(pattern), m_recursive ? QStringLiteral(" recursive") : QString(),
                                                      m_sorted ? QStringLiteral(" sorted") : QString());
    }

    void rememberPersistentIndexes()
    {
        m_persistent.clear();
        const QList<MutationItem *> items = existingItems(false);
        for (int i = 0; i < 12 && items.size() > 1; ++i) {
            MutationItem *item = items.at(1 + pick(items.size() - 1));
            m_persistent.append({QPersistentModelIndex(model.indexFromId(idVariant(item->id()))), item->id()});
        }
    }

    QString checkItem(zkModelItem *item, quint64 id)
    {
        auto *mutationItem = static_cast<MutationItem *>(item);
        if (!item || mutationItem->id() != id)
            return QStringLiteral("item %1 missing").arg(id);
        if (id != 0 && mutationItem->isLoaded() && item->data(Qt::DisplayRole).toString() != scene.names.value(id))
            return QStringLiteral("item %1 reads '%2'").arg(id).arg(item->data(Qt::DisplayRole).toString());
        if (model.findItemById(idVariant(id)) != item)
            return QStringLiteral("item %1 not indexed").arg(id);
        if (!mutationItem->isLoaded())
            return item->child(0) ? QStringLiteral("unloaded item %1 has rows").arg(id) : QString();
        const QList<quint64> expected = scene.children.value(id);
        QStringList actual;
        for (int row = 0; zkModelItem *child = item->child(row); ++row)
            actual.append(QString::number(static_cast<MutationItem *>(child)->id()));
        QStringList wanted;
        for (quint64 child : expected)
            wanted.append(QString::number(child));
        if (actual != wanted)
            return QStringLiteral("children of %1 are %2 instead of %3").arg(id).arg(actual.join(QLatin1Char(' ')), wanted.join(QLatin1Char(' ')));
        for (int row = 0; row < expected.size(); ++row) {
            zkModelItem *child = item->child(row);
            if (child->getChildIndex() != row || child->getParent() != item)
                return QStringLiteral("row or parent of %1 wrong").arg(expected.at(row));
            const QString error = checkItem(child, expected.at(row));
            if (!error.isEmpty())
                return error;
        }
        return QString();
    }

    static QString dump(const QAbstractItemModel &model, const QModelIndex &parent)
    {
        QStringList parts;
        for (int row = 0; row < model.rowCount(parent); ++row) {
            const QModelIndex index = model.index(row, 0, parent);
            QString part = index.data().toString();
            if (model.rowCount(index) > 0)
                part += QLatin1Char('[') + dump(model, index) + QLatin1Char(']');
            parts.append(part);
        }
        return parts.join(QLatin1Char(' '));
    }

    std::mt19937 m_random;
    std::unique_ptr<QAbstractItemModelTester> modelTester;
    std::unique_ptr<QAbstractItemModelTester> proxyTester;
    QList<QPair<QPersistentModelIndex, quint64>> m_persistent;
    QSet<quint64> m_reborn;
    bool m_recursive = true;
    bool m_sorted = false;
};

void MutationItem::update()
{
    Scene &scene = m_harness->scene;
    setText(scene.names.value(m_id));
    const QList<quint64> ids = scene.children.value(m_id);
    if (m_harness->scrambleOnce.remove(m_id)) {
        // A first, wrong list inside the same edit: a shuffled subset and rows that vanish again.
        QList<zkModelItem *> first;
        for (quint64 id : ids) {
            if (m_harness->chance(60))
                first.insert(m_harness->pick(first.size() + 1), new MutationItem(m_harness, id));
        }
        if (m_harness->chance(50))
            first.insert(m_harness->pick(first.size() + 1), new MutationItem(m_harness, transientIds + scene.nextId++));
        setChildren(first);
    }
    QList<zkModelItem *> items;
    for (quint64 id : ids)
        items.append(new MutationItem(m_harness, id));
    setChildren(items);
    const quint64 nested = m_harness->nestedReloads.value(m_id, noId);
    if (nested != noId) {
        if (auto *inner = static_cast<MutationItem *>(m_harness->model.findItemById(idVariant(nested))))
            inner->reload();
    }
}

void MutationItem::droppedFrom(zkModelItem *, int)
{
    // Carries the move into the scene, as a scene-backed item does.
    Scene &scene = m_harness->scene;
    scene.unlink(m_id);
    scene.insert(static_cast<MutationItem *>(getParent())->id(), getChildIndex(), m_id);
}

} // namespace

class tst_zkItemModelMutation : public QObject
{
    Q_OBJECT
private slots:
    void randomSteps();
};

void tst_zkItemModelMutation::randomSteps()
{
    const QByteArray seedText = qgetenv("ZK_MUTATION_SEED");
    const quint32 seed = seedText.isEmpty() ? std::random_device()() : seedText.toUInt();
    const int steps = qEnvironmentVariableIsSet("ZK_MUTATION_STEPS") ? qEnvironmentVariableIntValue("ZK_MUTATION_STEPS") : 3000;
    qInfo("zkItemModel mutation seed: %u (replay with ZK_MUTATION_SEED=%u)", seed, seed);

    Harness harness(seed);
    QSignalSpy resetSpy(&harness.model, &QAbstractItemModel::modelAboutToBeReset);
    QVERIFY(resetSpy.isValid());
    QString error = harness.check();
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList recent;
    for (int step = 0; step < steps; ++step) {
        recent.append(harness.step());
        if (recent.size() > 5)
            recent.removeFirst();
        error = harness.check();
        if (error.isEmpty() && step % 10 == 0)
            error = harness.checkProxy();
        const QString context =
            QStringLiteral("seed %1, step %2 (%3): %4").arg(seed).arg(step).arg(recent.join(QStringLiteral("; ")), error);
        QVERIFY2(error.isEmpty(), qPrintable(context));
        QVERIFY2(resetSpy.isEmpty(), qPrintable(context));
    }
}

QTEST_MAIN(tst_zkItemModelMutation)
#include "tst_zkItemModelMutation.moc"
