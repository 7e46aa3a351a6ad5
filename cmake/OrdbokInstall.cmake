# cmake --install build --prefix ~/.local puts the whole program folder under
# <prefix>/lib/ordbok, where it stays writable for its user (inst.ini, the pending word table
# and temp/ live beside the program), with a command in <prefix>/bin, a desktop entry and the
# icon in the sizes of the hicolor theme.
include(GNUInstallDirs)

set(ORDBOK_INSTALL_FOLDER "${CMAKE_INSTALL_LIBDIR}/ordbok")
set(icons "${CMAKE_BINARY_DIR}/icons")
add_custom_command(
    OUTPUT "${icons}/hicolor/256x256/apps/ordbok.png"
    COMMAND "${ORDBOK_ASSET_PYTHON}" "${CMAKE_SOURCE_DIR}/tools/assets/icons.py" "${ORDBOK_BIN_DIR}/MSSONG.ttf"
            "${icons}"
    DEPENDS "${CMAKE_SOURCE_DIR}/tools/assets/icons.py" "${CMAKE_SOURCE_DIR}/tools/assets/pictures.py"
            "${ORDBOK_BIN_DIR}/MSSONG.ttf"
    COMMENT "Drawing the icon in the theme's sizes"
    VERBATIM)
add_custom_target(ordbok_icons ALL DEPENDS "${icons}/hicolor/256x256/apps/ordbok.png")
add_dependencies(ordbok_icons ordbok_assets)

# The settings and the user's own files are not shipped: a new installation starts afresh.
install(DIRECTORY "${ORDBOK_BIN_DIR}/" DESTINATION "${ORDBOK_INSTALL_FOLDER}"
        USE_SOURCE_PERMISSIONS
        PATTERN "inst.ini" EXCLUDE
        PATTERN "studera.txt" EXCLUDE
        PATTERN "kinesiskBIG5kod1.mdb*" EXCLUDE
        PATTERN "temp/*" EXCLUDE)
install(DIRECTORY "${icons}/hicolor" DESTINATION "${CMAKE_INSTALL_DATADIR}/icons")
install(CODE "
    set(folder \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${ORDBOK_INSTALL_FOLDER}\")
    file(MAKE_DIRECTORY \"\${folder}/temp\")
    file(WRITE \"\${folder}/font.log\" \"\\\"nej\\\"\\r\\n\")
    file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(CREATE_LINK \"../${ORDBOK_INSTALL_FOLDER}/ordbok\"
         \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/ordbok\" SYMBOLIC)
    set(ORDBOK_INSTALLED_PROGRAM \"\${CMAKE_INSTALL_PREFIX}/${ORDBOK_INSTALL_FOLDER}/ordbok\")
    configure_file(\"${CMAKE_SOURCE_DIR}/packaging/ordbok.desktop.in\"
                   \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications/se.brenvik.Ordbok.desktop\"
                   @ONLY)
")
