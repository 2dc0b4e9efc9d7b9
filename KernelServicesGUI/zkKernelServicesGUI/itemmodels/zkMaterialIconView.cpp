#include "zkMaterialIconView.h"

zkMaterialIconView::zkMaterialIconView(QWidget *parent)
    : zkListView(parent)
{
    setItemDelegate(&m_delegate);
    setUniformItemSizes(true);
}
