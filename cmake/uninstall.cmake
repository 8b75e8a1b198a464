# cmake -P uninstall.cmake MANIFEST: removes every file that the last install wrote, as the
# manifest lists it.  The manifest holds the paths under the prefix without DESTDIR, so the same
# DESTDIR must be in the environment here as for the install: otherwise a staged install would
# remove the files of a real one.  Directories are left, since other packages may share them.
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
