#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

#include <QByteArray>
#include <QHash>

#include <unordered_map>

class QLineEdit;
class QMenu;
class QPushButton;
class zkdRayFile;

// The file name row of a ray light's ray file: the path with a browse button, a menu of the ray
// files already in the scene and a delete button. A file that another ray light already uses is
// shared rather than read twice; loading and sharing reach every edited ray file as one undo
// step, and a file that cannot be loaded is reported and changes nothing.
class zkZkdRayFileNameControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkZkdRayFileNameControlOptions;

    zkZkdRayFileNameControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName, Options *options);
    ~zkZkdRayFileNameControl() override;

    void updateControl() override;

    QLineEdit *getLineEdit() const { return m_lineEdit; }
    QPushButton *getBrowseButton() const { return m_browseButton; }
    QPushButton *getSceneRayFilesButton() const { return m_sceneRayFilesButton; }
    QPushButton *getDeleteButton() const { return m_deleteButton; }
    QMenu *getSceneRayFilesMenu() const { return m_sceneRayFilesMenu; }
    // The light's property that holds the ray file; empty outside a light's editor.
    const QByteArray &getRayFileProperty() const { return m_rayFileProperty; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    struct NameHash
    {
        size_t operator()(const QByteArray &name) const { return qHash(name); }
    };
    using RayFiles = std::unordered_map<QByteArray, zkdRayFile, NameHash>;

    void setFilename(const QString &path);
    void updateSceneRayFilesMenu();
    // The ray files of the scene's ray lights by file name, one per name; unloaded ones left out.
    RayFiles getExistingRayfiles() const;
    void shareRayFile(const zkdRayFile &rayFile);
    void browse();
    QString getDefaultDirectory() const;

    QLineEdit *m_lineEdit;
    QPushButton *m_browseButton;
    QPushButton *m_sceneRayFilesButton;
    QMenu *m_sceneRayFilesMenu;
    QPushButton *m_deleteButton;
    QByteArray m_rayFileProperty;
};
