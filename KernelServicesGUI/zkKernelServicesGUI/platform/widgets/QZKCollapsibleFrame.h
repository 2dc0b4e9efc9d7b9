#pragma once

#include <QWidget>

class QFrame;
class QToolButton;
class QVBoxLayout;

// A titled frame whose pages fold away under the title. Clicking the title folds and unfolds
// the frame while it is collapsible.
class QZKCollapsibleFrame : public QWidget
{
    Q_OBJECT
public:
    explicit QZKCollapsibleFrame(const QString &title, bool collapsed = false, QWidget *parent = nullptr);

    // Moves page into the frame below the pages added before; a page already in the frame
    // stays where it is.
    void addPage(QWidget *page);
    // The container of the pages.
    QWidget *widget() const;

    void setTitle(const QString &title);
    QString title() const;
    // A frame that is not collapsible is always expanded and ignores clicks on its title.
    void setCollapsible(bool collapsible);
    bool isCollapsible() const { return m_collapsible; }
    void setCollapsed(bool collapsed);
    bool isCollapsed() const { return m_collapsed; }
    void setFrameVisible(bool visible);
    bool isFrameVisible() const;

signals:
    void collapsedChanged(bool collapsed);

private:
    void updateState();

    QToolButton *m_titleButton;
    QFrame *m_container;
    QVBoxLayout *m_pageLayout;
    bool m_collapsible = true;
    bool m_collapsed = false;
};
