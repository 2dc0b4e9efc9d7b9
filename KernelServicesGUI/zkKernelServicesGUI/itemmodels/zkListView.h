#pragma once

#include <QListView>

// A list view with the library's standard look and drag-and-drop settings.
class zkListView : public QListView
{
    Q_OBJECT
public:
    explicit zkListView(QWidget *parent = nullptr);
};
