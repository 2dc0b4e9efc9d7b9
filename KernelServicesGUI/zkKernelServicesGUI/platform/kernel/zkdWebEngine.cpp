#include "zkdWebEngine.h"

void zkdWebEngine::reload() const
{
    setProperty("reload", QVariant::fromValue(property("reload").value<quint64>() + 1));
}
