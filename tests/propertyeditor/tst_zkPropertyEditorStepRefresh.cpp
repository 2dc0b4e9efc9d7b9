#include "zkTestControls.h"

#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdObjectData.h>
#include <zkdObjectManager.h>

#include <QSignalSpy>
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

private:
    static int s_ruleRuns;
};

int tst_zkPropertyEditorStepRefresh::s_ruleRuns = 0;

void tst_zkPropertyEditorStepRefresh::initTestCase()
{
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
    QTest::addColumn<bool>("throughEditor");
    QTest::addColumn<int>("undos");
    QTest::addColumn<int>("redos");
    QTest::addColumn<QString>("shown");

    QTest::newRow("edit") << true << 0 << 0 << QStringLiteral("0.75");
    QTest::newRow("undo") << true << 1 << 0 << QStringLiteral("0.5");
    QTest::newRow("redo") << true << 1 << 1 << QStringLiteral("0.75");
    QTest::newRow("kernel step") << false << 0 << 0 << QStringLiteral("0.75");
    QTest::newRow("kernel step undone") << false << 1 << 0 << QStringLiteral("0.5");
}

void tst_zkPropertyEditorStepRefresh::stepRefreshesEachRowOnce()
{
    QFETCH(bool, throughEditor);
    QFETCH(int, undos);
    QFETCH(int, redos);
    QFETCH(QString, shown);

    QList<zkdStepTestShape> shapes;
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (int i = 0; i < 5; ++i) {
        const auto shape = zkdObjectManager::create<zkdStepTestShape>();
        shape.setProperty("roughness", 0.5 + i);
        shapes.append(shape);
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(shape));
    }
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdStepTestShape, double, zkTestLineEditControl>("roughness");
    factory->registerEditor<zkdStepTestShape, double, zkTestLineEditControl>("mirror");
    factory->registerChangedProperty<zkdStepTestShape, double>("mirror",
                                                               [](zkPropertyEditorWidget *, double) { ++s_ruleRuns; });
    zkPropertyEditorWidget editor(nullptr, {factory, zkPropertyEditorFactory::global()});
    editor.setCurrentObjects(wrappers);
    zkTestLineEditControl *roughness = zkRow(editor, "roughness");
    zkTestLineEditControl *mirror = zkRow(editor, "mirror");

    const auto resetCounts = [&] { roughness->updates = mirror->updates = s_ruleRuns = 0; };
    resetCounts();
    if (throughEditor) {
        roughness->setPropertyValue(0.75);
    } else {
        zkScopedUndo undo(true);
        zkScopedMultiCommand step;
        for (const zkdStepTestShape &shape : qAsConst(shapes))
            shape.setProperty("roughness", 0.75);
        QCOMPARE(roughness->updates, 0);
    }
    for (int i = 0; i < undos; ++i) {
        resetCounts();
        zkUndoStack::instance()->undo();
    }
    for (int i = 0; i < redos; ++i) {
        resetCounts();
        zkUndoStack::instance()->redo();
    }

    QCOMPARE(roughness->updates, 1);
    QCOMPARE(mirror->updates, 1);
    QCOMPARE(s_ruleRuns, 1);
    QCOMPARE(roughness->lineEdit()->text(), shown);
    QCOMPARE(mirror->lineEdit()->text(), QString::number(2.0 * shown.toDouble()));
}

QTEST_MAIN(tst_zkPropertyEditorStepRefresh)
#include "tst_zkPropertyEditorStepRefresh.moc"
