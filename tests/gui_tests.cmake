# ruvo_gui_tests: the document, view, dialog and shell tests in one program
# with its own main (an offscreen QApplication, temporary settings folders).
find_package(Qt6 6.4 REQUIRED COMPONENTS Test)

set(RUVO_GUI_TEST_SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/gui_main.cpp)
foreach(dir document view dialogs app)
    file(GLOB dir_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/*.cpp)
    list(APPEND RUVO_GUI_TEST_SOURCES ${dir_sources})
endforeach()

add_executable(ruvo_gui_tests ${RUVO_GUI_TEST_SOURCES})
target_include_directories(ruvo_gui_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(ruvo_gui_tests PRIVATE ruvogui Qt6::Test GTest::gtest)
ruvo_test_program_options(ruvo_gui_tests)
# The folders are also compiled in: a list of several variables in ENVIRONMENT
# does not survive the discovery script, and the tests run outside ctest too.
target_compile_definitions(ruvo_gui_tests PRIVATE
    RUVO_SOURCE_TEST_DATA="${CMAKE_CURRENT_SOURCE_DIR}/data"
    RUVO_SOURCE_EXAMPLES="${PROJECT_SOURCE_DIR}/examples")
# Creating the offscreen application takes a while in a sanitizer build.
gtest_discover_tests(ruvo_gui_tests DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
    PROPERTIES ENVIRONMENT "RUVO_TEST_DATA=${CMAKE_CURRENT_SOURCE_DIR}/data")
# The translation test runs lupdate over the sources.
find_package(Qt6 6.4 REQUIRED COMPONENTS LinguistTools)
target_compile_definitions(ruvo_gui_tests PRIVATE
    RUVO_SOURCE_DIR="${PROJECT_SOURCE_DIR}"
    RUVO_LUPDATE="$<TARGET_FILE:Qt6::lupdate>")
# The export tests run the command-line calculator as a process.
add_dependencies(ruvo_gui_tests ruvo-calc)
target_compile_definitions(ruvo_gui_tests PRIVATE RUVO_CALC_PATH="$<TARGET_FILE:ruvo-calc>")
