#include "zkCategoryControl.h"

#include <zkControlOptions.h>
#include <zkPropertyEditorWidget.h>

#include <QEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

zkCategoryControl::zkCategoryControl(zkPropertyEditorWidget *widget, const QByteArray &name,
                                     zkzkCategoryOptionsControlOptions *options, bool setMainLayout)
    : QScrollArea(widget)
    , m_editorWidget(widget)
    , m_name(name)
    , m_options(options)
    , m_verticalScroll(widget->getVerticalScroll())
{
    if (m_verticalScroll) {
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    } else {
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    }
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(true);

    auto *inner = new QWidget;
    inner->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    // The scroll area watches its widget, which lets eventFilter see the resizes.
    setWidget(inner);
    m_mainWidget = new QWidget(inner);
    m_mainLayout = new QVBoxLayout;
    m_mainLayout->setContentsMargins(options->contentsMargins);
    if (setMainLayout)
        m_mainWidget->setLayout(m_mainLayout);

    auto *innerLayout = new QVBoxLayout(inner);
    innerLayout->setContentsMargins(0, 0, 0, 0);
    innerLayout->addWidget(m_mainWidget);
    if (options->addStretch) {
        auto *stretch = new QWidget(inner);
        stretch->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);
        innerLayout->addWidget(stretch);
    }

    widget->addTab(this, options->label);
}

zkCategoryControl::~zkCategoryControl()
{
    // A main layout that the editor widget never set has no owner.
    if (!m_mainLayout->parent())
        delete m_mainLayout;
}

bool zkCategoryControl::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_verticalScroll && watched == widget() && event->type() == QEvent::Resize)
        fitHeight();
    return QScrollArea::eventFilter(watched, event);
}

void zkCategoryControl::fitHeight()
{
    int height = widget()->minimumSizeHint().height();
    QWidget *parent = parentWidget();
    QWidget *grandparent = parent ? parent->parentWidget() : nullptr;
    const auto *tabWidget = qobject_cast<const QTabWidget *>(grandparent);
    if (tabWidget && tabWidget->count() > 0 && tabWidget->tabBar()->isVisibleTo(tabWidget)) {
        const QTabBar *tabBar = tabWidget->tabBar();
        int tabsHeight = 0;
        for (int i = 0; i < tabBar->count(); ++i)
            tabsHeight += tabBar->tabRect(i).height();
        height = std::max(height, tabsHeight);
    }
    setFixedHeight(height);
    if (parent)
        parent->setFixedHeight(height);
    if (grandparent)
        grandparent->setFixedHeight(height);
}
