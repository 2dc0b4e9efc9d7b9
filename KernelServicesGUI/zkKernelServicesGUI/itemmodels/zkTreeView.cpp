#include "zkTreeView.h"

#include <zkPlatform.h>

zkTreeView::zkTreeView(QWidget *parent)
    : QTreeView(parent)
{
    setAlternatingRowColors(true);
    setHeaderHidden(true);
    setMinimumWidth(140);
    setIconSize(QSize(zkPlatform::getTreeViewIconSizeX(), zkPlatform::getTreeViewIconSizeY()));
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAllColumnsShowFocus(true);
    setAutoScroll(false);
    setExpandsOnDoubleClick(true);
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(true);
}
