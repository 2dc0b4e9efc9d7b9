#include "zkZkdLightProfileControl.h"

#include <zkIconManager.h>
#include <zkPlatform.h>
#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkScopedMultiCommand.h>
#include <zkScopedUndo.h>
#include <zkUndoString.h>
#include <zkdLightProfile.h>
#include <zkdObjectManager.h>

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStringList>

namespace {

zkdLightProfile toProfile(const QVariant &value)
{
    return zkd_cast<zkdLightProfile>(zkdObjectManager::fromVariant(value));
}

} // namespace

zkZkdLightProfileControl::zkZkdLightProfileControl(zkPropertyEditorWidget *editor, const QByteArray &propertyName,
                                                   Options *options)
    : zkBaseControl(editor, propertyName, options)
    , m_spacer(new QWidget(this))
    , m_useCheckBox(new QCheckBox(tr("Use Light Profile"), this))
    , m_pathLabel(new QLabel(tr("IES Profile"), this))
    , m_lineEdit(new QLineEdit(this))
    , m_browseButton(new QPushButton(this))
    , m_shapeButton(new QPushButton(tr("Set Profile Shape"), this))
    , m_infoBox(new QGroupBox(tr("Profile Info"), this))
{
    m_spacer->setFixedWidth(options->labelWidth);

    m_useCheckBox->setToolTip(tr("Enables a light profile from an imported file to be used."));
    m_useCheckBox->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    m_pathLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_pathLabel->setFixedWidth(options->labelWidth);
    m_pathLabel->setToolTip(tr("Defines where the light profile is located.\nClip the Browse icon to the right to "
                               "locate\nthe .ies file."));

    m_lineEdit->setToolTip(tr("Sets the file path of the IES Profile"));
    setEditor(m_lineEdit);

    m_browseButton->setIcon(zkIconManager::getIcon(QStringLiteral("FileOpen"), QString()));
    m_browseButton->setIconSize(QSize(zkPlatform::getMediumIconSizeX(), zkPlatform::getMediumIconSizeY()));
    const QSize buttonSize(int(24 * zkPlatform::getDpiScaleX()), int(24 * zkPlatform::getDpiScaleY()));
    m_browseButton->setMinimumSize(buttonSize);
    m_browseButton->setMaximumSize(buttonSize);
    m_browseButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_browseButton->setToolTip(tr("Opens a file browser for loading the IES Profile from a file"));
    m_browseButton->installEventFilter(this);

    m_shapeButton->setToolTip(tr("Uses the shape information from the .ies file for the selected light."));
    m_shapeButton->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);

    createInfoBox();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(m_spacer, 0, 0);
    layout->addWidget(m_useCheckBox, 0, 1);
    layout->addWidget(m_pathLabel, 1, 0);
    layout->addWidget(m_lineEdit, 1, 1);
    layout->addWidget(m_browseButton, 1, 2);
    layout->addWidget(m_shapeButton, 2, 1);
    layout->addWidget(m_infoBox, 4, 0, -1, -1);

    // The row spans the value columns; the spacer stands in for the caption.
    if (options->isLabelHidden())
        setLabel(nullptr);

    connect(m_lineEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_lineEdit->isModified())
            return;
        m_lineEdit->setModified(false);
        loadProfile(m_lineEdit->text());
    });
    connect(m_useCheckBox, &QCheckBox::stateChanged, this, &zkZkdLightProfileControl::onUseProfileChanged);
    connect(m_browseButton, &QPushButton::clicked, this, &zkZkdLightProfileControl::onLoadClicked);
    connect(m_shapeButton, &QPushButton::clicked, this, &zkZkdLightProfileControl::onSetShapeClicked);
}

zkZkdLightProfileControl::~zkZkdLightProfileControl() = default;

void zkZkdLightProfileControl::createInfoBox()
{
    const QStringList captions = {tr("Lumens per Lamp:"),    tr("Number of Lamps:"),   tr("Candela Multiplier:"),
                                  tr("Units Type:"),         tr("Ballast Factor:"),    tr("Dimension:"),
                                  tr("Photometric Type:"),   tr("Vertical Angles:"),   tr("Input Watts:"),
                                  tr("Horizontal Angles:")};
    auto *grid = new QGridLayout(m_infoBox);
    grid->setContentsMargins(9, 9, 9, 9);
    grid->setSpacing(6);
    for (int i = 0; i < InfoCount; ++i) {
        const int row = i / 2;
        const int column = (i % 2) * 4;
        auto *caption = new QLabel(captions.at(i), m_infoBox);
        caption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        grid->addWidget(caption, row, column, 1, 2);
        m_values[i] = new QLabel(QStringLiteral("0"), m_infoBox);
        m_values[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(m_values[i], row, column + 2);
    }
    grid->addWidget(new QLabel(QStringLiteral(" "), m_infoBox), 0, 3);
}

zkdLightProfile zkZkdLightProfileControl::getProfile() const
{
    return toProfile(getPropertyValue());
}

QList<zkdLightProfile> zkZkdLightProfileControl::getProfiles() const
{
    QList<zkdLightProfile> profiles;
    for (const zkPropertyEditorObjectWrapper *wrapper : getEditorWidget()->getCurrentObjects()) {
        const zkdLightProfile profile = toProfile(wrapper->getProperty(getPropertyName()));
        if (!profile.isNull())
            profiles.append(profile);
    }
    return profiles;
}

void zkZkdLightProfileControl::updateControl()
{
    zkBaseControl::updateControl();
    const zkdLightProfile profile = getProfile();
    const QSignalBlocker blocker(m_useCheckBox);
    m_useCheckBox->setChecked(profile.getUseLightProfile());

    m_lineEdit->setText(profile.getAbsolutePath());
    m_lineEdit->setModified(false);
    m_lineEdit->setEnabled(!profile.isNull());
    m_browseButton->setEnabled(!profile.isNull());

    m_values[LumensPerLamp]->setNum(double(profile.getLumensPerLamp()));
    m_values[NumberOfLamps]->setNum(profile.getNumLuminaires());
    m_values[CandelaMultiplier]->setNum(double(profile.getCandelaMultiplier()));
    switch (profile.getUnitsType()) {
    case 1:
        m_values[UnitsType]->setText(tr("Feet"));
        break;
    case 2:
        m_values[UnitsType]->setText(tr("Meter"));
        break;
    default:
        break;
    }
    m_values[BallastFactor]->setNum(double(profile.getBallastFactor()));
    const QVector3D size = profile.getSize();
    m_values[Dimension]->setText(QStringList{QString::number(size.x(), 'g', 6), QString::number(size.y(), 'g', 6),
                                             QString::number(size.z(), 'g', 6)}
                                         .join(QStringLiteral(", ")));
    switch (profile.getPhotometricType()) {
    case 1:
        m_values[PhotometricType]->setText(tr("Type C"));
        break;
    case 2:
        m_values[PhotometricType]->setText(tr("Type B"));
        break;
    case 3:
        m_values[PhotometricType]->setText(tr("Type A"));
        break;
    default:
        break;
    }
    m_values[VerticalAngles]->setNum(profile.getNumVerticalAngles());
    m_values[InputWatts]->setNum(double(profile.getInputWatts()));
    m_values[HorizontalAngles]->setNum(profile.getNumHorizontalAngles());

    const bool used = m_useCheckBox->isChecked();
    for (QWidget *widget : {static_cast<QWidget *>(m_pathLabel), static_cast<QWidget *>(m_lineEdit),
                            static_cast<QWidget *>(m_browseButton), static_cast<QWidget *>(m_shapeButton),
                            static_cast<QWidget *>(m_infoBox)})
        widget->setVisible(used);
}

QList<QWidget *> zkZkdLightProfileControl::getFocusWidgets() const
{
    return getFocusable({m_useCheckBox, m_lineEdit, m_browseButton, m_shapeButton});
}

void zkZkdLightProfileControl::changeProfiles(const char *text,
                                              const std::function<void(const zkdLightProfile &)> &change)
{
    const zkScopedUndo undo(true);
    const zkScopedMultiCommand step(zkUndoString(text, "Light Commands"));
    for (const zkdLightProfile &profile : getProfiles())
        change(profile);
}

void zkZkdLightProfileControl::onUseProfileChanged()
{
    const bool use = m_useCheckBox->checkState() != Qt::Unchecked;
    changeProfiles("Use Light Profile", [use](const zkdLightProfile &profile) { profile.setUseLightProfile(use); });
    zkPropertyEditorWidget *editor = getEditorWidget();
    zkPropertyEditorFactory::updateChangedProperties(editor, editor->getInheritanceHierarchy(), getPropertyName());
    updateControl();
}

void zkZkdLightProfileControl::onLoadClicked()
{
    loadProfile(QFileDialog::getOpenFileName(this, tr("Open IES Profile File"), getDefaultDirectory(),
                                             QStringLiteral("*.ies")));
}

QString zkZkdLightProfileControl::getDefaultDirectory() const
{
    const QString text = m_lineEdit->text();
    if (text.isEmpty())
        return QString();
    const QString directory = QFileInfo(text).absolutePath();
    return QDir(directory).exists() ? directory : QString();
}

void zkZkdLightProfileControl::loadProfile(const QString &path)
{
    if (path.isEmpty())
        return;
    const QList<zkdLightProfile> profiles = getProfiles();
    if (profiles.isEmpty())
        return;
    QString error;
    bool loaded = false;
    {
        const zkScopedUndo undo(true);
        const zkScopedMultiCommand step(zkUndoString("Load Light Profile", "Light Commands"));
        // Every light reads the same file, so the first load decides for all.
        loaded = profiles.first().load(path, &error);
        for (int i = 1; loaded && i < profiles.size(); ++i)
            profiles.at(i).load(path);
    }
    if (!loaded)
        QMessageBox::warning(this, tr("Load IES Profile"), error);
    // Also puts back the shown path after a failed load.
    updateControl();
}

void zkZkdLightProfileControl::onSetShapeClicked()
{
    changeProfiles("Set Profile Shape", [](const zkdLightProfile &profile) { profile.setLightProfileShape(); });
}
