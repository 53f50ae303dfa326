# The Qt desktop program: document, view, dialogs and application shell in
# the static library ruvogui (so the GUI tests link the same code), and the
# executable ruvo built from main.cpp alone.
find_package(Qt6 6.4 REQUIRED COMPONENTS Core Gui Widgets PrintSupport Svg)
set(CMAKE_AUTOMOC ON)

file(GLOB RUVO_GUI_SOURCES CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/document/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/view/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/*.cpp
    ${CMAKE_CURRENT_SOURCE_DIR}/app/*.cpp)
# The results report is plain C++ and already part of ruvocore; main.cpp
# belongs to the executable only.
list(FILTER RUVO_GUI_SOURCES EXCLUDE REGEX "/document/ResultsReport\\.cpp$")
list(FILTER RUVO_GUI_SOURCES EXCLUDE REGEX "/app/main\\.cpp$")
file(GLOB RUVO_GUI_HEADERS CONFIGURE_DEPENDS
    ${CMAKE_CURRENT_SOURCE_DIR}/document/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/view/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/dialogs/*.h
    ${CMAKE_CURRENT_SOURCE_DIR}/app/*.h)

add_library(ruvogui STATIC ${RUVO_GUI_SOURCES} ${RUVO_GUI_HEADERS})
target_include_directories(ruvogui PUBLIC ${CMAKE_CURRENT_SOURCE_DIR})
target_link_libraries(ruvogui PUBLIC ruvocore Qt6::Core Qt6::Gui Qt6::Widgets Qt6::PrintSupport Qt6::Svg)

# The status bar's lock indicators read the keyboard state from X11 when it
# is there; without it they stay grey.
find_package(X11 QUIET)
if(X11_FOUND)
    target_link_libraries(ruvogui PRIVATE X11::X11)
    target_compile_definitions(ruvogui PRIVATE RUVO_HAVE_X11)
endif()

# Icons, cursors, help pages and pictures under ":/icons/...", ":/cursors/...",
# ":/help/..." and ":/images/...". The target form keeps the resources in the
# static library (an AUTORCC .qrc object would be dropped by the linker).
set(RUVO_RESOURCE_DIR ${PROJECT_SOURCE_DIR}/resources)
file(GLOB_RECURSE RUVO_RESOURCE_FILES CONFIGURE_DEPENDS
    ${RUVO_RESOURCE_DIR}/icons/*.svg
    ${RUVO_RESOURCE_DIR}/cursors/*
    ${RUVO_RESOURCE_DIR}/help/*
    ${RUVO_RESOURCE_DIR}/images/*)
if(RUVO_RESOURCE_FILES)
    qt_add_resources(ruvogui "ruvo_resources" PREFIX "/" BASE ${RUVO_RESOURCE_DIR} FILES ${RUVO_RESOURCE_FILES})
endif()

add_executable(ruvo ${CMAKE_CURRENT_SOURCE_DIR}/app/main.cpp)
target_link_libraries(ruvo PRIVATE ruvogui)
install(TARGETS ruvo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
