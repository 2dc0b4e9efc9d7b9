#include "zkDemoUndoActions.h"

#include <zkUndoStack.h>

#include <QAction>
#include <QKeySequence>

zkDemoUndoActions::zkDemoUndoActions(QObject *parent)
    : QObject(parent)
    , m_undo(new QAction(this))
    , m_redo(new QAction(this))
{
    zkUndoStack *stack = zkUndoStack::instance();
    m_undo->setShortcut(QKeySequence::Undo);
    m_redo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    connect(m_undo, &QAction::triggered, stack, &zkUndoStack::undo);
    connect(m_redo, &QAction::triggered, stack, &zkUndoStack::redo);
    connect(stack, &zkUndoStack::canUndoChanged, this, &zkDemoUndoActions::updateUndo);
    connect(stack, &zkUndoStack::undoTextChanged, this, &zkDemoUndoActions::updateUndo);
    connect(stack, &zkUndoStack::canRedoChanged, this, &zkDemoUndoActions::updateRedo);
    connect(stack, &zkUndoStack::redoTextChanged, this, &zkDemoUndoActions::updateRedo);
    updateUndo();
    updateRedo();
}

void zkDemoUndoActions::updateUndo()
{
    const zkUndoStack *stack = zkUndoStack::instance();
    m_undo->setEnabled(stack->canUndo());
    m_undo->setText(stack->canUndo() ? tr("&Undo %1").arg(stack->undoText()) : tr("&Undo"));
}

void zkDemoUndoActions::updateRedo()
{
    const zkUndoStack *stack = zkUndoStack::instance();
    m_redo->setEnabled(stack->canRedo());
    m_redo->setText(stack->canRedo() ? tr("&Redo %1").arg(stack->redoText()) : tr("&Redo"));
}
