# Read by cpack before it writes the package. Every time in the package (its
# ar members, the tar entries, the gzip headers) is SOURCE_DATE_EPOCH when
# that is set, else the moment of packaging. Unless the builder has set it,
# as Debian's tools do, it is the time of the commit being packaged, so the
# same commit gives the same package wherever and whenever it is built; out
# of a git checkout, the time of the changelog's latest entry.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    execute_process(COMMAND git -C "${CPACK_KV_SOURCE_DIR}" log -1 --format=%ct
                    OUTPUT_VARIABLE kv_time OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE kv_status ERROR_QUIET)
    if(NOT kv_status EQUAL 0 OR NOT kv_time MATCHES "^[0-9]+$")
        execute_process(COMMAND dpkg-parsechangelog -l "${CPACK_KV_SOURCE_DIR}/packaging/changelog" -S Timestamp
                        OUTPUT_VARIABLE kv_time OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    endif()
    set(ENV{SOURCE_DATE_EPOCH} "${kv_time}")
endif()
