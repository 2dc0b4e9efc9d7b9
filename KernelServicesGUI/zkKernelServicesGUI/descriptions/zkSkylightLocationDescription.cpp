#include "zkSkylightLocationDescription.h"

#include "zkDescriptionBuilder.h"

#include <zkGeographicCoordinateControl.h>
#include <zkTimeZoneControl.h>
#include <zkWorldMapLocationControl.h>
#include <zkdSkylightLocation.h>

#include <QString>

namespace {

zkSkylightLocationDescription instance;

using Coordinate = zkGeographicCoordinateControlOptions::Coordinate;

std::function<void(zkGeographicCoordinateControlOptions &)> coordinate(const QString &label, Coordinate kind)
{
    return [label, kind](zkGeographicCoordinateControlOptions &options) {
        options.label = label;
        options.coordinate = kind;
    };
}

// The kernel derives the dependent value; the rule makes its row show it.
template <typename V>
std::function<void(zkPropertyEditorWidget *, V)> refresh(const QByteArray &property)
{
    return [property](zkPropertyEditorWidget *widget, V) {
        if (widget)
            widget->updateProperty(property);
    };
}

} // namespace

void zkSkylightLocationDescription::init()
{
    zkDescriptionBuilder<zkdSkylightLocation>(getFactory())
        .editor<float, zkGeographicCoordinateControl>(
            "longitude", coordinate(tr("Longitude"), zkGeographicCoordinateControlOptions::Longitude))
        .editor<float, zkGeographicCoordinateControl>(
            "latitude", coordinate(tr("Latitude"), zkGeographicCoordinateControlOptions::Latitude))
        .hidden<bool>("useDaylightSavingTime")
        .editor<float, zkTimeZoneControl>("timeZone",
                                          [](zkTimeZoneControlOptions &options) {
                                              options.label = tr("Time Zone");
                                              // Its check box edits the hidden switch.
                                              options.extraProperties = {"useDaylightSavingTime"};
                                          })
        .editor<QString, zkWorldMapLocationControl>("closestCity",
                                                    [](zkWorldMapLocationControlOptions &options) {
                                                        options.label = tr("Closest City");
                                                    })
        .onChanged<float>("longitude", refresh<float>("closestCity"))
        .onChanged<float>("latitude", refresh<float>("closestCity"))
        .onChanged<bool>("useDaylightSavingTime", refresh<bool>("timeZone"));
}
