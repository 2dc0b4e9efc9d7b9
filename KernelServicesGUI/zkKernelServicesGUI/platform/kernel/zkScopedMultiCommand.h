#pragma once

class zkUndoString;

// Makes every change recorded during its lifetime one undo step, named by the undo string (or
// after its first change when unnamed). Nested multi-commands join the outermost one.
class zkScopedMultiCommand
{
public:
    zkScopedMultiCommand();
    // merge is accepted for interface compatibility; steps are always merged.
    explicit zkScopedMultiCommand(const zkUndoString &name, bool merge = true);
    ~zkScopedMultiCommand();

    zkScopedMultiCommand(const zkScopedMultiCommand &) = delete;
    zkScopedMultiCommand &operator=(const zkScopedMultiCommand &) = delete;
};
