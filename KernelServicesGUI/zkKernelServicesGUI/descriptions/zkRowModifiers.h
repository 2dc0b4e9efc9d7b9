#pragma once

#include <zkControlOptionRecords.h>

#include <QString>

#include <functional>

// Modifiers for the rows most component tables are made of: a label alone, a labelled check
// box, or a labelled slider with a step of 0.01 over its table's range.
namespace zkRowModifiers {

template <typename Options>
std::function<void(Options &)> labelled(const QString &label)
{
    return [label](Options &options) { options.label = label; };
}

inline std::function<void(zkDoubleSliderControlOptions &)> slider(const QString &label, double minimum = 0.0,
                                                                  double maximum = 1.0)
{
    return [label, minimum, maximum](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.minimum = minimum;
        options.maximum = maximum;
        options.singleStep = 0.01;
    };
}

inline std::function<void(zkCheckBoxControlOptions &)> checkBox(const QString &label, const QString &toolTip,
                                                                 bool separator = false)
{
    return [label, toolTip, separator](zkCheckBoxControlOptions &options) {
        options.label = label;
        options.toolTip = toolTip;
        options.separator = separator;
    };
}

// A rotation in whole degrees, shown with two decimals.
inline std::function<void(zkDoubleSliderControlOptions &)> rotation(const QString &label)
{
    return [label](zkDoubleSliderControlOptions &options) {
        options.label = label;
        options.singleStep = 1.0;
        options.decimals = 2;
        options.displayDecimals = 2;
    };
}

} // namespace zkRowModifiers
