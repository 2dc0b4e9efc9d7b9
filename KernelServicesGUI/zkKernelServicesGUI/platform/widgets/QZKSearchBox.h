#pragma once

#include <QLineEdit>

class QAction;

// A line edit for search text with a clear button, shown while there is text. searchChanged() follows every change of the
// text, typed or set.
class QZKSearchBox : public QLineEdit
{
    Q_OBJECT
public:
    explicit QZKSearchBox(QWidget *parent = nullptr);

    // The search-line look: a magnifier in front, a "Search" placeholder and the style property
    // "searchLine" for style sheets.
    void setSearchLineStyle(bool on);
    bool hasSearchLineStyle() const { return m_searchAction != nullptr; }

signals:
    void searchChanged(const QString &text);

private:
    QAction *m_clearAction;
    QAction *m_searchAction = nullptr;
};
