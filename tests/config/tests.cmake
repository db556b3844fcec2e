# The platform's profile functions answer in the system code page: run their corpus
# again under the Korean and Japanese locales, which give Wine the code pages 949 and 932.
if(WIN32 AND TARGET config_win_tests)
  foreach(run "949;ko_KR.UTF-8" "932;ja_JP.UTF-8")
    list(GET run 0 codepage)
    list(GET run 1 locale)
    add_test(NAME config_win_tests_cp${codepage} COMMAND config_win_tests)
    set_tests_properties(config_win_tests_cp${codepage} PROPERTIES
      TIMEOUT 300
      ENVIRONMENT "LC_ALL=${locale};QUORBEL_EXPECT_CODEPAGE=${codepage}")
  endforeach()
endif()
