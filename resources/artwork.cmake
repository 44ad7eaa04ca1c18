# The artwork: every bitmap of the program is drawn from the SVG sources in artwork/, rendered at build time
# by tools/render-artwork into ${CMAKE_BINARY_DIR}/artwork/ as artwork/manifest.txt lists them. The rendered
# files become four resource sets of the library, with the manifest's paths as their resource paths.
# The target kelvora_artwork renders them; artwork/images/ is also what an office folder gets as its images/
# (the main window's style sheet reads "images/pushbutton.png" and the like from the working directory).
set(KELVORA_ARTWORK_DIR ${CMAKE_BINARY_DIR}/artwork)
set(artwork_manifest ${CMAKE_CURRENT_SOURCE_DIR}/artwork/manifest.txt)
set(artwork_sheet ${KELVORA_ARTWORK_DIR}/contact-sheet.png)
file(GLOB artwork_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/artwork/*.svg)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${artwork_manifest})

file(STRINGS ${artwork_manifest} artwork_lines)
set(artwork_outputs)
foreach(set_name images icons actions preview)
    set(artwork_set_${set_name})
endforeach()
foreach(line IN LISTS artwork_lines)
    if(line MATCHES "^[ \t]*(#|$)")
        continue()
    endif()
    if(NOT line MATCHES "^([a-z]+)[ \t]+([^ \t]+\\.svg)[ \t]+([0-9x]+)[ \t]+(.*[^ \t])[ \t]*$")
        message(FATAL_ERROR "artwork/manifest.txt: cannot read the line \"${line}\"")
    endif()
    set(output "${KELVORA_ARTWORK_DIR}/${CMAKE_MATCH_4}")
    list(APPEND artwork_outputs "${output}")
    if(NOT CMAKE_MATCH_1 STREQUAL "none")
        list(APPEND artwork_set_${CMAKE_MATCH_1} "${output}")
    endif()
endforeach()

add_custom_command(OUTPUT ${artwork_outputs} ${artwork_sheet}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
        $<TARGET_FILE:render-artwork> ${artwork_manifest} ${CMAKE_CURRENT_SOURCE_DIR}/artwork ${KELVORA_ARTWORK_DIR}
        --sheet ${artwork_sheet}
    DEPENDS render-artwork ${artwork_manifest} ${artwork_sources}
    COMMENT "Drawing the artwork"
    VERBATIM)
add_custom_target(kelvora_artwork DEPENDS ${artwork_outputs} ${artwork_sheet})
# Only kelvora_artwork runs the drawing: the library waits for it instead of running it a second time.
add_dependencies(kelvora_core kelvora_artwork)

set_source_files_properties(${artwork_outputs} PROPERTIES GENERATED TRUE)
foreach(set_name images icons actions preview)
    qt_add_resources(kelvora_core kelvora_artwork_${set_name} PREFIX "/" BASE ${KELVORA_ARTWORK_DIR}
        OPTIONS --no-compress FILES ${artwork_set_${set_name}})
endforeach()
