#pragma once

class QColor;

// Colours of the product's own style.
class zkStyle
{
public:
    zkStyle() = delete;

    // The accent colour for highlighted items, markers and their captions.
    static QColor getZELKHighLightColor();
};
