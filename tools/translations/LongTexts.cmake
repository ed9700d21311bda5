# Writes the long texts of one language (the twenty glyph descriptions and
# the other texts the program keeps as files) as a Qt Linguist file, so that
# lrelease compiles them into the language's translation beside the short
# texts. Their source is the English file, their translation the file of the
# same name in the language's folder; a text not translated yet is left out
# and shows in English.
#
# Run with -DASSETS=<assets folder> -DLANGUAGE=<code> -DOUTPUT=<file.ts>.

include(${CMAKE_CURRENT_LIST_DIR}/../GeneratedFiles.cmake)

function(kv_xml out text)
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(REPLACE ">" "&gt;" text "${text}")
    string(REPLACE "\"" "&quot;" text "${text}")
    string(REPLACE "'" "&apos;" text "${text}")
    set(${out} "${text}" PARENT_SCOPE)
endfunction()

# One message: the English file and its translation, read as the program
# reads the English one (`trim`: both ends, as the program's texts; else
# only the line ends after a description).
function(kv_message out english translated trim)
    if(NOT EXISTS "${translated}")
        set(${out} "" PARENT_SCOPE)
        return()
    endif()
    file(READ "${english}" source)
    file(READ "${translated}" translation)
    if(trim)
        string(STRIP "${source}" source)
        string(STRIP "${translation}" translation)
    else()
        string(REGEX REPLACE "[\r\n]+$" "" source "${source}")
        string(REGEX REPLACE "[\r\n]+$" "" translation "${translation}")
    endif()
    kv_xml(source "${source}")
    kv_xml(translation "${translation}")
    set(${out} "    <message>\n        <source>${source}</source>\n        <translation>${translation}</translation>\n    </message>\n" PARENT_SCOPE)
endfunction()

set(descriptions "")
foreach(index RANGE 0 19)
    kv_glyph_file(name ${index})
    kv_message(message "${ASSETS}/descriptions/${name}" "${ASSETS}/descriptions/${LANGUAGE}/${name}" FALSE)
    string(APPEND descriptions "${message}")
endforeach()

set(texts "")
file(GLOB english_texts "${ASSETS}/text/*.txt")
list(SORT english_texts)
foreach(english ${english_texts})
    get_filename_component(name "${english}" NAME)
    kv_message(message "${english}" "${ASSETS}/text/${LANGUAGE}/${name}" TRUE)
    string(APPEND texts "${message}")
endforeach()

set(content "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n<TS version=\"2.1\" language=\"${LANGUAGE}\">\n<context>\n    <name>Description</name>\n${descriptions}</context>\n<context>\n    <name>Text</name>\n${texts}</context>\n</TS>\n")
kv_write_if_changed("${OUTPUT}" "${content}")
