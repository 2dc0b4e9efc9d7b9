#pragma once

#include "zkBaseControl.h"

class QAction;
class QLabel;
class QMenu;

// Shows the name of the environment material a material uses; its context menu offers the
// default environment and the scene's environment and environment switch materials.
class zkEnvironmentLabelControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkBaseControlOptions;

    zkEnvironmentLabelControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                              Options *options);

    void updateControl() override;

    // Rebuilds the context menu from the material service's scene materials.
    void updateEnvironmentMenu();

    QLabel *getNameLabel() const { return m_nameLabel; }
    // Null until the menu is first built.
    QMenu *getEnvironmentMenu() const { return m_menu; }

private:
    void showCustomContextMenu(const QPoint &position);
    void environmentChosen(const QAction *action);

    QLabel *m_nameLabel;
    QMenu *m_menu = nullptr;
};
