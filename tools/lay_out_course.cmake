# Copies the sample course into the build tree. Files already there are
# refreshed from the source; a database the user has written into is kept.
file(GLOB_RECURSE files RELATIVE ${SRC} ${SRC}/*)
foreach(f IN LISTS files)
  if(f STREQUAL "Base.sql")
    continue()
  endif()
  get_filename_component(dir ${DST}/${f} DIRECTORY)
  file(MAKE_DIRECTORY ${dir})
  file(COPY_FILE ${SRC}/${f} ${DST}/${f} ONLY_IF_DIFFERENT)
endforeach()
