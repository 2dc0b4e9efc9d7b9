#pragma once

// Registers the sub-objects of environment and skylight materials with the kernel.
void registerEnvironmentClasses();
