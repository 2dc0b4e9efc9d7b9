#include "QZKComboBox.h"

QZKComboBox::QZKComboBox(QWidget *parent)
    : QComboBox(parent)
{
}
