#include "QZKCollapsibleFrame.h"

#include <QFrame>
#include <QToolButton>
#include <QVBoxLayout>

QZKCollapsibleFrame::QZKCollapsibleFrame(const QString &title, bool collapsed, QWidget *parent)
    : QWidget(parent)
    , m_titleButton(new QToolButton(this))
    , m_container(new QFrame(this))
    , m_pageLayout(new QVBoxLayout(m_container))
    , m_collapsed(collapsed)
{
    // Collapsible from the start, so that the constructor's collapsed state holds.
    m_titleButton->setText(title);
    m_titleButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_titleButton->setAutoRaise(true);
    m_titleButton->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    m_titleButton->setFocusPolicy(Qt::NoFocus);

    m_container->setFrameShape(QFrame::StyledPanel);
    m_pageLayout->setContentsMargins(2, 2, 2, 2);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_titleButton);
    layout->addWidget(m_container);

    connect(m_titleButton, &QToolButton::clicked, this, [this] {
        if (m_collapsible)
            setCollapsed(!m_collapsed);
    });
    updateState();
}

void QZKCollapsibleFrame::addPage(QWidget *page)
{
    if (!page || m_pageLayout->indexOf(page) >= 0)
        return;
    m_pageLayout->addWidget(page);
}

QWidget *QZKCollapsibleFrame::widget() const
{
    return m_container;
}

void QZKCollapsibleFrame::setTitle(const QString &title)
{
    m_titleButton->setText(title);
}

QString QZKCollapsibleFrame::title() const
{
    return m_titleButton->text();
}

void QZKCollapsibleFrame::setCollapsible(bool collapsible)
{
    m_collapsible = collapsible;
    if (!collapsible)
        setCollapsed(false);
    updateState();
}

void QZKCollapsibleFrame::setCollapsed(bool collapsed)
{
    collapsed = collapsed && m_collapsible;
    if (collapsed == m_collapsed)
        return;
    m_collapsed = collapsed;
    updateState();
    emit collapsedChanged(m_collapsed);
}

void QZKCollapsibleFrame::setFrameVisible(bool visible)
{
    m_container->setFrameShape(visible ? QFrame::StyledPanel : QFrame::NoFrame);
}

bool QZKCollapsibleFrame::isFrameVisible() const
{
    return m_container->frameShape() != QFrame::NoFrame;
}

void QZKCollapsibleFrame::updateState()
{
    m_titleButton->setArrowType(!m_collapsible ? Qt::NoArrow
                                : m_collapsed  ? Qt::RightArrow
                                               : Qt::DownArrow);
    m_container->setVisible(!m_collapsed);
}
