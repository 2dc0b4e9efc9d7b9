#include "zkUndoStack.h"

#include "zkUndoString.h"

class zkUndoStack::Step
{
public:
    explicit Step(QString name) : m_name(std::move(name)) {}

    void append(std::unique_ptr<zkUndoCommand> command)
    {
        if (!m_commands.empty() && m_commands.back()->mergeWith(*command)) {
            if (m_commands.back()->isObsolete())
                m_commands.pop_back();
            return;
        }
        m_commands.push_back(std::move(command));
    }
    bool isEmpty() const { return m_commands.empty(); }
    QString text() const
    {
        if (!m_name.isEmpty() || m_commands.empty())
            return m_name;
        return m_commands.front()->text();
    }
    void undo()
    {
        for (auto it = m_commands.rbegin(); it != m_commands.rend(); ++it)
            (*it)->undo();
    }
    void redo()
    {
        for (const auto &command : m_commands)
            command->redo();
    }

private:
    QString m_name;
    std::vector<std::unique_ptr<zkUndoCommand>> m_commands;
};

zkUndoStack::zkUndoStack() = default;
zkUndoStack::~zkUndoStack() = default;

zkUndoStack *zkUndoStack::instance()
{
    static zkUndoStack *stack = new zkUndoStack;
    return stack;
}

int zkUndoStack::count() const
{
    return int(m_steps.size());
}

QString zkUndoStack::text(int index) const
{
    return index >= 0 && index < count() ? m_steps[size_t(index)]->text() : QString();
}

QString zkUndoStack::undoText() const
{
    return text(m_index - 1);
}

QString zkUndoStack::redoText() const
{
    return text(m_index);
}

bool zkUndoStack::isRecording() const
{
    return !m_replaying && !m_scopes.empty() && m_scopes.back();
}

void zkUndoStack::record(std::unique_ptr<zkUndoCommand> command)
{
    if (m_pending) {
        m_pending->append(std::move(command));
        return;
    }
    auto step = std::make_unique<Step>(QString());
    step->append(std::move(command));
    push(std::move(step));
}

void zkUndoStack::beginScope(bool record)
{
    m_scopes.push_back(record);
}

void zkUndoStack::endScope()
{
    if (!m_scopes.empty())
        m_scopes.pop_back();
}

void zkUndoStack::beginMultiCommand(const zkUndoString &name)
{
    if (m_multiCommandDepth++ == 0)
        m_pending = std::make_unique<Step>(name.translated());
}

void zkUndoStack::endMultiCommand()
{
    if (m_multiCommandDepth == 0 || --m_multiCommandDepth > 0)
        return;
    std::unique_ptr<Step> step = std::move(m_pending);
    if (!step->isEmpty())
        push(std::move(step));
    emit multiCommandEnded();
}

void zkUndoStack::push(std::unique_ptr<Step> step)
{
    const bool couldUndo = canUndo();
    const bool couldRedo = canRedo();
    m_steps.erase(m_steps.begin() + m_index, m_steps.end());
    m_steps.push_back(std::move(step));
    m_index = count();
    emitChanges(couldUndo, couldRedo);
}

void zkUndoStack::undo()
{
    if (!canUndo() || m_pending)
        return;
    m_replaying = true;
    m_steps[size_t(m_index - 1)]->undo();
    m_replaying = false;
    setIndex(m_index - 1);
}

void zkUndoStack::redo()
{
    if (!canRedo() || m_pending)
        return;
    m_replaying = true;
    m_steps[size_t(m_index)]->redo();
    m_replaying = false;
    setIndex(m_index + 1);
}

void zkUndoStack::clear()
{
    const bool couldUndo = canUndo();
    const bool couldRedo = canRedo();
    m_steps.clear();
    m_index = 0;
    emitChanges(couldUndo, couldRedo);
}

void zkUndoStack::setIndex(int index)
{
    const bool couldUndo = canUndo();
    const bool couldRedo = canRedo();
    m_index = index;
    emitChanges(couldUndo, couldRedo);
}

void zkUndoStack::emitChanges(bool couldUndo, bool couldRedo)
{
    emit indexChanged(m_index);
    if (couldUndo != canUndo())
        emit canUndoChanged(canUndo());
    if (couldRedo != canRedo())
        emit canRedoChanged(canRedo());
    emit undoTextChanged(undoText());
    emit redoTextChanged(redoText());
}
