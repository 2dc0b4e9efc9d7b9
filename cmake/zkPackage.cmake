include(CMakePackageConfigHelpers)

install(EXPORT zkKernelServicesGUITargets
    NAMESPACE zkKernelServicesGUI::
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zkKernelServicesGUI)
configure_package_config_file(${CMAKE_CURRENT_LIST_DIR}/zkKernelServicesGUIConfig.cmake.in
    ${CMAKE_CURRENT_BINARY_DIR}/zkKernelServicesGUIConfig.cmake
    INSTALL_DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zkKernelServicesGUI)
write_basic_package_version_file(${CMAKE_CURRENT_BINARY_DIR}/zkKernelServicesGUIConfigVersion.cmake
    COMPATIBILITY SameMajorVersion)
install(FILES
    ${CMAKE_CURRENT_BINARY_DIR}/zkKernelServicesGUIConfig.cmake
    ${CMAKE_CURRENT_BINARY_DIR}/zkKernelServicesGUIConfigVersion.cmake
    DESTINATION ${CMAKE_INSTALL_LIBDIR}/cmake/zkKernelServicesGUI)
