// Timings and memory of zkCachedPropertyEditorWidget on rich objects of the sample scene, and of
// zkDelayedUpdater on a burst of requests, printed as ratios. Times are the best of several runs;
// build with optimisation (the default build type).

#include "zkBenchmarkSupport.h"

#include <zkCachedPropertyEditorWidget.h>
#include <zkDelayedUpdater.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkSampleScene.h>
#include <zkdObjectManager.h>

#include <QApplication>
#include <QStackedWidget>

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>

namespace {

// The figures; the library's own messages on standard output are dropped.
std::FILE *out = stdout;

// Materials of two kinds, an environment material, a light node and a scene plate node.
const char *const sampleNames[] = {"Plastic Sample", "MetallicPaint Sample", "Studio", "Head Lamp", "Logo Plate"};

QList<zkPropertyEditorObjectWrapper *> wrap(const zkdObject &object)
{
    return {new zkPropertyEditorZkdObjectWrapper(object)};
}

// Two objects of each type, ordered so that every selection changes the type: the sample
// object, then a fresh one of its class.
QList<zkdObject> switchingObjects()
{
    QList<zkdObject> first, second;
    for (const char *name : sampleNames) {
        const zkdObject object = zkSampleScene::find(QString::fromLatin1(name));
        if (object.isNull()) {
            std::fprintf(stderr, "bench_cachededitor: no sample object named '%s'\n", name);
            continue;
        }
        first.append(object);
        second.append(zkdObjectManager::create(object.getTypeName().toLatin1()));
    }
    return first + second;
}

// The first typeCount objects are of different types, the others repeat them.
void benchmarkSwitching(const char *title, const QList<zkdObject> &objects, int typeCount)
{
    constexpr int runs = 3;
    constexpr int rounds = 20;
    std::fprintf(out, "%s: switch among %d objects of %d types, cached, against a cold build and show of each "
                "editor (best of %d)\n",
                title, int(objects.size()), typeCount, runs);

    Best cold;
    for (int run = 0; run < runs; ++run) {
        cold.measure([&] {
            for (int i = 0; i < typeCount; ++i) {
                auto *editor = new zkPropertyEditorWidget(nullptr, {}, true, true);
                editor->resize(480, 800);
                editor->show();
                editor->setCurrentObjects(wrap(objects.at(i)));
                settle();
                delete editor;
            }
        });
        settle();
    }
    const double coldPerEditor = cold.ms / typeCount;

    zkCachedPropertyEditorWidget cached(nullptr, {});
    cached.resize(480, 800);
    cached.show();
    for (const zkdObject &object : objects)
        cached.setCurrentObjects(wrap(object));
    settle();
    Best switching;
    double selectMs = 0;
    for (int run = 0; run < runs; ++run) {
        switching.measure([&] {
            for (int round = 0; round < rounds; ++round) {
                for (const zkdObject &object : objects) {
                    selectMs += elapsedMs([&] { cached.setCurrentObjects(wrap(object)); });
                    settle();
                }
            }
        });
    }
    const double switches = rounds * objects.size();
    const double perSwitch = switching.ms / switches;
    // The rest of a switch is showing and painting the page, which a cold build does as well.
    const double perSelect = selectMs / runs / switches;
    std::fprintf(out, "  %12s %12s %14s %8s %14s\n", "switch ms", "select ms", "cold build ms", "share",
                 "select share");
    std::fprintf(out, "  %12.3f %12.3f %14.3f %7.1f%% %13.1f%%\n", perSwitch, perSelect, coldPerEditor,
                 100.0 * perSwitch / coldPerEditor, 100.0 * perSelect / coldPerEditor);
    std::fprintf(out, "  goal: share <= 5%%\n\n");
}

void benchmarkHeap(const QList<zkdObject> &objects, int typeCount)
{
    std::fprintf(out, "Heap held by the cache of %d types against %d single editors\n", typeCount, typeCount);
    settle();
    size_t before = heapInUse();
    auto cached = std::make_unique<zkCachedPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>());
    cached->show();
    for (int i = 0; i < typeCount; ++i)
        cached->setCurrentObjects(wrap(objects.at(i)));
    settle();
    const size_t cacheBytes = heapInUse() - before;
    cached.reset();
    settle();

    // In one window as the cache's pages are, so that both hold one backing store.
    before = heapInUse();
    auto singles = std::make_unique<QStackedWidget>();
    singles->show();
    for (int i = 0; i < typeCount; ++i) {
        auto *editor = new zkPropertyEditorWidget(singles.get(), {});
        singles->addWidget(editor);
        editor->setCurrentObjects(wrap(objects.at(i)));
    }
    settle();
    const size_t singleBytes = heapInUse() - before;
    singles.reset();
    settle();

    std::fprintf(out, "  %16s %16s %8s\n", "cache KiB", "singles KiB", "ratio");
    std::fprintf(out, "  %16.1f %16.1f %8.2f\n\n", cacheBytes / 1024.0, singleBytes / 1024.0,
                double(cacheBytes) / double(singleBytes));
}

void benchmarkCoalescing()
{
    constexpr int runs = 20;
    constexpr int burst = 10000;
    std::fprintf(out, "%d update requests in one burst, delivered as one notification, against one request "
                "(best of %d)\n",
                burst, runs);
    zkDelayedUpdater updater;
    int notifications = 0;
    QObject::connect(&updater, &zkDelayedUpdater::updateScheduled, [&notifications](targetMask_t) { ++notifications; });

    Best one, many;
    int burstNotifications = 0;
    for (int run = 0; run < runs; ++run) {
        one.measure([&] {
            updater.requestUpdate(1);
            QCoreApplication::processEvents();
        });
        notifications = 0;
        many.measure([&] {
            for (int i = 0; i < burst; ++i)
                updater.requestUpdate(1u << (i % 32));
            QCoreApplication::processEvents();
        });
        burstNotifications = std::max(burstNotifications, notifications);
    }
    std::fprintf(out, "  %16s %16s %8s %22s\n", "burst us", "one us", "ratio", "notifications/burst");
    std::fprintf(out, "  %16.1f %16.1f %8.2f %22d\n", 1000.0 * many.ms, 1000.0 * one.ms, many.ms / one.ms,
                 burstNotifications);
    std::fprintf(out, "  goal: ratio <= 2.00\n\n");
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zkSampleScene::build();
    const QList<zkdObject> objects = switchingObjects();
    const int typeCount = objects.size() / 2;
    // The cached editor reports every selection on standard output.
    std::fflush(stdout);
    out = fdopen(dup(STDOUT_FILENO), "w");
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    close(null);
    benchmarkSwitching("Rich types", objects, typeCount);
    const zkdObject spot = zkSampleScene::find(QStringLiteral("Spot"));
    const zkdObject otherSpot = zkdObjectManager::create(spot.getTypeName().toLatin1());
    benchmarkSwitching("Spot lights", {spot, otherSpot}, 1);
    benchmarkSwitching("Spot and point light", {spot, zkSampleScene::find(QStringLiteral("Head Lamp"))}, 2);
    benchmarkHeap(objects, typeCount);
    benchmarkCoalescing();
    std::fclose(out);
    return 0;
}
