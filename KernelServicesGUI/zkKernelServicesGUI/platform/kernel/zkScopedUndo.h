#pragma once

// Opens an undo scope for its lifetime: with record true the kernel records the changes made
// meanwhile, with false it makes them without undo steps. Scopes nest; the innermost decides.
class zkScopedUndo
{
public:
    explicit zkScopedUndo(bool record = true);
    ~zkScopedUndo();

    zkScopedUndo(const zkScopedUndo &) = delete;
    zkScopedUndo &operator=(const zkScopedUndo &) = delete;
};
