#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkUndoString.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareElement.h>
#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdLensFlareGlow.h>
#include <zkdLensFlareRing.h>
#include <zkdLensFlareStar.h>
#include <zkdLensFlareStreak.h>
#include <zkdObjectManager.h>

#include <QSignalSpy>
#include <QTest>

using Elements = QList<zkdLensFlareElement>;
using Ghosts = QList<zkdLensFlareGhost>;

// Records the value a property of an object has when its change is notified.
class zkNoticeRecorder : public QObject
{
public:
    zkNoticeRecorder(const zkdObject &object, const QByteArray &name)
    {
        connect(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged, this,
                [=](const zkdObject &changed, const QByteArray &changedName) {
                    if (changed == object && changedName == name)
                        values.append(changed.property(name));
                });
    }
    QVariantList values;
};

class tst_zkdLensFlareEffect : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void createElement_data();
    void createElement();
    void createElementUnknownType();
    void removeElements();
    void removeWithoutRecordingDestroys();
    void renameAndActivate();
    void createAndRemoveGhosts();
    void ghostDistanceIsClamped_data();
    void ghostDistanceIsClamped();
    void presetReplacesElements();
    void undoneCreationDiesWithItsStep();

private:
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
};

void tst_zkdLensFlareEffect::init()
{
    stack()->clear();
}

void tst_zkdLensFlareEffect::createElement_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("className");

    QTest::newRow("glow") << int(zkLensFlareTypes::Glow) << QByteArray("zkdLensFlareGlow");
    QTest::newRow("ring") << int(zkLensFlareTypes::Ring) << QByteArray("zkdLensFlareRing");
    QTest::newRow("starburst") << int(zkLensFlareTypes::Starburst) << QByteArray("zkdLensFlareStar");
    QTest::newRow("streak") << int(zkLensFlareTypes::Streak) << QByteArray("zkdLensFlareStreak");
    QTest::newRow("ghost line") << int(zkLensFlareTypes::GhostLine) << QByteArray("zkdLensFlareGhostLine");
}

// The list holds the new element when its notice comes; one undo step restores and notifies.
void tst_zkdLensFlareEffect::createElement()
{
    QFETCH(int, type);
    QFETCH(QByteArray, className);
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const zkdLensFlareElement first = effect.createLensFlareElement(QStringLiteral("First"), zkLensFlareTypes::Glow);
    zkNoticeRecorder notices(effect, "lensFlareElements");

    zkdLensFlareElement element;
    {
        const zkScopedUndo undo(true);
        element = effect.createLensFlareElement(QStringLiteral("Made"), zkLensFlareTypes::ElementType(type));
    }
    QCOMPARE(element.getTypeName().toLatin1(), className);
    QCOMPARE(element.getName(), QStringLiteral("Made"));
    QVERIFY(element.getIsActive());
    QCOMPARE(effect.getLensFlareElements(), Elements({first, element}));
    QCOMPARE(notices.values.size(), 1);
    QCOMPARE(notices.values.last().value<Elements>(), Elements({first, element}));
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({first}));
    QCOMPARE(notices.values.last().value<Elements>(), Elements({first}));
    QVERIFY(element.isValid()); // redo brings the same element back
    stack()->redo();
    QCOMPARE(effect.getLensFlareElements(), Elements({first, element}));
    QCOMPARE(notices.values.size(), 3);
}

void tst_zkdLensFlareEffect::createElementUnknownType()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const zkScopedUndo undo(true);
    QVERIFY(effect.createLensFlareElement(QStringLiteral("None"), zkLensFlareTypes::ElementType(5)).isNull());
    QVERIFY(zkdLensFlareEffect().createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow).isNull());
    QVERIFY(effect.getLensFlareElements().isEmpty());
    QCOMPARE(stack()->count(), 0);
}

void tst_zkdLensFlareEffect::removeElements()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto other = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto a = effect.createLensFlareElement(QStringLiteral("A"), zkLensFlareTypes::Glow);
    const auto b = effect.createLensFlareElement(QStringLiteral("B"), zkLensFlareTypes::Ring);
    const auto c = effect.createLensFlareElement(QStringLiteral("C"), zkLensFlareTypes::Streak);
    const auto foreign = other.createLensFlareElement(QStringLiteral("X"), zkLensFlareTypes::Glow);
    zkNoticeRecorder notices(effect, "lensFlareElements");

    {
        const zkScopedUndo undo(true);
        effect.removeElements({c, foreign, a});
        effect.removeElements({foreign}); // nothing of the effect: no step
    }
    QCOMPARE(effect.getLensFlareElements(), Elements({b}));
    QCOMPARE(other.getLensFlareElements(), Elements({foreign}));
    QCOMPARE(notices.values.size(), 1);
    QCOMPARE(stack()->count(), 1);
    QVERIFY(a.isValid());

    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({a, b, c}));
    stack()->redo();
    QCOMPARE(effect.getLensFlareElements(), Elements({b}));
    // Done for good: the removed elements go with the step.
    stack()->clear();
    QVERIFY(!a.isValid());
    QVERIFY(!c.isValid());
    QVERIFY(b.isValid());
}

void tst_zkdLensFlareEffect::removeWithoutRecordingDestroys()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto line = zkd_cast<zkdLensFlareGhostLine>(
            effect.createLensFlareElement(QStringLiteral("Line"), zkLensFlareTypes::GhostLine));
    const zkdLensFlareGhost ghost = line.createGhost(1.0);
    effect.removeElements({line});
    QVERIFY(effect.getLensFlareElements().isEmpty());
    QVERIFY(!line.isValid());
    QVERIFY(!ghost.isValid()); // the line takes its ghosts along
    QCOMPARE(stack()->count(), 0);
}

void tst_zkdLensFlareEffect::renameAndActivate()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto element = effect.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow);
    zkNoticeRecorder names(element, "name");
    {
        const zkScopedUndo undo(true);
        element.setName(QStringLiteral("Bright"));
        element.setIsActive(false);
    }
    QCOMPARE(names.values, QVariantList({QStringLiteral("Bright")}));
    QVERIFY(!element.getIsActive());
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    QVERIFY(element.getIsActive());
    stack()->undo();
    QCOMPARE(element.getName(), QStringLiteral("Glow"));
    QCOMPARE(names.values.last().toString(), QStringLiteral("Glow"));
}

void tst_zkdLensFlareEffect::createAndRemoveGhosts()
{
    const auto line = zkdObjectManager::create<zkdLensFlareGhostLine>();
    zkNoticeRecorder notices(line, "ghosts");
    zkdLensFlareGhost first;
    zkdLensFlareGhost second;
    {
        const zkScopedUndo undo(true);
        first = line.createGhost(2.5);
        second = line.createGhost(-1.0);
    }
    QCOMPARE(line.getGhosts(), Ghosts({first, second}));
    QCOMPARE(first.getDistance(), 2.5);
    QCOMPARE(notices.values.last().value<Ghosts>(), Ghosts({first, second}));
    QCOMPARE(stack()->count(), 2);

    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Remove", "Test"));
        line.removeGhosts({first, second});
    }
    QVERIFY(line.getGhosts().isEmpty());
    QCOMPARE(stack()->count(), 3);
    stack()->undo();
    QCOMPARE(line.getGhosts(), Ghosts({first, second}));
    stack()->undo();
    QCOMPARE(line.getGhosts(), Ghosts({first}));
    QCOMPARE(notices.values.last().value<Ghosts>(), Ghosts({first}));
}

void tst_zkdLensFlareEffect::ghostDistanceIsClamped_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("stored");
    QTest::newRow("inside") << 3.1 << double(3.1f);
    QTest::newRow("below") << -7.0 << -5.0;
    QTest::newRow("above") << 5.5 << 5.0;
}

void tst_zkdLensFlareEffect::ghostDistanceIsClamped()
{
    QFETCH(double, distance);
    QFETCH(double, stored);
    const auto line = zkdObjectManager::create<zkdLensFlareGhostLine>();
    QCOMPARE(line.createGhost(distance).getDistance(), stored);
    const zkdLensFlareGhost ghost = line.createGhost(0.0);
    ghost.setDistance(distance);
    QCOMPARE(ghost.getDistance(), stored);
    QCOMPARE(QByteArray(ghost.property("distance").typeName()), QByteArray("float"));
}

void tst_zkdLensFlareEffect::presetReplacesElements()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto own = effect.createLensFlareElement(QStringLiteral("Mine"), zkLensFlareTypes::Streak);
    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Preset", "Test"));
        QVERIFY(effect.setProperty("presetType", int(zkLensFlareTypes::SunWarm)));
    }
    const Elements elements = effect.getLensFlareElements();
    QVERIFY(!elements.contains(own));
    QVERIFY(!elements.isEmpty());
    QVERIFY(std::any_of(elements.cbegin(), elements.cend(), [](const zkdLensFlareElement &e) {
        return e.isTypeOf<zkdLensFlareGhostLine>() && !zkd_cast<zkdLensFlareGhostLine>(e).getGhosts().isEmpty();
    }));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({own}));
    QCOMPARE(effect.property("presetType").toInt(), int(zkLensFlareTypes::Custom));

    // Back to Custom keeps the elements as they are.
    effect.setProperty("presetType", int(zkLensFlareTypes::StreetLamp));
    const Elements street = effect.getLensFlareElements();
    effect.setProperty("presetType", int(zkLensFlareTypes::Custom));
    QCOMPARE(effect.getLensFlareElements(), street);
}

void tst_zkdLensFlareEffect::undoneCreationDiesWithItsStep()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    zkdLensFlareElement element;
    {
        const zkScopedUndo undo(true);
        element = effect.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow);
    }
    stack()->undo();
    QVERIFY(element.isValid());
    {
        const zkScopedUndo undo(true);
        effect.setProperty("size", 2.0f); // drops the undone creation
    }
    QVERIFY(!element.isValid());
}

QTEST_MAIN(tst_zkdLensFlareEffect)
#include "tst_zkdLensFlareEffect.moc"
