// Timings of zkItemModel and zkProxyModel against Qt's QStandardItemModel and
// QSortFilterProxyModel on a tree of 100 x 10 x 100 = 101,100 rows, printed as ratios.
// Each figure is the best of several runs; build with optimisation (the default build type).
// The material tree model is timed over a kernel scene of 100,000 materials in 1,000 groups.
// The material tag model is timed over the same materials with 1 to 3 of 50 tags each.
// Arguments name the figures to run (build, reload, filter, inserts, hiddenmoves, materials,
// tags, materialfilter); none runs them all.

#include <zkGroupMaterialItem.h>
#include <zkIconCache.h>
#include <zkItemModel.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialItemFactory.h>
#include <zkMaterialService.h>
#include <zkMaterialTagCache.h>
#include <zkMaterialTagItemFactory.h>
#include <zkMaterialTagModel.h>
#include <zkMaterialTagRootItem.h>
#include <zkMaterialTreeModel.h>
#include <zkMaterialType.h>
#include <zkMaterialTypeRegistry.h>
#include <zkModelItem.h>
#include <zkProxyModel.h>
#include <zkdObjectManager.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QRegExp>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>
#include <memory>

namespace {

constexpr int topCount = 100;
constexpr int midCount = 10;
constexpr int leafCount = 100;
constexpr int totalRows = topCount + topCount * midCount + topCount * midCount * leafCount;
constexpr int runs = 5;

quint64 topId(int i)
{
    return 1 + i;
}

quint64 midId(int i, int j)
{
    return 1000 + i * midCount + j;
}

quint64 leafId(int i, int j, int k)
{
    return 100000 + (i * midCount + j) * leafCount + k;
}

QString nameOf(quint64 id)
{
    return QStringLiteral("Item ") + QString::number(id);
}

// An item of the scene tree above; its update() builds its children through setChildren(), as
// the library's concrete items do.
class BenchItem : public zkModelItem
{
public:
    enum Level { Root, Top, Mid, Leaf };

    BenchItem(Level level, int i, int j, quint64 id) : m_level(level), m_i(i), m_j(j), m_id(id) {}

    QVariant getId() override { return QVariant::fromValue(m_id); }

protected:
    void update() override
    {
        if (m_level != Root)
            setText(nameOf(m_id));
        QList<zkModelItem *> children;
        switch (m_level) {
        case Root:
            children.reserve(topCount);
            for (int i = 0; i < topCount; ++i)
                children.append(new BenchItem(Top, i, 0, topId(i)));
            break;
        case Top:
            children.reserve(midCount);
            for (int j = 0; j < midCount; ++j)
                children.append(new BenchItem(Mid, m_i, j, midId(m_i, j)));
            break;
        case Mid:
            children.reserve(leafCount);
            for (int k = 0; k < leafCount; ++k)
                children.append(new BenchItem(Leaf, m_i, m_j, leafId(m_i, m_j, k)));
            break;
        case Leaf:
            return;
        }
        setChildren(children);
    }

private:
    Level m_level;
    int m_i;
    int m_j;
    quint64 m_id;
};

void populate(zkModelItem *item)
{
    const int count = item->childCount();
    for (int row = 0; row < count; ++row)
        populate(item->child(row));
}

std::unique_ptr<zkItemModel> buildItemModel()
{
    auto model = std::make_unique<zkItemModel>();
    auto *root = new BenchItem(BenchItem::Root, 0, 0, 0);
    model->setRootItem(root);
    populate(root);
    return model;
}

std::unique_ptr<QStandardItemModel> buildStandardModel()
{
    auto model = std::make_unique<QStandardItemModel>();
    QStandardItem *root = model->invisibleRootItem();
    for (int i = 0; i < topCount; ++i) {
        auto *top = new QStandardItem(nameOf(topId(i)));
        for (int j = 0; j < midCount; ++j) {
            auto *mid = new QStandardItem(nameOf(midId(i, j)));
            for (int k = 0; k < leafCount; ++k)
                mid->appendRow(new QStandardItem(nameOf(leafId(i, j, k))));
            top->appendRow(mid);
        }
        root->appendRow(top);
    }
    return model;
}

// Visits every row a view could show, as an expanded view does; returns their number.
int traverse(const QAbstractItemModel &model, const QModelIndex &parent = QModelIndex())
{
    const int rows = model.rowCount(parent);
    int count = rows;
    for (int row = 0; row < rows; ++row)
        count += traverse(model, model.index(row, 0, parent));
    return count;
}

// The best time of runs, in milliseconds; prepare runs untimed before each measured run.
double bestOf(const std::function<void()> &prepare, const std::function<void()> &measured,
              const std::function<void()> &cleanup = [] {})
{
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        measured();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
        cleanup();
    }
    return best;
}

void printRatio(const char *figure, const char *ours, double ourTime, const char *theirs, double theirTime,
                const char *goal)
{
    std::printf("%-44s %s %8.1f ms | %s %8.1f ms | ratio %.2f (goal %s)\n", figure, ours, ourTime, theirs,
                theirTime, ourTime / theirTime, goal);
}

struct FilterFigure
{
    double ours;
    double qt;
    int ourRows;
    int qtRows;
};

FilterFigure measureRecursiveFilter(QAbstractItemModel &ourSource, QAbstractItemModel &qtSource,
                                    const QString &pattern)
{
    FilterFigure figure{};
    std::unique_ptr<zkProxyModel> ours;
    figure.ours = bestOf(
        [&] {
            ours = std::make_unique<zkProxyModel>();
            ours->setSourceModel(&ourSource);
            ours->setRecursiveMatchingEnabled(true);
        },
        [&] {
            ours->setFilterRegExp(QRegExp(pattern));
            figure.ourRows = traverse(*ours);
        },
        [&] { ours.reset(); });
    std::unique_ptr<QSortFilterProxyModel> qt;
    figure.qt = bestOf(
        [&] {
            qt = std::make_unique<QSortFilterProxyModel>();
            qt->setSourceModel(&qtSource);
            qt->setRecursiveFilteringEnabled(true);
        },
        [&] {
            qt->setFilterRegExp(QRegExp(pattern));
            figure.qtRows = traverse(*qt);
        },
        [&] { qt.reset(); });
    return figure;
}

double figureBuild()
{
    std::unique_ptr<zkItemModel> itemModel;
    const double build = bestOf([] {}, [&] { itemModel = buildItemModel(); }, [&] { itemModel.reset(); });
    std::unique_ptr<QStandardItemModel> standardModel;
    const double standardBuild = bestOf([] {}, [&] { standardModel = buildStandardModel(); },
                                        [&] { standardModel.reset(); });
    printRatio("build", "zkItemModel", build, "QStandardItemModel", standardBuild, "<= 1.0");
    return build;
}

// Every row is rebuilt and takes over its old row silently.
void figureReload(double build)
{
    const std::unique_ptr<zkItemModel> itemModel = buildItemModel();
    int notices = 0;
    const auto count = [&notices] { ++notices; };
    QObject::connect(itemModel.get(), &QAbstractItemModel::modelAboutToBeReset, count);
    QObject::connect(itemModel.get(), &QAbstractItemModel::rowsAboutToBeInserted, count);
    QObject::connect(itemModel.get(), &QAbstractItemModel::rowsAboutToBeRemoved, count);
    QObject::connect(itemModel.get(), &QAbstractItemModel::rowsAboutToBeMoved, count);
    QObject::connect(itemModel.get(), &QAbstractItemModel::dataChanged, count);
    const double reload = bestOf([] {}, [&] { itemModel->reload(); });
    printRatio("full reload, unchanged ids", "reload", reload, "build", build, "<= 1.0");
    std::printf("%-44s %d (expected 0)\n", "  resets, row and data notices of the reloads", notices);
}

void figureFilters()
{
    const std::unique_ptr<zkItemModel> itemModel = buildItemModel();
    const FilterFigure rare = measureRecursiveFilter(*itemModel, *itemModel, QStringLiteral("^Item 150042$"));
    printRatio("recursive filter, rare match", "zkProxyModel", rare.ours, "QSortFilterProxyModel", rare.qt, "<= 1.0");
    std::printf("%-44s %d | %d\n", "  rows shown", rare.ourRows, rare.qtRows);
    const FilterFigure broad = measureRecursiveFilter(*itemModel, *itemModel, QStringLiteral("7"));
    printRatio("recursive filter, broad match", "zkProxyModel", broad.ours, "QSortFilterProxyModel", broad.qt,
               "<= 1.0");
    std::printf("%-44s %d | %d (a zkProxyModel also shows the rows below a match)\n", "  rows shown", broad.ourRows,
                broad.qtRows);
}

// 1,000 single inserts below the middle level while a recursive filter is active and mapped.
void figureInserts()
{
    constexpr int inserts = 1000;
    const QString pattern = QStringLiteral("Item 2000[0-9]7");
    const std::unique_ptr<zkItemModel> itemModel = buildItemModel();
    std::unique_ptr<zkProxyModel> proxy;
    int next = 0;
    const double ours = bestOf(
        [&] {
            proxy = std::make_unique<zkProxyModel>();
            proxy->setSourceModel(itemModel.get());
            proxy->setRecursiveMatchingEnabled(true);
            proxy->setFilterRegExp(QRegExp(pattern));
            traverse(*proxy);
        },
        [&] {
            for (int n = 0; n < inserts; ++n, ++next) {
                const int i = next % topCount;
                const int j = (next / topCount) % midCount;
                zkModelItem *mid = itemModel->findItemById(QVariant::fromValue(midId(i, j)));
                mid->insertChild(-1, new BenchItem(BenchItem::Leaf, i, j, 2000000 + next));
            }
        },
        [&] { proxy.reset(); });
    const std::unique_ptr<QStandardItemModel> standardModel = buildStandardModel();
    std::unique_ptr<QSortFilterProxyModel> qtProxy;
    next = 0;
    const double qt = bestOf(
        [&] {
            qtProxy = std::make_unique<QSortFilterProxyModel>();
            qtProxy->setSourceModel(standardModel.get());
            qtProxy->setRecursiveFilteringEnabled(true);
            qtProxy->setFilterRegExp(QRegExp(pattern));
            traverse(*qtProxy);
        },
        [&] {
            for (int n = 0; n < inserts; ++n, ++next) {
                QStandardItem *mid = standardModel->item(next % topCount)->child((next / topCount) % midCount);
                mid->appendRow(new QStandardItem(nameOf(2000000 + next)));
            }
        },
        [&] { qtProxy.reset(); });
    printRatio("1,000 single inserts, active filter", "zkItemModel+zkProxyModel", ours,
               "QStandardItemModel+QSortFilterProxyModel", qt, "none set");
}

// 1,000 moves of leaves between middle-level rows that an active filter hides, with every shown
// row mapped, as an expanded view keeps them; both proxies over the same item model.
void figureHiddenMoves()
{
    constexpr int moves = 1000;
    const QString pattern = QStringLiteral("^Item 1\\d$");
    const std::unique_ptr<zkItemModel> itemModel = buildItemModel();
    const auto move = [&itemModel](int n) {
        const int i = n % topCount;
        zkModelItem *from = itemModel->findItemById(QVariant::fromValue(midId(i, n % midCount)));
        zkModelItem *to = itemModel->findItemById(QVariant::fromValue(midId(i, (n + 1) % midCount)));
        to->insertChild(0, from->child(from->childCount() - 1));
    };
    const auto measure = [&](QSortFilterProxyModel *proxy, int &next) {
        std::unique_ptr<QSortFilterProxyModel> owner(proxy);
        return bestOf(
            [&] {
                proxy->setSourceModel(itemModel.get());
                proxy->setFilterRegExp(QRegExp(pattern));
                traverse(*proxy);
            },
            [&] {
                for (int n = 0; n < moves; ++n)
                    move(next++);
            },
            [&] { proxy->setSourceModel(nullptr); });
    };
    int next = 0;
    const double ours = measure(new zkProxyModel, next);
    const double qt = measure(new QSortFilterProxyModel, next);
    printRatio("1,000 moves below hidden rows", "zkProxyModel", ours, "QSortFilterProxyModel", qt, "none set");
}

constexpr int materialGroups = 1000;
constexpr int materialsPerGroup = 100;
constexpr int materialChanges = 1000;

zkMaterialService *materialService()
{
    return zkKernelServiceFactory::the().getService<zkMaterialService>();
}

void buildMaterialScene()
{
    static const char *const kinds[] = {"zkdPlasticMaterial", "zkdChromeMaterial", "zkdGlassMaterial",
                                        "zkdMetallicPaintMaterial"};
    zkMaterialService *service = materialService();
    for (int g = 0; g < materialGroups; ++g) {
        const zkdNode group = service->addMaterialGroup(QStringLiteral("Group ") + QString::number(g));
        for (int m = 0; m < materialsPerGroup; ++m) {
            const zkdMaterial material = zkd_cast<zkdMaterial>(zkdObjectManager::create(kinds[m % 4]));
            material.setName(QStringLiteral("Material ") + QString::number(g * materialsPerGroup + m));
            service->addMaterial(material, group);
        }
    }
}

std::unique_ptr<zkMaterialTreeModel> buildMaterialTreeModel()
{
    auto model = std::make_unique<zkMaterialTreeModel>();
    model->setRootItem(zkMaterialItemFactory::createItemForRoot());
    traverse(*model);
    return model;
}

// The same rows from the same kernel data: names, icons and the type role.
std::unique_ptr<QStandardItemModel> buildStandardMaterialModel()
{
    const zkMaterialTypeRegistry &registry = zkMaterialTypeRegistry::getInstance();
    auto model = std::make_unique<QStandardItemModel>();
    QStandardItem *root = model->invisibleRootItem();
    for (const zkdNode &groupNode : materialService()->getMaterialTreeRoot().getChildren()) {
        auto *group = new QStandardItem(groupNode.getIcon(), groupNode.getName());
        for (const zkdNode &node : groupNode.getChildren()) {
            const zkdMaterial material = zkd_cast<zkdMaterialNode>(node).getMaterial();
            auto *item = new QStandardItem(material.getIcon(), material.getName());
            item->setData(QVariant::fromValue(zkMaterialType(registry.lookup(material).type)), Qt::UserRole);
            group->appendRow(item);
        }
        root->appendRow(group);
    }
    traverse(*model);
    return model;
}

// Renames and moves of material nodes between groups, as the kernel makes them.
void changeMaterials(int round)
{
    zkMaterialService *service = materialService();
    const QList<zkdNode> groups = service->getMaterialTreeRoot().getChildren();
    for (int n = 0; n < materialChanges; ++n) {
        const QList<zkdNode> nodes = groups.at((n * 7 + round) % groups.size()).getChildren();
        const zkdMaterial material = zkd_cast<zkdMaterialNode>(nodes.at(n % nodes.size())).getMaterial();
        material.setName(QStringLiteral("Renamed %1 %2").arg(round).arg(n));
    }
    for (int n = 0; n < materialChanges; ++n) {
        const zkdNode from = groups.at((n * 13 + round) % groups.size());
        const zkdNode to = groups.at((n * 13 + round + 1) % groups.size());
        const QList<zkdNode> nodes = from.getChildren();
        if (!nodes.isEmpty())
            service->moveNodes(to, n % 50, {nodes.at(n % nodes.size())});
    }
}

void figureMaterials()
{
    std::unique_ptr<zkMaterialTreeModel> treeModel;
    const double build = bestOf([] {}, [&] { treeModel = buildMaterialTreeModel(); }, [&] { treeModel.reset(); });
    std::unique_ptr<QStandardItemModel> standardModel;
    const double standardBuild = bestOf([] {}, [&] { standardModel = buildStandardMaterialModel(); },
                                        [&] { standardModel.reset(); });
    printRatio("material tree build, 100,000 materials", "zkMaterialTreeModel", build, "QStandardItemModel",
               standardBuild, "<= 1.0");

    // The kernel's own share of the changes, without a model listening.
    int round = 0;
    const double kernelOnly = bestOf([] {}, [&] { changeMaterials(round++); });
    treeModel = buildMaterialTreeModel();
    int resets = 0;
    QObject::connect(treeModel.get(), &QAbstractItemModel::modelAboutToBeReset, [&resets] { ++resets; });
    const double withModel = bestOf([] {}, [&] { changeMaterials(round++); });
    printRatio("refresh after 1,000 renames and 1,000 moves", "refresh", withModel - kernelOnly, "rebuild", build,
               "<= 0.1");
    std::printf("%-44s %.1f ms with the kernel's own %.1f ms; %d resets (expected 0)\n", "  changes as timed",
                withModel, kernelOnly, resets);
}

constexpr int tagCount = 50;

// Each material gets 1 to 3 of the tags.
void tagMaterials()
{
    QList<zkdNode> pending{materialService()->getMaterialTreeRoot()};
    int n = 0;
    while (!pending.isEmpty()) {
        const zkdNode node = pending.takeFirst();
        pending += node.getChildren();
        const zkdMaterial material = zkd_cast<zkdMaterialNode>(node).getMaterial();
        if (material.isNull())
            continue;
        QStringList tags;
        for (int t = 0; t <= n % 3; ++t)
            tags.append(QStringLiteral("Tag ") + QString::number((n * 7 + t * 17) % tagCount));
        material.setTags(tags);
        ++n;
    }
}

void figureTags()
{
    tagMaterials();
    zkMaterialTagCache cache;
    cache.addSceneMaterials();
    std::unique_ptr<zkMaterialTagModel> tagModel;
    const double ours = bestOf(
        [] {},
        [&] {
            tagModel = std::make_unique<zkMaterialTagModel>();
            tagModel->setRootItem(zkMaterialTagItemFactory::createItemForRoot(0, cache));
            traverse(*tagModel);
        },
        [&] { tagModel.reset(); });
    // The same rows from the same cache: tags with their icon, below them the materials' names
    // and icons.
    std::unique_ptr<QStandardItemModel> standardModel;
    const double qt = bestOf(
        [] {},
        [&] {
            standardModel = std::make_unique<QStandardItemModel>();
            QStandardItem *root = standardModel->invisibleRootItem();
            for (const QString &tag : cache.getTags()) {
                auto *tagItem = new QStandardItem(zkIconCache::getMaterialTagIcon(), tag);
                for (const zkdMaterial &material : cache.getMaterialsWithTag(tag))
                    tagItem->appendRow(new QStandardItem(material.getIcon(), material.getName()));
                root->appendRow(tagItem);
            }
            traverse(*standardModel);
        },
        [&] { standardModel.reset(); });
    printRatio("material tag build, 50 tags", "zkMaterialTagModel", ours, "QStandardItemModel", qt, "<= 1.0");
}

void figureMaterialFilter()
{
    const std::unique_ptr<zkMaterialTreeModel> treeModel = buildMaterialTreeModel();
    const std::unique_ptr<QStandardItemModel> standardModel = buildStandardMaterialModel();
    const FilterFigure figure = measureRecursiveFilter(*treeModel, *standardModel, QStringLiteral("^Material 4200"));
    printRatio("recursive filter, material names", "zkProxyModel", figure.ours, "QSortFilterProxyModel", figure.qt,
               "<= 1.0");
    std::printf("%-44s %d | %d\n", "  rows shown", figure.ourRows, figure.qtRows);
}

} // namespace

int main(int argc, char **argv)
{
    // The tag model's icons need a GUI application.
    QGuiApplication app(argc, argv);
    const QStringList wanted = app.arguments().mid(1);
    const auto wants = [&wanted](const char *figure) {
        return wanted.isEmpty() || wanted.contains(QLatin1String(figure));
    };
    std::printf("Item models, tree of %d x %d x %d = %d rows, best of %d runs\n", topCount, midCount, leafCount,
                totalRows, runs);
    if (wants("build") || wants("reload")) {
        const double build = figureBuild();
        if (wants("reload"))
            figureReload(build);
    }
    if (wants("filter"))
        figureFilters();
    if (wants("inserts"))
        figureInserts();
    if (wants("hiddenmoves"))
        figureHiddenMoves();
    if (wants("materials") || wants("tags") || wants("materialfilter"))
        buildMaterialScene();
    if (wants("materials"))
        figureMaterials();
    if (wants("tags"))
        figureTags();
    if (wants("materialfilter"))
        figureMaterialFilter();
    return 0;
}
