# Third-party libraries (Debian packages; tools/install-deps.sh installs them).
find_package(PkgConfig REQUIRED)
pkg_check_modules(XLSXWRITER REQUIRED IMPORTED_TARGET xlsxwriter)
pkg_check_modules(MINIZIP REQUIRED IMPORTED_TARGET minizip)
pkg_check_modules(YAZ REQUIRED IMPORTED_TARGET yaz)
pkg_check_modules(SHAPELIB REQUIRED IMPORTED_TARGET shapelib)
pkg_check_modules(SODIUM REQUIRED IMPORTED_TARGET libsodium)

# Zint ships neither a CMake nor a pkg-config file.
find_path(ZINT_INCLUDE_DIR zint.h REQUIRED)
find_library(ZINT_LIBRARY zint REQUIRED)
add_library(Zint::zint UNKNOWN IMPORTED)
set_target_properties(Zint::zint PROPERTIES
  IMPORTED_LOCATION ${ZINT_LIBRARY}
  INTERFACE_INCLUDE_DIRECTORIES ${ZINT_INCLUDE_DIR})

find_package(GTest REQUIRED)
find_package(benchmark REQUIRED)
