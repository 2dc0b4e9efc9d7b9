#include <zkActionService.h>
#include <zkAnimationService.h>
#include <zkControllerService.h>
#include <zkKernelServiceFactory.h>
#include <zkPreferencesService.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkVariantSetsService.h>
#include <zkdActionSlot.h>
#include <zkdLensFlareGhost.h>
#include <zkdObjectManager.h>

#include <zkTestSupport.h>

#include <QColor>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVector3D>

enum class Loss { Unregistered, Empty, Destroyed };
Q_DECLARE_METATYPE(Loss)

// The service factory and the smaller kernel services: actions, animation curves, variant sets
// and preferences.
class tst_zkKernelServices : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void lookupFailures_data();
    void lookupFailures();

    void actionsAndAnimationCurves();

    void groupedVariantSets();
    void regroupIsUndoable();

    void preferenceSetterReportsChange_data();
    void preferenceSetterReportsChange();
    void preferenceStorage();

private:
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    zkVariantSetsService *variantSets() const
    {
        return zkKernelServiceFactory::the().getService<zkVariantSetsService>();
    }
    std::unique_ptr<zkPreferencesService> m_preferences;
};

void tst_zkKernelServices::init()
{
    stack()->clear();
    m_preferences = std::make_unique<zkPreferencesService>();
}

void tst_zkKernelServices::lookupFailures_data()
{
    QTest::addColumn<Loss>("loss");
    QTest::addColumn<QByteArray>("message");

    QTest::newRow("unknown class") << Loss::Unregistered
                                   << QByteArray(
                                          "zkKernelServiceFactory: couldn't find class 'zkControllerService'!\n");
    QTest::newRow("empty service") << Loss::Empty
                                   << QByteArray("zkKernelServiceFactory: service 'zkControllerService' is NULL!\n");
    // A destroyed service reads as registered but empty.
    QTest::newRow("destroyed service") << Loss::Destroyed
                                       << QByteArray(
                                              "zkKernelServiceFactory: service 'zkControllerService' is NULL!\n");
}

// A failed lookup explains itself on stderr only; a found service is silent.
void tst_zkKernelServices::lookupFailures()
{
    QFETCH(Loss, loss);
    QFETCH(QByteArray, message);

    zkKernelServiceFactory &factory = zkKernelServiceFactory::the();
    zkBaseService *original = factory.service("zkControllerService");
    factory.unregisterService("zkControllerService");
    if (loss == Loss::Empty)
        factory.registerEmptyService("zkControllerService");
    if (loss == Loss::Destroyed) {
        zkControllerService replacement;
        factory.registerService(&replacement);
        QCOMPARE(factory.getService<zkControllerService>(), &replacement);
    }

    zkCapturedOutput err(stderr);
    zkCapturedOutput out(stdout);
    QVERIFY(!factory.getService<zkControllerService>());
    QCOMPARE(err.take(), message);
    QCOMPARE(out.take(), QByteArray());

    factory.registerService(original);
    QCOMPARE(factory.getService<zkControllerService>(), original);
    QCOMPARE(err.take(), QByteArray());
}

void tst_zkKernelServices::actionsAndAnimationCurves()
{
    auto *actions = zkKernelServiceFactory::the().getService<zkActionService>();
    const auto ghost = zkdObjectManager::create<zkdLensFlareGhost>();
    const zkdActionContainer container = actions->createActionContainer(ghost, QStringLiteral("Set Ghost"));
    QVERIFY(actions->getActionContainers().contains(container));
    // Only editable rows are slots.
    QVERIFY(container.getInSlot(QStringLiteral("objectId")).isNull());
    QVERIFY(container.getInSlot(QStringLiteral("nothing")).isNull());
    const zkdActionSlot color = container.getInSlot(QStringLiteral("color"));
    {
        const zkScopedUndo undo(true);
        QVERIFY(color.setValue(QVector3D(1, 0, 0)));
    }
    QCOMPARE(ghost.getColor(), QVector3D(1, 0, 0));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(color.getValue().value<QVector3D>(), QVector3D(1, 1, 1));
    // Values convert to the property's type or are refused.
    const zkdActionSlot size = container.getInSlot(QStringLiteral("size"));
    QVERIFY(size.setValue(QStringLiteral("0.25")));
    QCOMPARE(ghost.property("size"), QVariant(0.25f));
    QVERIFY(!size.setValue(QStringLiteral("large")));
    QCOMPARE(size.getValue(), QVariant(0.25f));

    // One animation curve per existing property, made in one step.
    auto *animation = zkKernelServiceFactory::the().getService<zkAnimationService>();
    {
        const zkScopedUndo undo(true);
        QVERIFY(animation->createAnimationCurve(ghost, "size"));
        QVERIFY(!animation->createAnimationCurve(ghost, "size"));
        QVERIFY(!animation->createAnimationCurve(ghost, "noSuchProperty"));
        QVERIFY(!animation->createAnimationCurve(zkdObject(), "size"));
    }
    QVERIFY(animation->hasAnimationCurve(ghost, "size"));
    stack()->undo();
    QVERIFY(!animation->hasAnimationCurve(ghost, "size"));
}

void tst_zkKernelServices::groupedVariantSets()
{
    const zkdVariantSetGroup group = variantSets()->createVariantSetGroup(QStringLiteral("Paint"));
    const zkdVariantSet red = variantSets()->createVariantSet(QStringLiteral("Red"), group);
    const zkdVariantSet blue = variantSets()->createVariantSet(QStringLiteral("Blue"));
    group.addVariantSet(blue);
    zkdVariantSet loose;
    {
        const zkScopedUndo undo(true);
        loose = variantSets()->createVariantSet(QStringLiteral("Day"));
    }
    const QList<zkdVariantSet> ungrouped = variantSets()->getUngroupedVariantSets();
    QVERIFY(ungrouped.contains(loose) && !ungrouped.contains(red) && !ungrouped.contains(blue));
    QVERIFY(variantSets()->getVariantSets().contains(red));
    QCOMPARE(group.getChildren(), QList<zkdVariantSetBase>({red, blue}));
    QCOMPARE(red.getParent(), group);
    // Each finder looks at its own kind only.
    QCOMPARE(variantSets()->findVariantSet(QStringLiteral("Red")), red);
    QCOMPARE(variantSets()->findVariantSetGroup(QStringLiteral("Paint")), group);
    QVERIFY(variantSets()->findVariantSet(QStringLiteral("Paint")).isNull());
    QVERIFY(variantSets()->findVariantSetGroup(QStringLiteral("Red")).isNull());

    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QVERIFY(!variantSets()->getUngroupedVariantSets().contains(loose));
    stack()->clear();
    QVERIFY(!loose.isValid());
    // No converter between the two kinds: item ids tell them apart by conversion.
    const zkdVariantSetBase base = group;
    QVERIFY(zkdVariantSet(base).isNull());
    QCOMPARE(zkdVariantSetGroup(base), group);
    QVERIFY(!QVariant::fromValue(group).canConvert<zkdVariantSet>());
}

void tst_zkKernelServices::regroupIsUndoable()
{
    const zkdVariantSetGroup first = variantSets()->createVariantSetGroup(QStringLiteral("First"));
    const zkdVariantSetGroup second = variantSets()->createVariantSetGroup(QStringLiteral("Second"));
    const zkdVariantSet set = variantSets()->createVariantSet(QStringLiteral("Wheels"), first);
    QSignalSpy changes(variantSets(), &zkVariantSetsService::variantSetsChanged);
    {
        const zkScopedUndo undo(true);
        second.removeVariantSet(set); // not its group: nothing
        first.removeVariantSet(set);
        second.addVariantSet(set);
    }
    QCOMPARE(set.getParent(), second);
    QVERIFY(first.getChildren().isEmpty());
    QCOMPARE(stack()->count(), 2);
    QVERIFY(!changes.isEmpty());
    stack()->undo();
    QVERIFY(variantSets()->getUngroupedVariantSets().contains(set));
    stack()->undo();
    QCOMPARE(set.getParent(), first);
    QVERIFY(!variantSets()->getUngroupedVariantSets().contains(set));
    // Found by its name as it is now.
    {
        const zkScopedUndo undo(true);
        set.setName(QStringLiteral("Rims"));
    }
    QVERIFY(variantSets()->findVariantSet(QStringLiteral("Wheels")).isNull());
    stack()->undo();
    QCOMPARE(variantSets()->findVariantSet(QStringLiteral("Wheels")), set);
}

void tst_zkKernelServices::preferenceSetterReportsChange_data()
{
    QTest::addColumn<QVariant>("first");
    QTest::addColumn<QVariant>("second");

    QTest::newRow("string") << QVariant(QStringLiteral("a")) << QVariant(QStringLiteral("b"));
    QTest::newRow("int") << QVariant(1) << QVariant(2);
    QTest::newRow("double") << QVariant(0.5) << QVariant(0.25);
    QTest::newRow("float") << QVariant(0.5f) << QVariant(0.25f);
    QTest::newRow("bool") << QVariant(false) << QVariant(true);
    QTest::newRow("rgba") << QVariant(QColor(1, 2, 3, 4)) << QVariant(QColor(1, 2, 3, 5));
    QTest::newRow("vec3") << QVariant(QVector3D(1, 2, 3)) << QVariant(QVector3D(1, 2, 4));
}

// Setting the value a key already has reports no change; the first and a new value do.
void tst_zkKernelServices::preferenceSetterReportsChange()
{
    QFETCH(QVariant, first);
    QFETCH(QVariant, second);
    zkPreferencesService *preferences = m_preferences.get();
    const QString key = QStringLiteral("key");
    const auto set = [&](const QVariant &value) {
        switch (value.userType()) {
        case QMetaType::QString: return preferences->setStringValue(key, value.toString());
        case QMetaType::Int: return preferences->setIntValue(key, value.toInt());
        case QMetaType::Double: return preferences->setDoubleValue(key, value.toDouble());
        case QMetaType::Float: return preferences->setFloatValue(key, value.toFloat());
        case QMetaType::Bool: return preferences->setBoolValue(key, value.toBool());
        case QMetaType::QColor: return preferences->setRGBAValue(key, value.value<QColor>());
        default: return preferences->setVec3Value(key, value.value<QVector3D>());
        }
    };
    QSignalSpy changes(preferences, &zkPreferencesService::preferenceValueChanged);
    QVERIFY(set(first));
    QVERIFY(!set(first));
    QVERIFY(set(second));
    QCOMPARE(changes.count(), 2);
    QCOMPARE(changes.first().first().toString(), key);
}

// Absent keys and values of another type read as the caller's default; without notify a value
// changes quietly; a value read back from the file and written again unchanged is no change.
void tst_zkKernelServices::preferenceStorage()
{
    QCOMPARE(m_preferences->getIntValue(QStringLiteral("count"), 7), 7);
    m_preferences->setStringValue(QStringLiteral("text"), QStringLiteral("word"));
    QCOMPARE(m_preferences->getVec3Value(QStringLiteral("text"), QVector3D(2, 2, 2)), QVector3D(2, 2, 2));
    QSignalSpy changes(m_preferences.get(), &zkPreferencesService::preferenceValueChanged);
    QVERIFY(m_preferences->setIntValue(QStringLiteral("count"), 3, false));
    QCOMPARE(changes.count(), 0);

    QVERIFY(!m_preferences->save());
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("preferences.ini"));
    m_preferences->setStorageFile(file);
    m_preferences->setVec3Value(QStringLiteral("axis"), QVector3D(0, 1, 0));
    QVERIFY(m_preferences->save());
    zkPreferencesService reloaded;
    reloaded.setStorageFile(file);
    QCOMPARE(reloaded.getVec3Value(QStringLiteral("axis")), QVector3D(0, 1, 0));
    QVERIFY(!reloaded.setIntValue(QStringLiteral("count"), 3));
}

QTEST_MAIN(tst_zkKernelServices)
#include "tst_zkKernelServices.moc"
