# The Debian package of the editor and its companion (`make package`): the programs, the
# desktop's files and the documents dist/ installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tunewright)
set(CPACK_PACKAGE_VENDOR "The Tunewright developers")
set(CPACK_PACKAGE_CONTACT "The Tunewright developers <developers@tunewright.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "melody editor for the Chimebox melody chip")
# The lines of the long description keep within the 80 columns package tools show.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Tunewright writes melodies for the Chimebox, a programmable one-voice"
    "melody chip: a numbered list of rows, each a key of the 25-key on-screen"
    "keyboard with one of eight note lengths, or one of five rests. A melody is"
    "edited, played, kept in small Shift_JIS .tun files and sent to the chip as"
    "an audio signal through the sound output. The interface is in Japanese."
    "The package also holds tunewright-cli, which shows, converts and decodes"
    "melodies without the window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/tunewright/tunewright)
set(CPACK_STRIP_FILES ON)

# The libraries come from the programs themselves (Qt's X11 platform plugin and the SVG
# library with them); the data the editor loads by path or by name does not, so it is named
# here: the two soundfonts the synthesizer tries in /usr/share/sounds/sf2, the font of the
# rows and the artwork, and Qt's Japanese texts.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "timgm6mb-soundfont, csound-soundfont, fonts-ipafont-gothic, qt6-translations-l10n")

include(CPack)
