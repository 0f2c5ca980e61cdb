# The artwork: every picture of the windows, painted in code, and the
# application icon kept as SVG so the desktop can install the same drawing.
add_library(tunewright_art STATIC
    ${CMAKE_CURRENT_LIST_DIR}/artwork.h
    ${CMAKE_CURRENT_LIST_DIR}/artwork_paint.h
    ${CMAKE_CURRENT_LIST_DIR}/artwork_paint.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_glyphs.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_entry.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_keys.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_tools.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_scene.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_background.cpp
    ${CMAKE_CURRENT_LIST_DIR}/artwork_splash.cpp)
# The pictures only need the shared enums of the ports and the score tables,
# both header-only, so the library stays free of the editor's code.
target_include_directories(tunewright_art PUBLIC ${PROJECT_SOURCE_DIR}/src)
target_link_libraries(tunewright_art PUBLIC Qt6::Gui PRIVATE Qt6::Svg)
target_compile_options(tunewright_art PRIVATE -Wall -Wextra)
qt_add_resources(tunewright_art tunewright_art_icon
    PREFIX /art
    BASE ${CMAKE_CURRENT_LIST_DIR}/art
    FILES ${CMAKE_CURRENT_LIST_DIR}/art/tunewright.svg)
