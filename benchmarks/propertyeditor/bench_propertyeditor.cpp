// Timings and memory of zkPropertyEditorWidget on kernel objects with many reflected double
// properties, against a form that builds the same rows with QFormLayout and QDoubleSpinBox,
// printed as ratios. Times are the best of several runs; build with optimisation (the default
// build type).

#include <zkBaseControl.h>
#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObject.h>
#include <zkdObjectManager.h>

#include <QApplication>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>

#include <malloc.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <limits>

// Kernel classes with 100, 1,000 and 10,000 double properties, and the target of the writes.
class zkdBenchObject100 : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

class zkdBenchObject1000 : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

class zkdBenchObject10000 : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

class zkdBenchWriteTarget : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};

Q_DECLARE_METATYPE(zkdBenchObject100)
Q_DECLARE_METATYPE(zkdBenchObject1000)
Q_DECLARE_METATYPE(zkdBenchObject10000)
Q_DECLARE_METATYPE(zkdBenchWriteTarget)

namespace {

constexpr int writeTargets = 10000;

QByteArray propertyName(int i)
{
    return QByteArray("value") + QByteArray::number(i);
}

QVector<zkdPropertyInfo> doubleProperties(int count)
{
    QVector<zkdPropertyInfo> properties;
    properties.reserve(count);
    for (int i = 0; i < count; ++i)
        properties.append(zkdProperty::value<double>(propertyName(i).constData(), 0.5 * i));
    return properties;
}

void registerClasses()
{
    zkdObjectManager::registerClass<zkdBenchObject100>(doubleProperties(100));
    zkdObjectManager::registerClass<zkdBenchObject1000>(doubleProperties(1000));
    zkdObjectManager::registerClass<zkdBenchObject10000>(doubleProperties(10000));
    zkdObjectManager::registerClass<zkdBenchWriteTarget>(doubleProperties(4));
}

QByteArray className(int propertyCount)
{
    return QByteArray("zkdBenchObject") + QByteArray::number(propertyCount);
}

// Lets show events, layouts, paints and deferred deletions run.
void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

double elapsedMs(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The best of runs: each run prepares (untimed), measures, and cleans up (untimed).
double bestOf(int runs, const std::function<void()> &prepare, const std::function<void()> &measure,
              const std::function<void()> &cleanUp)
{
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < runs; ++run) {
        prepare();
        best = std::min(best, elapsedMs(measure));
        cleanUp();
        settle();
    }
    return best;
}

size_t heapInUse()
{
    return mallinfo2().uordblks;
}

QList<zkPropertyEditorObjectWrapper *> wrap(const QList<zkdObject> &objects)
{
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    wrappers.reserve(objects.size());
    for (const zkdObject &object : objects)
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(object));
    return wrappers;
}

QWidget *buildEditor(const zkdObject &object)
{
    auto *editor = new zkPropertyEditorWidget(nullptr, {});
    editor->setCurrentObjects(wrap({object}));
    editor->resize(480, 800);
    editor->show();
    settle();
    return editor;
}

// The same rows by hand: a caption and a spin box per property, in a scroll area as the
// editor's category page is.
QWidget *buildBaseline(const zkdObject &object, int propertyCount)
{
    auto *scrollArea = new QScrollArea;
    scrollArea->setWidgetResizable(true);
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    for (int i = 0; i < propertyCount; ++i) {
        const QByteArray name = propertyName(i);
        auto *spinBox = new QDoubleSpinBox;
        spinBox->setRange(-1e9, 1e9);
        spinBox->setDecimals(6);
        spinBox->setValue(object.property(name.constData()).toDouble());
        form->addRow(QString::fromLatin1(name), spinBox);
    }
    scrollArea->setWidget(page);
    scrollArea->resize(480, 800);
    scrollArea->show();
    settle();
    return scrollArea;
}

void printGoal(const char *text)
{
    std::printf("  goal: %s\n\n", text);
}

void benchmarkBuild()
{
    std::printf("Build and show an object with N double properties (best of 3)\n");
    std::printf("  %8s %12s %12s %8s %14s %14s\n", "N", "editor ms", "baseline ms", "ratio", "editor us/row",
                "baseline us/row");
    for (int count : {100, 1000, 10000}) {
        const zkdObject object = zkdObjectManager::create(className(count));
        QWidget *widget = nullptr;
        const auto cleanUp = [&widget] {
            delete widget;
            widget = nullptr;
        };
        const double editor = bestOf(
            3, [] {}, [&] { widget = buildEditor(object); }, cleanUp);
        const double baseline = bestOf(
            3, [] {}, [&] { widget = buildBaseline(object, count); }, cleanUp);
        std::printf("  %8d %12.1f %12.1f %8.2f %14.1f %14.1f\n", count, editor, baseline, editor / baseline,
                    1000.0 * editor / count, 1000.0 * baseline / count);
    }
    printGoal("ratio <= 1.50 and the time per row flat in N");
}

void benchmarkRefresh()
{
    std::printf("Second selection of the same type, cache on, against the first (cold) build and show (best of 3)\n");
    std::printf("  %8s %12s %12s %8s\n", "N", "refresh ms", "cold ms", "ratio");
    for (int count : {100, 1000, 10000}) {
        const zkdObject first = zkdObjectManager::create(className(count));
        const zkdObject second = zkdObjectManager::create(className(count));
        second.setProperty("value0", 42.0);
        zkPropertyEditorWidget *editor = nullptr;
        const auto createEditor = [&editor] {
            editor = new zkPropertyEditorWidget(nullptr, {}, true, true);
            editor->resize(480, 800);
        };
        const auto selectFirst = [&editor, &first] {
            editor->setCurrentObjects(wrap({first}));
            editor->show();
            settle();
        };
        const auto selectSecond = [&editor, &second] {
            editor->setCurrentObjects(wrap({second}));
            settle();
        };
        const auto cleanUp = [&editor] {
            delete editor;
            editor = nullptr;
        };
        const double cold = bestOf(3, createEditor, selectFirst, cleanUp);
        const double refresh = bestOf(
            3,
            [&] {
                createEditor();
                selectFirst();
            },
            selectSecond, cleanUp);
        std::printf("  %8d %12.2f %12.1f %8.3f\n", count, refresh, cold, refresh / cold);
    }
    printGoal("ratio <= 0.05");
}

void benchmarkWrites()
{
    std::printf("One value written to %d selected objects as one undo step, and its undo (best of 3)\n",
                writeTargets);
    QList<zkdObject> objects;
    objects.reserve(writeTargets);
    for (int i = 0; i < writeTargets; ++i)
        objects.append(zkdObjectManager::create("zkdBenchWriteTarget"));
    zkUndoStack *stack = zkUndoStack::instance();
    double value = 1.0;
    const auto nextValue = [&value] { value += 1.0; };
    const auto clearStack = [stack] { stack->clear(); };
    const auto undo = [stack] { stack->undo(); };
    const auto writeStraight = [&objects, &value] {
        zkScopedUndo scope(true);
        zkScopedMultiCommand step;
        for (const zkdObject &object : objects)
            object.setProperty("value1", value);
    };

    const double kernelWrite = bestOf(3, nextValue, writeStraight, clearStack);
    // What any listener costs: the change signal of every write delivered to a slot that does
    // nothing.
    QObject listener;
    QObject::connect(zkKernelServiceFactory::the().getService<zkObjectService>(), &zkObjectService::propertyChangedBS,
                     &listener, [] {});
    const double listenedWrite = bestOf(3, nextValue, writeStraight, clearStack);
    QObject::disconnect(zkKernelServiceFactory::the().getService<zkObjectService>(), nullptr, &listener, nullptr);
    const double kernelUndo = bestOf(
        3,
        [&] {
            nextValue();
            writeStraight();
        },
        undo, clearStack);

    auto *editor = new zkPropertyEditorWidget(nullptr, {});
    editor->setCurrentObjects(wrap(objects));
    editor->resize(480, 800);
    editor->show();
    settle();
    zkBaseControl *control = editor->getControl("value1");
    const auto writeThroughEditor = [control, &value] { control->setPropertyValue(value); };
    const double editorWrite = bestOf(3, nextValue, writeThroughEditor, clearStack);
    const bool written = std::all_of(objects.cbegin(), objects.cend(), [&value](const zkdObject &object) {
        return object.property("value1").toDouble() == value;
    });
    const double editorUndo = bestOf(
        3,
        [&] {
            nextValue();
            writeThroughEditor();
        },
        undo, clearStack);
    delete editor;
    settle();

    std::printf("  %8s %12s %12s %8s\n", "", "editor ms", "kernel ms", "ratio");
    std::printf("  %8s %12.1f %12.1f %8.2f%s\n", "write", editorWrite, kernelWrite, editorWrite / kernelWrite,
                written ? "" : "   (NOT ALL OBJECTS WRITTEN)");
    std::printf("  %8s %12.1f %12.1f %8.2f\n", "undo", editorUndo, kernelUndo, editorUndo / kernelUndo);
    std::printf("  the kernel's writes with a no-op slot on the change signal: %.1f ms, ratio %.2f\n",
                listenedWrite, listenedWrite / kernelWrite);
    printGoal("write ratio <= 1.50");
}

void benchmarkMemory()
{
    constexpr int count = 10000;
    std::printf("Heap held by the %d rows (mallinfo2 in-use bytes)\n", count);
    const zkdObject object = zkdObjectManager::create(className(count));
    const auto held = [](const std::function<QWidget *()> &build) {
        const size_t before = heapInUse();
        QWidget *widget = build();
        const size_t after = heapInUse();
        delete widget;
        settle();
        return double(after - before) / 1024.0;
    };
    const double editor = held([&] { return buildEditor(object); });
    const double baseline = held([&] { return buildBaseline(object, count); });
    std::printf("  %12s %12s %8s %14s\n", "editor KiB", "baseline KiB", "ratio", "editor B/row");
    std::printf("  %12.0f %12.0f %8.2f %14.0f\n", editor, baseline, editor / baseline, editor * 1024.0 / count);
    printGoal("ratio <= 1.50");
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    registerClasses();

    std::printf("zkPropertyEditorWidget against QFormLayout + QDoubleSpinBox (Qt %s, %s)\n\n", qVersion(),
                qPrintable(QApplication::platformName()));
    // Fonts, styles and the factory's descriptions are set up once, before anything is measured.
    delete buildEditor(zkdObjectManager::create(className(100)));
    delete buildBaseline(zkdObjectManager::create(className(100)), 100);
    settle();

    // Sections named on the command line run alone, for profiling.
    const QStringList sections = QCoreApplication::arguments().mid(1);
    const auto run = [&sections](const char *name, void (*benchmark)()) {
        if (sections.isEmpty() || sections.contains(QLatin1String(name)))
            benchmark();
    };
    run("build", benchmarkBuild);
    run("refresh", benchmarkRefresh);
    run("write", benchmarkWrites);
    run("memory", benchmarkMemory);
    return 0;
}

#include "bench_propertyeditor.moc"
