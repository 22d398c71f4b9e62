# The colour text form of the settings: tessarin_colortext_core without Qt, tessarin_colortext with the Qt adapter.
add_library(tessarin_colortext_core STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ColorText.cpp ${CMAKE_CURRENT_LIST_DIR}/ColorText.h)
target_include_directories(tessarin_colortext_core PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(tessarin_colortext_core PUBLIC tessarin_cipher tessarin_options)
set_target_properties(tessarin_colortext_core PROPERTIES AUTOMOC OFF)

add_library(tessarin_colortext STATIC ${CMAKE_CURRENT_LIST_DIR}/QtColor.cpp ${CMAKE_CURRENT_LIST_DIR}/QtColor.h)
target_link_libraries(tessarin_colortext PUBLIC tessarin_colortext_core Qt6::Gui)
