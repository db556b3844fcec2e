# Makes the release zip of one build and unpacks it into an empty folder, as a user
# would: cmake -Dzip= -Dexe= -Dhelp= -Dmaker= -Dfolder= -P unpack-package.cmake
file(REMOVE_RECURSE ${folder})
file(MAKE_DIRECTORY ${folder})
execute_process(COMMAND ${maker} ${zip} ${exe} ${help} COMMAND_ERROR_IS_FATAL ANY)
get_filename_component(dist ${zip} DIRECTORY)
get_filename_component(name ${zip} NAME)
execute_process(COMMAND sha256sum --quiet -c ${name}.sha256 WORKING_DIRECTORY ${dist} COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${CMAKE_COMMAND} -E tar xf ${zip} WORKING_DIRECTORY ${folder} COMMAND_ERROR_IS_FATAL ANY)

file(GLOB files RELATIVE ${folder} ${folder}/*)
if(NOT files STREQUAL "Quorbel.exe;Quorbel.txt")
  message(FATAL_ERROR "${name} holds ${files}, not Quorbel.exe and Quorbel.txt")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${exe} ${folder}/Quorbel.exe
                RESULT_VARIABLE differs)
if(differs)
  message(FATAL_ERROR "the Quorbel.exe in ${name} is not the one built")
endif()
message(STATUS "${name} unpacked into ${folder}")
