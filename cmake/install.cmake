# `make install` and `make package`: every program and tool of SUITE_EXECUTABLES in bin/ under its
# installed name (SUITE_INSTALLED_AS), its manual page as man1/<installed name>.1.gz, the example
# inputs the pages refer to in share/doc/earthsuite/examples/, and the package's copyright and
# changelog in share/doc/earthsuite/.  The install manifest lists every file written and
# install_folders.txt every folder the install created; `make uninstall` removes both, each
# folder only when it is left empty.
include(GNUInstallDirs)

set(SUITE_PACKAGE earthsuite)
# Not a person's address, and not at localhost: .invalid can never be delivered to anyone.
set(SUITE_MAINTAINER "Earth suite maintainers <maintainers@earthsuite.invalid>")
set(SUITE_DOC_DIR ${CMAKE_INSTALL_DATAROOTDIR}/doc/${SUITE_PACKAGE})
# The folders of examples/ that hold example inputs (demo.sh and index_page.sh are the tour's).
set(SUITE_EXAMPLES factor gridder heater hypoview orbits speed speed90 tables tour widthdemo)

# The installed name of a program or tool: its own, or the one SUITE_INSTALLED_AS gives it.
function(suite_installed_name name result)
  set(installed ${name})
  foreach(entry ${SUITE_INSTALLED_AS})
    if(entry MATCHES "^${name}=(.+)$")
      set(installed ${CMAKE_MATCH_1})
    endif()
  endforeach()
  set(${result} ${installed} PARENT_SCOPE)
endfunction()

# gzip -9n, as Debian ships documentation: no name or time stamp inside, so the same text always
# gives the same bytes.
function(suite_gzip input output)
  execute_process(COMMAND gzip -9n -c ${input} OUTPUT_FILE ${output} RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "gzip could not compress ${input} (Debian package gzip)")
  endif()
endfunction()

# The installed page: man/<name>.1 compressed, every command it names by .B or .BR (its title,
# NAME line and synopsis, and its references to other pages) under its installed name.  Made
# when CMake configures; editing a page configures again.
function(suite_manual_page name installed)
  set(source ${CMAKE_SOURCE_DIR}/man/${name}.1)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${source})
  file(READ ${source} page)
  if(NOT installed STREQUAL name)
    string(TOUPPER ${name} title)
    string(TOUPPER ${installed} installedTitle)
    string(REPLACE "-" "\\-" escaped ${installed})
    string(REGEX REPLACE "^\\.TH ${title} " ".TH ${installedTitle} " page "${page}")
    string(REPLACE "\n.SH NAME\n${name} \\-" "\n.SH NAME\n${escaped} \\-" page "${page}")
    string(REPLACE "\n.B ${name}\n.PP\n.B ${name}\n" "\n.B ${escaped}\n.PP\n.B ${escaped}\n"
           page "${page}")
  endif()
  foreach(entry ${SUITE_INSTALLED_AS})
    string(REPLACE "=" ";" pair ${entry})
    list(GET pair 0 other)
    list(GET pair 1 otherInstalled)
    string(REPLACE "-" "\\-" escaped ${otherInstalled})
    string(REPLACE "\n.BR ${other} (1)" "\n.BR ${escaped} (1)" page "${page}")
  endforeach()
  set(plain ${CMAKE_BINARY_DIR}/man/${installed}.1)
  file(WRITE ${plain} "${page}")
  suite_gzip(${plain} ${plain}.gz)
endfunction()

# `make install` and cpack build only the target suite (the installed executables), not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
add_custom_target(suite)
add_dependencies(suite ${SUITE_EXECUTABLES})

set(SUITE_INSTALLED_NAMES)
foreach(name ${SUITE_EXECUTABLES})
  suite_installed_name(${name} installed)
  list(APPEND SUITE_INSTALLED_NAMES ${installed})
endforeach()

# Every folder the install writes into, and the folders above them up to the prefix ("/" is the
# prefix itself), so that the install can note which of them it creates.
set(SUITE_INSTALL_FOLDERS / /${CMAKE_INSTALL_BINDIR} /${CMAKE_INSTALL_MANDIR}/man1)
foreach(example ${SUITE_EXAMPLES})
  list(APPEND SUITE_INSTALL_FOLDERS /${SUITE_DOC_DIR}/examples/${example})
endforeach()
foreach(folder ${SUITE_INSTALL_FOLDERS})
  while(NOT folder STREQUAL "/")
    list(APPEND SUITE_INSTALL_FOLDERS ${folder})
    get_filename_component(folder ${folder} DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES SUITE_INSTALL_FOLDERS)

# First thing of every install: which of those folders do not exist yet.  The record of an earlier
# install from this build is kept for the folders it created that are still there, so that
# installing twice does not make them someone else's.  (The record holds real paths, DESTDIR
# included.)
install(CODE "
  set(SUITE_FOLDER_RECORD \"${CMAKE_BINARY_DIR}/install_folders.txt\")
  if(CMAKE_INSTALL_COMPONENT)
    set(SUITE_FOLDER_RECORD \"${CMAKE_BINARY_DIR}/install_folders_\${CMAKE_INSTALL_COMPONENT}.txt\")
  endif()
  set(SUITE_CREATED_FOLDERS)
  if(EXISTS \"\${SUITE_FOLDER_RECORD}\")
    file(STRINGS \"\${SUITE_FOLDER_RECORD}\" earlier)
    foreach(folder \${earlier})
      if(IS_DIRECTORY \"\${folder}\")
        list(APPEND SUITE_CREATED_FOLDERS \"\${folder}\")
      endif()
    endforeach()
  endif()
  foreach(relative IN ITEMS ${SUITE_INSTALL_FOLDERS})
    string(REGEX REPLACE \"/+$\" \"\" folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\${relative}\")
    if(NOT EXISTS \"\${folder}\" AND NOT folder STREQUAL \"\")
      list(APPEND SUITE_CREATED_FOLDERS \"\${folder}\")
    endif()
  endforeach()
")

foreach(name ${SUITE_EXECUTABLES})
  suite_installed_name(${name} installed)
  install(PROGRAMS $<TARGET_FILE:${name}> DESTINATION ${CMAKE_INSTALL_BINDIR} RENAME ${installed})
  # A missing page fails the manual-page test rather than the configuration.
  if(EXISTS ${CMAKE_SOURCE_DIR}/man/${name}.1)
    suite_manual_page(${name} ${installed})
    install(FILES ${CMAKE_BINARY_DIR}/man/${installed}.1.gz
            DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()

foreach(example ${SUITE_EXAMPLES})
  install(DIRECTORY ${CMAKE_SOURCE_DIR}/examples/${example}
          DESTINATION ${SUITE_DOC_DIR}/examples)
endforeach()

foreach(file copyright changelog)
  configure_file(${CMAKE_SOURCE_DIR}/package/${file}.in ${CMAKE_BINARY_DIR}/package-files/${file}
                 @ONLY)
endforeach()
suite_gzip(${CMAKE_BINARY_DIR}/package-files/changelog ${CMAKE_BINARY_DIR}/package-files/changelog.gz)
install(FILES ${CMAKE_BINARY_DIR}/package-files/copyright
              ${CMAKE_BINARY_DIR}/package-files/changelog.gz
        DESTINATION ${SUITE_DOC_DIR})

# Last thing: the executables stripped when asked (cpack asks, `cmake --install --strip` too), as
# install(TARGETS) would have done; and the record of the folders created.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    foreach(command IN ITEMS ${SUITE_INSTALLED_NAMES})
      set(file \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/\${command}\")
      execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                              --remove-section=.note \"\${file}\" RESULT_VARIABLE failed)
      if(failed)
        message(FATAL_ERROR \"strip could not strip \${file}\")
      endif()
    endforeach()
  endif()
  list(REMOVE_DUPLICATES SUITE_CREATED_FOLDERS)
  string(REPLACE \";\" \"\\n\" content \"\${SUITE_CREATED_FOLDERS}\")
  file(WRITE \"\${SUITE_FOLDER_RECORD}\" \"\${content}\")
")

# Removes what the last install wrote (DESTDIR included, as the manifest records it).
add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -P ${CMAKE_SOURCE_DIR}/cmake/uninstall.cmake
          ${CMAKE_BINARY_DIR}/install_manifest.txt)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ${SUITE_PACKAGE})
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "interactive console programs for numerical methods in the earth sciences")
set(CPACK_PACKAGE_DESCRIPTION [=[
Small question-and-answer programs that read and write plain-text files:
perspective views of earthquake hypocentres over a gridded surface
(hypoview), point masses under their mutual gravitation (orbits), ordinary
kriging of scattered map data (gridder), the thermal history of a crustal
cross-section (heater), principal factor analysis (@factor@), and
demonstrations of number formatting and floating-point speed.  Companion
tools draw the graphics metafiles and gridded-data files as SVG pictures,
fit the variogram model and cross-validate the kriging; tableconv writes
tables from R or a spreadsheet as the programs' input files, and gridconv
converts grids to and from netCDF and ESRI ASCII grids for GIS.]=])
suite_installed_name(factor factor)
string(CONFIGURE "${CPACK_PACKAGE_DESCRIPTION}" CPACK_PACKAGE_DESCRIPTION @ONLY)
set(CPACK_PACKAGE_CONTACT ${SUITE_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
# libnetcdf19: gridconv's netCDF library.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libc6, libstdc++6, libgcc-s1, libnetcdf19")
set(CPACK_STRIP_FILES ON)
# cpack installs the one component there is by its name, so that its manifest is
# install_manifest_Unspecified.txt: the record of a real `make install`, which `make uninstall`
# reads, is never replaced by the package's list of /usr files.
set(CPACK_INSTALL_CMAKE_PROJECTS "${CMAKE_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/package)
include(CPack)
