#pragma once

#include <QString>

// One reversible change recorded by the kernel's undo stack.
class zkUndoCommand
{
public:
    virtual ~zkUndoCommand() = default;

    virtual void undo() = 0;
    virtual void redo() = 0;
    virtual QString text() const { return QString(); }
    // Absorbs next, recorded right after this command in the same step; false to keep both.
    virtual bool mergeWith(const zkUndoCommand &next) { Q_UNUSED(next); return false; }
    // True when the command (after merges) changes nothing and can be dropped.
    virtual bool isObsolete() const { return false; }
};
