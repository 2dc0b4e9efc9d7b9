#include "zkdChangeCommand.h"

#include "zkUndoStack.h"
#include "zkdClassInfo.h"
#include "zkdObjectData.h"
#include "zkdObjectManager.h"

zkdChangeCommand::zkdChangeCommand(QString text)
    : m_text(std::move(text))
{
}

zkdChangeCommand::~zkdChangeCommand()
{
    // The command is the last that could bring these objects back.
    for (const zkdObject &object : m_done ? m_removed : m_created)
        zkdObjectManager::destroy(object);
}

void zkdChangeCommand::store(const zkdObject &object, const QByteArray &name, const QVariant &value)
{
    std::shared_ptr<zkdObjectData> data = object.ptr();
    if (!data)
        return;
    const int index = data->classInfo().indexOf(name);
    if (index < 0)
        return;
    for (Value &queued : m_values) {
        if (queued.object == data && queued.index == index) {
            queued.after = value;
            return;
        }
    }
    QVariant before = data->property(index);
    m_values.append({std::move(data), index, std::move(before), value});
}

void zkdChangeCommand::apply(std::unique_ptr<zkdChangeCommand> command)
{
    command->redo();
    zkUndoStack *stack = zkUndoStack::instance();
    if (stack->isRecording())
        stack->record(std::move(command));
}

void zkdChangeCommand::undo()
{
    for (auto it = m_values.crbegin(); it != m_values.crend(); ++it)
        it->object->storeProperty(it->index, it->before);
    m_done = false;
}

void zkdChangeCommand::redo()
{
    for (const Value &value : qAsConst(m_values))
        value.object->storeProperty(value.index, value.after);
    m_done = true;
}
