#pragma once

#include <QDataStream>
#include <QMetaType>
#include <QVector>
#include <QVector3D>

// A colour as a sampled spectral distribution (equidistant samples across the visible range)
// together with the RGB colour it was made from. Opaque to the property editor, which only
// copies, compares and stores it.
class QZKSpectrum
{
public:
    QZKSpectrum() = default;
    explicit QZKSpectrum(const QVector3D &rgb);

    QVector3D rgb() const { return m_rgb; }
    void setRGB(const QVector3D &rgb);

    const QVector<float> &samples() const { return m_samples; }
    void setSamples(const QVector<float> &samples) { m_samples = samples; }

    bool isEmpty() const { return m_samples.isEmpty(); }

    friend bool operator==(const QZKSpectrum &a, const QZKSpectrum &b)
    { return a.m_rgb == b.m_rgb && a.m_samples == b.m_samples; }
    friend bool operator!=(const QZKSpectrum &a, const QZKSpectrum &b) { return !(a == b); }

private:
    QVector3D m_rgb;
    QVector<float> m_samples;
};

QDataStream &operator<<(QDataStream &out, const QZKSpectrum &spectrum);
QDataStream &operator>>(QDataStream &in, QZKSpectrum &spectrum);

// Registers "QZKSpectrum" with its stream operators and equality. Safe to call more than once.
void registerQZKSpectrumType();

Q_DECLARE_METATYPE(QZKSpectrum)
