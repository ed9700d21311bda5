# What the build's text generators share (cmake -P scripts).

# The file of glyph `index` (0 to 19) in a descriptions folder: glyph-NN.txt.
function(kv_glyph_file out index)
    if(index LESS 10)
        set(${out} "glyph-0${index}.txt" PARENT_SCOPE)
    else()
        set(${out} "glyph-${index}.txt" PARENT_SCOPE)
    endif()
endfunction()

# Writes `content` to `file` only when it changes, so that what depends on
# the file is not rebuilt for nothing.
function(kv_write_if_changed file content)
    set(old "")
    if(EXISTS "${file}")
        file(READ "${file}" old)
    endif()
    if(NOT "${old}" STREQUAL "${content}")
        file(WRITE "${file}" "${content}")
    endif()
endfunction()
