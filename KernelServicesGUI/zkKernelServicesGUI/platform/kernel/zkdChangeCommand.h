#pragma once

#include "zkUndoCommand.h"
#include "zkdObject.h"

#include <QVector>

#include <memory>

// A change of stored values that a kernel operation makes as one undoable command: the values
// are stored in order (undo stores the old ones in reverse order), each with its change
// notification, and without the class hooks. Objects the change brings into the scene, or takes
// out of it, stay alive as long as a state of the command can bring them back.
class zkdChangeCommand : public zkUndoCommand
{
public:
    explicit zkdChangeCommand(QString text);
    ~zkdChangeCommand() override;

    // Adds a value to store; the value the property holds now is the one undo brings back.
    // Names the object does not have are ignored.
    void store(const zkdObject &object, const QByteArray &name, const QVariant &value);
    // Objects that exist in the scene only while the change is done ...
    void addCreated(const QList<zkdObject> &objects) { m_created.append(objects); }
    // ... or only while it is undone.
    void addRemoved(const QList<zkdObject> &objects) { m_removed.append(objects); }

    // Makes the change and records it when the undo stack records; otherwise the change cannot
    // be undone and the objects it removed are destroyed at once.
    static void apply(std::unique_ptr<zkdChangeCommand> command);

    void undo() override;
    void redo() override;
    QString text() const override { return m_text; }

private:
    struct Value
    {
        std::shared_ptr<zkdObjectData> object;
        int index;
        QVariant before;
        QVariant after;
    };

    QVector<Value> m_values;
    QList<zkdObject> m_created;
    QList<zkdObject> m_removed;
    QString m_text;
    bool m_done = false;
};
