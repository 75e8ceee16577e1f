# Runs one window test in an empty home of its own: whatever an earlier run
# left there (the file dialogs' remembered folders and history) is removed
# first, so every run starts alike.
#   cmake -DHOME_DIR=<home> -DTEST_PROGRAM=<test> -P freshhome.cmake
file(REMOVE_RECURSE "${HOME_DIR}")
file(MAKE_DIRECTORY "${HOME_DIR}/.config")
execute_process(COMMAND "${TEST_PROGRAM}" RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${TEST_PROGRAM} failed: ${result}")
endif()
