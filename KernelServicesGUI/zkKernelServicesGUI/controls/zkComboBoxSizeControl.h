#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QToolButton;
class QZKComboBox;

// A width and a height (x and y of a QZKIntVector3D), each chosen from the label mapping, with
// a lock (z, 1 when locked) that keeps the height equal to the width.
class zkComboBoxSizeControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkComboBoxSizeControlOptions;

    zkComboBoxSizeControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    void updateControl() override;
    void setMultiSelectHighlight(bool highlight) override;

    // Make current the first item whose data equals the number.
    void updateEditorX(int width);
    void updateEditorY(int height);
    void updateLock(bool locked);
    // The width takes the height's item, and the other way round.
    void syncEditorX();
    void syncEditorY();
    void resetContent(const zkLabelMappingOptions *mapping);

    QZKComboBox *getWidthComboBox() const { return m_widthComboBox; }
    QZKComboBox *getHeightComboBox() const { return m_heightComboBox; }
    QToolButton *getLockButton() const { return m_lockButton; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    void writeSize();

    QZKComboBox *m_widthComboBox;
    QZKComboBox *m_heightComboBox;
    QToolButton *m_lockButton;
};
