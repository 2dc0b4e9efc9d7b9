#include "zkTestControls.h"

#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <QTest>

class zkdStepTestShape : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdStepTestShape)

// The writes of one step over several shown objects (an edit through the editor or straight to
// the kernel, its undo or its redo) refresh each affected row, and run its change rule, once when
// the step is over.
class tst_zkPropertyEditorStepRefresh : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { zkUndoStack::instance()->clear(); }
    void stepRefreshesEachRowOnce_data();
    void stepRefreshesEachRowOnce();
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

void tst_zkPropertyEditorStepRefresh::stepRefreshesEachRowOnce_data()
{
    QTest::addColumn<QStringList>("steps");

    QTest::newRow("edit") << QStringList{"edit"};
    QTest::newRow("undo") << QStringList{"edit", "undo"};
    QTest::newRow("redo") << QStringList{"edit", "undo", "redo"};
    QTest::newRow("kernel step") << QStringList{"kernel"};
    QTest::newRow("kernel step undone") << QStringList{"kernel", "undo"};
}

void tst_zkPropertyEditorStepRefresh::stepRefreshesEachRowOnce()
{
    QFETCH(QStringList, steps);

    QList<zkdStepTestShape> shapes;
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (int i = 0; i < 5; ++i) {
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

    for (const QString &step : qAsConst(steps)) {
        roughness->updates = mirror->updates = ruleRuns = 0;
        if (step == "edit") {
            roughness->setPropertyValue(0.75);
        } else if (step == "kernel") {
            zkScopedUndo undo(true);
            zkScopedMultiCommand command;
            for (const zkdStepTestShape &shape : qAsConst(shapes))
                shape.setProperty("roughness", 0.75);
            QCOMPARE(roughness->updates, 0);
        } else if (step == "undo") {
            zkUndoStack::instance()->undo();
        } else {
            zkUndoStack::instance()->redo();
        }
    }

    QCOMPARE(roughness->updates, 1);
    QCOMPARE(mirror->updates, 1);
    QCOMPARE(ruleRuns, 1);
    const double shown = steps.last() == "undo" ? 0.5 : 0.75;
    QCOMPARE(roughness->lineEdit()->text(), QString::number(shown));
    QCOMPARE(mirror->lineEdit()->text(), QString::number(2 * shown));
}

QTEST_MAIN(tst_zkPropertyEditorStepRefresh)
#include "tst_zkPropertyEditorStepRefresh.moc"
