#include "zkMaterialTreeView.h"

zkMaterialTreeView::zkMaterialTreeView(QWidget *parent)
    : zkTreeView(parent)
{
}
