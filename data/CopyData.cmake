# cmake -DSOURCE=<data folder> -DDEST=<shipped folder of the build> -P CopyData.cmake
file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(f IN LISTS files)
  # The build's files, and the credits: a document, installed with the others.
  if(f MATCHES "^(CMakeLists\\.txt|CopyData\\.cmake|CREDITS)$")
    continue()
  endif()
  get_filename_component(dir ${DEST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SOURCE}/${f} ${DEST}/${f} ONLY_IF_DIFFERENT)
endforeach()
