#include "zkZkdRayFileNameControl.h"

#include <zkIconManager.h>
#include <zkKernelServiceFactory.h>
#include <zkLightService.h>
#include <zkPlatform.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoString.h>
#include <zkdRayFile.h>
#include <zkdRayLightNode.h>

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

zkZkdRayFileNameControl::zkZkdRayFileNameControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName,
                                                 Options *options)
    : zkBaseControl(editor, propertyName, options)
    , m_lineEdit(new QLineEdit(this))
    , m_browseButton(new QPushButton(this))
    , m_sceneRayFilesButton(new QPushButton(this))
    , m_sceneRayFilesMenu(new QMenu(m_sceneRayFilesButton))
    , m_deleteButton(new QPushButton(this))
    // The ray file row sits in the editor nested in the light's ray file row.
    , m_rayFileProperty(editor->getParentPropertyName())
{
    m_lineEdit->setToolTip(tr("Sets the file path of the Ray file"));
    setEditor(m_lineEdit);

    m_browseButton->setIcon(zkIconManager::getIcon(QStringLiteral("FileOpen"), QString()));
    m_browseButton->setToolTip(tr("Opens a file browser for loading a Ray File"));
    m_sceneRayFilesButton->setIcon(zkIconManager::getIcon(QStringLiteral("LightEditor/SceneRayFiles.svg"), QString()));
    m_sceneRayFilesButton->setToolTip(tr("Opens a menu with a list all Ray Files in the scene"));
    m_sceneRayFilesButton->setMenu(m_sceneRayFilesMenu);
    m_deleteButton->setIcon(zkIconManager::getIcon(QStringLiteral("Delete"), QString()));
    m_deleteButton->setToolTip(tr("Removes the Ray File from the light"));
    const QSize iconSize(zkPlatform::getMediumIconSizeX(), zkPlatform::getMediumIconSizeY());
    const QSize buttonSize(int(24 * zkPlatform::getDpiScaleX()), int(24 * zkPlatform::getDpiScaleY()));
    for (QPushButton *button : {m_browseButton, m_sceneRayFilesButton, m_deleteButton}) {
        button->setIconSize(iconSize);
        button->setFixedSize(buttonSize);
        button->installEventFilter(this);
    }

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_lineEdit, 0, 0);
    layout->addWidget(m_browseButton, 0, 1);
    layout->addWidget(m_sceneRayFilesButton, 0, 2);
    layout->addWidget(m_deleteButton, 0, 3);

    connect(m_sceneRayFilesMenu, &QMenu::aboutToShow, this, &zkZkdRayFileNameControl::updateSceneRayFilesMenu);
    connect(m_lineEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_lineEdit->isModified())
            return;
        m_lineEdit->setModified(false);
        setFilename(m_lineEdit->text());
        // Also puts back the shown name when nothing was loaded.
        updateControl();
    });
    connect(m_browseButton, &QPushButton::clicked, this, &zkZkdRayFileNameControl::browse);
    connect(m_deleteButton, &QPushButton::clicked, this,
            [this] { getEditorWidget()->setProperty(getPropertyName(), QVariant(QString()), true); });
}

zkZkdRayFileNameControl::~zkZkdRayFileNameControl() = default;

void zkZkdRayFileNameControl::updateControl()
{
    zkBaseControl::updateControl();
    const QSignalBlocker blocker(m_lineEdit);
    m_lineEdit->setText(getPropertyValue().toString());
    m_lineEdit->setModified(false);
}

QList<QWidget *> zkZkdRayFileNameControl::getFocusWidgets() const
{
    return getFocusable({m_lineEdit, m_browseButton, m_sceneRayFilesButton, m_deleteButton});
}

QString zkZkdRayFileNameControl::getDefaultDirectory() const
{
    const QString text = m_lineEdit->text();
    if (text.isEmpty())
        return QString();
    const QString directory = QFileInfo(text).absolutePath();
    return QDir(directory).exists() ? directory : QString();
}

void zkZkdRayFileNameControl::browse()
{
    const auto *options = static_cast<const Options *>(getOptions());
    setFilename(QFileDialog::getOpenFileName(this, tr("Open Ray File"), getDefaultDirectory(), options->fileFilter));
    updateControl();
}

zkZkdRayFileNameControl::RayFiles zkZkdRayFileNameControl::getExistingRayfiles() const
{
    RayFiles rayFiles;
    const auto *lights = zkKernelServiceFactory::the().getService<zkLightService>();
    if (!lights)
        return rayFiles;
    for (const zkdBaseLightNode &light : lights->getLightNodes()) {
        const zkdRayFile rayFile = zkd_cast<zkdRayLightNode>(light).getRayFile();
        const QString name = rayFile.getFileName();
        if (!rayFile.isNull() && !name.isEmpty())
            rayFiles.emplace(name.toUtf8(), rayFile);
    }
    return rayFiles;
}

void zkZkdRayFileNameControl::updateSceneRayFilesMenu()
{
    m_sceneRayFilesMenu->clear();
    QList<QByteArray> names;
    const RayFiles rayFiles = getExistingRayfiles();
    for (const auto &entry : rayFiles)
        names.append(entry.first);
    // In name order, so that the menu reads the same each time it opens.
    std::sort(names.begin(), names.end());
    for (const QByteArray &name : qAsConst(names)) {
        const zkdRayFile rayFile = rayFiles.at(name);
        QAction *action = m_sceneRayFilesMenu->addAction(QString::fromUtf8(name));
        action->setShortcut(QKeySequence());
        connect(action, &QAction::triggered, this, [this, rayFile] { shareRayFile(rayFile); });
    }
}

void zkZkdRayFileNameControl::shareRayFile(const zkdRayFile &rayFile)
{
    const QString current = getPropertyValue().toString();
    zkPropertyEditorWidget *lightEditor = getEditorWidget()->getParentPropertyEditor();
    if (m_rayFileProperty.isEmpty() || !lightEditor || rayFile.getFileName() == current)
        return;
    lightEditor->setProperty(m_rayFileProperty, QVariant::fromValue(rayFile), true);
}

void zkZkdRayFileNameControl::setFilename(const QString &path)
{
    // A cancelled dialog or an emptied line edit; the delete button unloads.
    if (path.isEmpty())
        return;
    const RayFiles rayFiles = getExistingRayfiles();
    const auto found = rayFiles.find(path.toUtf8());
    const zkdRayFile existing = found != rayFiles.end() ? found->second : zkdRayFile();

    bool reload = false;
    if (!existing.isNull()) {
        QMessageBox question(QMessageBox::Warning, tr("Light Editor"),
                             tr("The Rayfile already exists in the scene. Do you want to reload it?"),
                             QMessageBox::NoButton, this);
        const QAbstractButton *reloadButton = question.addButton(tr("Reload"), QMessageBox::AcceptRole);
        question.addButton(tr("Use Existing"), QMessageBox::RejectRole);
        question.exec();
        reload = question.clickedButton() == reloadButton;
    }

    QString error;
    bool loaded = true;
    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Load Ray File", "Light Commands"));
        if (reload)
            loaded = existing.reload(&error);
        const bool share = loaded && existing.isValid();
        for (const zkPropertyEditorObjectWrapper *wrapper : getEditorWidget()->getCurrentObjects()) {
            if (!loaded)
                break;
            if (!wrapper->isZkdObject())
                continue;
            const zkdObject object = wrapper->getObject<zkdObject>();
            if (object.isNull())
                continue;
            if (!object.isTypeOf<zkdRayFile>())
                break;
            const auto rayFile = zkd_cast<zkdRayFile>(object);
            if (share)
                rayFile.setTo(existing);
            else
                loaded = rayFile.load(path, &error);
        }
    }
    // Every ray file reads the same file, so a failure shows at the first and stops the rest.
    if (!loaded)
        QMessageBox::warning(this, tr("Load Ray File"), error);
}
