#include <zkIesProfile.h>
#include <zkLightTypes.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkUndoString.h>
#include <zkdAreaLightNode.h>
#include <zkdCameraNode.h>
#include <zkdImage.h>
#include <zkdLightProfile.h>
#include <zkdLightTexture.h>
#include <zkdLightTransform.h>
#include <zkdObjectManager.h>
#include <zkdPointLightNode.h>
#include <zkdRayFile.h>
#include <zkdRayFileInfo.h>
#include <zkdRayLightNode.h>
#include <zkdSpotLightNode.h>

#include <QImage>
#include <QQuaternion>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVector3D>
#include <QtMath>

namespace {

const QByteArray iesProfile =
        "IESNA:LM-63-2002\n[TEST] kernel\n[MANUFAC] none\nTILT=NONE\n"
        "2 1000 1.5 5 3 1 2 0.5 0.4 0.1\n0.9 1.0 60\n"
        "0 22.5 45 67.5 80\n0 90 180\n"
        "100 90 70 40 0 100 90 70 40 0 100 90 70 40 0\n";

const QByteArray rayFile =
        "NumberOfRays: 5000\nLuminousPower: 1200.5\nScalingFactor: 2\n"
        "SpectralInformation: 550 nm\nMaximumAngle: 30\nEndHeader\n\x01\x02\x03";

// One edit step as the property editor makes it.
struct zkEditStep
{
    zkScopedUndo undo{true};
    zkScopedMultiCommand step{zkUndoString("Edit", "Test")};
};

} // namespace

class tst_zkdLightOperations : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void unitConvertsIntensity_data();
    void unitConvertsIntensity();
    void lightTextureFollowsImage();
    void readIesHeader_data();
    void readIesHeader();
    void loadLightProfile();
    void loadRayFile();
    void shareRayFile();
    void transformFromCamera();
    void transformFromNodes();

private:
    QString write(const QString &name, const QByteArray &contents);
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
    QTemporaryDir m_dir;
};

void tst_zkdLightOperations::init()
{
    stack()->clear();
}

QString tst_zkdLightOperations::write(const QString &name, const QByteArray &contents)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(contents);
    return path;
}

void tst_zkdLightOperations::unitConvertsIntensity_data()
{
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("unit");
    QTest::addColumn<double>("intensity");

    QTest::newRow("point, candela") << QByteArray("zkdPointLightNode") << int(zkLightTypes::LuminousIntensity) << 100.0 / (4 * M_PI);
    QTest::newRow("area, candela") << QByteArray("zkdAreaLightNode") << int(zkLightTypes::LuminousIntensity) << 100.0 / M_PI;
    QTest::newRow("area, emittance") << QByteArray("zkdAreaLightNode") << int(zkLightTypes::LuminousEmittance) << 100.0;
    QTest::newRow("area, luminance") << QByteArray("zkdAreaLightNode") << int(zkLightTypes::Luminance) << 100.0 / M_PI;
}

void tst_zkdLightOperations::unitConvertsIntensity()
{
    QFETCH(QByteArray, className);
    QFETCH(int, unit);
    QFETCH(double, intensity);
    const zkdObject light = zkdObjectManager::create(className);
    light.setProperty("intensity", 100.0f);
    {
        const zkEditStep edit;
        QVERIFY(light.setProperty("lightUnit", unit));
    }
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

void tst_zkdLightOperations::lightTextureFollowsImage()
{
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    const auto texture = light.property("texture").value<zkdLightTexture>();
    QImage pixels(4, 4, QImage::Format_RGB32);
    pixels.fill(Qt::red);
    {
        const zkEditStep edit;
        texture.setProperty("image", QVariant::fromValue(zkdImage::create(pixels)));
    }
    QVERIFY(texture.property("useTexture").toBool());
    stack()->undo();
    QVERIFY(!texture.property("useTexture").toBool());
    stack()->redo();
    texture.setProperty("image", QVariant::fromValue(zkdImage()));
    QVERIFY(!texture.property("useTexture").toBool());
}

void tst_zkdLightOperations::readIesHeader_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("verticalAngles");

    QTest::newRow("no tilt") << iesProfile << true << 5;
    QByteArray included = iesProfile;
    included.replace("TILT=NONE\n", "TILT=INCLUDE\n1\n3\n0 45 90\n1 0.9 0.8\n");
    QTest::newRow("included tilt") << included << true << 5;
    QTest::newRow("truncated") << iesProfile.left(iesProfile.indexOf("0.9")) << false << 0;
    QTest::newRow("no tilt line") << QByteArray("IESNA91\n1 1000 1 5 1 1 2 0 0 0\n") << false << 0;
}

void tst_zkdLightOperations::readIesHeader()
{
    QFETCH(QByteArray, contents);
    QFETCH(bool, valid);
    QFETCH(int, verticalAngles);
    const zkIesProfile profile = zkIesProfile::parse(contents);
    QCOMPARE(profile.valid, valid);
    QCOMPARE(profile.verticalAngles.size(), verticalAngles);
    if (valid) {
        QCOMPARE(profile.numLamps, 2);
        QCOMPARE(profile.inputWatts, 60.0f);
    }
}

void tst_zkdLightOperations::loadLightProfile()
{
    const auto spot = zkdObjectManager::create<zkdSpotLightNode>();
    const auto profile = spot.property("lightProfile").value<zkdLightProfile>();
    const QString path = write(QStringLiteral("profile.ies"), iesProfile);
    QSignalSpy notices(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    {
        const zkScopedUndo undo(true);
        QVERIFY(profile.load(path));
        QVERIFY(!profile.load(m_dir.filePath(QStringLiteral("missing.ies"))));
    }
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(profile.getAbsolutePath(), path);
    QCOMPARE(profile.getNumLuminaires(), 2);
    QCOMPARE(profile.getLumensPerLamp(), 1000.0f);
    QCOMPARE(profile.getCandelaMultiplier(), 1.5f);
    QCOMPARE(profile.getUnitsType(), 2u);
    QCOMPARE(profile.getPhotometricType(), 1);
    QCOMPARE(profile.getSize(), QVector3D(0.5f, 0.4f, 0.1f));
    QCOMPARE(profile.getBallastFactor(), 0.9f);
    QCOMPARE(profile.getInputWatts(), 60.0f);
    QCOMPARE(profile.getNumVerticalAngles(), 5);
    QCOMPARE(profile.getNumHorizontalAngles(), 3);
    QVERIFY(std::any_of(notices.cbegin(), notices.cend(), [&](const QList<QVariant> &args) {
        return args.at(0).value<zkdObject>() == spot && args.at(1).toByteArray() == "lightProfile";
    }));

    {
        const zkScopedUndo undo(true);
        profile.setLightProfileShape();
    }
    QCOMPARE(spot.property("coneAngle").toFloat(), 80.0f);
    QCOMPARE(spot.property("visualizationScale").toFloat(), 0.5f);
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    QCOMPARE(spot.property("coneAngle").toFloat(), 30.0f);
    stack()->undo();
    QCOMPARE(profile.getAbsolutePath(), QString());
    QCOMPARE(profile.getNumLuminaires(), 0);
}

void tst_zkdLightOperations::loadRayFile()
{
    const auto light = zkdObjectManager::create<zkdRayLightNode>();
    const zkdRayFile file = light.getRayFile();
    const QString path = write(QStringLiteral("lamp.ray"), rayFile);
    QSignalSpy notices(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    {
        const zkScopedUndo undo(true);
        file.load(path);
    }
    QCOMPARE(file.getFileName(), path);
    QVERIFY(file.isLoaded());
    const zkdRayFileInfo info = file.getRayFileInfo();
    QCOMPARE(info.getNumberOfRays(), 5000);
    QCOMPARE(info.getLuminousPower(), 1200.5f);
    QCOMPARE(info.getScalingFactor(), 2.0f);
    QCOMPARE(info.getSpectralInformationString(), QStringLiteral("550 nm"));
    QCOMPARE(file.property("directEvaluationConeAngle").toDouble(), 30.0);
    QVERIFY(std::any_of(notices.cbegin(), notices.cend(), [&](const QList<QVariant> &args) {
        return args.at(0).value<zkdObject>() == file && args.at(1).toByteArray() == "fileName";
    }));
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(file.getFileName(), QString());
    QCOMPARE(info.getNumberOfRays(), 0);

    // An edit of the name reads the file as well.
    {
        const zkEditStep edit;
        file.setProperty("fileName", path);
    }
    QCOMPARE(info.getNumberOfRays(), 5000);
    file.setProperty("fileName", QString());
    QVERIFY(!file.isLoaded());
}

void tst_zkdLightOperations::shareRayFile()
{
    const auto first = zkdObjectManager::create<zkdRayLightNode>();
    const auto second = zkdObjectManager::create<zkdRayLightNode>();
    first.getRayFile().load(write(QStringLiteral("shared.ray"), rayFile));
    QSignalSpy notices(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    second.getRayFile().setTo(first.getRayFile());
    QCOMPARE(second.getRayFile().getFileName(), first.getRayFile().getFileName());
    QCOMPARE(second.getRayFile().getRayFileInfo().getNumberOfRays(), 5000);
    QVERIFY(std::any_of(notices.cbegin(), notices.cend(), [&](const QList<QVariant> &args) {
        return args.at(0).value<zkdObject>() == second.getRayFile() && args.at(1).toByteArray() == "fileName";
    }));

    // A light can also take the other's ray file object itself.
    QVERIFY(second.setProperty("rayFile", QVariant::fromValue(first.getRayFile())));
    QCOMPARE(second.getRayFile(), first.getRayFile());
}

void tst_zkdLightOperations::transformFromCamera()
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
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    QCOMPARE(camera.getTranslation(), QVector3D(1, 2, 3));
}

void tst_zkdLightOperations::transformFromNodes()
{
    const auto light = zkdObjectManager::create<zkdPointLightNode>();
    const auto a = zkdObjectManager::create<zkdAreaLightNode>();
    const auto b = zkdObjectManager::create<zkdCameraNode>();
    a.setProperty("translation", QVector3D(2, 0, 0));
    b.setTransform(QVector3D(4, 2, 0), QQuaternion());
    light.setProperty("translation", QVector3D(100, 100, 100));
    {
        const zkScopedUndo undo(true);
        light.getLightTransform().setFromNodes({a, b, light, zkdNode()});
    }
    QCOMPARE(light.property("translation").value<QVector3D>(), QVector3D(3, 1, 0));
    QCOMPARE(stack()->count(), 1);
    {
        const zkScopedUndo undo(true);
        light.getLightTransform().setFromNodes({light});
    }
    QCOMPARE(stack()->count(), 1);
}

QTEST_MAIN(tst_zkdLightOperations)
#include "tst_zkdLightOperations.moc"
