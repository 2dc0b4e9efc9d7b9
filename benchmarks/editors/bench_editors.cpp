// Timings of the image row and of material editors whose textures hold 4096 x 4096 images,
// printed as ratios. Times are the best of several runs; build with optimisation (the default
// build type) and run with QT_QPA_PLATFORM=offscreen or on a display.

#include <zkBaseControl.h>
#include <zkImageService.h>
#include <zkKernelServiceFactory.h>
#include <zkKernelServices.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkZkdImageControl.h>
#include <zkdDiffuseTexture.h>
#include <zkdImage.h>
#include <zkdObjectManager.h>
#include <zkdPlasticMaterial.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QLinearGradient>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <limits>
#include <memory>

namespace {

constexpr int runs = 5;
constexpr int imageSize = 4096;
const char *const textureProperties[] = {"diffuseTexture", "glossyTexture", "roughnessTexture", "bumpTexture"};

void settle()
{
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QApplication::processEvents();
}

double bestMs(const std::function<void()> &prepare, const std::function<void()> &work)
{
    double best = std::numeric_limits<double>::max();
    for (int run = 0; run < runs; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        best = std::min(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

// A smooth picture with some detail, so that the file's decoding is neither trivial nor
// dominated by noise.
bool writeImage(const QString &path)
{
    QImage image(imageSize, imageSize, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, imageSize, imageSize);
    gradient.setColorAt(0.0, QColor(200, 40, 30));
    gradient.setColorAt(1.0, QColor(20, 60, 190));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(Qt::white);
    for (int i = 0; i < imageSize; i += 64)
        painter.drawLine(0, i, imageSize - i, imageSize);
    painter.end();
    return image.save(path, "PNG", 9);
}

// The image row alone on a diffuse texture, reading a file typed into its path field.
double loadThroughRow(const QString &path)
{
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdDiffuseTexture, zkdImage, zkZkdImageControl>("image");
    zkPropertyEditorWidget editor(nullptr, {factory});
    editor.setKeepProperties({"image"});
    const zkdDiffuseTexture texture = zkdObjectManager::create<zkdDiffuseTexture>();
    editor.setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(texture)});
    editor.show();
    settle();
    auto *row = qobject_cast<zkZkdImageControl *>(editor.getControl("image"));
    if (!row)
        return 0.0;
    QLineEdit *edit = row->getLineEdit();
    return bestMs(
        [&] {
            texture.setProperty("image", QVariant::fromValue(zkdImage()));
            edit->clear();
        },
        [&] {
            edit->setText(path);
            edit->setModified(true);
            emit edit->editingFinished();
        });
}

double readDirectly(const QString &path)
{
    return bestMs([] {}, [&] {
        QImageReader reader(path);
        const QImage image = reader.read();
        Q_UNUSED(image)
    });
}

int imageRows(const zkPropertyEditorWidget &editor)
{
    int rows = 0;
    for (const char *property : textureProperties) {
        const zkBaseControl *slot = editor.getControl(property);
        const zkPropertyEditorWidget *nested = slot ? slot->getNestedEditor() : nullptr;
        rows += nested && nested->getControl("image");
    }
    return rows;
}

// The time to build and show the full editor of a plastic material; -1 when it has not every
// texture's image row, so that a lazily built editor cannot pass for a fast one.
double openEditor(const zkdPlasticMaterial &material)
{
    std::unique_ptr<zkPropertyEditorWidget> editor;
    bool complete = true;
    const double ms = bestMs([&] {
                                 if (editor)
                                     complete = complete && imageRows(*editor) == int(std::size(textureProperties));
                                 editor.reset();
                                 settle();
                             },
                  [&] {
                      editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>());
                      editor->setCurrentObjects({new zkPropertyEditorZkdObjectWrapper(material)});
                      editor->resize(480, 800);
                      editor->show();
                      settle();
                  });
    return complete && imageRows(*editor) == int(std::size(textureProperties)) ? ms : -1.0;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zkKernelServices::initialize();
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("large.png"));
    if (!writeImage(path)) {
        std::fprintf(stderr, "bench_editors: couldn't write '%s'\n", qPrintable(path));
        return 1;
    }

    const double direct = readDirectly(path);
    const double row = loadThroughRow(path);
    std::printf("image row: loading a %dx%d PNG\n", imageSize, imageSize);
    std::printf("  QImageReader %8.1f ms\n  image row    %8.1f ms   ratio %.2f (goal <= 1.10)\n", direct, row,
                row / direct);

    QString error;
    const zkdImage large = zkKernelServiceFactory::the().getService<zkImageService>()->loadImage(path, &error);
    if (large.isNull()) {
        std::fprintf(stderr, "bench_editors: %s\n", qPrintable(error));
        return 1;
    }
    const zkdPlasticMaterial empty = zkdObjectManager::create<zkdPlasticMaterial>();
    const zkdPlasticMaterial textured = zkdObjectManager::create<zkdPlasticMaterial>();
    for (const char *property : textureProperties) {
        const zkdObject texture = zkdObjectManager::fromVariant(textured.property(property));
        texture.setProperty("image", QVariant::fromValue(large));
        texture.setProperty("useTexture", true);
    }
    const double emptyMs = openEditor(empty);
    const double texturedMs = openEditor(textured);
    if (emptyMs < 0 || texturedMs < 0) {
        std::fprintf(stderr, "bench_editors: the material editor lacks texture image rows\n");
        return 1;
    }
    std::printf("material editor: four textures holding the %dx%d image\n", imageSize, imageSize);
    std::printf("  empty textures %8.1f ms\n  4k textures    %8.1f ms   ratio %.2f (goal <= 1.20)\n", emptyMs,
                texturedMs, texturedMs / emptyMs);
    zkUndoStack::instance()->clear();
    return 0;
}
