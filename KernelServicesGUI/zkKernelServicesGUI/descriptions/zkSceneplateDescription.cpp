#include "zkSceneplateDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"

#include <zkBoolControl.h>
#include <zkColorManipulatorControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkInlineImageSequenceControl.h>
#include <zkIntegerSliderControl.h>
#include <zkQFontControl.h>
#include <zkQStringControl.h>
#include <zkQStringMultilineControl.h>
#include <zkQVector2DControl.h>
#include <zkSceneplateTypes.h>
#include <zkSpinerControl.h>
#include <zkUrlControl.h>
#include <zkUseImageSequenceControl.h>
#include <zkWhiteBalanceControl.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdNode.h>
#include <zkdSceneplateNode.h>
#include <zkdSwitchNode.h>

#include <QVector2D>
#include <QVector3D>

namespace {

zkSceneplateDescription instance;

using Plate = zkdSceneplateNode;
using Rows = zkDescriptionBuilder<Plate>;

// The rows that belong to one content type; the others are shown for every plate.
const QList<QByteArray> imageRows{"image", "useImageSequence", "frameOffset", "inlineImageSequence", "repeatMode"};
const QList<QByteArray> textRows{"text", "font", "fontStyle", "fontHeight", "fontColor", "backgroundColor",
                                 "backgroundTransparency"};
const QList<QByteArray> webRows{"width", "height", "clickThrough", "url"};

template <typename Options>
std::function<void(Options &)> row(const QByteArray &group, const QString &label, const QString &toolTip = {})
{
    return [group, label, toolTip](Options &options) {
        options.group = group;
        options.label = label;
        options.toolTip = toolTip;
    };
}

std::function<void(zkDoubleSliderControlOptions &)> slider(const QByteArray &group, const QString &label,
                                                           const QString &toolTip)
{
    return [group, label, toolTip](zkDoubleSliderControlOptions &options) {
        options.group = group;
        options.label = label;
        options.singleStep = 0.01;
        options.toolTip = toolTip;
    };
}

std::function<void(zkSpinerControlOptions &)> canvasExtent(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkSpinerControlOptions &options) {
        options.group = "Properties";
        options.label = label;
        options.minimum = 0;
        options.maximum = 16384;
        options.singleStep = 1;
        options.toolTip = toolTip;
    };
}

std::function<void(zkComboBoxControlOptions &)> sizeTypes(const QString &label, const QString &toolTip)
{
    return [label, toolTip](zkComboBoxControlOptions &options) {
        options.label = label;
        options.mappings = {{zkSceneplateDescription::tr("Absolute"), zkSceneplateTypes::Absolute},
                            {zkSceneplateDescription::tr("Relative"), zkSceneplateTypes::Relative}};
        options.toolTip = toolTip;
    };
}

} // namespace

void zkSceneplateDescription::init()
{
    initProperties();
    initSizeAndPosition();
    initColorCorrection();

    Rows(getFactory()).onChanged<zkSceneplateTypes::ContentType>(
        "contentType", [](zkPropertyEditorWidget *widget, zkSceneplateTypes::ContentType type) {
            showContentRows(widget, type);
        });
}

void zkSceneplateDescription::initProperties()
{
    zkDescriptionBuilder<zkdNode>(getFactory())
        .editor<bool, zkBoolControl>("visibilityFlag", [](zkBaseControlOptions &options) { options.skip(); })
        .editor<bool, zkBoolControl>("visibility", [](zkBaseControlOptions &options) { options.skip(); })
        .editor<bool, zkBoolControl>("userLocked", [](zkBaseControlOptions &options) { options.skip(); });

    using namespace zkSceneplateTypes;
    Rows rows(getFactory());
    rows.group("Properties", tr("Properties"), Rows::Expanded)
        .editor<QString, zkQStringControl>("name", row<zkBaseControlOptions>("Properties", tr("Name")))
        .editor<NodeType, zkComboBoxControl>("nodeType",
                                             [](zkComboBoxControlOptions &options) {
                                                 options.group = "Properties";
                                                 options.label = tr("Type");
                                                 options.separator = true;
                                                 options.mappings = {{tr("Frontplate"), Frontplate},
                                                                     {tr("Backplate"), Backplate}};
                                                 options.toolTip = tr("Sets the sceneplate type. Frontplates appear "
                                                                      "on top of the scene and backplates behind.");
                                             })
        .editor<ContentType, zkComboBoxControl>("contentType", [](zkComboBoxControlOptions &options) {
            options.label = tr("Content Type");
            options.mappings = {{tr("Image"), Image}, {tr("Text"), Text}, {tr("Web"), Web}};
            options.toolTip = tr("Sets the type of content to be displayed on the plate");
        });
    initText();
    initImageSequence();
    initWebEngine();
    rows.editor<float, zkDoubleSliderControl>(
        "transparency", slider("Properties", tr("Transparency"), tr("Sets the overall transparency of the plate")));
    initSwitch();
}

void zkSceneplateDescription::initText()
{
    Rows(getFactory())
        .editor<QString, zkQStringMultilineControl>("text")
        .editor<QString, zkQFontControl>("font", row<zkBaseControlOptions>("Properties", tr("Font"),
                                                                             tr("Sets the text font")))
        .editor<QString, zkComboBoxControl>("fontStyle", row<zkComboBoxControlOptions>("Properties", tr("Font Style"),
                                                                                        tr("Sets the text font style")))
        .editor<uint, zkIntegerSliderControl>("fontHeight",
                                              [](zkIntegerSliderControlOptions &options) {
                                                  options.group = "Properties";
                                                  options.label = tr("Font Height");
                                                  options.minimum = 10;
                                                  options.maximum = 400;
                                                  options.singleStep = 1;
                                                  options.suffix = QStringLiteral(" px");
                                                  options.toolTip = tr("Sets the vertical resolution in pixels per "
                                                                       "text line");
                                              })
        .editor<QVector3D, zkColorManipulatorControl>(
            "fontColor", row<zkColorManipulatorControlOptions>("Properties", tr("Font Color"), tr("Sets the text color")))
        .editor<QVector3D, zkColorManipulatorControl>(
            "backgroundColor", row<zkColorManipulatorControlOptions>("Properties", tr("Background Color"),
                                                                     tr("Sets the text background color")))
        .editor<float, zkDoubleSliderControl>(
            "backgroundTransparency", slider("Properties", tr("Background Transparency"),
                                             tr("Sets the transparency of the text background color")));
}

void zkSceneplateDescription::initImageSequence()
{
    const auto sequence = [](const QString &label, const QString &toolTip) {
        return [label, toolTip](zkImageSequenceOptions &options) {
            options.group = "Properties";
            options.label = label;
            options.imageProperty = "image";
            options.toolTip = toolTip;
            options.indent();
        };
    };
    Rows(getFactory())
        .editor<zkdImage, zkZkdImageControl>("image", row<zkZkdImageControlOptions>("Properties", tr("Image")))
        .editor<bool, zkUseImageSequenceControl>(
            "useImageSequence",
            sequence(tr("Use Image Sequence"),
                     tr("Uses an image sequence as a texture.\nThe image name for the sequence will be generated based "
                        "on the filename and the image number.\nUse the CurveEditor to animate the image number.\n")))
        .editor<uint, zkSpinerControl>("frameOffset",
                                       [](zkSpinerControlOptions &options) {
                                           options.group = "Properties";
                                           options.label = tr("Frame Offset");
                                           options.toolTip = tr("Sets an offset to the image number when using an "
                                                                "image sequence.");
                                           options.indent();
                                       })
        .editor<bool, zkInlineImageSequenceControl>(
            "inlineImageSequence",
            sequence(tr("Inline Image Sequence"), tr("Inlines the image sequence into the zpb file.")))
        .editor<uint, zkSpinerControl>("imageNumber",
                                       [](zkSpinerControlOptions &options) {
                                           options.group = "Properties";
                                           options.label = tr("Image Number");
                                           options.skip();
                                           options.indent();
                                       })
        .editor<zkSceneplateTypes::RepeatMode, zkComboBoxControl>(
            "repeatMode", [](zkComboBoxControlOptions &options) {
                using namespace zkSceneplateTypes;
                options.label = tr("Repeat Mode");
                options.mappings = {{tr("Repeat"), Repeat}, {tr("Mirror"), Mirror}, {tr("Decal"), Decal},
                                    {tr("Clamp"), Clamp}};
                options.toolTip = tr("Sets the repeat mode of the plate image within the viewport");
            });
}

void zkSceneplateDescription::initWebEngine()
{
    Rows(getFactory())
        .editor<int, zkSpinerControl>("width",
                                      canvasExtent(tr("Width"), tr("Sets the width of the canvas in pixels for HTML "
                                                                   "content")))
        .editor<int, zkSpinerControl>("height",
                                      canvasExtent(tr("Height"), tr("Sets the height of the canvas in pixels for HTML "
                                                                    "content")))
        .editor<float, zkDoubleSliderControl>(
            "clickThrough", slider("Properties", tr("Click Through"),
                                   tr("Sets the transparency limit for content to be unnoticeable to mouse clicks")))
        .editor<QString, zkUrlControl>("url", zkRowModifiers::labelled<zkUrlControlOptions>(tr("Url")));
}

void zkSceneplateDescription::initSwitch()
{
    zkDescriptionBuilder<zkdSwitchNode>(getFactory())
        .editor<int, zkSpinerControl>("choice", [](zkSpinerControlOptions &options) { options.skip(); });
}

void zkSceneplateDescription::initSizeAndPosition()
{
    using namespace zkSceneplateTypes;
    Rows(getFactory())
        .group("Size and Position", tr("Size and Position"), Rows::Expanded)
        .editor<Position, zkComboBoxControl>(
            "position",
            [](zkComboBoxControlOptions &options) {
                options.label = tr("Position");
                options.mappings = {{tr("Top Left"), TopLeft},       {tr("Top"), Top},
                                    {tr("Top Right"), TopRight},     {tr("Left"), Left},
                                    {tr("Center"), Center},          {tr("Right"), Right},
                                    {tr("Bottom Left"), BottomLeft}, {tr("Bottom"), Bottom},
                                    {tr("Bottom Right"), BottomRight}};
                options.toolTip = tr("Sets the anchor point of the plate within the viewport");
            })
        .editor<SizeType, zkComboBoxControl>(
            "offsetMode", sizeTypes(tr("Offset Mode"),
                                    tr("Sets how offset should be interpreted. Absolute means the offset is in pixels. "
                                       "Relative means the offset is given as a fraction of the viewport extents.")))
        .editor<QVector2D, zkQVector2DControl>(
            "offset", row<zkQVector2DControlOptions>("Size and Position", tr("Offset"),
                                                     tr("Offsets the plate from its anchor point")))
        .editor<float, zkDoubleWheelControl>("rotation",
                                             [](zkDoubleWheelControlOptions &options) {
                                                 options.group = "Size and Position";
                                                 options.label = tr("Rotation");
                                                 options.singleStep = 1.0;
                                                 options.separator = true;
                                                 options.toolTip = tr("Sets the amount the plate is rotated clockwise "
                                                                      "in degrees around its center");
                                             })
        .editor<SizeType, zkComboBoxControl>(
            "sizeMode", sizeTypes(tr("Size Mode"),
                                  tr("Sets how size is interpreted. Absolute means the size is in pixels. Relative "
                                     "means the size is a fraction of the viewport height.")))
        .editor<float, zkDoubleWheelControl>("size", [](zkDoubleWheelControlOptions &options) {
            options.group = "Size and Position";
            options.label = tr("Size");
            options.singleStep = 0.01;
            options.toolTip = tr("Sets the height of the plate. Width is set accordingly to maintain the aspect ratio "
                                 "of its content.");
        });
}

void zkSceneplateDescription::initColorCorrection()
{
    const QByteArray group = "Color correction";
    Rows(getFactory())
        .group(group, tr("Color Correction"), Rows::Expanded)
        .editor<int, zkWhiteBalanceControl>("whiteBalance", row<zkWhiteBalanceControlOptions>(group, tr("White Balance")))
        .editor<float, zkDoubleSliderControl>(
            "hueShift", slider(group, tr("Hue-Shift"), tr("Shifts all content colors uniformly through the hue color "
                                                          "range")))
        .editor<float, zkDoubleSliderControl>(
            "contrast", slider(group, tr("Contrast"),
                               tr("Shifts the content’s light and dark color values. Higher values create brighter "
                                  "highlights and darker shadows.")))
        .editor<float, zkDoubleSliderControl>(
            "brightness", slider(group, tr("Brightness"),
                                 tr("Shifts the content’s blacks, grays, and whites. Higher values increase the "
                                    "perceived luminance of the content.")))
        .editor<float, zkDoubleSliderControl>(
            "saturation", slider(group, tr("Saturation"),
                                 tr("Shifts the content’s color intensity. Higher values produce vivid colors. Lower "
                                    "values produce dull grayer colors.")));
}

void zkSceneplateDescription::showContentRows(zkPropertyEditorWidget *widget, int contentType)
{
    if (!widget)
        return;
    setControlsVisible(widget, imageRows, contentType == zkSceneplateTypes::Image);
    setControlsVisible(widget, textRows, contentType == zkSceneplateTypes::Text);
    setControlsVisible(widget, webRows, contentType == zkSceneplateTypes::Web);
    widget->resize();
}
