#pragma once

#include <zkKernelServiceFactory.h>
#include <zkMaterialService.h>
#include <zkUndoStack.h>

// The kernel pieces the material model tests edit the scene through.
inline zkMaterialService *service()
{
    return zkKernelServiceFactory::the().getService<zkMaterialService>();
}

inline zkUndoStack *stack()
{
    return zkUndoStack::instance();
}
