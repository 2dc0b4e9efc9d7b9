#include "zkTextureDescription.h"

#include "zkDescriptionBuilder.h"
#include "zkRowModifiers.h"
#include "zkTextureDescriptionRows.h"

#include <QZKSpectrum.h>
#include <zkCheckBoxControl.h>
#include <zkComboBoxControl.h>
#include <zkDoubleSliderControl.h>
#include <zkDoubleWheelControl.h>
#include <zkInlineImageSequenceControl.h>
#include <zkPushButtonControl.h>
#include <zkQVector2DControl.h>
#include <zkQVector3DControl.h>
#include <zkSpinerControl.h>
#include <zkTextureRepeatControl.h>
#include <zkTextureTypes.h>
#include <zkUseImageSequenceControl.h>
#include <zkZkdImageControl.h>
#include <zkdImage.h>
#include <zkdTexture.h>

#include <QSet>
#include <QVector2D>
#include <QVector3D>

namespace {

zkTextureDescription instance;

using Texture = zkdTexture;
using Rows = zkDescriptionBuilder<Texture>;

// The rows that choose a bump texture's relief; the surface structure, not useTexture, decides
// about them.
const QSet<QByteArray> structureRows{"surfaceStructure", "parallaxIntensity", "bumpIntensity",
                                     "structureSize", "bumpAffectsSpecular", "bumpType"};

void linkTo(zkPropertyEditorWidget *widget, std::initializer_list<const char *> properties)
{
    for (const char *property : properties)
        zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(widget, property);
}

// A mapping row whose changes reach the linked textures.
template <typename V>
void linked(Rows &rows, const QByteArray &property)
{
    rows.onChanged<V>(property, [property](zkPropertyEditorWidget *widget, V) {
        zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(widget, property);
    });
}

// The three repeats stay equal under uniformRepeat, so each refreshes the other two.
void triplanarRepeat(Rows &rows, const QByteArray &property)
{
    static const QByteArray repeats[] = {"triplanarXRepeat", "triplanarYRepeat", "triplanarZRepeat"};
    rows.onChanged<QVector2D>(property, [property](zkPropertyEditorWidget *widget, QVector2D) {
        if (!widget)
            return;
        for (const QByteArray &other : repeats) {
            if (other != property)
                widget->updateProperty(other);
        }
        zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(widget, property);
        for (const QByteArray &other : repeats) {
            if (other != property)
                zkPropertyEditorDescriptionBase::updateLinkedTextureSettings(widget, other);
        }
    });
}

// The face-normal test only makes sense for a decal, which the texture is in both directions.
void enableSingleSided(zkPropertyEditorWidget *widget)
{
    if (!widget)
        return;
    const bool decal = widget->getProperty("repeatModeU").toInt() == zkTextureTypes::Decal
        && widget->getProperty("repeatModeV").toInt() == zkTextureTypes::Decal;
    zkPropertyEditorDescriptionBase::setControlEnabled(widget, "planarProjectionSingleSided", decal);
}

} // namespace

void zkTextureDescription::init()
{
    using namespace zkRowModifiers;
    using zkTextureTypes::ProjectionType;
    using zkTextureTypes::RepeatMode;
    Rows rows(getFactory());

    rows.hidden<QZKSpectrum>("spectrum")
        .editor<bool, zkComboBoxControl>("useTexture",
                                         [](zkComboBoxControlOptions &options) {
                                             options.label = tr("Use Texture");
                                             options.mappings = {{tr("On"), true}, {tr("Off"), false}};
                                         })
        .editor<zkdImage, zkZkdImageControl>("image", labelled<zkZkdImageControlOptions>(tr("Image")))
        .editor<bool, zkUseImageSequenceControl>(
            "useImageSequence",
            [](zkImageSequenceOptions &options) {
                options.label = tr("Use Image Sequence");
                options.imageProperty = "image";
                options.toolTip = tr("Uses an image sequence as a texture.\nThe image name for the sequence will be "
                                     "generated based on the filename and the image number.\nUse the CurveEditor to "
                                     "animate the image number.\n");
            })
        .editor<uint, zkSpinerControl>("frameOffset",
                                       [](zkSpinerControlOptions &options) {
                                           options.label = tr("Frame Offset");
                                           options.toolTip = tr("Sets an offset to the image number when using an "
                                                                "image sequence.");
                                       })
        .editor<bool, zkInlineImageSequenceControl>("inlineImageSequence",
                                                    [](zkImageSequenceOptions &options) {
                                                        options.label = tr("Inline Image Sequence");
                                                        options.imageProperty = "image";
                                                        options.toolTip = tr("Inlines the image sequence into the "
                                                                             "zpb file.");
                                                    })
        .editor<uint, zkSpinerControl>("imageNumber",
                                       [](zkSpinerControlOptions &options) {
                                           options.skip();
                                           options.indent();
                                       })
        .editor<bool, zkCheckBoxControl>("linkTextureSettings",
                                         labelled<zkCheckBoxControlOptions>(tr("Link Texture Settings")))
        .editor<ProjectionType, zkComboBoxControl>("projectionType",
                                                   [](zkComboBoxControlOptions &options) {
                                                       options.label = tr("Mapping Type");
                                                       options.mappings = {
                                                           {tr("UV"), zkTextureTypes::UV},
                                                           {tr("Planar"), zkTextureTypes::Planar},
                                                           {tr("Triplanar"), zkTextureTypes::Triplanar},
                                                       };
                                                   })
        .editor<RepeatMode, zkTextureRepeatControl>("repeatModeU",
                                                    [](zkTextureRepeatControlOptions &options) {
                                                        options.label = tr("Repeat Mode UV");
                                                        options.extraProperties = {"repeatModeV",
                                                                                   "connectRepeatModes"};
                                                    })
        .hidden<RepeatMode>("repeatModeV")
        .hidden<bool>("connectRepeatModes")
        .editor<bool, zkCheckBoxControl>(
            "useRealWorldScale",
            checkBox(tr("Use Texture Size"),
                     tr("Uses the texture size instead of repeat values.\nUV texture coordinates of geometries must "
                        "match\nscene units in order to get real world scaling of the texture.\nUse the UV Editor to "
                        "calculate the real world scaling of UV coordinates.")))
        .editor<QVector2D, zkQVector2DControl>("textureSizeMM", labelled<zkQVector2DControlOptions>(tr("Texture Size")))
        .editor<float, zkDoubleSliderControl>("triplanarBlend", [](zkDoubleSliderControlOptions &options) {
            options.label = tr("Edge Blend");
            options.singleStep = 0.01;
        });
    rows.editor<bool, zkCheckBoxControl>("uniformRepeat", labelled<zkCheckBoxControlOptions>(tr("Uniform Repeat")));
    zkTextureDescriptionRows::triplanarRows(rows);
    rows.editor<QVector3D, zkQVector3DControl>("planarProjectionCenter",
                                               labelled<zkQVector3DControlOptions>(tr("Projection Center")))
        .editor<QVector2D, zkQVector2DControl>("planarProjectionOrientation",
                                               labelled<zkQVector2DControlOptions>(tr("Projection Orientation")))
        .editor<QVector3D, zkQVector3DControl>("planarProjectionSize",
                                               labelled<zkQVector3DControlOptions>(tr("Projection Size")))
        .editor<bool, zkCheckBoxControl>("planarProjectionKeepAspectRatio",
                                         labelled<zkCheckBoxControlOptions>(tr("Keep Aspect Ratio")))
        .editor<QVector2D, zkQVector2DControl>("repeat", labelled<zkQVector2DControlOptions>(tr("Repeat UV")))
        .editor<QVector2D, zkQVector2DControl>("offset", labelled<zkQVector2DControlOptions>(tr("Offset UV")))
        .editor<float, zkDoubleWheelControl>("rotate",
                                             [](zkDoubleWheelControlOptions &options) {
                                                 options.label = tr("Rotate");
                                                 options.singleStep = 1.0;
                                             })
        .editor<bool, zkCheckBoxControl>("planarProjectionSingleSided",
                                         labelled<zkCheckBoxControlOptions>(tr("Consider Face Normal")))
        .editor<bool, zkPushButtonControl>("manipulate", labelled<zkPushButtonControlOptions>(tr("Manipulate")))
        .editor<bool, zkPushButtonControl>("planarProjectionFitSize",
                                           labelled<zkPushButtonControlOptions>(tr("Fit Size")))
        .editor<bool, zkPushButtonControl>("planarProjectionObjectCenter",
                                           labelled<zkPushButtonControlOptions>(tr("Object Center")))
        .editor<float, zkDoubleSliderControl>("anisotropy", [](zkDoubleSliderControlOptions &options) {
            options.label = tr("Anisotropy");
            options.singleStep = 0.01;
            options.toolTip = tr("Sets the anisotropy level.");
        });

    const auto resize = [](zkPropertyEditorWidget *widget, auto) {
        if (widget)
            widget->resize();
    };
    rows.onChanged<zkdImage>("image", resize)
        .onChanged<ProjectionType>("projectionType", resize)
        .onChanged<bool>("connectRepeatModes",
                         [](zkPropertyEditorWidget *widget, bool) {
                             linkTo(widget, {"connectRepeatModes", "repeatModeU"});
                         })
        .onChanged<bool>("useRealWorldScale",
                         [](zkPropertyEditorWidget *widget, bool) {
                             if (!widget)
                                 return;
                             if (widget->getProperty("useTexture").toBool())
                                 showScaleRows(widget);
                             widget->resize();
                             linkTo(widget, {"useRealWorldScale"});
                         })
        .onChanged<bool>("useImageSequence",
                         [](zkPropertyEditorWidget *widget, bool on) {
                             zkPropertyEditorDescriptionBase::setControlEnabled(widget, "frameOffset", on);
                         })
        .onChanged<RepeatMode>("repeatModeU",
                               [](zkPropertyEditorWidget *widget, RepeatMode) {
                                   enableSingleSided(widget);
                                   linkTo(widget, {"repeatModeU"});
                               })
        .onChanged<RepeatMode>("repeatModeV",
                               [](zkPropertyEditorWidget *widget, RepeatMode) {
                                   enableSingleSided(widget);
                                   linkTo(widget, {"repeatModeV", "repeatModeU"});
                               })
        .onChanged<bool>("useTexture", showTextureRows);

    for (const char *property : {"textureSizeMM", "triplanarXOffset", "triplanarYOffset", "triplanarZOffset",
                                 "planarProjectionOrientation", "repeat", "offset"})
        linked<QVector2D>(rows, property);
    for (const char *property : {"triplanarBlend", "triplanarXRotation", "triplanarYRotation", "triplanarZRotation",
                                 "rotate", "anisotropy"})
        linked<float>(rows, property);
    for (const char *property : {"uniformRepeat", "planarProjectionKeepAspectRatio", "planarProjectionSingleSided"})
        linked<bool>(rows, property);
    for (const char *property : {"planarProjectionCenter", "planarProjectionSize"})
        linked<QVector3D>(rows, property);
    for (const char *property : {"triplanarXRepeat", "triplanarYRepeat", "triplanarZRepeat"})
        triplanarRepeat(rows, property);
}

void zkTextureDescription::showTextureRows(zkPropertyEditorWidget *widget, bool on)
{
    if (!widget)
        return;
    QList<QByteArray> rows;
    const QList<zkBaseControl *> controls = widget->getControls();
    for (const zkBaseControl *control : controls) {
        const QByteArray &name = control->getPropertyName();
        if (name != "useTexture" && !structureRows.contains(name))
            rows.append(name);
    }
    setControlsVisible(widget, rows, on);
    if (on)
        showScaleRows(widget);
    const QList<zkPropertyEditorObjectWrapper *> objects = widget->getCurrentObjects();
    if (!objects.isEmpty() && objects.first()->inheritedFrom("zkdRoughnessTexture"))
        setControlEnabled(widget->getParentPropertyEditor(), "roughness", !on);
    widget->resize();
}

void zkTextureDescription::showScaleRows(zkPropertyEditorWidget *widget)
{
    const bool textureSize = widget->getProperty("useRealWorldScale").toBool();
    setControlVisible(widget, "textureSizeMM", textureSize);
    setControlVisible(widget, "repeat", !textureSize);
}
