#include <zkIesProfile.h>
#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkLightTypes.h>
#include <zkUndoStack.h>
#include <zkUndoString.h>
#include <zkdAreaLightNode.h>
#include <zkdCameraNode.h>
#include <zkdImage.h>
#include <zkdLensFlareEffect.h>
#include <zkdLensFlareGhost.h>
#include <zkdLensFlareGhostLine.h>
#include <zkdLightProfile.h>
#include <zkdLightTexture.h>
#include <zkdLightTransform.h>
#include <zkdPointLightNode.h>
#include <zkdRayFile.h>
#include <zkdRayFileInfo.h>
#include <zkdRayLightNode.h>
#include <zkdSpotLightNode.h>

#include "zkKernelTestFixture.h"

#include <QImage>
#include <QQuaternion>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVector3D>
#include <QtMath>

using Elements = QList<zkdLensFlareElement>;
using Ghosts = QList<zkdLensFlareGhost>;

namespace {

const QByteArray iesProfile =
        "IESNA:LM-63-2002\n[TEST] kernel\n[MANUFAC] none\nTILT=NONE\n"
        "2 1000 1.5 5 3 1 2 0.5 0.4 0.1\n0.9 1.0 60\n"
        "0 22.5 45 67.5 80\n0 90 180\n"
        "100 90 70 40 0 100 90 70 40 0 100 90 70 40 0\n";

const QByteArray rayFile =
        "NumberOfRays: 5000\nLuminousPower: 1200.5\nScalingFactor: 2\n"
        "SpectralInformation: 550 nm\nMaximumAngle: 30\nEndHeader\n\x01\x02\x03";

} // namespace

// Light operations (units, textures, profiles, ray files, placement), lens-flare effects with
// their elements and ghosts, and the light service's selection and clipboard of them.
class tst_zkLights : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unitConvertsIntensity_data();
    void unitConvertsIntensity();
    void lightTextureFollowsImage();
    void loadLightProfile();
    void loadAndShareRayFile();
    void transformFromCameraAndNodes();

    void createElement_data();
    void createElement();
    void removeElements();
    void ghostDistanceIsClamped_data();
    void ghostDistanceIsClamped();
    void presetReplacesElements();
    void selectionSignals();
    void copyAndDuplicateElements();
    void ghosts();

private:
    zkLightService *lights() const { return zkKernelServiceFactory::the().getService<zkLightService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    QString write(const QString &name, const QByteArray &contents);
    static QStringList names(const Elements &elements);
    QTemporaryDir m_dir;
};

void tst_zkLights::init()
{
    stack()->clear();
}

QString tst_zkLights::write(const QString &name, const QByteArray &contents)
{
    QFile file(m_dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
    return file.fileName();
}

QStringList tst_zkLights::names(const Elements &elements)
{
    QStringList result;
    for (const zkdLensFlareElement &element : elements)
        result.append(element.getName());
    return result;
}

void tst_zkLights::unitConvertsIntensity_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("intensity");

    QTest::newRow("point, candela") << QByteArray("zkdPointLightNode") << int(zkLightTypes::LuminousIntensity)
                                    << 100.0 / (4 * M_PI);
    QTest::newRow("area, candela") << QByteArray("zkdAreaLightNode") << int(zkLightTypes::LuminousIntensity)
                                   << 100.0 / M_PI;
    QTest::newRow("area, emittance") << QByteArray("zkdAreaLightNode") << int(zkLightTypes::LuminousEmittance) << 100.0;
    QTest::newRow("area, luminance") << QByteArray("zkdAreaLightNode") << int(zkLightTypes::Luminance) << 100.0 / M_PI;
}

void tst_zkLights::unitConvertsIntensity()
{
    QFETCH(QByteArray, className);
    QFETCH(int, unit);
    QFETCH(double, intensity);
    const zkdObject light = zkdObjectManager::create(className);
    light.setProperty("intensity", 100.0f);
    QVERIFY(zkEdit(light, "lightUnit", unit));
    QCOMPARE(light.property("intensity").toFloat(), float(intensity));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(light.property("intensity").toFloat(), 100.0f);
    QCOMPARE(light.property("lightUnit").toInt(), int(zkLightTypes::LuminousFlux));
    stack()->redo();
    // Back to flux from the restored unit.
    light.setProperty("lightUnit", int(zkLightTypes::LuminousFlux));
    QCOMPARE(light.property("intensity").toFloat(), 100.0f);
}

void tst_zkLights::lightTextureFollowsImage()
{
    const auto texture = zkdObjectManager::create<zkdPointLightNode>().property("texture").value<zkdLightTexture>();
    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    QVERIFY(zkEdit(texture, "image", QVariant::fromValue(zkdImage::create(pixels))));
    QVERIFY(texture.property("useTexture").toBool());
    stack()->undo();
    QVERIFY(!texture.property("useTexture").toBool());
    stack()->redo();
    texture.setProperty("image", QVariant::fromValue(zkdImage()));
    QVERIFY(!texture.property("useTexture").toBool());
}

void tst_zkLights::loadLightProfile()
{
    const auto spot = zkdObjectManager::create<zkdSpotLightNode>();
    const auto profile = spot.property("lightProfile").value<zkdLightProfile>();
    const QString path = write(QStringLiteral("profile.ies"), iesProfile);
    const zkChangeLog log;
    {
        const zkScopedUndo undo(true);
        QVERIFY(profile.load(path));
        QVERIFY(!profile.load(m_dir.filePath(QStringLiteral("missing.ies"))));
    }
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(profile.getAbsolutePath(), path);
    QCOMPARE(profile.getSize(), QVector3D(0.5f, 0.4f, 0.1f));
    QCOMPARE(profile.getNumHorizontalAngles(), 3);
    QVERIFY(log.contains(spot, "lightProfile"));
    // The shape of the profile sets the cone.
    {
        const zkScopedUndo undo(true);
        profile.setLightProfileShape();
    }
    QCOMPARE(spot.property("coneAngle").toFloat(), 80.0f);
    QCOMPARE(spot.property("visualizationScale").toFloat(), 0.5f);
    stack()->undo();
    QCOMPARE(spot.property("coneAngle").toFloat(), 30.0f);
    stack()->undo();
    QCOMPARE(profile.getAbsolutePath(), QString());
    QCOMPARE(profile.getNumLuminaires(), 0);
    // The header parses with an included tilt table; cut short or without a tilt line it does not.
    QByteArray included = iesProfile;
    included.replace("TILT=NONE\n", "TILT=INCLUDE\n1\n3\n0 45 90\n1 0.9 0.8\n");
    QCOMPARE(zkIesProfile::parse(included).verticalAngles.size(), 5);
    QVERIFY(!zkIesProfile::parse(iesProfile.left(iesProfile.indexOf("0.9"))).valid);
    QVERIFY(!zkIesProfile::parse("IESNA91\n1 1000 1 5 1 1 2 0 0 0\n").valid);
}

void tst_zkLights::loadAndShareRayFile()
{
    const auto light = zkdObjectManager::create<zkdRayLightNode>();
    const zkdRayFile file = light.getRayFile();
    const zkdRayFileInfo info = file.getRayFileInfo();
    const QString path = write(QStringLiteral("lamp.ray"), rayFile);
    const zkChangeLog log;
    {
        const zkScopedUndo undo(true);
        file.load(path);
    }
    QCOMPARE(file.getFileName(), path);
    QCOMPARE(info.getNumberOfRays(), 5000);
    QCOMPARE(info.getLuminousPower(), 1200.5f);
    QCOMPARE(info.getSpectralInformationString(), QStringLiteral("550 nm"));
    QCOMPARE(file.property("directEvaluationConeAngle").toDouble(), 30.0);
    QVERIFY(log.contains(file, "fileName"));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(info.getNumberOfRays(), 0);
    // An edit of the name reads the file as well.
    QVERIFY(zkEdit(file, "fileName", path));
    QCOMPARE(info.getNumberOfRays(), 5000);

    const auto other = zkdObjectManager::create<zkdRayLightNode>();
    other.getRayFile().setTo(file);
    QCOMPARE(other.getRayFile().getRayFileInfo().getNumberOfRays(), 5000);
    QVERIFY(log.contains(other.getRayFile(), "fileName"));
    // A light can also take the other's ray file object itself.
    QVERIFY(other.setProperty("rayFile", QVariant::fromValue(file)));
    QCOMPARE(other.getRayFile(), file);

    file.setProperty("fileName", QString());
    QVERIFY(!file.isLoaded());
}

void tst_zkLights::transformFromCameraAndNodes()
{
    const auto camera = zkdObjectManager::create<zkdCameraNode>();
    const QQuaternion turned = QQuaternion::fromAxisAndAngle(0, 1, 0, 90);
    camera.setTransform(QVector3D(1, 2, 3), turned);
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    {
        const zkScopedUndo undo(true);
        light.getLightTransform().setFromCamera(camera);
        light.getLightTransform().setFromCamera(zkdCameraNode());
    }
    QCOMPARE(light.property("translation").value<QVector3D>(), QVector3D(1, 2, 3));
    QCOMPARE(light.property("rotation").value<QQuaternion>(), turned);
    QCOMPARE(stack()->count(), 1);

    light.setProperty("translation", QVector3D(7, 8, 9));
    {
        const zkScopedUndo undo(true);
        light.getLightTransform().applyToCamera(camera);
    }
    QCOMPARE(camera.getTranslation(), QVector3D(7, 8, 9));
    stack()->undo();
    QCOMPARE(camera.getTranslation(), QVector3D(1, 2, 3));
    // The centre of the other nodes; the light itself and null nodes do not count.
    const auto area = zkdObjectManager::create<zkdAreaLightNode>();
    area.setProperty("translation", QVector3D(7, 0, -3));
    {
        const zkScopedUndo undo(true);
        light.getLightTransform().setFromNodes({area, camera, light, zkdNode()});
        light.getLightTransform().setFromNodes({light});
    }
    QCOMPARE(light.property("translation").value<QVector3D>(), QVector3D(4, 1, 0));
    QCOMPARE(stack()->count(), 2);
}

void tst_zkLights::createElement_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QByteArray>("className");

    QTest::newRow("glow") << int(zkLensFlareTypes::Glow) << QByteArray("zkdLensFlareGlow");
    QTest::newRow("ring") << int(zkLensFlareTypes::Ring) << QByteArray("zkdLensFlareRing");
    QTest::newRow("starburst") << int(zkLensFlareTypes::Starburst) << QByteArray("zkdLensFlareStar");
    QTest::newRow("streak") << int(zkLensFlareTypes::Streak) << QByteArray("zkdLensFlareStreak");
    QTest::newRow("ghost line") << int(zkLensFlareTypes::GhostLine) << QByteArray("zkdLensFlareGhostLine");
    QTest::newRow("unused value") << 5 << QByteArray();
}

// The list holds the new element when its notice comes; one undo step restores and notifies.
void tst_zkLights::createElement()
{
    QFETCH(int, type);
    QFETCH(QByteArray, className);
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const zkdLensFlareElement first = effect.createLensFlareElement(QStringLiteral("First"), zkLensFlareTypes::Glow);
    const zkChangeLog log;
    const auto notices = [&] { return log.values(effect, "lensFlareElements"); };

    zkdLensFlareElement element;
    {
        const zkScopedUndo undo(true);
        element = effect.createLensFlareElement(QStringLiteral("Made"), zkLensFlareTypes::ElementType(type));
    }
    if (className.isEmpty()) {
        QVERIFY(element.isNull());
        QCOMPARE(effect.getLensFlareElements(), Elements({first}));
        QCOMPARE(stack()->count(), 0);
        QVERIFY(zkdLensFlareEffect().createLensFlareElement(QStringLiteral("Glow"), zkLensFlareTypes::Glow).isNull());
        return;
    }
    QCOMPARE(element.getTypeName().toLatin1(), className);
    QCOMPARE(element.getName(), QStringLiteral("Made"));
    QCOMPARE(notices(), QVariantList({QVariant::fromValue(Elements({first, element}))}));
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({first}));
    QCOMPARE(notices().last().value<Elements>(), Elements({first}));
    QVERIFY(element.isValid()); // redo brings the same element back
    stack()->redo();
    QCOMPARE(effect.getLensFlareElements(), Elements({first, element}));
    QCOMPARE(notices().size(), 3);
    // A new step drops the undone creation, and the element with it.
    stack()->undo();
    {
        const zkScopedUndo undo(true);
        effect.setProperty("size", 2.0f);
    }
    QVERIFY(!element.isValid());
}

void tst_zkLights::removeElements()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto other = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto a = effect.createLensFlareElement(QStringLiteral("A"), zkLensFlareTypes::Glow);
    const auto b = zkd_cast<zkdLensFlareGhostLine>(
        effect.createLensFlareElement(QStringLiteral("B"), zkLensFlareTypes::GhostLine));
    const auto c = effect.createLensFlareElement(QStringLiteral("C"), zkLensFlareTypes::Streak);
    const auto foreign = other.createLensFlareElement(QStringLiteral("X"), zkLensFlareTypes::Glow);
    const zkdLensFlareGhost ghost = b.createGhost(1.0);
    const zkChangeLog log;
    {
        const zkScopedUndo undo(true);
        effect.removeElements({c, foreign, a});
        effect.removeElements({foreign}); // nothing of the effect: no step
    }
    QCOMPARE(effect.getLensFlareElements(), Elements({b}));
    QCOMPARE(other.getLensFlareElements(), Elements({foreign}));
    QCOMPARE(log.values(effect, "lensFlareElements").size(), 1);
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
    // Removed outside a recording scope, an element goes at once and takes its ghosts along.
    effect.removeElements({b});
    QVERIFY(effect.getLensFlareElements().isEmpty());
    QVERIFY(!b.isValid());
    QVERIFY(!ghost.isValid());
    QCOMPARE(stack()->count(), 0);
}

void tst_zkLights::ghostDistanceIsClamped_data()
{
    QTest::addColumn<double>("distance");
    QTest::addColumn<double>("stored");
    QTest::newRow("inside") << 3.1 << double(3.1f);
    QTest::newRow("below") << -7.0 << -5.0;
    QTest::newRow("above") << 5.5 << 5.0;
}

void tst_zkLights::ghostDistanceIsClamped()
{
    QFETCH(double, distance);
    QFETCH(double, stored);
    const auto line = zkdObjectManager::create<zkdLensFlareGhostLine>();
    QCOMPARE(line.createGhost(distance).getDistance(), stored);
    const zkdLensFlareGhost ghost = line.createGhost(0.0);
    ghost.setDistance(distance);
    QCOMPARE(ghost.getDistance(), stored);
}

void tst_zkLights::presetReplacesElements()
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

// Listeners have the selection when the report returns. Element reports come for every call,
// light reports for changes only.
void tst_zkLights::selectionSignals()
{
    const auto effect = zkdObjectManager::create<zkdLensFlareEffect>();
    const auto element = effect.createLensFlareElement(QStringLiteral("Line"), zkLensFlareTypes::GhostLine);
    const zkdLensFlareGhost ghost = zkd_cast<zkdLensFlareGhostLine>(element).createGhost(1.0);
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    QSignalSpy elements(lights(), &zkLightService::lensFlareElementSelectionChanged);
    QSignalSpy ghosts(lights(), &zkLightService::lensFlareGhostSelectionChanged);
    QSignalSpy lightReports(lights(), &zkLightService::lightSelectionChanged);

    lights()->setSelectedElements({element});
    QCOMPARE(elements.count(), 1);
    QCOMPARE(elements.first().first().value<Elements>(), Elements({element}));
    lights()->setSelectedElements({element});
    QCOMPARE(elements.count(), 2);
    lights()->setSelectedGhosts({ghost});
    QCOMPARE(ghosts.first().first().value<Ghosts>(), Ghosts({ghost}));
    lights()->setSelectedLights({light});
    lights()->setSelectedLights({light});
    QCOMPARE(lightReports.count(), 1);
    QCOMPARE(lights()->getSelectedLights(), QList<zkdBaseLightNode>({light}));
    lights()->setSelectedLights({});
}

// Duplicates follow their originals. Cut is copy and remove: the clipboard keeps copies of its
// own, for any light to take.
void tst_zkLights::copyAndDuplicateElements()
{
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    const zkdLensFlareEffect effect = light.getLensFlareEffect();
    const auto a = effect.createLensFlareElement(QStringLiteral("A"), zkLensFlareTypes::Glow);
    const auto b = effect.createLensFlareElement(QStringLiteral("B"), zkLensFlareTypes::GhostLine);
    const auto c = effect.createLensFlareElement(QStringLiteral("C"), zkLensFlareTypes::Ring);
    a.setProperty("size", 0.75f);
    zkd_cast<zkdLensFlareGhostLine>(b).createGhost(-2.0);
    const auto foreign = zkdObjectManager::create<zkdLensFlareEffect>().createLensFlareElement(QStringLiteral("X"),
                                                                                               zkLensFlareTypes::Glow);
    {
        const zkScopedUndo undo(true);
        lights()->duplicateElements(light, {a, b, foreign});
    }
    const Elements elements = effect.getLensFlareElements();
    QCOMPARE(names(elements), QStringList({"A", "A", "B", "B", "C"}));
    QCOMPARE(elements.at(1).property("size").toFloat(), 0.75f);
    // A copied ghost line has ghosts of its own.
    const Ghosts copied = zkd_cast<zkdLensFlareGhostLine>(elements.at(3)).getGhosts();
    QCOMPARE(copied.size(), 1);
    QVERIFY(copied.first() != zkd_cast<zkdLensFlareGhostLine>(b).getGhosts().first());
    QCOMPARE(copied.first().getDistance(), -2.0);
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({a, b, c}));

    lights()->copyElements({a});
    effect.removeElements({a});
    QVERIFY(!a.isValid());
    QVERIFY(lights()->hasCopiedElements());
    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Add Lens Flare Elements", "Light Commands"));
        lights()->pasteElements(light);
        lights()->pasteElements(light);
    }
    const Elements pasted = effect.getLensFlareElements();
    QCOMPARE(names(pasted), QStringList({"B", "C", "A", "A"}));
    QVERIFY(pasted.at(2) != pasted.at(3));
    QCOMPARE(pasted.at(2).property("size").toFloat(), 0.75f);
    QCOMPARE(stack()->undoText(), QStringLiteral("Add Lens Flare Elements"));
    stack()->undo();
    QCOMPARE(effect.getLensFlareElements(), Elements({b, c}));
    const auto spot = zkdObjectManager::create<zkdSpotLightNode>();
    lights()->pasteElements(spot);
    QCOMPARE(names(spot.getLensFlareEffect().getLensFlareElements()), QStringList({"A"}));
    lights()->pasteElements(zkdPointLightNode());
}

void tst_zkLights::ghosts()
{
    const auto line = zkdObjectManager::create<zkdLensFlareGhostLine>();
    const zkChangeLog log;
    const auto notices = [&] { return log.values(line, "ghosts"); };
    zkdLensFlareGhost a;
    zkdLensFlareGhost b;
    {
        const zkScopedUndo undo(true);
        a = line.createGhost(-1.0);
        b = line.createGhost(2.0);
    }
    QCOMPARE(notices().last().value<Ghosts>(), Ghosts({a, b}));
    QCOMPARE(stack()->count(), 2);
    {
        const zkScopedUndo undo(true);
        lights()->duplicateGhosts({a, b});
    }
    const Ghosts ghosts = line.getGhosts();
    QCOMPARE(ghosts.size(), 4);
    QCOMPARE(ghosts.at(0), a);
    QCOMPARE(ghosts.at(1).getDistance(), -1.0);
    QCOMPARE(ghosts.at(2), b);
    QCOMPARE(ghosts.at(3).getDistance(), 2.0);
    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Remove", "Test"));
        line.removeGhosts(ghosts);
    }
    QVERIFY(line.getGhosts().isEmpty());
    QCOMPARE(stack()->count(), 4);
    stack()->undo();
    stack()->undo();
    stack()->undo();
    QCOMPARE(line.getGhosts(), Ghosts({a}));
    QCOMPARE(notices().last().value<Ghosts>(), Ghosts({a}));
    // The clipboard keeps copies of its own.
    lights()->copyGhosts({a});
    line.removeGhosts({a});
    QVERIFY(lights()->hasCopiedGhosts());
    const auto target = zkdObjectManager::create<zkdLensFlareGhostLine>();
    {
        const zkScopedUndo undo(true);
        lights()->pasteGhosts(target);
    }
    QCOMPARE(target.getGhosts().size(), 1);
    QCOMPARE(target.getGhosts().first().getDistance(), -1.0);
    QCOMPARE(log.values(target, "ghosts").size(), 1);
    QCOMPARE(stack()->count(), 2);
}

QTEST_MAIN(tst_zkLights)
#include "tst_zkLights.moc"
