#include "zkListView.h"

zkListView::zkListView(QWidget *parent)
    : QListView(parent)
{
    setAlternatingRowColors(true);
    setMinimumWidth(140);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setAutoScroll(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setResizeMode(QListView::Adjust);
    setEditTriggers(QAbstractItemView::SelectedClicked);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setDragEnabled(true);
    setAcceptDrops(true);
    setDropIndicatorShown(false);
}
