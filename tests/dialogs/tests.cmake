# The dialogs once more under the Korean code page, the one their users have: data text
# in CP949 goes through the A functions byte for byte, and each dialog is photographed
# (with the end-to-end harness's Screenshot) into the scenarios' screenshot folder.
if(TARGET dialogs_win_tests AND TARGET quorbel_e2e_support)
  target_link_libraries(dialogs_win_tests PRIVATE quorbel_e2e_support)
  add_test(NAME dialogs_win_tests_cp949 COMMAND dialogs_win_tests "--gtest_filter=*Korean*")
  set_tests_properties(dialogs_win_tests_cp949 PROPERTIES TIMEOUT 120
    ENVIRONMENT "LC_ALL=ko_KR.UTF-8;QUORBEL_SCREENSHOTS=${CMAKE_BINARY_DIR}/screenshots")
endif()
