// Writes the demo's sample textures into the directory given as the only argument: a leather
// grain as PNG and a small studio environment as Radiance HDR, whose softboxes are far brighter
// than 1.0 so that the high dynamic range survives the round trip.

#include <QDir>
#include <QFile>
#include <QImage>
#include <QtMath>

#include <stb/stb_image_write.h>

#include <cstdio>
#include <vector>

namespace {

// A repeatable pseudo-random value in [0, 1) for a lattice point.
float lattice(int x, int y, int period)
{
    quint32 h = quint32((x % period + period) % period) * 374761393u + quint32((y % period + period) % period) * 668265263u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return float((h ^ (h >> 16)) & 0xffffff) / float(0x1000000);
}

// Smoothly interpolated lattice noise that tiles with the given period.
float noise(float x, float y, int period)
{
    const int x0 = qFloor(x);
    const int y0 = qFloor(y);
    const float fx = x - float(x0);
    const float fy = y - float(y0);
    const float sx = fx * fx * (3.0f - 2.0f * fx);
    const float sy = fy * fy * (3.0f - 2.0f * fy);
    const float top = lattice(x0, y0, period) + sx * (lattice(x0 + 1, y0, period) - lattice(x0, y0, period));
    const float bottom = lattice(x0, y0 + 1, period) + sx * (lattice(x0 + 1, y0 + 1, period) - lattice(x0, y0 + 1, period));
    return top + sy * (bottom - top);
}

bool writeLeather(const QString &path)
{
    const int size = 256;
    QImage image(size, size, QImage::Format_RGB32);
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            // Coarse pores over a fine grain; both tile across the image's edges.
            const float pores = noise(x / 8.0f, y / 8.0f, size / 8);
            const float grain = noise(x / 2.0f, y / 2.0f, size / 2);
            const float shade = 0.55f + 0.35f * pores + 0.10f * grain;
            image.setPixel(x, y, qRgb(int(120 * shade), int(62 * shade), int(34 * shade)));
        }
    }
    return image.save(path, "PNG");
}

bool writeStudio(const QString &path)
{
    const int width = 128;
    const int height = 64;
    std::vector<float> pixels(size_t(width) * height * 3);
    for (int y = 0; y < height; ++y) {
        const float elevation = 1.0f - 2.0f * (y + 0.5f) / height; // 1 at the zenith, -1 below
        for (int x = 0; x < width; ++x) {
            float r = 0.18f + 0.22f * qMax(0.0f, elevation);
            float g = r;
            float b = r * 1.05f;
            if (elevation < 0.0f) {
                r = g = b = 0.08f; // the studio floor
            }
            // Two softboxes above the horizon and a warm strip light.
            const bool leftBox = x >= 20 && x < 36 && y >= 10 && y < 22;
            const bool rightBox = x >= 84 && x < 100 && y >= 10 && y < 22;
            const bool strip = x >= 56 && x < 72 && y >= 4 && y < 7;
            if (leftBox || rightBox) {
                r = g = b = 12.0f;
            } else if (strip) {
                r = 6.0f;
                g = 4.5f;
                b = 3.0f;
            }
            float *pixel = &pixels[(size_t(y) * width + x) * 3];
            pixel[0] = r;
            pixel[1] = g;
            pixel[2] = b;
        }
    }
    return stbi_write_hdr(QFile::encodeName(path).constData(), width, height, 3, pixels.data()) != 0;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: zkMakeSampleTextures <directory>\n");
        return 2;
    }
    const QDir directory(QFile::decodeName(argv[1]));
    if (!directory.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "zkMakeSampleTextures: couldn't create '%s'\n", argv[1]);
        return 1;
    }
    const QString leather = directory.filePath(QStringLiteral("leather.png"));
    const QString studio = directory.filePath(QStringLiteral("studio.hdr"));
    const QString failed = !writeLeather(leather) ? leather : !writeStudio(studio) ? studio : QString();
    if (!failed.isEmpty()) {
        std::fprintf(stderr, "zkMakeSampleTextures: couldn't write '%s'\n", qPrintable(failed));
        return 1;
    }
    return 0;
}
