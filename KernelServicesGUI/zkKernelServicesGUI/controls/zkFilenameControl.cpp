#include "zkFilenameControl.h"

#include <zkIconManager.h>
#include <zkPlatform.h>

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QIcon>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>

zkFilenameControl::zkFilenameControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName,
                                     Options *options)
    : zkQStringControl(editorWidget, propertyName, options)
    , m_browseButton(new QPushButton(this))
    , m_reloadButton(new QPushButton(this))
{
    const QSize iconSize(zkPlatform::getMediumIconSizeX(), zkPlatform::getMediumIconSizeY());
    m_browseButton->setIcon(zkIconManager::getIcon(QStringLiteral("FileOpen"), QString()));
    m_browseButton->setIconSize(iconSize);
    m_browseButton->setToolTip(tr("Opens a file browser for loading a file"));
    m_reloadButton->setIcon(zkIconManager::getIcon(QStringLiteral("Reload"), QString()));
    m_reloadButton->setIconSize(iconSize);
    m_reloadButton->setToolTip(tr("Reloads the file"));
    m_reloadButton->setFixedSize(qRound(24 * zkPlatform::getDpiScaleX()), qRound(24 * zkPlatform::getDpiScaleY()));
    m_reloadButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    // The line edit already stands first in the row.
    layout()->addWidget(m_browseButton);
    layout()->addWidget(m_reloadButton);
    if (!options->reloadButton)
        m_reloadButton->hide();
    if (!options->textField) {
        getLineEdit()->hide();
        auto *filler = new QWidget(this);
        filler->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        layout()->addWidget(filler);
    }

    connect(m_browseButton, &QPushButton::clicked, this, &zkFilenameControl::browse);
    connect(m_reloadButton, &QPushButton::clicked, this, &zkFilenameControl::reload);
}

const zkFilenameControl::Options *zkFilenameControl::getFilenameOptions() const
{
    return static_cast<const Options *>(getOptions());
}

QString zkFilenameControl::getDefaultDirectory() const
{
    const QString text = getLineEdit()->text();
    if (text.isEmpty())
        return QString();
    const QString directory = QFileInfo(text).absolutePath();
    return QDir(directory).exists() ? directory : QString();
}

void zkFilenameControl::browse()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open File"), getDefaultDirectory(),
                                                      getFilenameOptions()->fileFilter);
    // A cancelled dialog gives an empty path, which would clear the property.
    if (!path.isEmpty())
        setPropertyValue(path, true);
}

void zkFilenameControl::reload()
{
    // Taken first: the clearing write is echoed into the line edit.
    const QString path = getLineEdit()->text();
    if (getFilenameOptions()->clearBeforeReload && !path.isEmpty())
        setPropertyValue(QString(), false);
    setPropertyValue(path, true);
}
