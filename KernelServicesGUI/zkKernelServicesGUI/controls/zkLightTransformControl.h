#pragma once

#include "zkBaseControl.h"

class QFrame;
class QPushButton;

// Three command buttons that copy placements between the selected lights, the current camera
// and the selected scene nodes. The row edits no value of its own: each button runs one kernel
// operation on the transform of the selected lights, all in one undo step.
class zkLightTransformControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkLightTransformControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // The buttons run on the light selection, not on a value, so there is nothing to show and
    // never a mixed-values look.
    void updateControl() override;
    // For the same reason the editor's marking of mixed values is ignored.
    void setMultiSelectHighlight(bool highlight) override;

    QPushButton *getFromCameraButton() const { return m_fromCameraButton; }
    QPushButton *getToCameraButton() const { return m_toCameraButton; }
    QPushButton *getFromNodesButton() const { return m_fromNodesButton; }

public slots:
    virtual void setLightTransformFromCamera();
    virtual void setCameraTransformFromLight();
    virtual void setLightTransformFromNodes();

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    void createButtons();
    void createFrames();
    void createLayout();
    void setupConnections();

    QPushButton *m_fromCameraButton = nullptr;
    QPushButton *m_toCameraButton = nullptr;
    QPushButton *m_fromNodesButton = nullptr;
    QFrame *m_topFrame = nullptr;
    QFrame *m_bottomFrame = nullptr;
};
