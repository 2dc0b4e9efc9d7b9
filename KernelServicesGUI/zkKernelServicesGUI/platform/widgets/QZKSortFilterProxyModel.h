#pragma once

#include <QSortFilterProxyModel>

// A sort/filter proxy that sorts texts naturally and ignoring case: "item2" before "Item10".
// Filtering is QSortFilterProxyModel's own.
class QZKSortFilterProxyModel : public QSortFilterProxyModel
{
    Q_OBJECT
public:
    explicit QZKSortFilterProxyModel(QObject *parent = nullptr);

    // Negative, zero or positive as a sorts before, with or after b. Runs of digits compare by
    // their numeric value, the rest ignoring case; texts equal that way fall back to a
    // case-sensitive comparison so that the order is total.
    static int naturalCompare(const QString &a, const QString &b);

protected:
    // Compares the sortRole() data (the display text by default) of the two items: numbers by
    // value, anything else by naturalCompare of its text.
    bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;
};
