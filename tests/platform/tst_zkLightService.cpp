#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkNodeService.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkUndoString.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdObjectManager.h>
#include <zkdPointLightNode.h>
#include <zkdSpotLightNode.h>

#include <QSignalSpy>
#include <QTest>

using Elements = QList<zkdLensFlareElement>;
using Ghosts = QList<zkdLensFlareGhost>;

class tst_zkLightService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void selectionSignalsAreSynchronous();
    void lightSelection();
    void copyOutlivesCut();
    void pasteIntoSpotLight();
    void duplicateElements();
    void ghostClipboard();
    void duplicateGhosts();
    void lightNodesIncludeNewLights();

private:
    zkLightService *service() const { return zkKernelServiceFactory::the().getService<zkLightService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    static QStringList names(const Elements &elements);
};

void tst_zkLightService::init()
{
    stack()->clear();
}

QStringList tst_zkLightService::names(const Elements &elements)
{
    QStringList result;
    for (const zkdLensFlareElement &element : elements)
        result.append(element.getName());
    return result;
}

// A listener connected before the report has the selection when the report returns.
void tst_zkLightService::selectionSignalsAreSynchronous()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto element = effect.createLensFlareElement(QStringLiteral("Line"), zkLensFlareTypes::GhostLine);
    const zkdLensFlareGhost ghost = zkd_cast<zkdLensFlareGhostLine>(element).createGhost(1.0);

    Elements receivedElements;
    Ghosts receivedGhosts;
    int elementSignals = 0;
    const QMetaObject::Connection a = connect(service(), &zkLightService::lensFlareElementSelectionChanged, this,
                                              [&](const Elements &elements) { receivedElements = elements; ++elementSignals; });
    const QMetaObject::Connection b = connect(service(), &zkLightService::lensFlareGhostSelectionChanged, this,
                                              [&](const Ghosts &ghosts) { receivedGhosts = ghosts; });
    service()->setSelectedElements({element});
    QCOMPARE(receivedElements, Elements({element}));
    service()->setSelectedElements({element}); // every report, also an unchanged one
    QCOMPARE(elementSignals, 2);
    QCOMPARE(service()->getSelectedElements(), Elements({element}));
    service()->setSelectedGhosts({ghost});
    QCOMPARE(receivedGhosts, Ghosts({ghost}));
    QCOMPARE(service()->getSelectedGhosts(), Ghosts({ghost}));
    disconnect(a);
    disconnect(b);
}

void tst_zkLightService::lightSelection()
{
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    QSignalSpy changes(service(), &zkLightService::lightSelectionChanged);
    service()->setSelectedLights({light});
    service()->setSelectedLights({light});
    QCOMPARE(changes.count(), 1);
    QCOMPARE(service()->getSelectedLights(), QList<zkdBaseLightNode>({light}));
    service()->setSelectedLights({});
}

// Cut is copy and remove: the clipboard keeps copies of its own.
void tst_zkLightService::copyOutlivesCut()
{
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    const zkdLensFlareEffect effect = light.getLensFlareEffect();
    const auto glow = effect.createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow);
    glow.setProperty("size", 0.75f);
    service()->copyElements({glow});
    effect.removeElements({glow});
    QVERIFY(!glow.isValid());
    QVERIFY(service()->hasCopiedElements());

    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Add Lens Flare Elements", "Light Commands"));
        service()->pasteElements(light);
        service()->pasteElements(light);
    }
    const Elements pasted = effect.getLensFlareElements();
    QCOMPARE(names(pasted), QStringList({"Glow", "Glow"}));
    QVERIFY(pasted.first() != pasted.last());
    QCOMPARE(pasted.first().property("size").toFloat(), 0.75f);
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(stack()->undoText(), QStringLiteral("Add Lens Flare Elements"));
    stack()->undo();
    QVERIFY(effect.getLensFlareElements().isEmpty());
}

void tst_zkLightService::pasteIntoSpotLight()
{
    const auto source = zkdObjectManager::create<zkdPointLightNode>();
    const auto streak = source.getLensFlareEffect().createLensFlareElement(QStringLiteral("Streak"), zkLensFlareTypes::Streak);
    service()->copyElements({streak});
    const auto spot = zkdObjectManager::create<zkdSpotLightNode>();
    service()->pasteElements(spot);
    QCOMPARE(names(spot.getLensFlareEffect().getLensFlareElements()), QStringList({"Streak"}));
    service()->pasteElements(zkdPointLightNode()); // nothing to paste into
}

void tst_zkLightService::duplicateElements()
{
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    const zkdLensFlareEffect effect = light.getLensFlareEffect();
    const auto a = effect.createLensFlareElement(QStringLiteral("A"), zkLensFlareTypes::Glow);
    const auto b = effect.createLensFlareElement(QStringLiteral("B"), zkLensFlareTypes::GhostLine);
    const auto c = effect.createLensFlareElement(QStringLiteral("C"), zkLensFlareTypes::Ring);
    zkd_cast<zkdLensFlareGhostLine>(b).createGhost(-2.0);
    const auto foreign = zkdObjectManager::create<zkdLensFlareEffect>().createLensFlareElement(QStringLiteral("X"), zkLensFlareTypes::Glow);
    {
        const zkScopedUndo undo(true);
        service()->duplicateElements(light, {a, b, foreign});
    }
    const Elements elements = effect.getLensFlareElements();
    QCOMPARE(names(elements), QStringList({"A", "A", "B", "B", "C"}));
    const auto copy = zkd_cast<zkdLensFlareGhostLine>(elements.at(3));
    QVERIFY(copy != b);
    QCOMPARE(copy.getGhosts().size(), 1);
    QVERIFY(copy.getGhosts().first() != zkd_cast<zkdLensFlareGhostLine>(b).getGhosts().first());
    QCOMPARE(copy.getGhosts().first().getDistance(), -2.0);
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({a, b, c}));
}

void tst_zkLightService::ghostClipboard()
{
    const auto line = zkdObjectManager::create<zkdLensFlareGhostLine>();
    const zkdLensFlareGhost ghost = line.createGhost(1.5);
    service()->copyGhosts({ghost});
    line.removeGhosts({ghost});
    QVERIFY(service()->hasCopiedGhosts());

    const auto target = zkdObjectManager::create<zkdLensFlareGhostLine>();
    QSignalSpy notices(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    {
        const zkScopedUndo undo(true);
        service()->pasteGhosts(target);
    }
    QCOMPARE(target.getGhosts().size(), 1);
    QCOMPARE(target.getGhosts().first().getDistance(), 1.5);
    QVERIFY(std::any_of(notices.cbegin(), notices.cend(), [&](const QList<QVariant> &args) {
        return args.at(0).value<zkdObject>() == target && args.at(1).toByteArray() == "ghosts";
    }));
    QCOMPARE(stack()->count(), 1);
}

void tst_zkLightService::duplicateGhosts()
{
    const auto line = zkdObjectManager::create<zkdLensFlareGhostLine>();
    const zkdLensFlareGhost a = line.createGhost(-1.0);
    const zkdLensFlareGhost b = line.createGhost(2.0);
    {
        const zkScopedUndo undo(true);
        service()->duplicateGhosts({a, b});
    }
    const Ghosts ghosts = line.getGhosts();
    QCOMPARE(ghosts.size(), 4);
    QCOMPARE(ghosts.at(0), a);
    QCOMPARE(ghosts.at(1).getDistance(), -1.0);
    QCOMPARE(ghosts.at(2), b);
    QCOMPARE(ghosts.at(3).getDistance(), 2.0);
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(line.getGhosts(), Ghosts({a, b}));
}

void tst_zkLightService::lightNodesIncludeNewLights()
{
    auto *nodes = zkKernelServiceFactory::the().getService<zkNodeService>();
    const zkdNode ray = nodes->createNode("zkdRayLightNode");
    QVERIFY(service()->getLightNodes().contains(zkd_cast<zkdBaseLightNode>(ray)));
    QCOMPARE(service()->getLightNodes(), nodes->getLightNodes());
}

QTEST_MAIN(tst_zkLightService)
#include "tst_zkLightService.moc"
