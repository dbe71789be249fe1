# `cmake --install BUILD --prefix P` makes a self-contained program folder,
# P/lib/kestrune/, with the program, kestrune-convert, the encoder relay f.exe
# and help.htm side by side, since the program looks for them beside its own
# executable. P/bin gets links to both programs (the program folder is found
# through the link's target), and the menu entry and icon go where freedesktop
# menus look for them. The program writes set.txt and done.txt into its program
# folder, so that folder should belong to the user who runs it: install per
# user (P = ~/.local) unless every user may write there.
#
# `cmake --build BUILD --target uninstall` takes it all away again.
set(KESTRUNE_PROGRAM_DIR lib/kestrune)

install(TARGETS kestrune kestrune-convert encoder RUNTIME DESTINATION ${KESTRUNE_PROGRAM_DIR})
install(FILES ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/help.htm DESTINATION ${KESTRUNE_PROGRAM_DIR})

set(links ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${links})
foreach(program kestrune kestrune-convert)
  file(CREATE_LINK ../${KESTRUNE_PROGRAM_DIR}/${program} ${links}/${program} SYMBOLIC)
  install(FILES ${links}/${program} DESTINATION bin)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/resources/app/icon.png
  DESTINATION share/icons/hicolor/48x48/apps RENAME kestrune.png)

# The menu entry names the installed program by its full path, which is known
# only when installing (--prefix may differ from the configured prefix).
install(CODE "set(desktop_template \"${CMAKE_SOURCE_DIR}/resources/app/kestrune.desktop.in\")
set(desktop_entry \"${CMAKE_BINARY_DIR}/install-links/kestrune.desktop\")")
install(CODE [==[
file(READ "${desktop_template}" entry)
# Exec takes a quoted argument (the prefix may hold blanks) whose \ " ` $
# are escaped, and the entry's own escaping doubles every backslash; % is the
# field-code sign.
set(KESTRUNE_BIN "${CMAKE_INSTALL_PREFIX}/bin")
set(exec_bin "${KESTRUNE_BIN}")
set(two [[\\]])
string(REPLACE [[\]] "${two}${two}" exec_bin "${exec_bin}")
foreach(sign [["]] [[`]] [[$]])
  string(REPLACE "${sign}" "${two}${sign}" exec_bin "${exec_bin}")
endforeach()
string(REPLACE "%" "%%" exec_bin "${exec_bin}")
string(CONFIGURE "${entry}" entry @ONLY)
file(WRITE "${desktop_entry}" "${entry}")
file(INSTALL DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications" TYPE FILE FILES "${desktop_entry}")
]==])

add_custom_target(uninstall
  COMMAND ${CMAKE_COMMAND} -DMANIFEST=${CMAKE_BINARY_DIR}/install_manifest.txt
          -DPROGRAM_DIR=${KESTRUNE_PROGRAM_DIR} -P ${CMAKE_SOURCE_DIR}/cmake/KestruneUninstall.cmake
  VERBATIM)
