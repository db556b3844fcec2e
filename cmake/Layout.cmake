# How the source tree maps to targets.
#
# Each subsystem folder holds its platform-free core in <subsystem>/*.cpp (no <windows.h>),
# its Win32 shell in <subsystem>/win/*.cpp, and what the native build needs in place of
# the platform in <subsystem>/posix/*.cpp. A core declaration that needs the platform
# (the module path, the active code page) is defined once in win/ and once in posix/.
# The framework layer is Win32 only.

function(quorbel_add_subsystem name)
  set(dir ${CMAKE_SOURCE_DIR}/${name})
  if(name STREQUAL "framework")
    if(WIN32)
      file(GLOB sources CONFIGURE_DEPENDS ${dir}/*.cpp)
      target_sources(quorbel_framework PRIVATE ${sources})
    endif()
    return()
  endif()

  file(GLOB core CONFIGURE_DEPENDS ${dir}/*.cpp)
  target_sources(quorbel_core PRIVATE ${core})
  if(WIN32)
    file(GLOB shell CONFIGURE_DEPENDS ${dir}/win/*.cpp)
    # The application object is a global that must land in the executable itself.
    list(FILTER shell EXCLUDE REGEX "/app/win/BarApp\\.cpp$")
    target_sources(quorbel_shell PRIVATE ${shell})
  else()
    file(GLOB platform CONFIGURE_DEPENDS ${dir}/posix/*.cpp)
    target_sources(quorbel_core PRIVATE ${platform})
  endif()
endfunction()
