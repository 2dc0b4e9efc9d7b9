#pragma once

#include <QComboBox>

// The product's combo box; behaves as QComboBox.
class QZKComboBox : public QComboBox
{
    Q_OBJECT
public:
    explicit QZKComboBox(QWidget *parent = nullptr);
};
