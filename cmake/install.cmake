# `make install` and `make package`: every program and tool of SUITE_EXECUTABLES in bin/, and its
# manual page man/<name>.1 in section 1.  The install manifest lists what `make uninstall` removes.
include(GNUInstallDirs)

# `make install` and cpack build only the target suite (the installed executables), not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
add_custom_target(suite)
add_dependencies(suite ${SUITE_EXECUTABLES})

install(TARGETS ${SUITE_EXECUTABLES} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(name ${SUITE_EXECUTABLES})
  # A missing page fails the manual-page test rather than the configuration.
  if(EXISTS ${CMAKE_SOURCE_DIR}/man/${name}.1)
    install(FILES ${CMAKE_SOURCE_DIR}/man/${name}.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

# Removes what the last install wrote (DESTDIR included, as the manifest records it).
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
          ${CMAKE_BINARY_DIR}/install_manifest.txt)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME earthsuite)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "interactive console programs for numerical methods in the earth sciences")
set(CPACK_PACKAGE_CONTACT "Earth suite maintainers <earthsuite@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
