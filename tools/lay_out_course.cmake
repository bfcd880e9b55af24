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

# Base.mdb comes from Base.sql. A copy newer than the generated file has been
# written into by the program and is kept; a changed source replaces it.
if(DATABASE)
  set(db ${DST}/Base.mdb)
  if(NOT EXISTS ${db} OR ${DATABASE} IS_NEWER_THAN ${db})
    file(COPY_FILE ${DATABASE} ${db})
  endif()
endif()
