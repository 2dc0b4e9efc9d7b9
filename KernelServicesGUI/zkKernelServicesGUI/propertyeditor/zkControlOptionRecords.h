#pragma once

#include "zkControlOptions.h"

#include <QZKIntVector.h>
#include <QZKVec3Control.h>
#include <zkVectorComponents.h>

#include <QIcon>
#include <QSet>
#include <QStringList>
#include <QVector2D>
#include <QVector3D>
#include <QVector4D>

#include <functional>

class QMenu;

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

class zkComboBoxSizeControlOptions : public zkBaseControlOptions, public zkLabelMappingOptions
{
};

class zkRadioButtonGroupOptions : public zkBaseControlOptions, public zkLabelMappingOptions
{
};

// The first extra property, when given, takes the index of the selected entry.
class zkListControlOptions : public zkBaseControlOptions, public zkExtraPropertiesOptions
{
public:
    QString headerText;
    bool headerVisible = true;
    // Shown on every entry; none when null.
    QIcon icon;
    // Opened on the list's context menu request; not owned.
    QMenu *contextMenu = nullptr;
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

class zkQVector4DControlOptions : public zkBaseControlOptions,
                                  public zkDecimalOptions,
                                  public zkDoubleRangeOptions,
                                  public zkValueOptions,
                                  public zkSpacerOptions
{
public:
    // 0: horizontal without the precision wheel; otherwise the widget's own layout.
    int layout = 0;
    // The component captions; applied only when there are at least four.
    QStringList subLabels;
    bool xVisible = true;
    bool yVisible = true;
    bool zVisible = true;
    bool wVisible = true;
};

// A vector of the given type with every component set to value.
template <typename Vector, typename Scalar>
Vector zkUniformVector(Scalar value)
{
    Vector vector;
    for (int i = 0; i < zkVectorSize<Vector>; ++i)
        zkSetVectorComponent(vector, i, value);
    return vector;
}

// The records of the integer vector sliders, which the 3D and 4D spinners share; Vector is
// QZKIntVector2D, QZKIntVector3D or QZKIntVector4D.
template <typename Vector>
class zkIntVectorControlOptions : public zkBaseControlOptions, public zkTrackingOptions
{
public:
    Vector minimum = zkUniformVector<Vector>(0);
    Vector maximum = zkUniformVector<Vector>(65535);
    Vector step = zkUniformVector<Vector>(1);
    Vector pageStep = zkUniformVector<Vector>(10);
    // The component captions; missing entries keep the widget's own.
    QStringList subLabels;
};

using zkIntVector2DControlOptions = zkIntVectorControlOptions<QZKIntVector2D>;
using zkIntVector3DControlOptions = zkIntVectorControlOptions<QZKIntVector3D>;
using zkIntVector4DControlOptions = zkIntVectorControlOptions<QZKIntVector4D>;

class zkIntVector2DSpinerControlOptions : public zkBaseControlOptions
{
public:
    QZKIntVector2D minimum{0, 0};
    QZKIntVector2D maximum{65535, 65535};
    QZKIntVector2D step{1, 1};
    QStringList subLabels;
};

// The records of the vector sliders; Vector is QVector2D, QVector3D or QVector4D and IntVector
// the integer vector of the same size, which holds per-component digits.
template <typename Vector, typename IntVector>
class zkVectorSliderControlOptions : public zkBaseControlOptions, public zkTrackingOptions
{
public:
    Vector minimum = zkUniformVector<Vector>(0.0);
    Vector maximum = zkUniformVector<Vector>(1.0);
    Vector lineStep = zkUniformVector<Vector>(0.1);
    IntVector decimals = zkUniformVector<IntVector>(2);
    IntVector displayDecimals = zkUniformVector<IntVector>(2);
    QStringList subLabels;
};

using zkVector2DSliderControlOptions = zkVectorSliderControlOptions<QVector2D, QZKIntVector2D>;
using zkVector3DSliderControlOptions = zkVectorSliderControlOptions<QVector3D, QZKIntVector3D>;
using zkVector4DSliderControlOptions = zkVectorSliderControlOptions<QVector4D, QZKIntVector4D>;

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
public:
    // Filter of the browse dialog.
    QString fileFilter = QStringLiteral("Ray Files (*.ray);;All Files (*)");
};

class zkLabelControlOptions : public zkBaseControlOptions
{
public:
    bool wordWrap = false;
};

class zkDirectoryControlOptions : public zkBaseControlOptions
{
public:
    // Caption of the directory dialog.
    QString title;
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
