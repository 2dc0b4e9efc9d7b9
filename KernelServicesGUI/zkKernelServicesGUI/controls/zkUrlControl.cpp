#include "zkUrlControl.h"

#include <QSourceEditor.h>
#include <zkFile.h>
#include <zkIconManager.h>
#include <zkPlatform.h>
#include <zkPropertyEditorObjectWrapper.h>
#include <zkPropertyEditorWidget.h>
#include <zkdWebEngine.h>

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QUrl>
#include <QVBoxLayout>

zkUrlControl::zkUrlControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_lineEdit(new QLineEdit(this))
    , m_openFileButton(createButton(QStringLiteral("FileOpen"),
                                    tr("Opens file browser for selecting a local HTML file as media")))
    , m_editButton(createButton(QStringLiteral("Edit"), tr("Opens editor for HTML code to be injected as media")))
    , m_reloadButton(createButton(QStringLiteral("Reload"), tr("Reloads the web page")))
    , m_clearButton(createButton(QStringLiteral("Delete"), tr("Clears the media source address")))
    , m_htmlEditor(new QDialog(this))
    , m_sourceEditor(new QSourceEditor(m_htmlEditor, QSourceEditor::Html, QString()))
{
    m_lineEdit->setToolTip(tr("Sets the URL or HTML file location of media"));
    m_clearButton->setEnabled(false);
    setEditor(m_lineEdit);

    auto *layout = new QHBoxLayout(this);
    layout->setSpacing(2);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_lineEdit);
    layout->addWidget(m_openFileButton);
    layout->addWidget(m_editButton);
    layout->addWidget(m_reloadButton);
    layout->addWidget(m_clearButton);

    m_htmlEditor->setWindowTitle(tr("Html Editor"));
    m_htmlEditor->resize(640, 512);
    m_sourceEditor->setText(m_lineEdit->text());
    auto *applyButton = new QPushButton(tr("Apply"), m_htmlEditor);
    auto *editorLayout = new QVBoxLayout(m_htmlEditor);
    editorLayout->setSpacing(0);
    editorLayout->setContentsMargins(2, 2, 2, 2);
    editorLayout->addWidget(m_sourceEditor);
    editorLayout->addWidget(applyButton);

    connect(m_lineEdit, &QLineEdit::editingFinished, this, &zkUrlControl::commit);
    connect(m_openFileButton, &QPushButton::clicked, this, &zkUrlControl::openFile);
    connect(m_editButton, &QPushButton::clicked, this, &zkUrlControl::editHtml);
    connect(m_reloadButton, &QPushButton::clicked, this, &zkUrlControl::reload);
    connect(m_clearButton, &QPushButton::clicked, this, &zkUrlControl::clear);
    connect(m_htmlEditor, &QDialog::finished, m_editButton, [this] { m_editButton->setEnabled(true); });
    connect(applyButton, &QPushButton::clicked, this,
            [this] { setPropertyValue(convertToUrl(m_sourceEditor->text()), true); });
}

QPushButton *zkUrlControl::createButton(const QString &icon, const QString &toolTip)
{
    auto *button = new QPushButton(this);
    button->setFixedSize(qRound(24 * zkPlatform::getDpiScaleX()), qRound(24 * zkPlatform::getDpiScaleY()));
    button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    button->setIcon(zkIconManager::getIcon(icon, QString()));
    button->setIconSize(QSize(zkPlatform::getMediumIconSizeX(), zkPlatform::getMediumIconSizeY()));
    button->setToolTip(toolTip);
    button->installEventFilter(this);
    return button;
}

void zkUrlControl::updateControl()
{
    zkBaseControl::updateControl();
    const QString text = getPropertyValue().toString();
    updateText(text);
    m_clearButton->setEnabled(!text.isEmpty());
}

void zkUrlControl::updateText(const QString &text)
{
    {
        const QSignalBlocker blocker(m_lineEdit);
        m_lineEdit->setText(text);
    }
    // HTML code spans lines, which a line edit cannot show; it is edited in the source editor.
    m_lineEdit->setEnabled(text.size() < m_lineEdit->maxLength() && !text.contains(QLatin1Char('\n')));
    // Resetting the same text would move the cursor of someone typing in the source editor.
    if (m_sourceEditor->text() != text)
        m_sourceEditor->setText(text);
}

QString zkUrlControl::convertToUrl(const QString &text)
{
    if (zkFile::expandFilename(text) != text)
        return text;
    QUrl url = QFileInfo(text).isFile() ? QUrl::fromLocalFile(text) : QUrl(text, QUrl::StrictMode);
    if (!url.isValid())
        return text;
    if (url.scheme().isEmpty()) {
        // A bare host parses as a path, which the scheme alone turns into "http:host".
        url.setScheme(QStringLiteral("http"));
        QString address = url.toString();
        if (!address.startsWith(QLatin1String("http://"))) {
            address.replace(address.indexOf(QLatin1String("http:")), 5, QStringLiteral("http://"));
            url = QUrl(address, QUrl::StrictMode);
        }
    }
    return QString::fromLatin1(url.toEncoded(QUrl::FullyEncoded));
}

void zkUrlControl::commit()
{
    if (!m_lineEdit->isModified())
        return;
    // A write of the value already held is not echoed back, so the flag is cleared here.
    m_lineEdit->setModified(false);
    setPropertyValue(convertToUrl(m_lineEdit->text()), true);
}

void zkUrlControl::openFile()
{
    const QString path =
        QFileDialog::getOpenFileName(this, tr("Open Html File"), QString(), tr("Hypertext Markup Language (*.html)"));
    if (!path.isNull())
        setPropertyValue(convertToUrl(path), true);
}

void zkUrlControl::editHtml()
{
    m_editButton->setEnabled(false);
    m_htmlEditor->show();
}

void zkUrlControl::reload()
{
    for (const zkPropertyEditorObjectWrapper *object : getEditorWidget()->getCurrentObjects()) {
        if (!object->isZkdObject())
            continue;
        if (const auto engine = zkd_cast<zkdWebEngine>(object->getObject<zkdObject>()); !engine.isNull())
            engine.reload();
    }
}

void zkUrlControl::clear()
{
    setPropertyValue(QString(), true);
    updateControl();
}

QList<QWidget *> zkUrlControl::getFocusWidgets() const
{
    return getFocusable({m_lineEdit, m_openFileButton, m_editButton, m_reloadButton, m_clearButton});
}
