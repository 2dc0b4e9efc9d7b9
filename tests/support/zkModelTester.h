#pragma once

#include <QAbstractItemModelTester>
#include <QIdentityProxyModel>

// QAbstractItemModelTester for the library's item models. Such a model reports its root item's
// own flags for the empty space below the rows (the invalid index), where the tester allows the
// drop flag alone. The tester therefore watches the model through an identity proxy that passes
// everything through but shows the drop flag alone there; all other checks reach the model.
class zkModelTester
{
public:
    explicit zkModelTester(QAbstractItemModel *model) : m_view(model), m_tester(&m_view, Mode::Fatal) {}

private:
    using Mode = QAbstractItemModelTester::FailureReportingMode;

    class View : public QIdentityProxyModel
    {
    public:
        explicit View(QAbstractItemModel *model) { setSourceModel(model); }
        Qt::ItemFlags flags(const QModelIndex &index) const override
        {
            const Qt::ItemFlags flags = QIdentityProxyModel::flags(index);
            return index.isValid() ? flags : flags & Qt::ItemIsDropEnabled;
        }
    };

    View m_view;
    QAbstractItemModelTester m_tester;
};
