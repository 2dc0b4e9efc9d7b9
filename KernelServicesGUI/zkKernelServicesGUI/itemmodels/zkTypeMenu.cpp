#include "zkTypeMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QTimer>

zkTypeMenu::zkTypeMenu(QWidget *parent)
    : QMenu(parent)
{
    setTearOffEnabled(true);
    const auto addFixedAction = [this](const QString &text, void (zkTypeMenu::*slot)()) {
        QAction *action = addAction(text);
        action->setShortcut(QKeySequence());
        connect(action, &QAction::triggered, this, slot);
    };
    addFixedAction(tr("Select all"), &zkTypeMenu::selectAll);
    addFixedAction(tr("Select none"), &zkTypeMenu::selectNone);
    addFixedAction(tr("Invert selection"), &zkTypeMenu::selectOthers);
    connect(this, &QMenu::triggered, this, &zkTypeMenu::handleMenuTrigger);
}

zkTypeMenu::~zkTypeMenu()
{
    qDeleteAll(m_typeActions);
}

void zkTypeMenu::addType(const QString &name, int type)
{
    auto *action = new QAction(name, nullptr);
    action->setCheckable(true);
    action->setChecked(true);
    action->setData(type);
    m_typeActions.append(action);
    addAction(action);
    connect(action, &QAction::triggered, this, &zkTypeMenu::emitSelectionChange);
}

void zkTypeMenu::clearTypes()
{
    qDeleteAll(m_typeActions);
    m_typeActions.clear();
}

QList<int> zkTypeMenu::getSelection() const
{
    QList<int> selection;
    for (const QAction *action : m_typeActions) {
        if (action->isChecked())
            selection.append(getType(*action));
    }
    return selection;
}

void zkTypeMenu::setSelection(const QList<int> &types)
{
    if (applyChecked([&types](int type, bool) { return types.contains(type); }))
        emitSelectionChange();
}

void zkTypeMenu::selectAll()
{
    if (applyChecked([](int, bool) { return true; }))
        emitSelectionChange();
}

void zkTypeMenu::selectNone()
{
    if (applyChecked([](int, bool) { return false; }))
        emitSelectionChange();
}

void zkTypeMenu::selectOthers()
{
    if (applyChecked([](int, bool checked) { return !checked; }))
        emitSelectionChange();
}

void zkTypeMenu::setVisible(bool visible)
{
    if (visible) {
        QMenu::setVisible(true);
        return;
    }
    // A click on an action hides the menu before the action triggers; the deferred hide lets
    // handleMenuTrigger() keep the menu open.
    m_keepOpen = false;
    QTimer::singleShot(0, this, &zkTypeMenu::tryHide);
}

void zkTypeMenu::handleMenuTrigger(QAction *action)
{
    m_keepOpen = true;
    setActiveAction(action);
}

void zkTypeMenu::tryHide()
{
    if (!m_keepOpen)
        QMenu::setVisible(false);
}

void zkTypeMenu::emitSelectionChange()
{
    emit selectionChanged(getSelection());
}

int zkTypeMenu::getType(const QAction &action) const
{
    return action.data().toInt();
}

bool zkTypeMenu::applyChecked(const std::function<bool(int, bool)> &checked)
{
    bool changed = false;
    for (QAction *action : qAsConst(m_typeActions)) {
        const bool wasChecked = action->isChecked();
        const bool isChecked = checked(getType(*action), wasChecked);
        if (isChecked != wasChecked) {
            action->setChecked(isChecked);
            changed = true;
        }
    }
    return changed;
}
