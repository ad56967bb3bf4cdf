# The Windows installer, quadrix-<version>-setup.exe next to quadrix.exe, made by
# NSIS from data/quadrix.nsi.in whenever the program changes.
find_program(QUADRIX_MAKENSIS makensis REQUIRED)

set(QUADRIX_PUBLISHER "ZEKT")
file(STRINGS ${PROJECT_SOURCE_DIR}/LICENSE QUADRIX_COPYRIGHT REGEX "^Copyright " LIMIT_COUNT 1)
set(script ${CMAKE_CURRENT_BINARY_DIR}/quadrix.nsi)
configure_file(${PROJECT_SOURCE_DIR}/data/quadrix.nsi.in ${script} @ONLY)

# The licence as Windows editors and the licence page show it: CR LF line ends.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
string(REPLACE "\n" "\r\n" licence "${licence}")
set(licence_file ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
file(WRITE ${licence_file}.new "${licence}")
configure_file(${licence_file}.new ${licence_file} COPYONLY)

set(QUADRIX_INSTALLER ${CMAKE_BINARY_DIR}/quadrix-${PROJECT_VERSION}-setup.exe)
add_custom_command(OUTPUT ${QUADRIX_INSTALLER}
    COMMAND ${QUADRIX_MAKENSIS} -V2 -DPROGRAM=$<TARGET_FILE:quadrix_win32>
            -DLICENSE=${licence_file}
            -DICON=$<TARGET_PROPERTY:quadrix_win32,BINARY_DIR>/quadrix.ico
            -DOUTFILE=${QUADRIX_INSTALLER} ${script}
    DEPENDS quadrix_win32 ${script} ${licence_file}
    COMMENT "Making the installer quadrix-${PROJECT_VERSION}-setup.exe"
    VERBATIM)
add_custom_target(quadrix_installer ALL DEPENDS ${QUADRIX_INSTALLER})
