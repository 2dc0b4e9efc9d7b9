// Timings of the image row, of material editors whose textures hold 4096 x 4096 images and of
// reading a large IES light profile, printed as ratios. Times are the best of several runs; build with optimisation (the default
// build type) and run with QT_QPA_PLATFORM=offscreen or on a display.

#include "zkBenchmarkSupport.h"

#include <zkBaseControl.h>
#include <zkIesProfile.h>
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
#include <QFile>
#include <QFileInfo>
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
#include <memory>

namespace {

constexpr int runs = 5;
constexpr int imageSize = 4096;
const char *const textureProperties[] = {"diffuseTexture", "glossyTexture", "roughnessTexture", "bumpTexture"};

double bestMs(const std::function<void()> &prepare, const std::function<void()> &work)
{
    Best best;
    for (int run = 0; run < runs; ++run) {
        prepare();
        best.measure(work);
    }
    return best.ms;
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

// A type C profile with a candela table of 361 x 361 values, about a megabyte of text.
bool writeLargeProfile(const QString &path)
{
    constexpr int angles = 361;
    QByteArray text = "IESNA:LM-63-2002\n[TEST] BENCH\nTILT=NONE\n";
    text += "1 -1 1 " + QByteArray::number(angles) + ' ' + QByteArray::number(angles) + " 1 2 0.1 0.1 0\n1 1 40\n";
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 0; i < angles; ++i)
            text += QByteArray::number(i * (pass ? 360.0 : 180.0) / (angles - 1), 'f', 3) + (i % 10 == 9 ? '\n' : ' ');
        text += '\n';
    }
    for (int h = 0; h < angles; ++h) {
        for (int v = 0; v < angles; ++v)
            text += QByteArray::number(1000.0 + 0.37 * ((h * 7 + v * 13) % 997), 'f', 2) + (v % 10 == 9 ? '\n' : ' ');
        text += '\n';
    }
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
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

    const QString profilePath = directory.filePath(QStringLiteral("large.ies"));
    if (!writeLargeProfile(profilePath)) {
        std::fprintf(stderr, "bench_editors: couldn't write '%s'\n", qPrintable(profilePath));
        return 1;
    }
    bool parsed = true;
    const double bytesMs = bestMs([] {}, [&] {
        QFile file(profilePath);
        parsed = file.open(QIODevice::ReadOnly) && !file.readAll().isEmpty() && parsed;
    });
    const double parseMs = bestMs([] {}, [&] { parsed = zkIesProfile::read(profilePath).valid && parsed; });
    if (!parsed) {
        std::fprintf(stderr, "bench_editors: the large profile did not read\n");
        return 1;
    }
    std::printf("IES profile: %.1f MB, 361 x 361 candela values\n", QFileInfo(profilePath).size() / 1e6);
    std::printf("  reading the bytes %8.2f ms\n  parsing the file  %8.2f ms   ratio %.1f\n", bytesMs, parseMs,
                parseMs / bytesMs);
    zkUndoStack::instance()->clear();
    return 0;
}
