#include "QZKSpectrum.h"

#include "zkReadVector.h"

#include <cmath>

namespace {
constexpr int sampleCount = 16;

// A smooth bump around a centre wavelength position in [0, 1].
float lobe(float position, float centre, float width)
{
    const float d = (position - centre) / width;
    return std::exp(-d * d);
}
}

QZKSpectrum::QZKSpectrum(const QVector3D &rgb)
{
    setRGB(rgb);
}

void QZKSpectrum::setRGB(const QVector3D &rgb)
{
    // A plain blue-green-red lobe mix stands in for a proper spectral upsampling; what matters to
    // callers is that equal colours give equal spectra.
    m_rgb = rgb;
    m_samples.resize(sampleCount);
    for (int i = 0; i < sampleCount; ++i) {
        const float t = float(i) / float(sampleCount - 1);
        m_samples[i] = rgb.z() * lobe(t, 0.15f, 0.2f) + rgb.y() * lobe(t, 0.5f, 0.2f)
                + rgb.x() * lobe(t, 0.85f, 0.2f);
    }
}

QDataStream &operator<<(QDataStream &out, const QZKSpectrum &spectrum)
{
    return out << spectrum.rgb() << spectrum.samples();
}

QDataStream &operator>>(QDataStream &in, QZKSpectrum &spectrum)
{
    QVector3D rgb;
    QVector<float> samples;
    in >> rgb;
    zkReadVector(in, samples);
    // A spectrum cut short is no spectrum at all, not whatever made it through.
    spectrum = QZKSpectrum();
    if (in.status() == QDataStream::Ok) {
        spectrum.setRGB(rgb);
        spectrum.setSamples(samples);
    }
    return in;
}

void registerQZKSpectrumType()
{
    static const bool registered = [] {
        qRegisterMetaType<QZKSpectrum>("QZKSpectrum");
        qRegisterMetaTypeStreamOperators<QZKSpectrum>("QZKSpectrum");
        QMetaType::registerEqualsComparator<QZKSpectrum>();
        return true;
    }();
    Q_UNUSED(registered);
}
