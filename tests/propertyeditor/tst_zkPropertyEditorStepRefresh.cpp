#include "zkTestControls.h"

#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <QTest>

#include <algorithm>

class zkdStepTestShape : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdStepTestShape)

// Each change notification of a step over several shown objects (an edit through the editor or
// straight to the kernel, its undo or its redo) refreshes its row and runs the property's change
// rule at once, so that a slot on editorPropertyChanged sees the row as it now is.
class tst_zkPropertyEditorStepRefresh : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { zkUndoStack::instance()->clear(); }
    void notificationRefreshesAtOnce_data();
    void notificationRefreshesAtOnce();
};

void tst_zkPropertyEditorStepRefresh::initTestCase()
{
    zkRegisterTestControls();
    // Writing roughness derives mirror, within the same step.
    zkdObjectManager::registerClass<zkdStepTestShape>(
        {zkdProperty::value<double>("roughness", 0.0), zkdProperty::value<double>("mirror", 0.0)},
        [](zkdObjectData &object, const QByteArray &name) {
            if (name == "roughness")
                object.setProperty("mirror", 2.0 * object.property("roughness").toDouble());
        });
}

void tst_zkPropertyEditorStepRefresh::notificationRefreshesAtOnce_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("edit") << QStringList{"edit"};
    QTest::newRow("undo") << QStringList{"edit", "undo"};
    QTest::newRow("redo") << QStringList{"edit", "undo", "redo"};
    QTest::newRow("kernel step") << QStringList{"kernel"};
    QTest::newRow("kernel step undone") << QStringList{"kernel", "undo"};
}

void tst_zkPropertyEditorStepRefresh::notificationRefreshesAtOnce()
{
    QFETCH(QStringList, steps);

    constexpr int objectCount = 5;
    QList<zkdStepTestShape> shapes;
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (int i = 0; i < objectCount; ++i) {
        shapes.append(zkdObjectManager::create<zkdStepTestShape>());
        shapes.last().setProperty("roughness", 0.5 + i);
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(shapes.last()));
    }
    int ruleRuns = 0;
    auto *factory = new zkPropertyEditorFactory;
    factory->registerChangedProperty<zkdStepTestShape, double>("mirror", [&ruleRuns](zkPropertyEditorWidget *, double) {
        ++ruleRuns;
    });
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCurrentObjects(wrappers);
    zkTestLineEditControl *roughness = zkRow(editor, "roughness");
    zkTestLineEditControl *mirror = zkRow(editor, "mirror");

    // What a slot sees at each notification of a shown object's roughness or mirror.
    struct Seen
    {
        int rowUpdates;
        int ruleRuns;
        QString shownValue;
        bool shownMixed;
        QString firstValue;
        bool mixed;
    };
    QMap<QByteArray, QList<Seen>> seen;
    connect(&editor, qOverload<const zkdObject &, const QByteArray &>(&zkPropertyEditorWidget::editorPropertyChanged),
            [&](const zkdObject &, const QByteArray &name) {
                zkTestLineEditControl *row = zkRow(editor, name);
                const QVariant first = shapes.first().property(name);
                const bool mixed = std::any_of(shapes.cbegin(), shapes.cend(), [&](const zkdStepTestShape &shape) {
                    return shape.property(name) != first;
                });
                seen[name].append({row->updates, ruleRuns, row->lineEdit()->text(), row->isMultiSelectHighlight(),
                                   first.toString(), mixed});
            });

    for (const QString &step : qAsConst(steps)) {
        seen.clear();
        roughness->updates = mirror->updates = ruleRuns = 0;
        if (step == "edit") {
            roughness->setPropertyValue(0.75);
        } else if (step == "kernel") {
            zkScopedUndo undo(true);
            zkScopedMultiCommand command;
            for (const zkdStepTestShape &shape : qAsConst(shapes))
                shape.setProperty("roughness", 0.75);
            QCOMPARE(seen.value("roughness").size(), objectCount);
        } else if (step == "undo") {
            zkUndoStack::instance()->undo();
        } else {
            zkUndoStack::instance()->redo();
        }
    }

    const double shown = steps.last() == "undo" ? 0.5 : 0.75;
    for (const QByteArray &name : {QByteArray("roughness"), QByteArray("mirror")}) {
        const QList<Seen> notifications = seen.value(name);
        QCOMPARE(notifications.size(), objectCount);
        const double factor = name == "mirror" ? 2.0 : 1.0;
        // The step passes through mixed values, and ends mixed only when undone to the start.
        QVERIFY(notifications.first().mixed);
        QCOMPARE(notifications.last().mixed, steps.last() == "undo");
        for (int i = 0; i < notifications.size(); ++i) {
            const Seen &at = notifications.at(i);
            QCOMPARE(at.rowUpdates, i + 1);
            if (name == "mirror")
                QCOMPARE(at.ruleRuns, i + 1);
            // The first object's value and whether the objects differ, as the kernel has them.
            QCOMPARE(at.shownValue, at.firstValue);
            QCOMPARE(at.shownMixed, at.mixed);
        }
        QCOMPARE(zkRow(editor, name)->lineEdit()->text(), QString::number(factor * shown));
    }
}

QTEST_MAIN(tst_zkPropertyEditorStepRefresh)
#include "tst_zkPropertyEditorStepRefresh.moc"
