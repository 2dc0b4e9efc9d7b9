#include <zkWorldMapGraphicsScene.h>
#include <zkWorldMapLocationControl.h>

#include <zkPropertyEditorFactory.h>
#include <zkPropertyEditorWidget.h>
#include <zkPropertyEditorZkdObjectWrapper.h>
#include <zkUndoStack.h>
#include <zkdObjectManager.h>
#include <zkdSkylightLocation.h>

#include <QApplication>
#include <QCompleter>
#include <QGraphicsEllipseItem>
#include <QGraphicsTextItem>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <cmath>
#include <memory>

namespace {

zkUndoStack *stack()
{
    return zkUndoStack::instance();
}

// A mouse move over a widget with the given buttons held; QTest moves the cursor instead.
void moveMouse(QWidget *widget, const QPoint &position, Qt::MouseButtons buttons)
{
    QMouseEvent event(QEvent::MouseMove, position, widget->mapToGlobal(position), Qt::NoButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void sendEvent(QWidget *widget, QEvent::Type type)
{
    QEvent event(type);
    QApplication::sendEvent(widget, &event);
}

} // namespace

// Picking a location on the world map or by city name, and showing the kernel's location.
// Click cases pick the pixel of a city; the kernel then names the closest city, from the
// system's time zones or the built-in list, both of which hold the cities used here.
class tst_zkWorldMapLocationControl : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void construction();
    void clickWritesLocation_data();
    void clickWritesLocation();
    void leftEdgeAtMidHeight();
    void drag_data();
    void drag();
    void coordinateText();
    void showsKernelLocation_data();
    void showsKernelLocation();
    void search_data();
    void search();
    void writesEveryLocationInOneStep();

private:
    void createEditor(int locations);
    QWidget *map() const { return m_control->getGraphicsView()->viewport(); }
    double width() const { return m_control->getScene()->sceneRect().width(); }
    double height() const { return m_control->getScene()->sceneRect().height(); }
    QPoint pixelOf(double longitude, double latitude) const
    {
        return QPoint(int(std::lround((longitude + 180.0) / 360.0 * width())),
                      int(std::lround((90.0 - latitude) / 180.0 * height())));
    }
    QVariant valueOf(int location, const char *property) const { return m_locations.at(location).property(property); }

    QList<zkdSkylightLocation> m_locations;
    std::unique_ptr<zkPropertyEditorWidget> m_editor;
    zkWorldMapLocationControl *m_control = nullptr;
};

void tst_zkWorldMapLocationControl::init()
{
    createEditor(1);
}

void tst_zkWorldMapLocationControl::createEditor(int locations)
{
    cleanup();
    for (int i = 0; i < locations; ++i)
        m_locations.append(zkdObjectManager::create<zkdSkylightLocation>());
    auto *factory = new zkPropertyEditorFactory;
    factory->registerEditor<zkdSkylightLocation, QString, zkWorldMapLocationControl>("closestCity");
    m_editor = std::make_unique<zkPropertyEditorWidget>(nullptr, QList<zkPropertyEditorFactory *>{factory});
    m_editor->setKeepProperties({"closestCity"});
    QList<zkPropertyEditorObjectWrapper *> wrappers;
    for (const zkdSkylightLocation &location : qAsConst(m_locations))
        wrappers.append(new zkPropertyEditorZkdObjectWrapper(location));
    m_editor->setCurrentObjects(wrappers);
    m_control = qobject_cast<zkWorldMapLocationControl *>(m_editor->getControl("closestCity"));
    QVERIFY(m_control);
    m_editor->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_editor.get()));
    stack()->clear();
}

void tst_zkWorldMapLocationControl::cleanup()
{
    m_control = nullptr;
    m_editor.reset();
    for (const zkdSkylightLocation &location : qAsConst(m_locations))
        zkdObjectManager::destroy(location);
    m_locations.clear();
    stack()->clear();
}

void tst_zkWorldMapLocationControl::construction()
{
    QCOMPARE(m_control->getLongitudeProperty(), QByteArray("longitude"));
    QCOMPARE(m_control->getLatitudeProperty(), QByteArray("latitude"));
    const QGraphicsView *view = m_control->getGraphicsView();
    const zkWorldMapGraphicsScene *scene = m_control->getScene();
    // The view shows the map one to one.
    QCOMPARE(view->size(), scene->sceneRect().size().toSize());
    QCOMPARE(view->mapToScene(QPoint(0, 0)), QPointF(0.0, 0.0));
    QCOMPARE(scene->sceneRect().topLeft(), QPointF(0.0, 0.0));
    QCOMPARE(scene->getPixmap().width(), int(width()));
    QVERIFY(!scene->getDragOrigin()->isVisible());
    QVERIFY(!scene->getCoordinateText()->isVisible());

    QCOMPARE(m_control->getValueLabel()->text(), valueOf(0, "closestCity").toString());
    const QCompleter *completer = m_control->getSearchLineEdit()->completer();
    QVERIFY(completer);
    const QAbstractItemModel *cities = completer->model();
    QVERIFY(!cities->match(cities->index(0, 0), Qt::DisplayRole, QStringLiteral("Tokyo"), 1, Qt::MatchExactly)
                 .isEmpty());
}

void tst_zkWorldMapLocationControl::clickWritesLocation_data()
{
    QTest::addColumn<double>("longitude");
    QTest::addColumn<double>("latitude");
    QTest::addColumn<QString>("city");

    QTest::newRow("Tokyo") << 139.74 << 35.65 << "Tokyo";
    QTest::newRow("Sydney") << 151.21 << -33.87 << "Sydney";
    QTest::newRow("Buenos Aires") << -58.45 << -34.6 << "Buenos Aires";
    QTest::newRow("Moscow") << 37.62 << 55.76 << "Moscow";
}

void tst_zkWorldMapLocationControl::clickWritesLocation()
{
    QFETCH(double, longitude);
    QFETCH(double, latitude);
    QFETCH(QString, city);

    const QVariant oldLongitude = valueOf(0, "longitude");
    const QVariant oldLatitude = valueOf(0, "latitude");
    const QString oldCity = valueOf(0, "closestCity").toString();
    const QPoint pixel = pixelOf(longitude, latitude);
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, pixel);

    QCOMPARE(valueOf(0, "longitude").toFloat(), float(pixel.x() / width() * 360.0 - 180.0));
    QCOMPARE(valueOf(0, "latitude").toFloat(), float((height() - pixel.y()) / height() * 180.0 - 90.0));
    QCOMPARE(valueOf(0, "closestCity").toString(), city);
    QCOMPARE(m_control->getValueLabel()->text(), city);
    QCOMPARE(m_control->getScene()->getMarker()->pos(), QPointF(pixel));
    QCOMPARE(stack()->count(), 1);

    stack()->undo();
    QCOMPARE(valueOf(0, "longitude"), oldLongitude);
    QCOMPARE(valueOf(0, "latitude"), oldLatitude);
    QCOMPARE(valueOf(0, "closestCity").toString(), oldCity);
    QCOMPARE(m_control->getValueLabel()->text(), oldCity);
}

void tst_zkWorldMapLocationControl::leftEdgeAtMidHeight()
{
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, QPoint(0, int(height() / 2)));
    QCOMPARE(valueOf(0, "longitude").toFloat(), -180.0f);
    // Within half a pixel of the equator.
    QVERIFY(std::abs(valueOf(0, "latitude").toFloat()) <= 90.0 / height());
    QCOMPARE(stack()->count(), 1);
}

void tst_zkWorldMapLocationControl::drag_data()
{
    QTest::addColumn<bool>("fromMarker");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<bool>("written");

    QTest::newRow("marker onto the map") << true << QPoint(40, 30) << true;
    QTest::newRow("marker off the map") << true << QPoint(-20, 30) << false;
    QTest::newRow("marker below the map") << true << QPoint(40, 400) << false;
    QTest::newRow("elsewhere onto the map") << false << QPoint(300, 150) << true;
}

void tst_zkWorldMapLocationControl::drag()
{
    QFETCH(bool, fromMarker);
    QFETCH(QPoint, release);
    QFETCH(bool, written);

    zkWorldMapGraphicsScene *scene = m_control->getScene();
    const QPointF origin = scene->getMarker()->pos();
    const QVariant oldLongitude = valueOf(0, "longitude");
    QSignalSpy hints(scene, &zkWorldMapGraphicsScene::coordinateChangedHint);
    // Just beside the marker's centre still grabs the marker rather than moving it.
    const QPoint press = fromMarker ? origin.toPoint() + QPoint(1, 1) : QPoint(100, 100);
    QTest::mousePress(map(), Qt::LeftButton, Qt::NoModifier, press);
    QCOMPARE(scene->getMarker()->pos(), fromMarker ? origin : QPointF(press));
    QVERIFY(scene->getDragOrigin()->isVisible());
    QCOMPARE(scene->getDragOrigin()->pos(), origin);

    moveMouse(map(), QPoint(200, 50), Qt::LeftButton);
    QCOMPARE(scene->getMarker()->pos(), QPointF(200, 50));
    moveMouse(map(), release, Qt::LeftButton);
    // Off the map the marker waits at the last place on it.
    QCOMPARE(scene->getMarker()->pos(), written ? QPointF(release) : QPointF(200, 50));
    QCOMPARE(hints.count(), written ? 2 : 1);
    QCOMPARE(hints.first().at(0).toDouble(), 200 / width() * 360.0 - 180.0);
    QCOMPARE(hints.first().at(1).toDouble(), (height() - 50) / height() * 180.0 - 90.0);
    QCOMPARE(stack()->count(), 0);
    QCOMPARE(valueOf(0, "longitude"), oldLongitude);

    QTest::mouseRelease(map(), Qt::LeftButton, Qt::NoModifier, release);
    QVERIFY(!scene->isDragging());
    QVERIFY(!scene->getDragOrigin()->isVisible());
    QCOMPARE(stack()->count(), written ? 1 : 0);
    if (written) {
        QCOMPARE(valueOf(0, "longitude").toFloat(), float(release.x() / width() * 360.0 - 180.0));
        QCOMPARE(scene->getMarker()->pos(), QPointF(release));
    } else {
        QCOMPARE(valueOf(0, "longitude"), oldLongitude);
        QCOMPARE(scene->getMarker()->pos(), origin);
    }
}

void tst_zkWorldMapLocationControl::coordinateText()
{
    const QGraphicsTextItem *text = m_control->getScene()->getCoordinateText();
    sendEvent(map(), QEvent::Enter);
    QVERIFY(text->isVisible());

    const QPoint left(int(width() / 4), int(height() / 4));
    moveMouse(map(), left, Qt::NoButton);
    const QString expected = QLatin1Char('(') + QString::number(left.x() / width() * 360.0 - 180.0, 'g', 3)
        + QStringLiteral(", ") + QString::number((height() - left.y()) / height() * 180.0 - 90.0, 'g', 3)
        + QLatin1Char(')');
    QCOMPARE(text->toPlainText(), expected);
    QCOMPARE(text->pos(), QPointF(left) + QPointF(10, 10));

    // Near the right and bottom edges the text goes to the other side of the pointer.
    const QPoint corner(int(width()) - 2, int(height()) - 2);
    moveMouse(map(), corner, Qt::NoButton);
    const QSizeF size = text->boundingRect().size();
    QCOMPARE(text->pos(), QPointF(corner) - QPointF(10, 10) - QPointF(size.width(), size.height()));
    QCOMPARE(stack()->count(), 0);

    sendEvent(map(), QEvent::Leave);
    QVERIFY(!text->isVisible());
}

void tst_zkWorldMapLocationControl::showsKernelLocation_data()
{
    QTest::addColumn<float>("longitude");
    QTest::addColumn<float>("latitude");
    QTest::addColumn<QPointF>("fraction");

    QTest::newRow("origin") << 0.0f << 0.0f << QPointF(0.5, 0.5);
    QTest::newRow("north-west corner") << -180.0f << 90.0f << QPointF(0.0, 0.0);
    QTest::newRow("south-east corner") << 180.0f << -90.0f << QPointF(1.0, 1.0);
    QTest::newRow("beyond east and south") << 500.0f << -120.0f << QPointF(1.0, 1.0);
    QTest::newRow("beyond west and north") << -1000.0f << 95.0f << QPointF(0.0, 0.0);
}

void tst_zkWorldMapLocationControl::showsKernelLocation()
{
    QFETCH(float, longitude);
    QFETCH(float, latitude);
    QFETCH(QPointF, fraction);

    QVERIFY(m_locations.first().setProperty("longitude", longitude));
    QVERIFY(m_locations.first().setProperty("latitude", latitude));
    stack()->clear();
    m_control->getSearchLineEdit()->setText(QStringLiteral("typed"));
    m_control->updateControl();

    const QPointF expected(int(fraction.x() * width()), height() - int((1.0 - fraction.y()) * height()));
    QCOMPARE(m_control->getScene()->getMarker()->pos(), expected);
    QCOMPARE(m_control->getValueLabel()->text(), valueOf(0, "closestCity").toString());
    QCOMPARE(m_control->getSearchLineEdit()->text(), QString());
    // Shown at the edge, never corrected.
    QCOMPARE(valueOf(0, "longitude").toFloat(), longitude);
    QCOMPARE(valueOf(0, "latitude").toFloat(), latitude);
    QCOMPARE(stack()->count(), 0);
}

void tst_zkWorldMapLocationControl::search_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("completed");
    QTest::addColumn<bool>("modified");
    QTest::addColumn<QString>("city");

    QTest::newRow("typed") << "Tokyo" << false << true << "Tokyo";
    QTest::newRow("any case, spaces") << "  sYDNEY " << false << true << "Sydney";
    QTest::newRow("completed") << "Buenos Aires" << true << false << "Buenos Aires";
    QTest::newRow("unknown") << "Atlantis" << false << true << QString();
    QTest::newRow("left unchanged") << "Tokyo" << false << false << QString();
}

void tst_zkWorldMapLocationControl::search()
{
    QFETCH(QString, text);
    QFETCH(bool, completed);
    QFETCH(bool, modified);
    QFETCH(QString, city);

    QLineEdit *search = m_control->getSearchLineEdit();
    const QVariant oldLongitude = valueOf(0, "longitude");
    search->setText(text);
    search->setModified(modified);
    if (completed)
        emit search->completer()->activated(text);
    else
        emit search->editingFinished();

    if (city.isEmpty()) {
        // Nothing written; the text stays for the user to correct.
        QCOMPARE(stack()->count(), 0);
        QCOMPARE(valueOf(0, "longitude"), oldLongitude);
        QCOMPARE(search->text(), text);
        return;
    }
    QCOMPARE(stack()->count(), 1);
    QCOMPARE(valueOf(0, "closestCity").toString(), city);
    QCOMPARE(m_control->getValueLabel()->text(), city);
    QCOMPARE(search->text(), QString());
    // The marker shows the city.
    const QPointF marker = m_control->getScene()->getMarkerPosition(valueOf(0, "longitude").toFloat(),
                                                                    valueOf(0, "latitude").toFloat());
    QCOMPARE(m_control->getScene()->getMarker()->pos(), marker);
    // Leaving the field afterwards searches nothing more.
    emit search->editingFinished();
    QCOMPARE(stack()->count(), 1);
}

void tst_zkWorldMapLocationControl::writesEveryLocationInOneStep()
{
    createEditor(2);
    QVERIFY(m_locations.at(1).setProperty("longitude", -70.0f));
    stack()->clear();
    const QPoint pixel = pixelOf(139.74, 35.65);
    QTest::mouseClick(map(), Qt::LeftButton, Qt::NoModifier, pixel);
    for (int i = 0; i < 2; ++i) {
        QCOMPARE(valueOf(i, "longitude").toFloat(), float(pixel.x() / width() * 360.0 - 180.0));
        QCOMPARE(valueOf(i, "closestCity").toString(), QStringLiteral("Tokyo"));
    }
    QCOMPARE(stack()->count(), 1);
    stack()->undo();
    QCOMPARE(valueOf(1, "longitude").toFloat(), -70.0f);
}

QTEST_MAIN(tst_zkWorldMapLocationControl)
#include "tst_zkWorldMapLocationControl.moc"
