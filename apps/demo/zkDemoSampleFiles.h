#pragma once

#include <QString>
#include <QStringList>

// The sample files the build puts next to the demo (an install puts them under
// share/zkKernelServicesGUI): the textures made at build time replace the images the sample
// scene generates in memory, so that the scene's image rows show real files to reload, and two
// IES profiles give lights their photometry.
namespace zkDemoSampleFiles {

// The path of a sample file such as "textures/leather.png" or "profiles/downlight.ies"; empty
// when it is in neither place.
QString find(const QString &name);

// Loads the sample files into the sample scene, outside the undo history. Returns one message
// for each file that could not be used; the scene then keeps its generated image.
QStringList apply();

} // namespace zkDemoSampleFiles
