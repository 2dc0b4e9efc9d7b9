#pragma once

#include "zkControlOptions.h"

#include <QZKVec3Control.h>

#include <QIcon>
#include <QSet>

#include <functional>

// The options records of the concrete controls: each combines the shared records it needs, in a
// fixed base order, and adds the settings only its control reads.

class zkCheckBoxControlOptions : public zkBaseControlOptions, public zkLeftColumnOptions, public zkLayoutOptions
{
public:
    // Optional: the check state shown for a property value, and the value written for a state.
    std::function<bool(const QVariant &)> readMapping;
    std::function<QVariant(bool)> writeMapping;
};

class zkImageSequenceOptions : public zkCheckBoxControlOptions
{
public:
    // The property holding the image whose file name names the sequence.
    QByteArray imageProperty;
    QString imageText;
};

class zkColorManipulatorControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
public:
    bool gamma = false;
    bool photometric = false;
};

class zkComboBoxControlOptions : public zkBaseControlOptions, public zkLabelMappingOptions
{
public:
    // Item icons, by item position.
    QList<QIcon> icons;
};

class zkComboBoxResetControlOptions : public zkComboBoxControlOptions, public zkExtraPropertiesOptions
{
public:
    QString resetToolTip;
};

class zkDoubleRelativeStepperControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
public:
    double minimum = 0.0;
    double maximum = 100.0;
    double step = 1.0;
    int decimals = 2;
    QString backToolTip;
    QString forwardToolTip;
    QString spinBoxToolTip;
};

class zkDoubleSliderControlOptions : public zkBaseControlOptions,
                                     public zkDoubleRangeOptions,
                                     public zkValueOptions,
                                     public zkDecimalOptions,
                                     public zkExtraPropertiesOptions,
                                     public zkTrackingOptions
{
public:
    // Write at every move of a drag, not only on release.
    bool writeWhileDragging = false;
    // A check box in the label cell switches the first extra property.
    bool enableCheckBox = false;
};

class zkDoubleSpinerControlOptions : public zkBaseControlOptions,
                                     public zkDoubleRangeOptions,
                                     public zkValueOptions,
                                     public zkSpacerOptions
{
};

class zkDoubleWheelControlOptions : public zkBaseControlOptions,
                                    public zkDecimalOptions,
                                    public zkValueOptions,
                                    public zkDoubleRangeOptions
{
};

class zkIntegerSliderControlOptions : public zkBaseControlOptions,
                                      public zkIntRangeOptions,
                                      public zkValueOptions,
                                      public zkTrackingOptions
{
public:
    // Applied only when 0 <= hardMinimum <= hardMaximum.
    int hardMinimum = -1;
    int hardMaximum = -1;
};

class zkSpinerControlOptions : public zkBaseControlOptions,
                               public zkIntRangeOptions,
                               public zkValueOptions,
                               public zkSpacerOptions
{
public:
    // Width of the spin box in unscaled pixels.
    int width = 60;
};

class zkWhiteBalanceControlOptions : public zkBaseControlOptions, public zkIntRangeOptions, public zkValueOptions
{
public:
    QString trailer;
    QString epilog;
};

class zkQVector2DControlOptions : public zkBaseControlOptions,
                                  public zkDecimalOptions,
                                  public zkDoubleRangeOptions,
                                  public zkValueOptions,
                                  public zkSpacerOptions
{
public:
    // 1: vertical with the precision wheel shown; otherwise horizontal without it.
    int layout = 0;
};

class zkQVector3DControlOptions : public zkBaseControlOptions,
                                  public zkDecimalOptions,
                                  public zkDoubleRangeOptions,
                                  public zkValueOptions,
                                  public zkSpacerOptions
{
public:
    // 0: horizontal without the precision wheel; otherwise the widget's own layout.
    int layout = 0;
    bool xVisible = true;
    bool yVisible = true;
    bool zVisible = true;
    QZKVec3Control::VectorLabel vectorLabel = QZKVec3Control::LabelXYZ;
};

class zkTextureRepeatControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
};

class zkTimeZoneControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
};

class zkWorldMapLocationControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
};

class zkZkdImageControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
public:
    bool showPremultipliedAlpha = false;
    // When false the path is read-only and the load button hidden.
    bool pathEditable = true;
    bool showSave = true;
    bool showReload = true;
    bool showDelete = true;
};

class zkZkdRayFileInfoControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
};

class zkZkdRayFileNameControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
};

class zkFilenameControlOptions : public zkBaseControlOptions
{
public:
    QString fileFilter;
    bool reloadButton = true;
    bool textField = true;
    // Reload writes an empty path (not undoable) before the path itself.
    bool clearBeforeReload = false;
};

class zkGeographicCoordinateControlOptions : public zkBaseControlOptions
{
public:
    enum Coordinate { Longitude = 0, Latitude = 1 };

    int coordinate = Longitude;
};

class zkPushButtonControlOptions : public zkBaseControlOptions
{
public:
    // Any value but 0 makes the button checkable.
    double checkable = 0.0;
};

class zkQStringMultilineControlOptions : public zkBaseControlOptions
{
public:
    // Height of the text field in pixels.
    int height = 60;
};

class zkUrlControlOptions : public zkBaseControlOptions
{
};

class zkZkdLightProfileControlOptions : public zkBaseControlOptions
{
};

class zkZkdZkdObjectControlOptions : public zkBaseControlOptions
{
public:
    // Handed unchanged to the nested editor's setSkipProperties() and setKeepProperties().
    QSet<QByteArray> skipProperties;
    QSet<QByteArray> keepProperties;
};
