#pragma once

#include <QTreeView>

// A tree view with the library's standard look and drag-and-drop settings.
class zkTreeView : public QTreeView
{
    Q_OBJECT
public:
    explicit zkTreeView(QWidget *parent = nullptr);
};
