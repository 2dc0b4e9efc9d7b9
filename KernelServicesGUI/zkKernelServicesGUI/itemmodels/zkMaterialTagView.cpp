#include "zkMaterialTagView.h"

zkMaterialTagView::zkMaterialTagView(QWidget *parent)
    : zkTreeView(parent)
{
}
