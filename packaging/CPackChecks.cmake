# Read by cpack before it builds a package. A Debian package without the libraries the program
# links would install and then fail to start, so it is not built at all.
cmake_policy(SET CMP0109 NEW) # a program must be executable to count as found
if(CPACK_GENERATOR STREQUAL "DEB")
    find_program(QUIZ_DPKG_SHLIBDEPS dpkg-shlibdeps)
    if(NOT QUIZ_DPKG_SHLIBDEPS)
        message(FATAL_ERROR "dpkg-shlibdeps is missing, so the package would not depend on the "
                            "Qt libraries: install dpkg-dev (scripts/package.sh does)")
    endif()
endif()

# cpack gives the archive members and every file in them this date (see CMakeLists.txt here).
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_QUIZ_CHANGELOG_EPOCH}")
endif()
