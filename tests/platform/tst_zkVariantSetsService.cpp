#include <zkKernelServiceFactory.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkVariantSetsService.h>
#include <zkdObjectManager.h>

#include <QImage>
#include <QSignalSpy>
#include <QTest>

class tst_zkVariantSetsService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void ungroupedListExcludesGroupedSets();
    void regroupIsUndoable();
    void findByName();
    void creationIsUndoable();
    void conversionsFromBase();
    void preview();

private:
    zkVariantSetsService *service() const { return zkKernelServiceFactory::the().getService<zkVariantSetsService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
};

void tst_zkVariantSetsService::init()
{
    stack()->clear();
}

void tst_zkVariantSetsService::ungroupedListExcludesGroupedSets()
{
    const zkdVariantSetGroup group = service()->createVariantSetGroup(QStringLiteral("Paint"));
    const zkdVariantSet loose = service()->createVariantSet(QStringLiteral("Day"));
    const zkdVariantSet red = service()->createVariantSet(QStringLiteral("Red"), group);
    const zkdVariantSet blue = service()->createVariantSet(QStringLiteral("Blue"));
    group.addVariantSet(blue);

    const QList<zkdVariantSet> ungrouped = service()->getUngroupedVariantSets();
    QVERIFY(ungrouped.contains(loose));
    QVERIFY(!ungrouped.contains(red));
    QVERIFY(!ungrouped.contains(blue));
    QVERIFY(service()->getVariantSetGroups().contains(group));
    QCOMPARE(group.getChildren(), QList<zkdVariantSetBase>({red, blue}));
    QCOMPARE(red.getParent(), group);
    QVERIFY(loose.getParent().isNull());
    QVERIFY(service()->getVariantSets().contains(red));
}

void tst_zkVariantSetsService::regroupIsUndoable()
{
    const zkdVariantSetGroup first = service()->createVariantSetGroup(QStringLiteral("First"));
    const zkdVariantSetGroup second = service()->createVariantSetGroup(QStringLiteral("Second"));
    const zkdVariantSet set = service()->createVariantSet(QStringLiteral("Wheels"), first);
    stack()->clear();
    QSignalSpy changes(service(), &zkVariantSetsService::variantSetsChanged);
    {
        const zkScopedUndo undo(true);
        second.removeVariantSet(set); // not its group: nothing
        first.removeVariantSet(set);
        second.addVariantSet(set);
    }
    QCOMPARE(set.getParent(), second);
    QVERIFY(first.getChildren().isEmpty());
    QCOMPARE(stack()->count(), 2);
    QVERIFY(changes.count() > 0);
    stack()->undo();
    QVERIFY(set.getParent().isNull());
    QVERIFY(service()->getUngroupedVariantSets().contains(set));
    stack()->undo();
    QCOMPARE(set.getParent(), first);
    QVERIFY(!service()->getUngroupedVariantSets().contains(set));
}

void tst_zkVariantSetsService::findByName()
{
    const zkdVariantSetGroup group = service()->createVariantSetGroup(QStringLiteral("Seats"));
    const zkdVariantSet leather = service()->createVariantSet(QStringLiteral("Leather"), group);
    QCOMPARE(service()->findVariantSet(QStringLiteral("Leather")), leather);
    QCOMPARE(service()->findVariantSetGroup(QStringLiteral("Seats")), group);
    QVERIFY(service()->findVariantSet(QStringLiteral("Seats")).isNull());
    QVERIFY(service()->findVariantSetGroup(QStringLiteral("Leather")).isNull());
    QVERIFY(service()->findVariantSet(QStringLiteral("Nothing")).isNull());

    {
        const zkScopedUndo undo(true);
        leather.setName(QStringLiteral("Cloth"));
    }
    QVERIFY(service()->findVariantSet(QStringLiteral("Leather")).isNull());
    stack()->undo();
    QCOMPARE(service()->findVariantSet(QStringLiteral("Leather")), leather);
}

void tst_zkVariantSetsService::creationIsUndoable()
{
    zkdVariantSet set;
    {
        const zkScopedUndo undo(true);
        set = service()->createVariantSet(QStringLiteral("Night"));
    }
    QCOMPARE(stack()->count(), 1);
    QVERIFY(service()->getUngroupedVariantSets().contains(set));
    stack()->undo();
    QVERIFY(!service()->getUngroupedVariantSets().contains(set));
    stack()->clear();
    QVERIFY(!set.isValid());
}

void tst_zkVariantSetsService::conversionsFromBase()
{
    const zkdVariantSetGroup group = service()->createVariantSetGroup(QStringLiteral("Rims"));
    const zkdVariantSetBase base = group;
    QVERIFY(zkdVariantSet(base).isNull());
    QCOMPARE(zkdVariantSetGroup(base), group);
    // No converter between the two kinds: item ids tell them apart by conversion.
    QVERIFY(!QVariant::fromValue(group).canConvert<zkdVariantSet>());
}

void tst_zkVariantSetsService::preview()
{
    const zkdVariantSet set = service()->createVariantSet(QStringLiteral("Preview"));
    QVERIFY(set.getPreview().isNull());
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    set.setPreview(image);
    QCOMPARE(set.getPreview(), image);
}

QTEST_MAIN(tst_zkVariantSetsService)
#include "tst_zkVariantSetsService.moc"
