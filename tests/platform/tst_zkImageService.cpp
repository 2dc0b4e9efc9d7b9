#include <zkImageService.h>
#include <zkKernelServiceFactory.h>
#include <zkdImage.h>

#include <ImfChannelList.h>
#include <ImfFrameBuffer.h>
#include <ImfHeader.h>
#include <ImfOutputFile.h>
#include <stb/stb_image_write.h>

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QTest>

#include <unistd.h>

#include <vector>

namespace {

const QSize sampleSize(4, 2);

// Every channel of every pixel holds 1.0, which tone-maps to 186 of 255.
void writeExr(const QString &path, const QStringList &channels, Imf::PixelType type)
{
    Imf::Header header(sampleSize.width(), sampleSize.height());
    Imf::FrameBuffer buffer;
    const std::size_t count = std::size_t(sampleSize.width()) * sampleSize.height();
    std::vector<half> halves(count, half(1.0f));
    std::vector<float> floats(count, 1.0f);
    char *base = type == Imf::HALF ? reinterpret_cast<char *>(halves.data()) : reinterpret_cast<char *>(floats.data());
    const std::size_t size = type == Imf::HALF ? sizeof(half) : sizeof(float);
    for (const QString &channel : channels) {
        const QByteArray name = channel.toLatin1();
        header.channels().insert(name.constData(), Imf::Channel(type));
        buffer.insert(name.constData(), Imf::Slice(type, base, size, size * sampleSize.width()));
    }
    Imf::OutputFile file(QFile::encodeName(path).constData(), header);
    file.setFrameBuffer(buffer);
    file.writePixels(sampleSize.height());
}

void writeHdr(const QString &path)
{
    const std::vector<float> pixels(std::size_t(sampleSize.width()) * sampleSize.height() * 3, 1.0f);
    QVERIFY(stbi_write_hdr(QFile::encodeName(path).constData(), sampleSize.width(), sampleSize.height(), 3,
                           pixels.data()));
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray firstHalf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(file.size() / 2) : QByteArray();
}

QImage noise(QImage::Format format)
{
    QImage image(64, 64, format);
    quint32 state = 1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            state = state * 1664525u + 1013904223u;
            image.setPixel(x, y, state | 0xff000000u);
        }
    }
    return image;
}

zkImageService *service()
{
    return zkKernelServiceFactory::the().getService<zkImageService>();
}

} // namespace

// Decoding real files of each format, and the reasons given when a file cannot be loaded or saved.
class tst_zkImageService : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void failures_data();
    void failures();
    void saveToReadOnlyFolder();

private:
    QString path(const QString &name) const { return m_directory.filePath(name); }

    QTemporaryDir m_directory;
};

void tst_zkImageService::initTestCase()
{
    QVERIFY(m_directory.isValid());
    QImage colour(sampleSize, QImage::Format_ARGB32);
    colour.fill(QColor(200, 100, 50));
    for (const char *format : {"png", "jpg", "tiff", "bmp"})
        QVERIFY(colour.save(path(QStringLiteral("sample.") + QLatin1String(format))));
    QVERIFY(QImage(colour).convertToFormat(QImage::Format_RGBA64).save(path(QStringLiteral("deep.png"))));
    // The content decides, not the suffix.
    QVERIFY(colour.save(path(QStringLiteral("png-named.jpg")), "PNG"));
    writeHdr(path(QStringLiteral("sample.hdr")));
    writeExr(path(QStringLiteral("half.exr")), {"R", "G", "B", "A"}, Imf::HALF);
    writeExr(path(QStringLiteral("float.exr")), {"R", "G", "B"}, Imf::FLOAT);
    writeExr(path(QStringLiteral("luminance.exr")), {"Y"}, Imf::HALF);
    writeExr(path(QStringLiteral("depth.exr")), {"Z"}, Imf::FLOAT);

    writeBytes(path(QStringLiteral("text.png")), "This is not an image.\n");
    QVERIFY(noise(QImage::Format_RGB32).save(path(QStringLiteral("noise.png"))));
    writeBytes(path(QStringLiteral("truncated.png")), firstHalf(path(QStringLiteral("noise.png"))));
    writeBytes(path(QStringLiteral("truncated.exr")), firstHalf(path(QStringLiteral("half.exr"))));
    QVERIFY(QFile::copy(path(QStringLiteral("sample.png")), path(QStringLiteral("locked.png"))));
    QVERIFY(QFile::setPermissions(path(QStringLiteral("locked.png")), QFileDevice::Permissions()));
}

void tst_zkImageService::loads_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("format");
    QTest::addColumn<int>("bits");
    // The red of the first pixel as shown, give or take the loss of JPEG.
    QTest::addColumn<int>("red");

    QTest::newRow("PNG") << "sample.png" << "PNG" << 8 << 200;
    QTest::newRow("16-bit PNG") << "deep.png" << "PNG" << 16 << 200;
    QTest::newRow("JPEG") << "sample.jpg" << "JPEG" << 8 << 200;
    QTest::newRow("TIFF") << "sample.tiff" << "TIFF" << 8 << 200;
    QTest::newRow("BMP") << "sample.bmp" << "BMP" << 8 << 200;
    QTest::newRow("misnamed PNG") << "png-named.jpg" << "PNG" << 8 << 200;
    QTest::newRow("Radiance") << "sample.hdr" << "HDR" << 32 << 186;
    QTest::newRow("OpenEXR half RGBA") << "half.exr" << "EXR" << 16 << 186;
    QTest::newRow("OpenEXR float RGB") << "float.exr" << "EXR" << 32 << 186;
    QTest::newRow("OpenEXR luminance") << "luminance.exr" << "EXR" << 16 << 186;
}

void tst_zkImageService::loads()
{
    QFETCH(QString, file);
    QFETCH(QString, format);
    QFETCH(int, bits);
    QFETCH(int, red);

    QString error;
    const zkdImage image = service()->loadImage(path(file), &error);
    QVERIFY2(!image.isNull(), qPrintable(error));
    QCOMPARE(error, QString());
    QCOMPARE(image.getFileName(), path(file));
    QCOMPARE(image.getFormatName(), format);
    QCOMPARE(image.getBitsPerChannel(), bits);
    QCOMPARE(image.getSize(), sampleSize);
    QCOMPARE(image.toQImage().size(), sampleSize);
    QVERIFY(qAbs(image.toQImage().pixelColor(0, 0).red() - red) <= 3);
    QCOMPARE(image.toQImage().pixelColor(0, 0).alpha(), 255);
}

void tst_zkImageService::failures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");

    QTest::newRow("missing") << "missing.png" << "the file does not exist";
    QTest::newRow("folder") << "." << "it is a folder";
    QTest::newRow("text named .png") << "text.png" << "the file is not an image in a readable format";
    QTest::newRow("truncated PNG") << "truncated.png" << "the image data is damaged or truncated";
    QTest::newRow("truncated OpenEXR") << "truncated.exr" << "the OpenEXR file is damaged or truncated";
    QTest::newRow("OpenEXR without colour") << "depth.exr" << "the OpenEXR channels (Z) hold no colour";
    QTest::newRow("no read permission") << "locked.png" << "the file cannot be read";
}

void tst_zkImageService::failures()
{
    QFETCH(QString, file);
    QFETCH(QString, reason);

    if (file == QLatin1String("locked.png") && geteuid() == 0)
        QSKIP("Permissions do not bind the superuser.");
    QString error;
    QVERIFY(service()->loadImage(path(file), &error).isNull());
    QVERIFY2(error.startsWith(QStringLiteral("Cannot load the image \"%1\": ").arg(QDir::toNativeSeparators(path(file)))),
             qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    // Without an error string the failure is only the null image.
    QVERIFY(service()->loadImage(path(file)).isNull());
}

void tst_zkImageService::saveToReadOnlyFolder()
{
    if (geteuid() == 0)
        QSKIP("Permissions do not bind the superuser.");
    const QString folder = path(QStringLiteral("read-only"));
    QVERIFY(QDir().mkpath(folder));
    QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    const zkdImage image = service()->loadImage(path(QStringLiteral("sample.png")));
    const QString target = QDir(folder).filePath(QStringLiteral("copy.png"));
    QString error;
    QVERIFY(!service()->saveImage(image, target, &error));
    QVERIFY2(error.startsWith(QStringLiteral("Cannot save the image \"%1\": ").arg(QDir::toNativeSeparators(target))),
             qPrintable(error));
    QVERIFY(!QFile::exists(target));
}

QTEST_GUILESS_MAIN(tst_zkImageService)

#include "tst_zkImageService.moc"
