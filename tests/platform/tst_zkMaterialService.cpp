#include <zkFileIOService.h>
#include <zkImageService.h>
#include <zkKernelServiceFactory.h>
#include <zkMaterialId.h>
#include <zkMaterialService.h>
#include <zkUndoStack.h>
#include <zkdEnvironmentMaterial.h>
#include <zkdGlassMaterial.h>
#include <zkdPlasticMaterial.h>
#include <zkdSwitchMaterial.h>

#include "zkKernelTestFixture.h"

#include <QDir>
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

// The material service, material handles and ids, and the image and file services they use.
class tst_zkMaterialService : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void addAndRemove();
    void groupsAndNodeMaterials();
    void previewAndIcon();
    void subMaterials();
    void materialIdOrderAndStreaming();

    void images();

private:
    zkMaterialService *service() const { return zkKernelServiceFactory::the().getService<zkMaterialService>(); }
    zkImageService *imageService() const { return zkKernelServiceFactory::the().getService<zkImageService>(); }
    zkUndoStack *stack() const { return zkUndoStack::instance(); }
};

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

void tst_zkMaterialService::addAndRemove()
{
    const zkdNode root = service()->getMaterialTreeRoot();
    const auto red = createPlastic(QStringLiteral("Red"));
    const auto glass = zkdObjectManager::create<zkdGlassMaterial>();
    const zkdMaterialNode redNode = service()->addMaterial(red);
    QCOMPARE(redNode.getMaterial(), zkdMaterial(red));
    QCOMPARE(redNode.getParent(), root);
    const zkChangeLog log;
    {
        zkScopedUndo undo(true);
        service()->addMaterial(glass);
    }
    QVERIFY(log.contains(root, "children"));
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red, glass}));
    stack()->undo();
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red}));
    stack()->redo();
    // A material held by two nodes is one scene material, and removed from both in one step.
    service()->addMaterial(red);
    QCOMPARE(service()->getSceneMaterials().size(), 2);
    {
        zkScopedUndo undo(true);
        service()->removeMaterial(red);
    }
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({glass}));
    QVERIFY(red.isValid());
    QCOMPARE(stack()->count(), 2);
    stack()->undo();
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red, glass}));
    QVERIFY(service()->addMaterial(zkdMaterial()).isNull());
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

    // Depth first in child order: the group comes before the material added to the root later.
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({blue, green, red}));
    QCOMPARE(service()->getNodeMaterials(paints), QList<zkdMaterial>({blue, green}));
    QCOMPARE(service()->getNodeMaterials(greenNode), QList<zkdMaterial>({green}));
    QVERIFY(service()->getNodeMaterials(zkdNode()).isEmpty());

    for (const zkdNode &group : {metallic, paints})
        zkdObjectManager::destroy(group);
    QCOMPARE(service()->getSceneMaterials(), QList<zkdMaterial>({red}));

    const zkdMaterial environment = service()->getDefaultEnvironmentMaterial();
    QVERIFY(environment.isTypeOf<zkdEnvironmentMaterial>());
    QCOMPARE(service()->getDefaultEnvironmentMaterial(), environment);
    QVERIFY(!service()->getSceneMaterials().contains(environment));
}

// The preview is rendered when asked, into the same image object, without an undo step.
void tst_zkMaterialService::previewAndIcon()
{
    const auto material = createPlastic(QStringLiteral("Red"), QVector3D(0.8f, 0.0f, 0.0f));
    QVERIFY(material.getPreviewImage().isNull());
    service()->updatePreview(material);
    const zkdImage preview = material.getPreviewImage();
    QImage image = preview.toQImage();
    QCOMPARE(image.size(), QSize(zkMaterialService::previewSize, zkMaterialService::previewSize));
    QColor color = centre(image);
    QVERIFY(color.red() > 100 && color.green() < 60 && color.blue() < 60);
    QCOMPARE(image.pixelColor(0, 0).alpha(), 0); // around the ball

    material.setProperty("diffuseColor", QVector3D(0.0f, 0.0f, 0.8f));
    zkChangeLog log;
    {
        zkScopedUndo undo(true);
        service()->updatePreview(material);
    }
    QCOMPARE(material.getPreviewImage(), preview);
    color = centre(preview.toQImage());
    QVERIFY(color.blue() > 100 && color.red() < 60);
    QCOMPARE(log.changes.size(), 1);
    QCOMPARE(log.changes.first().object, zkdObject(preview));
    QCOMPARE(stack()->count(), 0);
    // The icon shows the kind of material, not its colours.
    const QImage icon = material.getIcon().pixmap(16, 16).toImage();
    QVERIFY(centre(icon).alpha() > 0);
    QCOMPARE(createPlastic(QStringLiteral("B"), QVector3D(0, 1, 0)).getIcon().pixmap(16, 16).toImage(), icon);
    QVERIFY(zkdObjectManager::create<zkdGlassMaterial>().getIcon().pixmap(16, 16).toImage() != icon);

    zkdObjectManager::destroy(material);
    QVERIFY(!preview.isValid());
}

void tst_zkMaterialService::subMaterials()
{
    const auto multi = zkdObjectManager::create<zkdSwitchMaterial>();
    QVERIFY(multi.at(0).isNull());
    multi.setMaterials({createPlastic(QStringLiteral("Red"), QVector3D(0.8f, 0.0f, 0.0f)),
                        zkdObjectManager::create<zkdGlassMaterial>(),
                        createPlastic(QStringLiteral("Green"), QVector3D(0.0f, 0.8f, 0.0f))});
    QCOMPARE(multi.count(), 3);
    QVERIFY(multi.at(1).isTypeOf<zkdGlassMaterial>()); // not just a zkdMaterial
    QVERIFY(multi.at(3).isNull());
    QVERIFY(multi.at(-1).isNull());
    // The choice is unsigned: a negative one is refused. The preview shows the choice.
    multi.setChoice(2);
    multi.setChoice(-1);
    QCOMPARE(multi.getChoice(), 2);
    QCOMPARE(multi.property("choice").userType(), int(QMetaType::UInt));
    service()->updatePreview(multi);
    const QColor color = centre(multi.getPreviewImage().toQImage());
    QVERIFY(color.green() > 100 && color.red() < 60);
}

void tst_zkMaterialService::materialIdOrderAndStreaming()
{
    const zkMaterialId group(zkdObjectManager::create<zkdNode>());
    const auto node = zkdObjectManager::create<zkdMaterialNode>();
    const auto outer = zkdObjectManager::create<zkdSwitchMaterial>();
    const auto inner = zkdObjectManager::create<zkdMultiMaterial>();
    const auto leaf = zkdObjectManager::create<zkdPlasticMaterial>();
    inner.setMaterials({leaf});
    outer.setMaterials({zkdObjectManager::create<zkdGlassMaterial>(), inner});
    node.setMaterial(outer);

    const zkMaterialId nodeId(node);
    const zkMaterialId second(nodeId, 1);
    const zkMaterialId nested(second, 0);
    QCOMPARE(nested.getSubMaterialPath(), QVector<int>({1, 0}));
    QCOMPARE(nested.getParent(), second);
    QVERIFY(nodeId.getParent().isNull());
    QCOMPARE(nodeId.getMaterial(), zkdMaterial(outer));
    QCOMPARE(nested.getMaterial(), zkdMaterial(leaf));
    QVERIFY(zkMaterialId(nodeId, 5).getMaterial().isNull());
    QVERIFY(group.getMaterial().isNull());
    // Ordered by node, then by path, with an entry right after its parent; models keying items
    // by QVariant ids compare through the registered comparator.
    const QList<zkMaterialId> ordered{group, nodeId, zkMaterialId(nodeId, 0), second, nested};
    for (int i = 1; i < ordered.size(); ++i) {
        QVERIFY(ordered.at(i - 1) < ordered.at(i));
        int order = 0;
        QVERIFY(QMetaType::compare(&ordered.at(i), &ordered.at(i - 1), qMetaTypeId<zkMaterialId>(), &order));
        QCOMPARE(order, 1);
    }
    QVERIFY(QVariant::fromValue(second) == QVariant::fromValue(zkMaterialId(nodeId, 1)));

    QByteArray bytes;
    QDataStream out(&bytes, QIODevice::WriteOnly);
    out << QVariant::fromValue(nested);
    QDataStream in(bytes);
    QVariant read;
    in >> read;
    QCOMPARE(read.value<zkMaterialId>(), nested);
}

void tst_zkMaterialService::images()
{
    QImage pixels(4, 2, QImage::Format_ARGB32);
    pixels.fill(Qt::red);
    const zkdImage image = zkdImage::create(pixels, QStringLiteral("textures/red.png"));
    QCOMPARE(image.getFileName(), QStringLiteral("textures/red.png"));
    QCOMPARE(image.getAbsolutePath(), QDir::current().absoluteFilePath(QStringLiteral("textures/red.png")));
    QCOMPARE(image.toQImage(), pixels);
    // The file name is the loaded file's, not an edit.
    QVERIFY(!image.setProperty("fileName", QStringLiteral("other.png")));
    // An empty image reads empty and is a legal value for an image row.
    QCOMPARE(zkdImage().getAbsolutePath(), QString());
    QVERIFY(zkdImage().toQImage().isNull());
    const zkdObject texture = zkdObjectManager::create(QByteArrayLiteral("zkdDiffuseTexture"));
    QVERIFY(texture.setProperty("image", QVariant::fromValue(image)));
    QVERIFY(texture.setProperty("image", QVariant::fromValue(zkdImage())));
    QVERIFY(texture.property("image").value<zkdImage>().isNull());

    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("red.png"));
    QVERIFY(pixels.save(path));
    const zkdImage loaded = imageService()->loadImage(path);
    QCOMPARE(loaded.getFileName(), path);
    QCOMPARE(loaded.toQImage().convertToFormat(pixels.format()), pixels);
    const QString copy = directory.filePath(QStringLiteral("copy.png"));
    QVERIFY(imageService()->saveImage(loaded, copy));
    QCOMPARE(QImage(copy).convertToFormat(pixels.format()), pixels);
    QVERIFY(!imageService()->saveImage(zkdImage(), directory.filePath(QStringLiteral("none.png"))));
    QFile broken(directory.filePath(QStringLiteral("broken.png")));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not an image");
    broken.close();
    QVERIFY(imageService()->loadImage(broken.fileName()).isNull());
    QVERIFY(imageService()->loadImage(directory.filePath(QStringLiteral("missing.png"))).isNull());
    QVERIFY(imageService()->loadImage(QString()).isNull());
    // A sequence saves one numbered file per frame.
    QImage blue(pixels);
    blue.fill(Qt::blue);
    const zkdImage sequence = zkdImage::create(pixels, QStringLiteral("/scenes/flicker.gif"), {pixels, blue});
    QVERIFY(sequence.hasInlinedSequence());
    QTemporaryDir frames;
    QVERIFY(imageService()->saveImageSequence(sequence, frames.path()));
    QCOMPARE(QDir(frames.path()).entryList(QDir::Files),
             QStringList({QStringLiteral("flicker_0001.png"), QStringLiteral("flicker_0002.png")}));
    QCOMPARE(QImage(frames.filePath(QStringLiteral("flicker_0002.png"))).convertToFormat(blue.format()), blue);
    QVERIFY(!imageService()->saveImageSequence(loaded, frames.path()));
    QVERIFY(!imageService()->saveImageSequence(sequence, frames.filePath(QStringLiteral("missing"))));

    const auto *files = zkKernelServiceFactory::the().getService<zkFileIOService>();
    const QString open = files->getImageOpenFilter();
    QVERIFY(open.startsWith(QLatin1String("Image Files (")) && open.contains(QLatin1String("*.png")));
    QVERIFY(open.endsWith(QLatin1String(";;All Files (*)")));
    const QStringList save = files->getImageSaveFilter().split(QStringLiteral(";;"));
    QCOMPARE(save.first(), QStringLiteral("PNG Image (*.png)"));
    QVERIFY(save.contains(QStringLiteral("JPG Image (*.jpg)")));
    QCOMPARE(save.count(QStringLiteral("PNG Image (*.png)")), 1);
}

QTEST_MAIN(tst_zkMaterialService)
#include "tst_zkMaterialService.moc"
