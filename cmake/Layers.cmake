# One static library per layer, so that the build enforces which folder may include which.
#
# Every source includes headers by their path from the source root ("fleetdata/DataFile.h"), but
# the source root is never an include directory of a product target. Instead each layer gets its
# own include root in the build tree holding a single symbolic link to its folder:
#
#   <build>/layers/hm_fleetdata/fleetdata  ->  <source>/fleetdata
#
# A target sees its own folder and the folders of the layers it links (PUBLIC where one of its
# headers includes the other layer, PRIVATE otherwise), and nothing else: an include of a folder
# it does not depend on fails to compile with "No such file or directory".
#
# hm_layer(<target> <folder> [QT] [SOURCES <extra sources>...] [EXCLUDE <regex>]
#          [PUBLIC <targets>...] [PRIVATE <targets>...])
# compiles every <folder>/*.cpp (re-run cmake after adding a file). QT adds the folder's
# headers for moc.
function(hm_layer target folder)
    cmake_parse_arguments(PARSE_ARGV 2 L "QT" "EXCLUDE" "SOURCES;PUBLIC;PRIVATE")
    file(GLOB sources CONFIGURE_DEPENDS ${folder}/*.cpp)
    if(L_QT)
        file(GLOB headers CONFIGURE_DEPENDS ${folder}/*.h)
        list(APPEND sources ${headers})
    endif()
    if(L_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "${L_EXCLUDE}")
    endif()
    set(root ${CMAKE_BINARY_DIR}/layers/${target})
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)

    add_library(${target} STATIC ${sources} ${L_SOURCES})
    target_include_directories(${target} PUBLIC ${root})
    target_link_libraries(${target} PUBLIC ${L_PUBLIC} PRIVATE ${L_PRIVATE})
    # What the layer's own sources see, for the layering tests (tests/layering/).
    set_target_properties(${target} PROPERTIES HM_LAYER_DEPS "${L_PUBLIC};${L_PRIVATE}")
    # Every layer, so that tests/layering/ can check that each has a probe.
    set_property(GLOBAL APPEND PROPERTY HM_LAYERS ${target})
    hm_target_warnings(${target})
endfunction()
