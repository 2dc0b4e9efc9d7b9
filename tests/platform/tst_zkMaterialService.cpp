#include <zkFileIOService.h>
#include <zkImageService.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkObjectService.h>
#include <zkScopedUndo.h>
#include <zkUndoStack.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdGlassMaterial.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>
#include <zkdSwitchMaterial.h>

#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QVector3D>

namespace {

zkdPlasticMaterial createPlastic(const QString &name, const QVector3D &color = QVector3D(0.7f, 0.1f, 0.1f))
{
    const auto plastic = zkdObjectManager::create<zkdPlasticMaterial>();
    plastic.setName(name);
    plastic.setProperty("diffuseColor", color);
    return plastic;
}

QColor centre(const QImage &image)
{
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

} // namespace

class tst_zkMaterialService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void addedMaterialsAreSceneMaterials();
    void addingAndRemovingAreUndoable();
    void groupsAndNodeMaterials();
    void defaultEnvironment();
    void previewIsRenderedAtOnce();
    void previewOfMultiMaterialShowsItsChoice();
    void iconShowsTheKind();
    void refreshIsAnnounced();

    void loadAndSaveImage();
    void loadFailureGivesEmptyImage();
    void saveImageSequence();
    void fileFilters();

private:
    zkMaterialService *service() const { return zkKernelServiceFactory::the().getService<zkMaterialService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }

    QList<zkdMaterial> m_added;
};

void tst_zkMaterialService::initTestCase()
{
    QVERIFY(service());
    QVERIFY(zkKernelServiceFactory::the().getService<zkImageService>());
    QVERIFY(zkKernelServiceFactory::the().getService<zkFileIOService>());
    QVERIFY(!service()->getMaterialTreeRoot().isNull());
}

void tst_zkMaterialService::init()
{
    stack()->clear();
    QVERIFY(service()->getSceneMaterials().isEmpty());
}

void tst_zkMaterialService::cleanup()
{
    for (const zkdMaterial &material : service()->getSceneMaterials())
        service()->removeMaterial(material);
}

void tst_zkMaterialService::addedMaterialsAreSceneMaterials()
{
    const zkdNode root = service()->getMaterialTreeRoot();
    QSignalSpy changes(zkKernelServiceFactory::the().getService<zkObjectService>(), &zkObjectService::propertyChangedBS);

    const auto red = createPlastic(QStringLiteral("Red"));
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    const zkdMaterialNode redNode = service()->addMaterial(red);
    service()->addMaterial(glass);

    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red, glass}));
    QCOMPARE(redNode.getMaterial(), zkdMaterial(red));
    QCOMPARE(redNode.getParent(), root);
    QCOMPARE(root.getChildren().size(), 2);
    const auto rootChanged = std::find_if(changes.begin(), changes.end(), [&](const QList<QVariant> &change) {
        return change.at(0).value<zkdObject>() == root && change.at(1).toByteArray() == "children";
    });
    QVERIFY(rootChanged != changes.end());

    // A material held by two nodes is one scene material.
    service()->addMaterial(red);
    QCOMPARE(service()->getSceneMaterials().size(), 2);
    QVERIFY(service()->addMaterial(zkdMaterial()).isNull());
}

void tst_zkMaterialService::addingAndRemovingAreUndoable()
{
    const auto red = createPlastic(QStringLiteral("Red"));
    const auto blue = createPlastic(QStringLiteral("Blue"));
    service()->addMaterial(red);
    {
        zkScopedUndo undo(true);
        service()->addMaterial(blue);
    }
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red}));
    stack()->redo();
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red, blue}));

    service()->addMaterial(red);
    {
        zkScopedUndo undo(true);
        service()->removeMaterial(red);
    }
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({blue}));
    QVERIFY(red.isValid());
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red, blue}));
}

void tst_zkMaterialService::groupsAndNodeMaterials()
{
    const auto red = createPlastic(QStringLiteral("Red"));
    const auto blue = createPlastic(QStringLiteral("Blue"));
    const auto green = createPlastic(QStringLiteral("Green"));
    const zkdNode paints = service()->addMaterialGroup(QStringLiteral("Paints"));
    const zkdNode metallic = service()->addMaterialGroup(QStringLiteral("Metallic"), paints);
    service()->addMaterial(red);
    service()->addMaterial(blue, metallic);
    const zkdMaterialNode greenNode = service()->addMaterial(green, paints);

    QCOMPARE(paints.getName(), QStringLiteral("Paints"));
    QCOMPARE(metallic.getParent(), paints);
    // Depth first in child order: the group comes before the material added to the root later.
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({blue, green, red}));
    QCOMPARE(service()->getNodeMaterials(paints), QList<zkdMaterial>({blue, green}));
    QCOMPARE(service()->getNodeMaterials(metallic), QList<zkdMaterial>({blue}));
    QCOMPARE(service()->getNodeMaterials(greenNode), QList<zkdMaterial>({green}));
    QVERIFY(service()->getNodeMaterials(zkdNode()).isEmpty());

    for (const zkdNode &group : {metallic, paints})
        zkdObjectManager::destroy(group);
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red}));
}

void tst_zkMaterialService::defaultEnvironment()
{
    const zkdMaterial environment = service()->getDefaultEnvironmentMaterial();
    QVERIFY(environment.isTypeOf<zkdEnvironmentMaterial>());
    QCOMPARE(environment.getName(), QStringLiteral("Default"));
    QCOMPARE(service()->getDefaultEnvironmentMaterial(), environment);
    QVERIFY(!service()->getSceneMaterials().contains(environment));
}

void tst_zkMaterialService::previewIsRenderedAtOnce()
{
    const auto material = createPlastic(QStringLiteral("Red"), QVector3D(0.8f, 0.0f, 0.0f));
    QVERIFY(material.getPreviewImage().isNull());

    service()->updatePreview(material);
    const zkdImage preview = material.getPreviewImage();
    QVERIFY(!preview.isNull());
    QImage image = preview.toQImage();
    QCOMPARE(image.size(), QSize(zkMaterialService::previewSize, zkMaterialService::previewSize));
    QColor color = centre(image);
    QVERIFY(color.red() > 100 && color.green() < 60 && color.blue() < 60);
    // The corners stay transparent around the ball.
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0);

    QSignalSpy changes(zkdObjectManager::instance(), &zkdObjectManager::propertyChanged);
    material.setProperty("diffuseColor", QVector3D(0.0f, 0.0f, 0.8f));
    changes.clear();
    {
        zkScopedUndo undo(true);
        service()->updatePreview(material);
    }
    QCOMPARE(material.getPreviewImage(), preview);
    color = centre(preview.toQImage());
    QVERIFY(color.blue() > 100 && color.red() < 60);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).value<zkdObject>(), zkdObject(preview));
    QCOMPARE(stack()->count(), 0);

    zkdObjectManager::destroy(material);
    QVERIFY(!preview.isValid());
}

void tst_zkMaterialService::previewOfMultiMaterialShowsItsChoice()
{
    const auto switchMaterial = zkdObjectManager::create<zkdSwitchMaterial>();
    switchMaterial.setMaterials({createPlastic(QStringLiteral("Red"), QVector3D(0.8f, 0.0f, 0.0f)),
                                 createPlastic(QStringLiteral("Green"), QVector3D(0.0f, 0.8f, 0.0f))});
    switchMaterial.setChoice(1);
    service()->updatePreview(switchMaterial);
    const QColor color = centre(switchMaterial.getPreviewImage().toQImage());
    QVERIFY(color.green() > 100 && color.red() < 60);
}

void tst_zkMaterialService::iconShowsTheKind()
{
    const auto plastic = createPlastic(QStringLiteral("A"));
    const auto otherPlastic = createPlastic(QStringLiteral("B"), QVector3D(0, 0, 1));
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    const QImage plasticIcon = plastic.getIcon().pixmap(16, 16).toImage();
    QVERIFY(!plasticIcon.isNull());
    QVERIFY(centre(plasticIcon).alpha() > 0);
    QCOMPARE(otherPlastic.getIcon().pixmap(16, 16).toImage(), plasticIcon);
    QVERIFY(glass.getIcon().pixmap(16, 16).toImage() != plasticIcon);
    QVERIFY(!plastic.getIcon().pixmap(64, 64).isNull());
}

void tst_zkMaterialService::refreshIsAnnounced()
{
    QSignalSpy refreshed(service(), &zkMaterialService::refreshed);
    service()->refresh();
    service()->refresh();
    QCOMPARE(refreshed.count(), 2);
}

void tst_zkMaterialService::loadAndSaveImage()
{
    QTemporaryDir directory;
    QVERIFY(directory.isValid());
    QImage pixels(8, 4, QImage::Format_RGB32);
    pixels.fill(QColor(10, 200, 30));
    const QString path = directory.filePath(QStringLiteral("green.png"));
    QVERIFY(pixels.save(path));

    const auto *images = zkKernelServiceFactory::the().getService<zkImageService>();
    const zkdImage image = images->loadImage(path);
    QVERIFY(!image.isNull());
    QCOMPARE(image.getFileName(), path);
    QCOMPARE(image.getAbsolutePath(), QFileInfo(path).absoluteFilePath());
    QVERIFY(!image.hasInlinedSequence());
    QCOMPARE(image.toQImage().convertToFormat(QImage::Format_RGB32), pixels);

    const QString copy = directory.filePath(QStringLiteral("copy.png"));
    QVERIFY(images->saveImage(image, copy));
    QCOMPARE(QImage(copy).convertToFormat(QImage::Format_RGB32), pixels);
    QVERIFY(!images->saveImage(zkdImage(), directory.filePath(QStringLiteral("none.png"))));
}

void tst_zkMaterialService::loadFailureGivesEmptyImage()
{
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("broken.png"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not an image");
    file.close();

    const auto *images = zkKernelServiceFactory::the().getService<zkImageService>();
    QVERIFY(images->loadImage(path).isNull());
    QVERIFY(images->loadImage(directory.filePath(QStringLiteral("missing.png"))).isNull());
    QVERIFY(images->loadImage(QString()).isNull());
}

void tst_zkMaterialService::saveImageSequence()
{
    QImage first(2, 2, QImage::Format_RGB32);
    first.fill(Qt::red);
    QImage second(first);
    second.fill(Qt::blue);
    const zkdImage sequence = zkdImage::create(first, QStringLiteral("/scenes/flicker.gif"), {first, second});

    QTemporaryDir directory;
    const auto *images = zkKernelServiceFactory::the().getService<zkImageService>();
    QVERIFY(images->saveImageSequence(sequence, directory.path()));
    QCOMPARE(QDir(directory.path()).entryList(QDir::Files),
             QStringList({QStringLiteral("flicker_0001.png"), QStringLiteral("flicker_0002.png")}));
    QCOMPARE(QImage(directory.filePath(QStringLiteral("flicker_0002.png"))).convertToFormat(QImage::Format_RGB32), second);

    QVERIFY(!images->saveImageSequence(zkdImage::create(first), directory.path()));
    QVERIFY(!images->saveImageSequence(sequence, directory.filePath(QStringLiteral("missing"))));
}

void tst_zkMaterialService::fileFilters()
{
    const auto *files = zkKernelServiceFactory::the().getService<zkFileIOService>();
    const QString open = files->getImageOpenFilter();
    QVERIFY(open.startsWith(QLatin1String("Image Files (")));
    QVERIFY(open.contains(QLatin1String("*.png")));
    QVERIFY(open.contains(QLatin1String("*.jpg")));
    QVERIFY(open.endsWith(QLatin1String(";;All Files (*)")));

    const QStringList save = files->getImageSaveFilter().split(QStringLiteral(";;"));
    QCOMPARE(save.first(), QStringLiteral("PNG Image (*.png)"));
    QVERIFY(save.contains(QStringLiteral("JPG Image (*.jpg)")));
    QCOMPARE(save.count(QStringLiteral("PNG Image (*.png)")), 1);
}

QTEST_MAIN(tst_zkMaterialService)
#include "tst_zkMaterialService.moc"
