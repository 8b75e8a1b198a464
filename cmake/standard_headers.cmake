# The standard headers that most of the suite's files include, compiled once (by common_lib, whose
# folder comes first) and reused by every library and program: each unit then reads one precompiled header instead of
# parsing these again.  Every target of the given folders and their subfolders takes part, so a
# new library or tool does without a line of its own.  Units compiled with options of their own
# (such as a benchmark built for this very machine) would find the header invalid, which
# -Winvalid-pch makes an error: bench/ takes no part.  The test executables have GoogleTest's
# precompiled header, which holds these too.
set(STANDARD_HEADERS <cmath> <fstream> <iomanip> <iostream> <istream> <ostream> <sstream> <string>
                     <string_view> <vector>)

function(reuse_standard_headers directory)
  get_property(targets DIRECTORY ${directory} PROPERTY BUILDSYSTEM_TARGETS)
  foreach(target ${targets})
    get_target_property(type ${target} TYPE)
    if(target STREQUAL common_lib)
      target_precompile_headers(common_lib PRIVATE ${STANDARD_HEADERS})
    elseif(type MATCHES "^(STATIC_LIBRARY|EXECUTABLE)$")
      target_precompile_headers(${target} REUSE_FROM common_lib)
    endif()
  endforeach()
  get_property(subdirectories DIRECTORY ${directory} PROPERTY SUBDIRECTORIES)
  foreach(subdirectory ${subdirectories})
    reuse_standard_headers(${subdirectory})
  endforeach()
endfunction()
