# The program's icons (resources/icons/*.svg) as ready pixels, rendered at build time at the scale
# factors screens use, and compiled in as the Qt resource "icons"
# (:/icons/<number>@<scale>x.argb). The window program then shows its icons without parsing SVG,
# loading Qt Svg or decoding an image at start-up.
add_executable(hm_iconbake resources/bake/IconBake.cpp)
target_link_libraries(hm_iconbake PRIVATE Qt6::Svg Qt6::Gui)
hm_target_warnings(hm_iconbake)

# Keep in step with kBakedScales in widgets/Icons.cpp.
set(HM_ICON_SCALES 1 1.25 1.5 2 3)
file(GLOB HM_ICON_SVGS CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/resources/icons/*.svg)
set(HM_ICON_DIR ${CMAKE_CURRENT_BINARY_DIR}/resources/icons)
set(HM_ICON_FILES)
set(HM_ICON_QRC_FILES)
foreach(svg ${HM_ICON_SVGS})
    get_filename_component(name ${svg} NAME_WE)
    foreach(scale ${HM_ICON_SCALES})
        set(baked ${HM_ICON_DIR}/${name}@${scale}x.argb)
        list(APPEND HM_ICON_FILES ${baked})
        string(APPEND HM_ICON_QRC_FILES
            "    <file alias=\"icons/${name}@${scale}x.argb\">${baked}</file>\n")
    endforeach()
endforeach()
string(REPLACE ";" "," scales "${HM_ICON_SCALES}")
add_custom_command(OUTPUT ${HM_ICON_FILES}
    COMMAND hm_iconbake ${HM_ICON_DIR} ${scales} ${HM_ICON_SVGS}
    DEPENDS hm_iconbake ${HM_ICON_SVGS}
    COMMENT "Rendering the icons" VERBATIM)
set(qrc ${CMAKE_CURRENT_BINARY_DIR}/resources/icons.qrc)
file(CONFIGURE OUTPUT ${qrc} CONTENT
    "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n${HM_ICON_QRC_FILES}</qresource>\n</RCC>\n")
set_source_files_properties(${qrc} PROPERTIES SKIP_AUTORCC ON)
qt_add_resources(HM_ICON_RESOURCES ${qrc})
