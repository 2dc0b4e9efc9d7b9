#pragma once

// Registers the lens-flare effect, its elements and ghosts and the lens-flare enumerations. A
// preset chosen for an effect replaces its elements; an effect or ghost line that is destroyed
// takes its elements or ghosts with it.
void registerLensFlareClasses();
