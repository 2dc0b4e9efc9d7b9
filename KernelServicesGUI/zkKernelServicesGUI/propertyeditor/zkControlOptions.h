#pragma once

#include "zkPropertyEditorControlOptions.h"

#include <QByteArray>
#include <QList>
#include <QMargins>
#include <QString>
#include <QVariant>

// The shared option records that concrete records combine. Each derives virtually from
// zkPropertyEditorControlOptions; code holding a record by one of them reaches the others with
// dynamic_cast.

class zkLabelOptions : public virtual zkPropertyEditorControlOptions
{
public:
    zkLabelOptions() = default;
    // Copied, never moved: as a virtual base it may be assigned once per path to it.
    zkLabelOptions(const zkLabelOptions &) = default;
    zkLabelOptions &operator=(const zkLabelOptions &) = default;

    // Label of a control (translated in the context "zkPropertyEditorWidget"), or the title of a
    // group or category; a control derives its label from the property name when it is empty.
    QString label;
};

class zkCommonOptions : public virtual zkLabelOptions
{
public:
    zkCommonOptions();

    // The group control the row is placed in; empty: the category's own layout.
    QByteArray group;
    QByteArray aux;
    // The row has no label cell; the control spans the value columns.
    bool spanColumns = false;
    QString auxText;
    // Width of the label cell in pixels, scaled to the user interface.
    int labelWidth;
    QString toolTip;
    // A line is drawn under the row.
    bool separator = false;
};

// The record of every control that needs nothing more.
class zkBaseControlOptions : public zkCommonOptions
{
};

class zkLeftColumnOptions : public virtual zkPropertyEditorControlOptions
{
public:
    // The control's own check box takes the label cell.
    bool inLeftColumn = false;
};

class zkLayoutOptions : public virtual zkPropertyEditorControlOptions
{
public:
    bool leftToRight = false;
};

class zkValueOptions : public virtual zkPropertyEditorControlOptions
{
public:
    QString prefix;
    QString suffix;
    // The suffix shown for the special value.
    QString specialSuffix;
    // Shown in place of the minimum value.
    QString specialValueText;
};

class zkDoubleRangeOptions : public virtual zkPropertyEditorControlOptions
{
public:
    double minimum = 0.0;
    double maximum = 1.0;
    double singleStep = 0.1;
    double pageStep = 1.0;
};

class zkIntRangeOptions : public virtual zkPropertyEditorControlOptions
{
public:
    int minimum = 0;
    int maximum = 65535;
    int singleStep = 1;
    int pageStep = 10;
};

class zkDecimalOptions : public virtual zkPropertyEditorControlOptions
{
public:
    // Digits of the value and digits shown; a negative value leaves the widget's own setting.
    int decimals = -1;
    int displayDecimals = 2;
};

class zkTrackingOptions : public virtual zkPropertyEditorControlOptions
{
public:
    // Write while a slider is dragged, not only on release.
    bool tracking = true;
};

class zkSpacerOptions : public virtual zkPropertyEditorControlOptions
{
public:
    // An expanding empty frame follows the spin box, which keeps its natural width.
    bool spacer = true;
};

class zkLabelMappingOptions : public virtual zkPropertyEditorControlOptions
{
public:
    struct Entry
    {
        QString text;
        QVariant value;
    };

    // The items of a choice control in display order.
    QList<Entry> mappings;
};

class zkExtraPropertiesOptions : public virtual zkPropertyEditorControlOptions
{
public:
    // Further properties the control shows or edits; a change of any of them refreshes it.
    QList<QByteArray> extraProperties;
};

class zkCategoryOptions : public virtual zkPropertyEditorControlOptions
{
public:
    // For a group: the category tab it is placed in.
    QByteArray category;
    // A category tab ends with a stretch that keeps its rows at the top.
    bool addStretch = true;
};

// The records of group frames and category tabs.

class zkGroupControlOptions : public zkLabelOptions, public zkCategoryOptions
{
public:
    bool collapsed = true;
    bool frameVisible = true;
};

class zkzkCategoryOptionsControlOptions : public zkLabelOptions, public zkCategoryOptions
{
public:
    QMargins contentsMargins{2, 2, 2, 2};
};
