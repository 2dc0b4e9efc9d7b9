#include "zkWorldMapLocationControl.h"

#include "zkWorldMapGraphicsScene.h"

#include <zkControllerService.h>
#include <zkKernelServiceFactory.h>
#include <zkPlatform.h>
#include <zkPropertyEditorWidget.h>

#include <QCompleter>
#include <QGraphicsView>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace {

constexpr int mapWidth = 350;
constexpr int mapHeight = 175;

zkControllerService *controllerService()
{
    return zkKernelServiceFactory::the().getService<zkControllerService>();
}

} // namespace

zkWorldMapLocationControl::zkWorldMapLocationControl(zkPropertyEditorWidget *editorWidget,
                                                     const QByteArray &propertyName, Options *options)
    : zkBaseControl(editorWidget, propertyName, options)
    , m_container(new QWidget(this))
    , m_valueLabel(new QLabel(m_container))
{
    if (options->extraProperties.size() >= 2) {
        m_longitudeProperty = options->extraProperties.at(0);
        m_latitudeProperty = options->extraProperties.at(1);
    }

    setEditor(m_container);
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_container);

    // The scene is the view's whole pixels, so that every pixel of the view lies on the map.
    const QSize size(int(mapWidth * zkPlatform::getDpiScaleX()), int(mapHeight * zkPlatform::getDpiScaleY()));
    m_scene = new zkWorldMapGraphicsScene(size.width(), this);
    connect(m_scene, &zkWorldMapGraphicsScene::coordinateChanged, this, &zkWorldMapLocationControl::coordinateChanged);

    m_view = new QGraphicsView(m_scene, m_container);
    m_view->setFixedSize(size);
    m_view->setCursor(Qt::CrossCursor);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setLineWidth(0);
    m_scene->setSceneRect(QRectF(QPointF(0.0, 0.0), size));

    auto *searchLabel = new QLabel(tr("Location Search"), m_container);
    m_searchLineEdit = new QLineEdit(m_container);
    const zkControllerService *controller = controllerService();
    auto *completer = new QCompleter(controller ? controller->getCityNames() : QStringList(), m_searchLineEdit);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    completer->setCompletionMode(QCompleter::PopupCompletion);
    m_searchLineEdit->setCompleter(completer);
    m_container->setFocusProxy(m_searchLineEdit);

    connect(m_searchLineEdit, &QLineEdit::editingFinished, this, [this] {
        if (!m_searchLineEdit->isModified())
            return;
        m_searchLineEdit->setModified(false);
        searchCity(m_searchLineEdit->text());
    });
    connect(completer, qOverload<const QString &>(&QCompleter::activated), this,
            &zkWorldMapLocationControl::searchCity);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(searchLabel);
    searchRow->addWidget(m_searchLineEdit);
    auto *containerLayout = new QVBoxLayout(m_container);
    containerLayout->setContentsMargins(0, 0, 0, 0);
    containerLayout->addWidget(m_valueLabel);
    containerLayout->addWidget(m_view);
    containerLayout->addLayout(searchRow);
}

void zkWorldMapLocationControl::updateControl()
{
    zkBaseControl::updateControl();
    const zkPropertyEditorWidget *editor = getEditorWidget();
    const float longitude = editor->getProperty(m_longitudeProperty).toFloat();
    const float latitude = editor->getProperty(m_latitudeProperty).toFloat();
    {
        const QSignalBlocker blocker(m_scene);
        m_scene->setLocation(longitude, latitude);
        m_scene->update();
    }
    {
        const QSignalBlocker blocker(m_valueLabel);
        m_valueLabel->setText(getPropertyValue().toString());
    }
    m_searchLineEdit->clear();
}

QList<QWidget *> zkWorldMapLocationControl::getFocusWidgets() const
{
    return getFocusable({m_searchLineEdit});
}

void zkWorldMapLocationControl::coordinateChanged(double longitude, double latitude)
{
    getEditorWidget()->setProperties({{m_longitudeProperty, QVariant(float(longitude))},
                                      {m_latitudeProperty, QVariant(float(latitude))}},
                                     true);
}

void zkWorldMapLocationControl::searchCity(const QString &name)
{
    const zkControllerService *controller = controllerService();
    double longitude = 0.0;
    double latitude = 0.0;
    if (!controller || !controller->getCityCoordinates(name.trimmed(), longitude, latitude))
        return;
    coordinateChanged(longitude, latitude);
}
