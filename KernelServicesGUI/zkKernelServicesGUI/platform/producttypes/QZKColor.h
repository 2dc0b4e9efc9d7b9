#pragma once

#include <QColor>
#include <QMetaType>
#include <QVector3D>

// A colour in linear light held as hue (degrees, 0 to 360), saturation and value (0 to 1).
// The gamma forms are the sRGB-encoded red, green and blue of that colour.
class QZKColor
{
public:
    QZKColor() = default;
    QZKColor(float hue, float saturation, float value);

    float hue() const { return m_hue; }
    float saturation() const { return m_saturation; }
    float value() const { return m_value; }

    // Linear red, green and blue.
    QVector3D getRGB() const;
    void setRGB(float r, float g, float b);

    QVector3D getGammaRGB() const;
    void getGammaRGB(float &r, float &g, float &b) const;
    void setGammaRGB(float r, float g, float b);
    QColor getGammaQColor() const;

    static QVector3D hsvToRgb(float hue, float saturation, float value);
    static QVector3D rgbToHsv(float r, float g, float b);
    static float toGamma(float linear);
    static float toLinear(float gamma);

    friend bool operator==(const QZKColor &a, const QZKColor &b)
    { return a.m_hue == b.m_hue && a.m_saturation == b.m_saturation && a.m_value == b.m_value; }
    friend bool operator!=(const QZKColor &a, const QZKColor &b) { return !(a == b); }

private:
    float m_hue = 0.0f;
    float m_saturation = 0.0f;
    float m_value = 0.0f;
};

Q_DECLARE_METATYPE(QZKColor)
