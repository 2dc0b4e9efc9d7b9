#include "zkScopedMultiCommand.h"

#include "zkUndoStack.h"
#include "zkUndoString.h"

zkScopedMultiCommand::zkScopedMultiCommand()
{
    zkUndoStack::instance()->beginMultiCommand(zkUndoString());
}

zkScopedMultiCommand::zkScopedMultiCommand(const zkUndoString &name, bool merge)
{
    Q_UNUSED(merge);
    zkUndoStack::instance()->beginMultiCommand(name);
}

zkScopedMultiCommand::~zkScopedMultiCommand()
{
    zkUndoStack::instance()->endMultiCommand();
}
