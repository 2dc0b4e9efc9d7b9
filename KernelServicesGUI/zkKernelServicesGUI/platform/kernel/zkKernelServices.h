#pragma once

// Start-up of the in-memory kernel: registers the kernel classes and meta-types and starts the
// default services. Runs by itself when the application object is constructed; calling it again
// does nothing.
namespace zkKernelServices {
void initialize();
}
