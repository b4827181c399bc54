# The Windows build, cross-built with mingw-w64 (scripts/windows.sh). Every program and test program goes to
# bin/, where the zone files they read lie beside them as they do in the installed folder.
set(CMAKE_RUNTIME_OUTPUT_DIRECTORY ${PROJECT_BINARY_DIR}/bin)

# Windows' own time zones have little history, so the exact reading reads tzdata's compiled zone files from a
# zoneinfo folder beside the program: the build machine's, less the posix/ and right/ variants nobody asks for
# and localtime (the build machine's own zone, nothing of the user's).
set(QUORVIS_ZONEINFO_SOURCE /usr/share/zoneinfo CACHE PATH "tzdata's compiled zone files, shipped beside the program")
file(REMOVE_RECURSE ${PROJECT_BINARY_DIR}/bin/zoneinfo)
file(COPY ${QUORVIS_ZONEINFO_SOURCE}/ DESTINATION ${PROJECT_BINARY_DIR}/bin/zoneinfo
    PATTERN posix EXCLUDE PATTERN right EXCLUDE PATTERN localtime EXCLUDE)
