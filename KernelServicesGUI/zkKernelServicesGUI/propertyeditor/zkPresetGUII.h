#pragma once

#include "ui_zkPresetGUI.h"

#include <QDialog>
#include <QVector>

class QAction;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPoint;

// The list of named presets, in which the user activates, renames and deletes them. The dialog
// only reports what the user asked for; its owner changes the presets and refills the list.
class zkPresetGUII : public QDialog, protected Ui::zkPresetGUI
{
    Q_OBJECT
public:
    explicit zkPresetGUII(QWidget *parent = nullptr);

    void addPreset(const QString &name);
    void clearPresets();
    // Makes the first preset of exactly that name current and selected; without one, nothing changes.
    void setCurrentPreset(const QString &name);

signals:
    void presetActivated(const QString &name);
    void presetRenamed(const QString &oldName, const QString &newName);
    void presetsDeleted(const QVector<QString> &presets);

public slots:
    void updateContextMenu();
    void requestedContextMenu(const QPoint &pos);
    void activatePreset();
    void renamePreset();
    void changedPreset(QListWidgetItem *item);
    void deletePresets();

private:
    // The item when exactly one is selected.
    QListWidgetItem *singleSelection() const;

    QListWidget *m_presets;
    QMenu *m_menu;
    QAction *m_activate;
    QAction *m_rename;
    QAction *m_delete;
};
