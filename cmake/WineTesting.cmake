# Windows test executables run under Wine through CMake's cross-compiling
# emulator. The emulator script carries the private Wine prefix of this build
# folder; the display comes from the environment (scripts/test.sh starts Xvfb).
set(ORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Private Wine prefix of the Windows tests")
if(CMAKE_SIZEOF_VOID_P EQUAL 8)
  set(ORVANE_WINEARCH win64)
  set(ORVANE_WINELOADER /usr/lib/wine/wine64)
else()
  set(ORVANE_WINEARCH win32)
  set(ORVANE_WINELOADER /usr/lib/wine/wine)
endif()
configure_file(${CMAKE_SOURCE_DIR}/scripts/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run.sh @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run.sh)

# orvane_add_wine_test(target): registers every GoogleTest case of a Windows
# test executable with ctest, listed at test time under Wine.
function(orvane_add_wine_test target)
  gtest_discover_tests(${target}
    DISCOVERY_MODE PRE_TEST
    DISCOVERY_TIMEOUT 60
    PROPERTIES LABELS win TIMEOUT 120)
endfunction()

# orvane_add_wine_dpi_tests(target): runs the executable's tests named
# "AtDpi" again at 120, 144 and 192 DPI, each DPI in a Wine prefix of its own
# (wineprefix-dpiN beside the 96-DPI one), the DPI they expect in
# ORVANE_TEST_DPI.
set(ORVANE_TEST_DPIS 120 144 192)
function(orvane_add_wine_dpi_tests target)
  foreach(dpi IN LISTS ORVANE_TEST_DPIS)
    set(prefix ${CMAKE_BINARY_DIR}/wineprefix-dpi${dpi})
    add_test(NAME ${target}.AtDpi${dpi}
             COMMAND bash ${CMAKE_SOURCE_DIR}/scripts/wine-dpi-test.sh ${dpi} ${ORVANE_WINEARCH} ${prefix}
                     $<TARGET_FILE:${target}> --gtest_filter=*AtDpi*)
    # Tests of one prefix take turns: each run stops the prefix's wineserver.
    set_tests_properties(${target}.AtDpi${dpi} PROPERTIES LABELS win TIMEOUT 600 RESOURCE_LOCK wineprefix-dpi${dpi})
  endforeach()
endfunction()
