# Helpers shared by the library's targets.

set(ZK_INSTALL_INCLUDEDIR ${CMAKE_INSTALL_INCLUDEDIR}/zkKernelServicesGUI)

# zk_add_library(<target> [PUBLIC_LIBS ...] [PRIVATE_LIBS ...])
# One shared library, installed and exported with the package.
function(zk_add_library target)
    cmake_parse_arguments(ARG "" "" "PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${target} SHARED)
    add_library(zkKernelServicesGUI::${target} ALIAS ${target})
    target_link_libraries(${target} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    target_precompile_headers(${target} PRIVATE <QtCore/QtCore> <QtGui/QtGui>)
    set_target_properties(${target} PROPERTIES
        VERSION ${PROJECT_VERSION} SOVERSION ${PROJECT_VERSION_MAJOR}
        EXPORT_NAME ${target}
        AUTOUIC ON
        INSTALL_RPATH "$ORIGIN")
    install(TARGETS ${target} EXPORT zkKernelServicesGUITargets
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endfunction()

# zk_add_sources(<target> <include-subdir> <sources...>)
# Adds the current folder's sources to a library. Its headers are included flat
# (#include <zkdObject.h>), from the build tree and once installed under
# include/zkKernelServicesGUI/<include-subdir>.
function(zk_add_sources target subdir)
    target_sources(${target} PRIVATE ${ARGN})
    target_include_directories(${target} PUBLIC
        $<BUILD_INTERFACE:${CMAKE_CURRENT_SOURCE_DIR}>
        $<INSTALL_INTERFACE:${ZK_INSTALL_INCLUDEDIR}/${subdir}>)
    set(headers)
    foreach(source IN LISTS ARGN)
        if(source MATCHES "\\.h$")
            get_filename_component(header ${source} ABSOLUTE)
            list(APPEND headers ${header})
        endif()
    endforeach()
    install(FILES ${headers} DESTINATION ${ZK_INSTALL_INCLUDEDIR}/${subdir})
endfunction()

# zk_set_test_environment(<test>...)
# Tests run without a display and keep whatever they save as preferences inside the build tree;
# under the sanitizers every report fails the test, leaks included, except those of the system
# libraries listed in lsan.supp.
function(zk_set_test_environment)
    set(environment "QT_QPA_PLATFORM=offscreen" "XDG_CONFIG_HOME=${PROJECT_BINARY_DIR}/test-config")
    if(ZK_SANITIZE)
        list(APPEND environment
            "ASAN_OPTIONS=detect_leaks=1:strict_init_order=1:halt_on_error=1"
            "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/cmake/lsan.supp:print_suppressions=0"
            "UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    endif()
    set_tests_properties(${ARGN} PROPERTIES ENVIRONMENT "${environment}")
endfunction()
