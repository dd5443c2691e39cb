# The Debian package of the home screen: what `cmake --install` lays out
# (the program, its tools, pictures and translations in /opt/ivo), built with
#   cpack --config <build>/CPackConfig.cmake -G DEB
# tests/package/check builds it, installs it into a scratch root and starts it.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ivo)
set(CPACK_PACKAGE_CONTACT "ivo developers <ivo@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Full-screen home screen for the television output of a storage appliance")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "The tile grid of the appliance's TV applications, remote-control input\n"
    "decoded from raw infrared, package management and the TV output, audio,\n"
    "language and remote settings. Runs under X11 with a window manager.")
string(JOIN "" CPACK_DEBIAN_PACKAGE_DESCRIPTION ${CPACK_DEBIAN_PACKAGE_DESCRIPTION})
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Install destinations are relative to the root, as on the appliance.
set(CPACK_PACKAGING_INSTALL_PREFIX "/")
set(CPACK_STRIP_FILES ON)

# Libraries: whatever the binaries link, as dpkg-shlibdeps finds it.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# Programs the home screen runs itself, by package:
#   x11-xserver-utils   xrandr (outputs and modes), xset (screen blanking)
#   xdotool             keys forwarded to a registered application
#   procps, psmisc      ps (foreground application checks), killall
#   sudo                the appliance's privileged runner is reached through it
#   alsa-utils          aplay (sound cards) and the left/right test sounds
#   pulseaudio-utils    pactl (default sink)
#   pipewire-bin        pw-cat (speaker test)
#   ibus, libglib2.0-bin  input methods and their gsettings keys
#   read-edid, edid-decode  monitor names from the EDID blocks
# The appliance's own programs (privileged runner, package tool, hot-plug and
# margin scripts) come with its firmware, not from Debian.
set(ivo_program_depends
    x11-xserver-utils xdotool procps psmisc sudo
    alsa-utils pulseaudio-utils pipewire-bin
    ibus libglib2.0-bin
    read-edid edid-decode)
# The desktop it runs in (openbox's title layout, the tint2 task bar), the
# interface's fonts (its own family, the CJK family its Japanese name is an
# alias of, a Thai family), and curl for the one product whose service it
# stops over HTTP.
set(ivo_recommends openbox tint2 fonts-wqy-zenhei fonts-noto-cjk fonts-noto-ui-core curl)
list(JOIN ivo_program_depends ", " CPACK_DEBIAN_PACKAGE_DEPENDS)
list(JOIN ivo_recommends ", " CPACK_DEBIAN_PACKAGE_RECOMMENDS)

include(CPack)
