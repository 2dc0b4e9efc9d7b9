#include "QZKDirControl.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QToolButton>

QZKDirControl::QZKDirControl(const QString &dir, QWidget *parent)
    : QWidget(parent)
    , m_label(new QLabel(this))
    , m_edit(new QLineEdit(dir, this))
    , m_browseButton(new QToolButton(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_edit, 1);
    layout->addWidget(m_browseButton);
    m_label->setBuddy(m_edit);
    m_browseButton->setText(QStringLiteral("..."));
    setFocusProxy(m_edit);

    connect(m_browseButton, &QToolButton::clicked, this, &QZKDirControl::browse);
    connect(m_edit, &QLineEdit::editingFinished, this, &QZKDirControl::commitTyped);
}

void QZKDirControl::setDir(const QString &dir)
{
    m_edit->setText(dir);
}

QString QZKDirControl::dir() const
{
    return m_edit->text();
}

void QZKDirControl::setTitle(const QString &title)
{
    m_label->setText(title);
}

QString QZKDirControl::title() const
{
    return m_label->text();
}

void QZKDirControl::setLabelVisibility(bool visible)
{
    m_label->setVisible(visible);
}

void QZKDirControl::browse()
{
    const QString chosen = QFileDialog::getExistingDirectory(this, title(), dir());
    // An empty result is a cancelled dialog.
    if (chosen.isEmpty() || chosen == dir())
        return;
    setDir(chosen);
    emit changed(chosen);
}

void QZKDirControl::commitTyped()
{
    // editingFinished also comes on focus loss without an edit.
    if (!m_edit->isModified())
        return;
    m_edit->setModified(false);
    emit changed(dir());
}
