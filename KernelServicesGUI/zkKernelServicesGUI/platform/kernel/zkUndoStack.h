#pragma once

#include "zkUndoCommand.h"

#include <QObject>

#include <memory>
#include <vector>

class zkUndoString;

// The kernel's undo stack. Changes are recorded only inside an undo scope that records
// (zkScopedUndo(true)); inside a multi-command (zkScopedMultiCommand) all of them form one step,
// otherwise each change is a step of its own. Undo and redo replay the recorded changes, which
// notify like any other change, and never record.
class zkUndoStack : public QObject
{
    Q_OBJECT
public:
    static zkUndoStack *instance();
    ~zkUndoStack() override;

    int count() const;
    int index() const { return m_index; }
    bool canUndo() const { return m_index > 0; }
    bool canRedo() const { return m_index < count(); }
    QString undoText() const;
    QString redoText() const;
    QString text(int index) const;

    bool isRecording() const;
    bool isReplaying() const { return m_replaying; }
    // True while a multi-command is open: more changes of its step may follow.
    bool isInMultiCommand() const { return m_multiCommandDepth > 0; }

    // Used by the kernel and the undo scopes.
    void record(std::unique_ptr<zkUndoCommand> command);
    void beginScope(bool record);
    void endScope();
    void beginMultiCommand(const zkUndoString &name);
    void endMultiCommand();

public slots:
    void undo();
    void redo();
    void clear();

signals:
    // The outermost multi-command closed, whether or not its changes were recorded.
    void multiCommandEnded();
    void indexChanged(int index);
    void canUndoChanged(bool canUndo);
    void canRedoChanged(bool canRedo);
    void undoTextChanged(const QString &text);
    void redoTextChanged(const QString &text);

private:
    class Step;

    zkUndoStack();
    void push(std::unique_ptr<Step> step);
    void setIndex(int index);
    void emitChanges(bool couldUndo, bool couldRedo);

    std::vector<std::unique_ptr<Step>> m_steps;
    int m_index = 0;
    std::vector<bool> m_scopes;
    std::unique_ptr<Step> m_pending; // the open multi-command
    int m_multiCommandDepth = 0;
    bool m_replaying = false;
};
