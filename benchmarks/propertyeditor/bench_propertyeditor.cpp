// Timings and memory of zkPropertyEditorWidget on kernel objects with many reflected double
// properties, against a form that builds the same rows with QFormLayout and QDoubleSpinBox,
// printed as ratios. Times are the best of several runs; build with optimisation (the default
// build type).

#include "zkBenchmarkSupport.h"

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
#include <QFormLayout>
#include <QLabel>
#include <QScrollArea>


#include <algorithm>
#include <cstdio>
#include <functional>

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
    // The editor's and the baseline's runs alternate, so that both meet the same machine.
    constexpr int runs = 3;
    std::printf("Build and show an object with N double properties (best of %d)\n", runs);
    std::printf("  %8s %12s %12s %8s %14s %14s\n", "N", "editor ms", "baseline ms", "ratio", "editor us/row",
                "baseline us/row");
    for (int count : {100, 1000, 10000}) {
        const zkdObject object = zkdObjectManager::create(className(count));
        Best editor, baseline;
        for (int run = 0; run < runs; ++run) {
            QWidget *widget = nullptr;
            editor.measure([&] { widget = buildEditor(object); });
            delete widget;
            settle();
            baseline.measure([&] { widget = buildBaseline(object, count); });
            delete widget;
            settle();
        }
        std::printf("  %8d %12.1f %12.1f %8.2f %14.1f %14.1f\n", count, editor.ms, baseline.ms,
                    editor.ms / baseline.ms, 1000.0 * editor.ms / count, 1000.0 * baseline.ms / count);
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
        Best cold, refresh;
        for (int run = 0; run < 3; ++run) {
            auto *editor = new zkPropertyEditorWidget(nullptr, {}, true, true);
            editor->resize(480, 800);
            cold.measure([editor, &first] {
                editor->setCurrentObjects(wrap({first}));
                editor->show();
                settle();
            });
            refresh.measure([editor, &second] {
                editor->setCurrentObjects(wrap({second}));
                settle();
            });
            delete editor;
            settle();
        }
        std::printf("  %8d %12.2f %12.1f %8.3f\n", count, refresh.ms, cold.ms, refresh.ms / cold.ms);
    }
    printGoal("ratio <= 0.05");
}

void benchmarkWrites()
{
    // A step takes milliseconds: many runs, with the editor's and the kernel's interleaved, keep
    // the machine's noise out of the ratios.
    constexpr int runs = 15;
    std::printf("One value written to %d selected objects as one undo step, and its undo (best of %d)\n",
                writeTargets, runs);
    QList<zkdObject> objects;
    objects.reserve(writeTargets);
    for (int i = 0; i < writeTargets; ++i)
        objects.append(zkdObjectManager::create("zkdBenchWriteTarget"));
    zkUndoStack *stack = zkUndoStack::instance();
    zkObjectService *service = zkKernelServiceFactory::the().getService<zkObjectService>();
    double value = 1.0;
    const auto writeStraight = [&objects, &value] {
        zkScopedUndo scope(true);
        zkScopedMultiCommand step;
        for (const zkdObject &object : objects)
            object.setProperty("value1", value);
    };
    const auto undo = [stack] { stack->undo(); };
    bool written = true;
    // Every measurement writes a new value, checks that all objects took it, times the undo, and
    // leaves an empty stack behind.
    const auto measureStep = [&](Best &write, Best &undone, const std::function<void()> &writeValue) {
        value += 1.0;
        write.measure(writeValue);
        written = written && std::all_of(objects.cbegin(), objects.cend(), [&value](const zkdObject &object) {
                      return object.property("value1").toDouble() == value;
                  });
        undone.measure(undo);
        stack->clear();
        settle();
    };

    Best bareWrite, bareUndo, listenedWrite, listenedUndo, kernelWrite, kernelUndo, editorWrite, editorUndo;
    for (int run = 0; run < runs; ++run) {
        measureStep(bareWrite, bareUndo, writeStraight);
        QObject listener;
        QObject::connect(service, &zkObjectService::propertyChangedBS, &listener, [] {});
        measureStep(listenedWrite, listenedUndo, writeStraight);
        QObject::disconnect(service, nullptr, &listener, nullptr);

        auto *editor = new zkPropertyEditorWidget(nullptr, {});
        editor->setCurrentObjects(wrap(objects));
        editor->resize(480, 800);
        editor->show();
        settle();
        measureStep(kernelWrite, kernelUndo, writeStraight);
        zkBaseControl *control = editor->getControl("value1");
        measureStep(editorWrite, editorUndo, [control, &value] { control->setPropertyValue(value); });
        delete editor;
        settle();
    }

    std::printf("  %8s %12s %12s %8s\n", "", "editor ms", "kernel ms", "ratio");
    std::printf("  %8s %12.1f %12.1f %8.2f%s\n", "write", editorWrite.ms, kernelWrite.ms,
                editorWrite.ms / kernelWrite.ms, written ? "" : "   (NOT ALL OBJECTS WRITTEN)");
    std::printf("  %8s %12.1f %12.1f %8.2f\n", "undo", editorUndo.ms, kernelUndo.ms, editorUndo.ms / kernelUndo.ms);
    std::printf("  kernel: the same step written straight to the kernel while the editor shows the objects\n");
    std::printf("  the kernel with no editor open:          write %.1f ms (editor ratio %.2f), undo %.1f ms\n",
                bareWrite.ms, editorWrite.ms / bareWrite.ms, bareUndo.ms);
    std::printf("  the kernel with a no-op slot on changes: write %.1f ms (ratio %.2f to no editor)\n",
                listenedWrite.ms, listenedWrite.ms / bareWrite.ms);
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

// Rows of the editor and of every editor nested in its rows.
int rowCount(const zkPropertyEditorWidget *editor)
{
    int rows = 0;
    for (const zkBaseControl *control : editor->getControls()) {
        ++rows;
        if (const zkPropertyEditorWidget *nested = editor->getChildPropertyEditor(control->getPropertyName()))
            rows += rowCount(nested);
    }
    return rows;
}

// One object of every material class the kernel can create.
QList<zkdObject> oneMaterialOfEachType()
{
    QList<zkdObject> materials;
    const quint64 material = zkdObjectManager::getTypeId("zkdMaterial");
    for (const QByteArray &name : zkdObjectManager::classNames()) {
        if (!zkdObjectManager::isTypeOf(zkdObjectManager::getTypeId(name), material))
            continue;
        const zkdObject object = zkdObjectManager::create(name);
        if (!object.isNull())
            materials.append(object);
    }
    return materials;
}

// A plain form with a caption and a spin box for each of rows rows.
QWidget *buildPlainForm(int rows)
{
    auto *scrollArea = new QScrollArea;
    scrollArea->setWidgetResizable(true);
    auto *page = new QWidget;
    auto *form = new QFormLayout(page);
    for (int i = 0; i < rows; ++i)
        form->addRow(QStringLiteral("Row %1").arg(i), new QDoubleSpinBox);
    scrollArea->setWidget(page);
    scrollArea->resize(480, 800);
    scrollArea->show();
    settle();
    return scrollArea;
}

void benchmarkMaterials()
{
    constexpr int runs = 5;
    // By rows, richest first: the first two give the type measured and the other type switched to.
    QList<QPair<int, zkdObject>> materials;
    for (const zkdObject &material : oneMaterialOfEachType()) {
        zkPropertyEditorWidget editor(nullptr, {});
        editor.setCurrentObjects(wrap({material}));
        materials.append({rowCount(&editor), material});
    }
    std::stable_sort(materials.begin(), materials.end(),
                     [](const QPair<int, zkdObject> &a, const QPair<int, zkdObject> &b) { return a.first > b.first; });
    if (materials.size() < 2) {
        std::printf("Material editors: the kernel creates fewer than two material types\n\n");
        return;
    }
    const zkdObject richest = materials.at(0).second;
    const int richestRows = materials.at(0).first;
    const zkdObject other = materials.at(1).second;
    const QByteArray type = richest.getTypeName().toLatin1();
    const zkdObject sibling = zkdObjectManager::create(type);

    std::printf("Material editors: the richest, %s with %d rows including its nested editors (best of %d)\n",
                type.constData(), richestRows, runs);
    Best cold, form, sameType, otherType;
    for (int run = 0; run < runs; ++run) {
        QWidget *widget = nullptr;
        cold.measure([&] { widget = buildEditor(richest); });
        delete widget;
        settle();
        form.measure([&] { widget = buildPlainForm(richestRows); });
        delete widget;
        settle();

        auto *editor = new zkPropertyEditorWidget(nullptr, {}, true, true);
        editor->resize(480, 800);
        // Shown once with each object, as an editor in use has been.
        editor->setCurrentObjects(wrap({sibling}));
        editor->show();
        settle();
        editor->setCurrentObjects(wrap({richest}));
        settle();
        sameType.measure([&] {
            editor->setCurrentObjects(wrap({sibling}));
            settle();
        });
        editor->setCurrentObjects(wrap({richest}));
        settle();
        otherType.measure([&] {
            editor->setCurrentObjects(wrap({other}));
            settle();
        });
        delete editor;
        settle();
    }
    std::printf("  %-36s %10.2f ms\n", "cold build and show", cold.ms);
    std::printf("  %-36s %10.2f ms   ratio %.2f   goal <= 1.50\n", "QFormLayout, same number of rows", form.ms,
                cold.ms / form.ms);
    std::printf("  %-36s %10.2f ms   share %.3f   goal <= 0.05 and < 16 ms\n", "cached switch to the same type",
                sameType.ms, sameType.ms / cold.ms);
    std::printf("  %-36s %10.2f ms   share %.3f   (to %s)\n\n", "cached switch to another type", otherType.ms,
                otherType.ms / cold.ms, qPrintable(other.getTypeName()));
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
    run("materials", benchmarkMaterials);
    return 0;
}

#include "bench_propertyeditor.moc"
