# cmake -P uninstall.cmake MANIFEST: removes every file that the last install wrote, as the
# manifest lists it, and then every folder that install created (install_folders.txt beside the
# manifest) that is left empty.  A folder the install did not create, or one that holds anything
# else, stays.  The manifest holds the paths under the prefix without DESTDIR, so the same
# DESTDIR must be in the environment here as for the install: otherwise a staged install would
# remove the files of a real one.  (The folder record holds the real paths, DESTDIR included.)
set(manifest ${CMAKE_ARGV3})
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "${manifest} not found: nothing was installed from this build (make install)")
endif()
file(STRINGS "${manifest}" files)
foreach(file ${files})
  set(path "$ENV{DESTDIR}${file}")
  if(EXISTS "${path}" OR IS_SYMLINK "${path}")
    message(STATUS "Removing ${path}")
    file(REMOVE "${path}")
  endif()
endforeach()
file(REMOVE "${manifest}")

string(REPLACE "install_manifest" "install_folders" record "${manifest}")
if(EXISTS "${record}")
  file(STRINGS "${record}" folders)
  # The deepest first, so that a folder emptied by removing its sub-folders goes too.
  list(SORT folders ORDER DESCENDING)
  foreach(folder ${folders})
    # rmdir removes a folder only when it is empty: one that holds anything stays.
    if(IS_DIRECTORY "${folder}" AND NOT IS_SYMLINK "${folder}")
      execute_process(COMMAND rmdir -- "${folder}" RESULT_VARIABLE kept ERROR_QUIET)
      if(NOT kept)
        message(STATUS "Removing folder ${folder}")
      endif()
    endif()
  endforeach()
  file(REMOVE "${record}")
endif()
