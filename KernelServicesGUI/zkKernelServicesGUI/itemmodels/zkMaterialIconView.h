#pragma once

#include "zkIconOverlayDelegate.h"
#include "zkListView.h"

// An icon view of material previews, each with its type icon drawn over it.
class zkMaterialIconView : public zkListView
{
    Q_OBJECT
public:
    explicit zkMaterialIconView(QWidget *parent = nullptr);

private:
    zkIconOverlayDelegate m_delegate;
};
