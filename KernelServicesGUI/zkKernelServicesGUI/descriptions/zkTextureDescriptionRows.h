#pragma once

#include "zkDescriptionBuilder.h"

#include <zkControlOptionRecords.h>
#include <zkDoubleWheelControl.h>
#include <zkQVector2DControl.h>

#include <QCoreApplication>
#include <QVector2D>

#include <functional>

// Rows that several texture kinds declare alike.
namespace zkTextureDescriptionRows {

// The gamma an image is read with; 0 stands for the image's own colour profile.
inline std::function<void(zkDoubleSpinerControlOptions &)> inputGamma()
{
    return [](zkDoubleSpinerControlOptions &options) {
        options.label = QCoreApplication::translate("zkTextureDescriptionRows", "Input Gamma");
        options.singleStep = 0.01;
        options.specialValueText = QCoreApplication::translate("zkTextureDescriptionRows", "ICC Profile");
    };
}

// The repeat, offset and rotation of the projection along each axis.
template <typename T>
void triplanarRows(zkDescriptionBuilder<T> &rows)
{
    static const struct
    {
        const char *prefix;
        const char *repeat;
        const char *offset;
        const char *rotate;
    } axes[] = {
        {"triplanarX", QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "X Repeat UV"),
         QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "X Offset UV"),
         QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "X Rotate")},
        {"triplanarY", QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "Y Repeat UV"),
         QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "Y Offset UV"),
         QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "Y Rotate")},
        {"triplanarZ", QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "Z Repeat UV"),
         QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "Z Offset UV"),
         QT_TRANSLATE_NOOP("zkTextureDescriptionRows", "Z Rotate")},
    };
    const auto label = [](const char *text) {
        return [text](auto &options) { options.label = QCoreApplication::translate("zkTextureDescriptionRows", text); };
    };
    for (const auto &axis : axes) {
        const QByteArray prefix(axis.prefix);
        const char *rotate = axis.rotate;
        rows.template editor<QVector2D, zkQVector2DControl>(prefix + "Repeat", label(axis.repeat))
            .template editor<QVector2D, zkQVector2DControl>(prefix + "Offset", label(axis.offset))
            .template editor<float, zkDoubleWheelControl>(prefix + "Rotation",
                                                          [rotate](zkDoubleWheelControlOptions &options) {
                                                              options.label = QCoreApplication::translate(
                                                                  "zkTextureDescriptionRows", rotate);
                                                              options.singleStep = 1.0;
                                                          });
    }
}

} // namespace zkTextureDescriptionRows
