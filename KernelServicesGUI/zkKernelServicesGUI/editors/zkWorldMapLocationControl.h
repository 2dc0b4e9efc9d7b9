#pragma once

#include <zkBaseControl.h>
#include <zkControlOptionRecords.h>

class QGraphicsView;
class QLabel;
class QLineEdit;
class zkWorldMapGraphicsScene;

// The closest city of a geographic location, with the location on a world map that can be
// clicked or dragged and a search over the known cities. Picking a place writes the longitude
// and latitude properties (the first two extra properties when given) as one undo step; the
// kernel then names the closest city. A city name the controller service does not know writes
// nothing and stays in the search field.
class zkWorldMapLocationControl : public zkBaseControl
{
    Q_OBJECT
public:
    using Options = zkWorldMapLocationControlOptions;

    zkWorldMapLocationControl(zkPropertyEditorWidget *editorWidget, const QByteArray &propertyName, Options *options);

    // Shows the stored location; values beyond the map are shown at its edge, not corrected.
    void updateControl() override;

    const QByteArray &getLongitudeProperty() const { return m_longitudeProperty; }
    const QByteArray &getLatitudeProperty() const { return m_latitudeProperty; }
    QLabel *getValueLabel() const { return m_valueLabel; }
    zkWorldMapGraphicsScene *getScene() const { return m_scene; }
    QGraphicsView *getGraphicsView() const { return m_view; }
    QLineEdit *getSearchLineEdit() const { return m_searchLineEdit; }

protected:
    QList<QWidget *> getFocusWidgets() const override;

private:
    void coordinateChanged(double longitude, double latitude);
    void searchCity(const QString &name);

    QByteArray m_longitudeProperty = QByteArrayLiteral("longitude");
    QByteArray m_latitudeProperty = QByteArrayLiteral("latitude");
    QWidget *m_container;
    QLabel *m_valueLabel;
    zkWorldMapGraphicsScene *m_scene;
    QGraphicsView *m_view;
    QLineEdit *m_searchLineEdit;
};
