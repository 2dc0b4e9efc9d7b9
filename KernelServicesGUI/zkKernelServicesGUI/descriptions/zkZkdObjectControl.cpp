#include "zkZkdObjectControl.h"

#include <zkdAreaLightCone.h>
#include <zkdBRDFCommon.h>
#include <zkdBumpTexture.h>
#include <zkdCarbonPattern2D.h>
#include <zkdCarbonPattern3D.h>
#include <zkdClearcoat.h>
#include <zkdDiffuseTexture.h>
#include <zkdDisplacementTexture.h>
#include <zkdEnvironmentColorCorrection.h>
#include <zkdEnvironmentRaytracing.h>
#include <zkdEnvironmentShadowsAndIllumination.h>
#include <zkdEnvironmentTransformation.h>
#include <zkdExteriorTransparencyTexture.h>
#include <zkdFlakeLayer.h>
#include <zkdFlipflopFlakeLayer.h>
#include <zkdGlassTriTexture.h>
#include <zkdGlossyTexture.h>
#include <zkdHDRLightStudio.h>
#include <zkdIncandescence.h>
#include <zkdIncandescenceTexture.h>
#include <zkdLightTexture.h>
#include <zkdMetallicPaintClearcoat.h>
#include <zkdOCSClearcoat.h>
#include <zkdPaintClearcoat.h>
#include <zkdRayFile.h>
#include <zkdRaytracing.h>
#include <zkdRoughnessTexture.h>
#include <zkdRoundedEdges.h>
#include <zkdShadowMap.h>
#include <zkdSkylightLocation.h>
#include <zkdSkylightSkyAndSun.h>
#include <zkdStructuredBumpTexture.h>
#include <zkdSubsurfaceScattering.h>
#include <zkdSubsurfaceScatteringTexture.h>
#include <zkdTransparency.h>
#include <zkdTransparencyTexture.h>
#include <zkdTriTexture.h>
#include <zkdUVDiffuseTexture.h>
#include <zkdUVIncandescence.h>
#include <zkdUVSubsurfaceScattering.h>
#include <zkdUVTransparency.h>
#include <zkdUnicolorPaintClearcoat.h>
#include <zkdYarnTexture.h>

// The instantiations the library exports; the header declares them extern.
template class zkZkdObjectControl<zkdAreaLightCone>;
template class zkZkdObjectControl<zkdBRDFCommon>;
template class zkZkdObjectControl<zkdBumpTexture>;
template class zkZkdObjectControl<zkdCarbonPattern2D>;
template class zkZkdObjectControl<zkdCarbonPattern3D>;
template class zkZkdObjectControl<zkdClearcoat>;
template class zkZkdObjectControl<zkdDiffuseTexture>;
template class zkZkdObjectControl<zkdDisplacementTexture>;
template class zkZkdObjectControl<zkdEnvironmentColorCorrection>;
template class zkZkdObjectControl<zkdEnvironmentRaytracing>;
template class zkZkdObjectControl<zkdEnvironmentShadowsAndIllumination>;
template class zkZkdObjectControl<zkdEnvironmentTransformation>;
template class zkZkdObjectControl<zkdExteriorTransparencyTexture>;
template class zkZkdObjectControl<zkdFlakeLayer>;
template class zkZkdObjectControl<zkdFlipflopFlakeLayer>;
template class zkZkdObjectControl<zkdGlassTriTexture>;
template class zkZkdObjectControl<zkdGlossyTexture>;
template class zkZkdObjectControl<zkdHDRLightStudio>;
template class zkZkdObjectControl<zkdIncandescence>;
template class zkZkdObjectControl<zkdIncandescenceTexture>;
template class zkZkdObjectControl<zkdLightTexture>;
template class zkZkdObjectControl<zkdMetallicPaintClearcoat>;
template class zkZkdObjectControl<zkdOCSClearcoat>;
template class zkZkdObjectControl<zkdPaintClearcoat>;
template class zkZkdObjectControl<zkdRayFile>;
template class zkZkdObjectControl<zkdRaytracing>;
template class zkZkdObjectControl<zkdRoughnessTexture>;
template class zkZkdObjectControl<zkdRoundedEdges>;
template class zkZkdObjectControl<zkdShadowMap>;
template class zkZkdObjectControl<zkdSkylightLocation>;
template class zkZkdObjectControl<zkdSkylightSkyAndSun>;
template class zkZkdObjectControl<zkdStructuredBumpTexture>;
template class zkZkdObjectControl<zkdSubsurfaceScattering>;
template class zkZkdObjectControl<zkdSubsurfaceScatteringTexture>;
template class zkZkdObjectControl<zkdTransparency>;
template class zkZkdObjectControl<zkdTransparencyTexture>;
template class zkZkdObjectControl<zkdTriTexture>;
template class zkZkdObjectControl<zkdUVDiffuseTexture>;
template class zkZkdObjectControl<zkdUVIncandescence>;
template class zkZkdObjectControl<zkdUVSubsurfaceScattering>;
template class zkZkdObjectControl<zkdUVTransparency>;
template class zkZkdObjectControl<zkdUnicolorPaintClearcoat>;
template class zkZkdObjectControl<zkdYarnTexture>;
