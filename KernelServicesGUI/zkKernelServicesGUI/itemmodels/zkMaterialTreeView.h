#pragma once

#include "zkTreeView.h"

// The view of a zkMaterialTreeModel.
class zkMaterialTreeView : public zkTreeView
{
    Q_OBJECT
public:
    explicit zkMaterialTreeView(QWidget *parent = nullptr);
};
