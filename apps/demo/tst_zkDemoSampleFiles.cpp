#include "zkDemoSampleFiles.h"
#include "zkDemoSceneViews.h"
#include "zkDemoWindow.h"

#include <zkBaseControl.h>
#include <zkPropertyEditorWidget.h>
#include <zkSampleScene.h>
#include <zkUndoStack.h>
#include <zkIesProfile.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdLightProfile.h>
#include <zkdObjectManager.h>

#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>

namespace {

zkdObject leatherTexture()
{
    return zkdObjectManager::fromVariant(zkSampleScene::find(QStringLiteral("Leather")).property("diffuseTexture"));
}

zkdImage imageOf(const zkdObject &object, const char *property)
{
    return object.property(property).value<zkdImage>();
}

} // namespace

// The textures made by the build, in the scene and through the demo's image row.
class tst_zkDemoSampleFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void sceneShowsTheFiles_data();
    void sceneShowsTheFiles();
    void lightsUseTheProfiles_data();
    void lightsUseTheProfiles();
    void imageRowLoadsReloadsAndDeletes();
};

void tst_zkDemoSampleFiles::initTestCase()
{
    zkSampleScene::build();
    QCOMPARE(zkDemoSampleFiles::apply(), QStringList());
    zkUndoStack::instance()->clear();
}

void tst_zkDemoSampleFiles::sceneShowsTheFiles_data()
{
    QTest::addColumn<QString>("object");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("bitsPerChannel");

    QTest::newRow("leather") << "Leather" << QByteArray("diffuseTexture/image") << "textures/leather.png"
                             << QSize(256, 256) << 8;
    QTest::newRow("studio") << "Studio" << QByteArray("environment") << "textures/studio.hdr" << QSize(128, 64)
                            << 32;
}

void tst_zkDemoSampleFiles::sceneShowsTheFiles()
{
    QFETCH(QString, object);
    QFETCH(QByteArray, path);
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(int, bitsPerChannel);

    zkdObject holder = zkSampleScene::find(object);
    const QList<QByteArray> parts = path.split('/');
    if (parts.size() == 2)
        holder = zkdObjectManager::fromVariant(holder.property(parts.constFirst()));
    const zkdImage image = imageOf(holder, parts.constLast().constData());
    QVERIFY(!image.isNull());
    QCOMPARE(image.getFileName(), zkDemoSampleFiles::find(file));
    QCOMPARE(image.getSize(), size);
    QCOMPARE(image.getBitsPerChannel(), bitsPerChannel);
}

void tst_zkDemoSampleFiles::lightsUseTheProfiles_data()
{
    QTest::addColumn<QString>("light");
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("tilt");

    QTest::newRow("point light") << "Head Lamp" << "profiles/downlight.ies" << int(zkIesProfile::Tilt::None);
    QTest::newRow("disk light") << "Softbox" << "profiles/wallwasher.ies" << int(zkIesProfile::Tilt::Include);
}

void tst_zkDemoSampleFiles::lightsUseTheProfiles()
{
    QFETCH(QString, light);
    QFETCH(QString, file);
    QFETCH(int, tilt);

    const auto profile = zkd_cast<zkdLightProfile>(
            zkdObjectManager::fromVariant(zkSampleScene::find(light).property("lightProfile")));
    QVERIFY(!profile.isNull());
    QVERIFY(profile.getUseLightProfile());
    QCOMPARE(profile.getAbsolutePath(), zkDemoSampleFiles::find(file));
    // The files are the project's own: both must stay complete profiles.
    const zkIesProfile parsed = zkIesProfile::read(profile.getAbsolutePath());
    QVERIFY(parsed.valid);
    QCOMPARE(int(parsed.tilt), tilt);
    QCOMPARE(profile.getNumVerticalAngles(), parsed.numVerticalAngles);
}

void tst_zkDemoSampleFiles::imageRowLoadsReloadsAndDeletes()
{
    zkDemoWindow window;
    QCOMPARE(window.getSceneViews()->selectByNames({QStringLiteral("Leather")}), QStringList());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    zkBaseControl *slot = window.getEditor()->getControl("diffuseTexture");
    QVERIFY(slot && slot->getNestedEditor());
    auto *row = qobject_cast<zkZkdImageControl *>(slot->getNestedEditor()->getControl("image"));
    QVERIFY(row);
    const zkdObject texture = leatherTexture();
    const zkdImage sample = imageOf(texture, "image");
    QCOMPARE(row->getLineEdit()->text(), sample.getFileName());

    // A copy to change on disk, so that a reload has something new to read.
    QTemporaryDir directory;
    const QString copy = directory.filePath(QStringLiteral("grain.png"));
    QVERIFY(QFile::copy(sample.getFileName(), copy));
    zkUndoStack *stack = zkUndoStack::instance();

    row->getLineEdit()->setText(copy);
    row->getLineEdit()->setModified(true);
    emit row->getLineEdit()->editingFinished();
    QCOMPARE(imageOf(texture, "image").getFileName(), copy);
    QCOMPARE(stack->count(), 1);

    QImage smaller(32, 16, QImage::Format_RGB32);
    smaller.fill(Qt::darkRed);
    QVERIFY(smaller.save(copy, "PNG"));
    row->getReloadButton()->click();
    QCOMPARE(imageOf(texture, "image").getSize(), QSize(32, 16));
    QCOMPARE(stack->count(), 2);

    row->getDeleteButton()->click();
    QVERIFY(imageOf(texture, "image").isNull());
    QVERIFY(row->getLineEdit()->text().isEmpty());
    QCOMPARE(stack->count(), 3);

    const QList<QSize> sizes = {QSize(32, 16), QSize(256, 256), QSize(256, 256)};
    for (const QSize &size : sizes) {
        stack->undo();
        QCOMPARE(imageOf(texture, "image").getSize(), size);
    }
    QCOMPARE(imageOf(texture, "image").getFileName(), sample.getFileName());
    QCOMPARE(row->getLineEdit()->text(), sample.getFileName());
    stack->redo();
    QCOMPARE(imageOf(texture, "image").getFileName(), copy);
}

QTEST_MAIN(tst_zkDemoSampleFiles)
#include "tst_zkDemoSampleFiles.moc"
