# cmake -P uninstall.cmake MANIFEST: removes every file the manifest lists, then the manifest.
# Directories are left, since other packages may share them.
set(manifest ${CMAKE_ARGV3})
if(NOT EXISTS "${manifest}")
  message(FATAL_ERROR "${manifest} not found: run make install first")
endif()
file(STRINGS "${manifest}" files)
foreach(file ${files})
  if(EXISTS "${file}" OR IS_SYMLINK "${file}")
    message(STATUS "Removing ${file}")
    file(REMOVE "${file}")
  endif()
endforeach()
file(REMOVE "${manifest}")
