# cmake -DSOURCE=<file> -DDEST=<file> -P CopyIfAbsent.cmake
# Copies SOURCE to DEST unless DEST exists already; an existing DEST is never touched.
if(NOT DEFINED SOURCE OR NOT DEFINED DEST)
    message(FATAL_ERROR "CopyIfAbsent.cmake needs SOURCE and DEST")
endif()
if(NOT EXISTS "${DEST}")
    get_filename_component(dest_dir "${DEST}" DIRECTORY)
    file(MAKE_DIRECTORY "${dest_dir}")
    file(COPY_FILE "${SOURCE}" "${DEST}")
    message(STATUS "Shipped the empty register ${DEST}")
endif()
