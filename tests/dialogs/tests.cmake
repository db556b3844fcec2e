# The dialogs once more under the Korean code page, the one their users have: data text
# in CP949 goes through the A functions byte for byte.
if(TARGET dialogs_win_tests)
  add_test(NAME dialogs_win_tests_cp949 COMMAND dialogs_win_tests "--gtest_filter=*Korean*")
  set_tests_properties(dialogs_win_tests_cp949 PROPERTIES TIMEOUT 120 ENVIRONMENT "LC_ALL=ko_KR.UTF-8")
endif()
