# cpack -G DEB: orva-video-converter_<version>_<arch>.deb with the install
# layout under /usr. Library dependencies come from the binaries; ffmpeg is
# added because the probe and the encoder run it as a program, and Qt's
# translations because the window loads Qt's own catalogue of the user's
# language (the file dialogs, the buttons of its questions).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orva-video-converter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Orva developers")
set(CPACK_PACKAGE_CONTACT "Orva developers <dev@orva.invalid>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "desktop video and audio converter")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "ffmpeg, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
if(ORVA_HOME_URL)
  set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${ORVA_HOME_URL})
endif()
# The long description; CPack puts the summary above it and indents it.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Orva Video Converter converts a list of video and audio files in one go,
with 147 output profiles for phones, tablets, game consoles, media
players, the web, HD video, audio and lossless formats. Each file can be
previewed and cut to a begin and end time before converting.

The package holds the window (orva-video-converter) and the
command-line converter (orva-convert). The window speaks English,
German, French and Spanish.")
include(CPack)
