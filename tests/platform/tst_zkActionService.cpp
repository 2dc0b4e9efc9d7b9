#include <zkActionService.h>
#include <zkAnimationService.h>
#include <zkKernelServiceFactory.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdActionSlot.h>
#include <zkdLensFlareGhost.h>
#include <zkdObjectManager.h>

#include <QSignalSpy>
#include <QTest>
#include <QVector3D>

// Actions that set properties of an object, and animation curves of properties.
class tst_zkActionService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void containerSlotsMirrorTheObject();
    void slotValueSetsThePropertyInOneStep();
    void slotValueConvertsOrRefuses_data();
    void slotValueConvertsOrRefuses();
    void animationCurves();

private:
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    zkActionService *actions() const { return zkKernelServiceFactory::the().getService<zkActionService>(); }
};

void tst_zkActionService::init()
{
    stack()->clear();
}

void tst_zkActionService::containerSlotsMirrorTheObject()
{
    const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
    const zkdActionContainer container = actions()->createActionContainer(ghost, QStringLiteral("Set Ghost"));
    QCOMPARE(container.getContainer(), zkdObject(ghost));
    QCOMPARE(container.getName(), QStringLiteral("Set Ghost"));
    QVERIFY(actions()->getActionContainers().contains(container));
    QVERIFY(container.getInSlot(QStringLiteral("objectId")).isNull());
    QVERIFY(container.getInSlot(QStringLiteral("nothing")).isNull());
    const zkdActionSlot size = container.getInSlot(QStringLiteral("size"));
    QCOMPARE(size.getValue(), QVariant(0.1f));

    QSignalSpy changed(actions(), &zkActionService::changed);
    actions()->actionsChanged();
    QCOMPARE(changed.count(), 1);
}

void tst_zkActionService::slotValueSetsThePropertyInOneStep()
{
    const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
    const zkdActionSlot color = zkdActionContainer::create(ghost, QString()).getInSlot(QStringLiteral("color"));
    {
        const zkScopedUndo undo(true);
        QVERIFY(color.setValue(QVector3D(1, 0, 0)));
    }
    QCOMPARE(color.getValue().value<QVector3D>(), QVector3D(1, 0, 0));
    QCOMPARE(ghost.getColor(), QVector3D(1, 0, 0));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(color.getValue().value<QVector3D>(), QVector3D(1, 1, 1));
    QCOMPARE(ghost.getColor(), QVector3D(1, 1, 1));
}

void tst_zkActionService::slotValueConvertsOrRefuses_data()
{
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<float>("stored");

    QTest::newRow("double to float") << QVariant(0.5) << true << 0.5f;
    QTest::newRow("text number") << QVariant(QStringLiteral("0.25")) << true << 0.25f;
    QTest::newRow("text") << QVariant(QStringLiteral("large")) << false << 0.1f;
}

void tst_zkActionService::slotValueConvertsOrRefuses()
{
    QFETCH(QVariant, value);
    QFETCH(bool, accepted);
    QFETCH(float, stored);
    const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
    const zkdActionSlot size = zkdActionContainer::create(ghost, QString()).getInSlot(QStringLiteral("size"));
    QCOMPARE(size.setValue(value), accepted);
    QCOMPARE(size.getValue(), QVariant(stored));
    QCOMPARE(ghost.property("size"), QVariant(stored));
}

void tst_zkActionService::animationCurves()
{
    auto *animation = zkKernelServiceFactory::the().getService<zkAnimationService>();
    const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
    QVERIFY(!animation->hasAnimationCurve(ghost, "size"));
    {
        const zkScopedUndo undo(true);
        QVERIFY(animation->createAnimationCurve(ghost, "size"));
        QVERIFY(!animation->createAnimationCurve(ghost, "size"));
        QVERIFY(!animation->createAnimationCurve(ghost, "noSuchProperty"));
        QVERIFY(!animation->createAnimationCurve(zkdObject(), "size"));
    }
    QVERIFY(animation->hasAnimationCurve(ghost, "size"));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(!animation->hasAnimationCurve(ghost, "size"));
}

QTEST_MAIN(tst_zkActionService)
#include "tst_zkActionService.moc"
