#include "zkZkdImageControl.h"

#include <zkFileIOService.h>
#include <zkIconManager.h>
#include <zkImageService.h>
#include <zkKernelServiceFactory.h>
#include <zkPathHandler.h>
#include <zkPlatform.h>
#include <zkPropertyEditorWidget.h>
#include <zkdImage.h>
#include <zkdObjectManager.h>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

const zkImageService *imageService()
{
    return zkKernelServiceFactory::the().getService<zkImageService>();
}

const zkFileIOService *fileService()
{
    return zkKernelServiceFactory::the().getService<zkFileIOService>();
}

// "2048 × 1024, EXR, 16 bits per channel"; empty for an image made in memory.
QString describe(const zkdImage &image)
{
    if (image.isNull() || image.getFormatName().isEmpty())
        return QString();
    return zkZkdImageControl::tr("%1 × %2, %3, %4 bits per channel")
        .arg(image.getWidth())
        .arg(image.getHeight())
        .arg(image.getFormatName())
        .arg(image.getBitsPerChannel());
}

} // namespace

zkZkdImageControl::zkZkdImageControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName, Options *options)
    : zkBaseControl(editor, propertyName, options)
    , m_lineEdit(new QLineEdit(this))
    , m_deleteButton(createButton(QStringLiteral("Delete"), tr("Deletes the image")))
    , m_loadButton(createButton(QStringLiteral("FileOpen"), tr("Opens a file browser for loading the image from a file")))
    , m_saveButton(createButton(QStringLiteral("Save"), tr("Opens a file browser for saving the image to a file")))
    , m_reloadButton(createButton(QStringLiteral("Reload"), tr("Reloads the image")))
    , m_container(new QWidget(this))
{
    m_lineEdit->setToolTip(tr("Sets the file path of the image"));
    setEditor(m_lineEdit);

    if (options->extraProperties.contains("useTexture")) {
        m_useProperty = "useTexture";
        m_useCheckBox = new QCheckBox(tr("Use Texture"), editor->getCurrentControlLayoutWidget());
        // The box stands right of its text, where the caption ends.
        m_useCheckBox->setLayoutDirection(Qt::RightToLeft);
        m_useCheckBox->setFixedWidth(options->labelWidth);
        setLabel(m_useCheckBox);
    }

    if (options->showPremultipliedAlpha) {
        m_premultipliedCheckBox = new QCheckBox(tr("Premultiplied Alpha"), this);
        m_premultipliedCheckBox->setToolTip(
            tr("Sets if the image has to be interpreted as straight alpha or premultiplied alpha"));
        m_premultipliedCheckBox->installEventFilter(this);
    }

    m_loadButton->setVisible(options->pathEditable);
    m_lineEdit->setReadOnly(!options->pathEditable);
    m_saveButton->setVisible(options->showSave);
    m_reloadButton->setVisible(options->showReload);
    m_deleteButton->setVisible(options->showDelete);

    auto *grid = new QGridLayout(m_container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    grid->addWidget(m_lineEdit, 0, 0);
    if (options->pathEditable)
        grid->addWidget(m_loadButton, 0, 1);
    grid->addWidget(m_saveButton, 0, 2);
    grid->addWidget(m_reloadButton, 0, 3);
    if (options->showDelete)
        grid->addWidget(m_deleteButton, 0, 4);
    if (m_premultipliedCheckBox)
        grid->addWidget(m_premultipliedCheckBox, 1, 0, 1, 5);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_container);

    connect(m_lineEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_lineEdit->isModified())
            return;
        m_lineEdit->setModified(false);
        loadImage(m_lineEdit->text());
    });
    connect(m_loadButton, &QPushButton::clicked, this, &zkZkdImageControl::onLoadClicked);
    connect(m_saveButton, &QPushButton::clicked, this, &zkZkdImageControl::saveImage);
    connect(m_reloadButton, &QPushButton::clicked, this, &zkZkdImageControl::reloadImage);
    connect(m_deleteButton, &QPushButton::clicked, this, &zkZkdImageControl::deleteImage);
    if (m_premultipliedCheckBox)
        connect(m_premultipliedCheckBox, &QCheckBox::stateChanged, this, &zkZkdImageControl::setPremultiplied);
    if (m_useCheckBox) {
        connect(m_useCheckBox, &QCheckBox::toggled, this, [this](bool checked) {
            getEditorWidget()->setProperty(m_useProperty, QVariant(checked), true);
            updateControl();
        });
    }
}

zkZkdImageControl::~zkZkdImageControl() = default;

QPushButton *zkZkdImageControl::createButton(const QString &icon, const QString &toolTip)
{
    auto *button = new QPushButton(this);
    button->setIcon(zkIconManager::getIcon(icon, QString()));
    button->setIconSize(QSize(zkPlatform::getMediumIconSizeX(), zkPlatform::getMediumIconSizeY()));
    button->setFixedSize(int(24 * zkPlatform::getDpiScaleX()), int(24 * zkPlatform::getDpiScaleY()));
    button->setToolTip(toolTip);
    button->installEventFilter(this);
    return button;
}

zkdImage zkZkdImageControl::getImage() const
{
    return zkd_cast<zkdImage>(zkdObjectManager::fromVariant(getPropertyValue()));
}

void zkZkdImageControl::updateControl()
{
    zkBaseControl::updateControl();
    const zkdImage image = getImage();
    {
        const QSignalBlocker blocker(m_lineEdit);
        m_lineEdit->setText(image.getFileName());
    }
    const QString details = describe(image);
    const QString toolTip = tr("Sets the file path of the image");
    m_lineEdit->setToolTip(details.isEmpty() ? toolTip : toolTip + QLatin1Char('\n') + details);
    const bool hasImage = !image.isNull();
    m_saveButton->setEnabled(hasImage);
    m_reloadButton->setEnabled(hasImage);
    m_deleteButton->setEnabled(hasImage);
    if (m_premultipliedCheckBox) {
        const QSignalBlocker blocker(m_premultipliedCheckBox);
        m_premultipliedCheckBox->setChecked(image.getPremultipliedAlpha());
    }
    if (m_useCheckBox) {
        const bool used = getEditorWidget()->getProperty(m_useProperty).toBool();
        {
            const QSignalBlocker blocker(m_useCheckBox);
            m_useCheckBox->setChecked(used);
        }
        m_container->setEnabled(used);
    }
}

QList<QWidget *> zkZkdImageControl::getFocusWidgets() const
{
    QList<QWidget *> widgets{m_lineEdit, m_loadButton, m_saveButton, m_reloadButton, m_deleteButton};
    if (m_premultipliedCheckBox)
        widgets.append(m_premultipliedCheckBox);
    return getFocusable(widgets);
}

QString zkZkdImageControl::getDefaultDirectory() const
{
    const QString text = m_lineEdit->text();
    if (text.isEmpty())
        return QString();
    const QString directory = QFileInfo(text).absolutePath();
    return QDir(directory).exists() ? directory : QString();
}

void zkZkdImageControl::showFailure(const QString &title, const QString &reason)
{
    QMessageBox::warning(this, title, reason);
}

void zkZkdImageControl::onLoadClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open Image File"), getDefaultDirectory(),
                                                      fileService()->getImageOpenFilter());
    loadImage(path);
}

void zkZkdImageControl::loadImage(const QString &path)
{
    if (path.isEmpty())
        return;
    QString error;
    const zkdImage image = imageService()->loadImage(path, &error);
    if (image.isNull()) {
        showFailure(tr("Load Image"), error);
        // The typed path would otherwise stand for an image the objects do not hold.
        updateControl();
        return;
    }
    getEditorWidget()->setProperty(getPropertyName(), QVariant::fromValue(image), true);
}

void zkZkdImageControl::saveImage()
{
    const zkdImage image = getImage();
    if (image.isNull())
        return;
    QString error;
    if (image.hasInlinedSequence()) {
        QString start = image.getAbsolutePath();
        if (start.isEmpty())
            start = zkPathHandler::getRecentPath();
        const QString directory =
            QFileDialog::getExistingDirectory(this, tr("Save Textures"), start, QFileDialog::ShowDirsOnly);
        if (!directory.isEmpty() && !imageService()->saveImageSequence(image, directory, &error))
            showFailure(tr("Save Textures"), error);
        return;
    }
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Image File"), getDefaultDirectory(),
                                                      fileService()->getImageSaveFilter());
    if (!path.isEmpty() && !imageService()->saveImage(image, path, &error))
        showFailure(tr("Save Image File"), error);
}

void zkZkdImageControl::reloadImage()
{
    const zkdImage image = getImage();
    if (!image.isNull())
        loadImage(image.getFileName());
}

void zkZkdImageControl::deleteImage()
{
    getEditorWidget()->setProperty(getPropertyName(), QVariant::fromValue(zkdImage()), true);
}

void zkZkdImageControl::setPremultiplied(int state)
{
    const zkdImage image = getImage();
    if (!image.isNull())
        image.setPremultipliedAlpha(state == Qt::Checked);
}
