#include "zkGlassTriTextureDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkdGlassTriTexture.h>

#include <QVector2D>

namespace {

zkGlassTriTextureDescription instance;

} // namespace

void zkGlassTriTextureDescription::init()
{
    zkDescriptionBuilder<zkdGlassTriTexture> rows(getFactory());
    rows.onChanged<QVector2D>("triplanarXRepeat", [](zkPropertyEditorWidget *widget, QVector2D) {
        if (!widget)
            return;
        for (const char *property : {"triplanarXRepeat", "triplanarYRepeat", "triplanarZRepeat"})
            widget->updateProperty(property);
    });
}
