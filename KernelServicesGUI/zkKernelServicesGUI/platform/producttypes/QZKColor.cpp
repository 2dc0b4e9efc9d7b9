#include "QZKColor.h"

#include <algorithm>
#include <cmath>

QZKColor::QZKColor(float hue, float saturation, float value)
    : m_hue(hue), m_saturation(saturation), m_value(value)
{
}

QVector3D QZKColor::hsvToRgb(float hue, float saturation, float value)
{
    if (saturation <= 0.0f)
        return QVector3D(value, value, value);
    float h = std::fmod(hue, 360.0f);
    if (h < 0.0f)
        h += 360.0f;
    h /= 60.0f;
    const int sector = int(std::floor(h)) % 6;
    const float f = h - std::floor(h);
    const float p = value * (1.0f - saturation);
    const float q = value * (1.0f - saturation * f);
    const float t = value * (1.0f - saturation * (1.0f - f));
    switch (sector) {
    case 0: return QVector3D(value, t, p);
    case 1: return QVector3D(q, value, p);
    case 2: return QVector3D(p, value, t);
    case 3: return QVector3D(p, q, value);
    case 4: return QVector3D(t, p, value);
    default: return QVector3D(value, p, q);
    }
}

QVector3D QZKColor::rgbToHsv(float r, float g, float b)
{
    const float maximum = std::max({r, g, b});
    const float minimum = std::min({r, g, b});
    const float delta = maximum - minimum;
    float hue = 0.0f;
    if (delta > 0.0f) {
        if (maximum == r)
            hue = 60.0f * std::fmod((g - b) / delta, 6.0f);
        else if (maximum == g)
            hue = 60.0f * ((b - r) / delta + 2.0f);
        else
            hue = 60.0f * ((r - g) / delta + 4.0f);
        if (hue < 0.0f)
            hue += 360.0f;
    }
    const float saturation = maximum > 0.0f ? delta / maximum : 0.0f;
    return QVector3D(hue, saturation, maximum);
}

float QZKColor::toGamma(float linear)
{
    if (linear <= 0.0031308f)
        return 12.92f * linear;
    return 1.055f * std::pow(linear, 1.0f / 2.4f) - 0.055f;
}

float QZKColor::toLinear(float gamma)
{
    if (gamma <= 0.04045f)
        return gamma / 12.92f;
    return std::pow((gamma + 0.055f) / 1.055f, 2.4f);
}

QVector3D QZKColor::getRGB() const
{
    return hsvToRgb(m_hue, m_saturation, m_value);
}

void QZKColor::setRGB(float r, float g, float b)
{
    const QVector3D hsv = rgbToHsv(r, g, b);
    m_hue = hsv.x();
    m_saturation = hsv.y();
    m_value = hsv.z();
}

QVector3D QZKColor::getGammaRGB() const
{
    const QVector3D rgb = getRGB();
    return QVector3D(toGamma(rgb.x()), toGamma(rgb.y()), toGamma(rgb.z()));
}

void QZKColor::getGammaRGB(float &r, float &g, float &b) const
{
    const QVector3D rgb = getGammaRGB();
    r = rgb.x();
    g = rgb.y();
    b = rgb.z();
}

void QZKColor::setGammaRGB(float r, float g, float b)
{
    setRGB(toLinear(r), toLinear(g), toLinear(b));
}

QColor QZKColor::getGammaQColor() const
{
    const QVector3D rgb = getGammaRGB();
    return QColor::fromRgbF(qBound(0.0f, rgb.x(), 1.0f), qBound(0.0f, rgb.y(), 1.0f),
                            qBound(0.0f, rgb.z(), 1.0f));
}
