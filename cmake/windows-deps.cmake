# Third-party libraries of the Windows build, all from Debian: zlib from libz-mingw-w64-dev,
# libpng and SQLite compiled from the source packages that scripts/fetch-deps.sh unpacks.
set(ZLIB_USE_STATIC_LIBS ON)
find_package(ZLIB REQUIRED)

file(GLOB png_dir LIST_DIRECTORIES true "${CHATDOCK_DEPS_DIR}/libpng1.6-*")
if(NOT png_dir OR NOT EXISTS "${png_dir}/png.c")
  message(FATAL_ERROR "libpng sources missing: run scripts/fetch-deps.sh")
endif()
set(png_gen "${CMAKE_BINARY_DIR}/libpng-config")
configure_file("${png_dir}/scripts/pnglibconf.h.prebuilt" "${png_gen}/pnglibconf.h" COPYONLY)
set(png_sources png pngerror pngget pngmem pngpread pngread pngrio pngrtran pngrutil pngset
                pngtrans pngwio pngwrite pngwtran pngwutil)
list(TRANSFORM png_sources PREPEND "${png_dir}/")
list(TRANSFORM png_sources APPEND ".c")
add_library(png_static STATIC ${png_sources})
target_include_directories(png_static SYSTEM PUBLIC "${png_dir}" "${png_gen}")
target_compile_definitions(png_static PRIVATE PNG_ARM_NEON_OPT=0 PNG_INTEL_SSE_OPT=0)
target_link_libraries(png_static PUBLIC ZLIB::ZLIB)

set(sqlite_dir "${CHATDOCK_DEPS_DIR}/sqlite-amalgamation")
if(NOT EXISTS "${sqlite_dir}/sqlite3.c")
  message(FATAL_ERROR "sqlite3.c missing: run scripts/fetch-deps.sh")
endif()
add_library(sqlite3_static STATIC "${sqlite_dir}/sqlite3.c")
target_include_directories(sqlite3_static SYSTEM PUBLIC "${sqlite_dir}")
target_compile_definitions(sqlite3_static PRIVATE SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0
                                                  SQLITE_DEFAULT_MEMSTATUS=0 SQLITE_WIN32_MALLOC)

# GoogleTest from Debian's googletest package, built with the same toolchain.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_disable_pthreads OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${CMAKE_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)

# Everything is linked statically, so the program imports only the system's own DLLs.
add_link_options(-static -static-libgcc -static-libstdc++)
