#pragma once

#include "zkTreeView.h"

// The view of a zkMaterialTagModel.
class zkMaterialTagView : public zkTreeView
{
    Q_OBJECT
public:
    explicit zkMaterialTagView(QWidget *parent = nullptr);
};
