#include "zkFilterBar.h"

#include "zkTypeMenu.h"

#include <QZKSearchBox.h>
#include <zkIconCache.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatformService.h>

#include <QHBoxLayout>
#include <QIcon>
#include <QSignalBlocker>
#include <QToolButton>

zkFilterBar::zkFilterBar(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags)
    , m_typeMenu(new zkTypeMenu(this))
    , m_searchBox(new QZKSearchBox(this))
{
    m_searchBox->setSearchLineStyle(true);
    connect(m_searchBox, &QZKSearchBox::searchChanged, this, &zkFilterBar::nameFilterChanged);

    m_recursiveButton = addToolButton(QStringLiteral("FilterBar_RecursiveFilterButton"),
                                      zkIconCache::getHierarchyIcon(), tr("Toggle search depth"));
    m_typeFilterButton = addToolButton(QStringLiteral("FilterBar_TypeFilterButton"),
                                       zkIconCache::getFilterIcon(), tr("Toggle type filter"));
    m_typeMenuButton = addToolButton(QStringLiteral("FilterBar_TypeMenuButton"),
                                     zkIconCache::getMenuArrowIcon(), tr("Select a type filter"));
    connect(m_recursiveButton, &QToolButton::toggled, this, &zkFilterBar::recursiveFilteringToggled);
    connect(m_typeFilterButton, &QToolButton::toggled, this, &zkFilterBar::typeFilteringToggled);
    connect(m_typeMenuButton, &QToolButton::toggled, this, &zkFilterBar::showTypeMenu);

    connect(m_typeMenu, &QMenu::aboutToHide, this, &zkFilterBar::uncheckTypeMenuButton);
    connect(m_typeMenu, &zkTypeMenu::selectionChanged, this, &zkFilterBar::doTypeFilteringAutoEnable);
    connect(m_typeMenu, &zkTypeMenu::selectionChanged, this, &zkFilterBar::typeFilterChanged);

    // Without the platform service the button keeps the style's icon size.
    if (const auto *platform = zkKernelServiceFactory::the().getService<zkPlatformService>())
        m_typeMenuButton->setIconSize(platform->getToolButtonIconSize());

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(0);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_searchBox);
    layout->addWidget(m_recursiveButton);
    layout->addWidget(m_typeFilterButton);
    layout->addWidget(m_typeMenuButton);
}

QString zkFilterBar::getNameFilter() const
{
    return m_searchBox->text();
}

QList<int> zkFilterBar::getTypeFilter() const
{
    return m_typeMenu->getSelection();
}

bool zkFilterBar::isTypeFilteringEnabled() const
{
    return m_typeFilterButton->isChecked();
}

void zkFilterBar::setRecursiveFilteringEnabled(bool on)
{
    m_recursiveButton->setChecked(on);
}

bool zkFilterBar::isRecursiveFilteringEnabled() const
{
    return m_recursiveButton->isChecked();
}

int zkFilterBar::getCategory(int) const
{
    return 0;
}

void zkFilterBar::addTypesToMenu(const QList<int> &types)
{
    int previousCategory = 0;
    for (int type : types) {
        const int category = getCategory(type);
        if (category != previousCategory)
            m_typeMenu->addSeparator();
        previousCategory = category;
        m_typeMenu->addType(getTypeName(type), type);
    }
}

QToolButton *zkFilterBar::addToolButton(const QString &objectName, const QIcon &icon, const QString &toolTip)
{
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setIcon(icon);
    button->setCheckable(true);
    button->setChecked(false);
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Preferred);
    button->setToolTip(toolTip);
    return button;
}

void zkFilterBar::showTypeMenu(bool show)
{
    if (show)
        m_typeMenu->popup(getMenuPopupPosition());
    else
        m_typeMenu->close();
}

void zkFilterBar::uncheckTypeMenuButton()
{
    // Closing the menu must not ask for it again.
    const QSignalBlocker blocker(m_typeMenuButton);
    m_typeMenuButton->setChecked(false);
}

void zkFilterBar::doTypeFilteringAutoEnable(const QList<int> &selection)
{
    m_typeFilterButton->setChecked(!selection.isEmpty());
}

QPoint zkFilterBar::getMenuPopupPosition() const
{
    return mapToGlobal(m_typeMenuButton->pos() + QPoint(0, m_typeMenuButton->height()));
}
