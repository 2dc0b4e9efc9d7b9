#include "zkScopedUndo.h"

#include "zkUndoStack.h"

zkScopedUndo::zkScopedUndo(bool record)
{
    zkUndoStack::instance()->beginScope(record);
}

zkScopedUndo::~zkScopedUndo()
{
    zkUndoStack::instance()->endScope();
}
