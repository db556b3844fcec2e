# The resource checks read the built executable itself.
if(TARGET resources_win_tests)
  quorbel_wine_path(quorbel_exe_win ${CMAKE_BINARY_DIR}/Quorbel.exe)
  set_tests_properties(resources_win_tests PROPERTIES ENVIRONMENT "QUORBEL_EXE=${quorbel_exe_win}")
  add_dependencies(resources_win_tests Quorbel)
endif()
