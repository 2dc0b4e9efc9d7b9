#pragma once

#include <zkBaseControl.h>

class QLabel;
class QPushButton;
class zkdMaterial;

// The row of a property that holds a material: the material's name and a small preview. A
// material dragged from another view (a zkMaterialIdPayload) sets it, the delete button clears
// it; both reach every edited object in one undo step.
class zkZkdMaterialControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkZkdMaterialControl(zkPropertyEditorWidget *widget, const QByteArray &name, Options *options);

    void updateControl() override;

    QLabel *getNameLabel() const { return m_nameLabel; }
    QLabel *getPreviewLabel() const { return m_previewLabel; }
    QPushButton *getDeleteButton() const { return m_deleteButton; }

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    static zkdMaterial convertToMaterial(const QByteArray &bytes);
    void clearMaterial();
    void writeMaterial(const zkdMaterial &material);

    QLabel *m_nameLabel;
    QLabel *m_previewLabel;
    QPushButton *m_deleteButton;
};
