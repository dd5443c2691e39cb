#!/usr/bin/env bash
# The interface's font aliases, as the package puts them into the system's
# conf.d: here a fontconfig file of the simulator's own that reads the system
# configuration and then the program's aliases (ivo runs with FONTCONFIG_FILE
# pointing at it).

cat >"$SIM_STATE/fonts.conf" <<CONF
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "urn:fontconfig:fonts.dtd">
<fontconfig>
  <include>/etc/fonts/fonts.conf</include>
  <include>$(dirname "$SIM_SRC")/resources/fonts/ivo-fonts.conf</include>
</fontconfig>
CONF
