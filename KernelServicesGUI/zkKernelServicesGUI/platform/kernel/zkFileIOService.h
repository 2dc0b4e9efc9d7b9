#pragma once

#include "zkBaseService.h"

#include <QString>

// The file-dialog filters for the kernel's file formats.
class zkFileIOService : public zkBaseService
{
    Q_OBJECT
public:
    explicit zkFileIOService(QObject *parent = nullptr);

    // "Image Files (*.bmp *.jpg ...);;All Files (*)" over the formats that can be read.
    QString getImageOpenFilter() const;
    // One entry per format that can be written, "PNG Image (*.png)" ..., PNG first.
    QString getImageSaveFilter() const;
};
