#pragma once

#include "zkBaseService.h"

#include <QSize>

// Interface metrics of the running application.
class zkPlatformService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkPlatformService(QObject *parent = nullptr);

    double getUIScaleFactor() const { return m_uiScaleFactor; }
    void setUIScaleFactor(double factor) { m_uiScaleFactor = factor; }

    double getScaleX() const { return m_uiScaleFactor; }
    double getScaleY() const { return m_uiScaleFactor; }

    QSize getToolButtonIconSize() const;
    QSize getOverlayIconSize() const;
    QSize getListIconSize() const;
    int getListMinimumHeight() const;
    int getListMaximumHeight() const;

    bool isVariantSetDragDisabled() const { return m_variantSetDragDisabled; }
    void setVariantSetDragDisabled(bool disabled) { m_variantSetDragDisabled = disabled; }

private:
    int scaled(int size) const { return int(size * m_uiScaleFactor); }

    double m_uiScaleFactor = 1.0;
    bool m_variantSetDragDisabled = false;
};
