# courseshell-convert: the converter of an original Access (Jet 4) course
# database. Its reading and mapping live in a library so the tests drive them.
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBMDB REQUIRED IMPORTED_TARGET libmdb)
find_package(SQLite3 REQUIRED)

add_library(converterlib STATIC
  converter/TableSource.h
  converter/JetSource.h converter/JetSource.cpp
  converter/CourseWriter.h converter/CourseWriter.cpp
  converter/Conversion.h converter/Conversion.cpp
)
target_link_libraries(converterlib PUBLIC shellbase PkgConfig::LIBMDB SQLite::SQLite3)

add_executable(courseshell-convert converter/main.cpp)
target_link_libraries(courseshell-convert PRIVATE converterlib)
install(TARGETS courseshell-convert RUNTIME DESTINATION bin)
