#pragma once

#include <QSize>
#include <QStyledItemDelegate>

// Draws an item's icon as its base image (zkItemDataRole::BaseImage) with its overlay icon
// (zkItemDataRole::OverlayIcon) composed over it. The composition happens only while painting,
// never for size hints.
class zkIconOverlayDelegate : public QStyledItemDelegate
{
    Q_OBJECT
public:
    explicit zkIconOverlayDelegate(QObject *parent = nullptr);

    void paint(QPainter *painter, const QStyleOptionViewItem &option, const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    QSize m_overlaySize{-1, -1};
    mutable bool m_painting = false;
};
