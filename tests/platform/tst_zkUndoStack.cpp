#include <zkKernelServiceFactory.h>
#include <zkObjectService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkUndoString.h>
#include <zkdObjectManager.h>

#include <QSignalSpy>
#include <QTest>

class zkdUndoTestObject : public zkdSceneObject
{
    Q_GADGET
public:
    using zkdSceneObject::zkdSceneObject;
};
Q_DECLARE_METATYPE(zkdUndoTestObject)

class tst_zkUndoStack : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void multiCommandOverThreeObjectsIsOneStep();
    void changesWithoutRecordingScopeMakeNoStep();
    void eachChangeIsAStepAndANewStepDropsRedo();
    void nestedMultiCommandsJoinTheOutermost();
    void undoNotifiesAndNeverRecords();

private:
    QList<zkdUndoTestObject> createObjects(int count, double value);
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
};

void tst_zkUndoStack::initTestCase()
{
    zkdObjectManager::registerClass<zkdUndoTestObject>({
        zkdProperty::value<double>("amount", 0.0),
        zkdProperty::value<QString>("label"),
    });
}

void tst_zkUndoStack::init()
{
    stack()->clear();
}

QList<zkdUndoTestObject> tst_zkUndoStack::createObjects(int count, double value)
{
    QList<zkdUndoTestObject> objects;
    for (int i = 0; i < count; ++i) {
        const auto object = zkdObjectManager::create<zkdUndoTestObject>();
        object.setProperty("amount", value + i);
        objects.append(object);
    }
    return objects;
}

void tst_zkUndoStack::multiCommandOverThreeObjectsIsOneStep()
{
    const QList<zkdUndoTestObject> objects = createObjects(3, 1.0);
    auto *service = zkKernelServiceFactory::the().getService<zkObjectService>();
    QSignalSpy changes(service, &zkObjectService::propertyChangedBS);

    {
        zkScopedUndo undo(true);
        zkScopedMultiCommand multi(zkUndoString("Set Amount", "Tests"));
        for (const auto &object : objects)
            QVERIFY(object.setProperty("amount", 10.0));
    }
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->undoText(), QStringLiteral("Set Amount"));
    QCOMPARE(changes.count(), 3);

    changes.clear();
    stack()->undo();
    QCOMPARE(changes.count(), 3);
    for (int i = 0; i < objects.size(); ++i) {
        QCOMPARE(objects.at(i).property("amount").toDouble(), 1.0 + i);
        QCOMPARE(changes.at(i).at(1).toByteArray(), QByteArray("amount"));
    }
    // Undone in reverse order.
    QCOMPARE(changes.first().at(0).value<zkdObject>(), zkdObject(objects.last()));

    stack()->redo();
    for (const auto &object : objects)
        QCOMPARE(object.property("amount").toDouble(), 10.0);
}

void tst_zkUndoStack::changesWithoutRecordingScopeMakeNoStep()
{
    const auto object = createObjects(1, 1.0).first();
    QSignalSpy ended(stack(), &zkUndoStack::multiCommandEnded);
    {
        zkScopedUndo undo(false);
        zkScopedMultiCommand multi;
        object.setProperty("amount", 3.0);
    }
    QCOMPARE(stack()->count(), 0);
    QCOMPARE(object.property("amount").toDouble(), 3.0);
    // Listeners that wait for the end of a step learn of it even when nothing was recorded.
    QCOMPARE(ended.count(), 1);
}

void tst_zkUndoStack::eachChangeIsAStepAndANewStepDropsRedo()
{
    const auto object = createObjects(1, 1.0).first();
    zkScopedUndo undo(true);
    object.setProperty("amount", 2.0);
    object.setProperty("label", QStringLiteral("two"));
    QCOMPARE(stack()->count(), 2);
    QCOMPARE(stack()->undoText(), QStringLiteral("Change label"));
    stack()->undo();
    QVERIFY(stack()->canRedo());
    QSignalSpy canRedo(stack(), &zkUndoStack::canRedoChanged);
    object.setProperty("amount", 7.0);
    QCOMPARE(stack()->count(), 2);
    QVERIFY(!stack()->canRedo());
    QCOMPARE(canRedo.count(), 1);
    stack()->undo();
    QCOMPARE(object.property("amount").toDouble(), 2.0);
}

void tst_zkUndoStack::nestedMultiCommandsJoinTheOutermost()
{
    const QList<zkdUndoTestObject> objects = createObjects(2, 0.0);
    QSignalSpy ended(stack(), &zkUndoStack::multiCommandEnded);
    {
        zkScopedUndo outerUndo(true);
        zkScopedMultiCommand outer;
        objects.at(0).setProperty("amount", 5.0);
        {
            zkScopedUndo innerUndo(true);
            zkScopedMultiCommand inner(zkUndoString("Inner", "Tests"));
            objects.at(1).setProperty("amount", 6.0);
            objects.at(0).setProperty("amount", 7.0);
        }
        QCOMPARE(stack()->count(), 0);
        QVERIFY(stack()->isInMultiCommand());
        QCOMPARE(ended.count(), 0);
    }
    QCOMPARE(stack()->count(), 1);
    QVERIFY(!stack()->isInMultiCommand());
    QCOMPARE(ended.count(), 1);
    // Repeated writes to one property undo to the value before the step and redo to the last.
    stack()->undo();
    QCOMPARE(objects.at(0).property("amount").toDouble(), 0.0);
    QCOMPARE(objects.at(1).property("amount").toDouble(), 1.0);
    stack()->redo();
    QCOMPARE(objects.at(0).property("amount").toDouble(), 7.0);
}

void tst_zkUndoStack::undoNotifiesAndNeverRecords()
{
    const auto object = createObjects(1, 1.0).first();
    {
        zkScopedUndo undo(true);
        object.setProperty("amount", 2.0);
    }
    // Undo inside an open recording scope must not record its own replay.
    zkScopedUndo undo(true);
    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    stack()->undo();
    QCOMPARE(changes.count(), 1);
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->index(), 0);
}

QTEST_GUILESS_MAIN(tst_zkUndoStack)
#include "tst_zkUndoStack.moc"
