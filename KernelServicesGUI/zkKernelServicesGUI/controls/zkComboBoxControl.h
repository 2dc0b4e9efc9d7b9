#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

#include <QIcon>
#include <QList>
#include <QSet>

class QHBoxLayout;
class QZKComboBox;

// One value out of the options' label mapping, chosen in a combo box. The value is shown by
// matching it as int against the items' data; a value that matches no item leaves the combo box
// without a current item.
class zkComboBoxControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkComboBoxControlOptions;

    zkComboBoxControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;

    // Replaces the items by the pairs of mapping.
    void resetContent(const zkLabelMappingOptions *mapping);
    void setIcons(const QList<QIcon> &icons);
    // Keeps only the items of the control's mapping whose label is in labels, in mapping order,
    // and the current item when it is among them.
    void setVisibleLabels(const QSet<QString> &labels);

    QZKComboBox *getComboBox() const { return m_comboBox; }

protected:
    // The row holding the combo box and its filler.
    QHBoxLayout *getRowLayout() const { return m_layout; }

private:
    Options *options() const { return static_cast<Options *>(getOptions()); }

    QZKComboBox *m_comboBox;
    QHBoxLayout *m_layout;
};
