#pragma once

#include <QObject>

class QAction;

// Undo and Redo actions bound to the kernel's undo stack: triggering them undoes or redoes a
// step, and their enabled state and texts follow the stack.
class zkDemoUndoActions : public QObject
{
    Q_OBJECT
public:
    explicit zkDemoUndoActions(QObject *parent = nullptr);

    QAction *getUndoAction() const { return m_undo; }
    QAction *getRedoAction() const { return m_redo; }

private:
    void updateUndo();
    void updateRedo();

    QAction *m_undo;
    QAction *m_redo;
};
