# The three layers as the tree shows them; the program's build and the fuzz build both take
# their source lists from here.
#   corvel_engine  core/ and the files of each subsystem folder itself: standard C++ only
#   corvel_store   store/: database, files on disk and network
#   corvel_app     the windows/ folder of each subsystem, ui/ and shell/
set(CORVEL_SUBSYSTEM_DIRS analysis filters generators maintenance planning)

# The engine's sources below `src`.
function(corvel_engine_sources out src)
  set(files)
  foreach(dir core ${CORVEL_SUBSYSTEM_DIRS})
    file(GLOB dir_files CONFIGURE_DEPENDS ${src}/${dir}/*.cpp ${src}/${dir}/*.h)
    list(APPEND files ${dir_files})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

# The windows' sources below `src` (without the program's main()).
function(corvel_app_sources out src)
  set(files)
  foreach(dir ${CORVEL_SUBSYSTEM_DIRS})
    file(GLOB dir_files CONFIGURE_DEPENDS ${src}/${dir}/windows/*.cpp ${src}/${dir}/windows/*.h)
    list(APPEND files ${dir_files})
  endforeach()
  file(GLOB shared CONFIGURE_DEPENDS ${src}/ui/*.cpp ${src}/ui/*.h ${src}/shell/*.cpp ${src}/shell/*.h)
  list(FILTER shared EXCLUDE REGEX "shell/main\\.cpp$")
  set(${out} ${files} ${shared} PARENT_SCOPE)
endfunction()
