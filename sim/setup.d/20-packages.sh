#!/usr/bin/env bash
# Installed TV packages: the package configuration, each package's descriptor,
# its icon (rendered from the SVG source next to it at the tile's 380 x 380),
# a start command that opens a window and a service script that only logs.
source "$SIM_SRC/setup-lib.sh"

install_standins packages
base=/share/vol1/.tellora
icons=$SIM_STATE/package-icons.txt
: >"$icons"
for dir in "$SYSROOT$base"/apps/* "$SYSROOT$base"/vm/*; do
    ln -sfn "$SYSROOT$base/bin/tvapp" "$dir/run.sh"
    ln -sfn "$SYSROOT$base/bin/appservice" "$dir/service.sh"
    rel=${dir#"$SYSROOT$base"/}
    echo "$rel/icon_tv.png $rel/icon.svg 380x380" >>"$icons"
done
render_art "$icons" "$SYSROOT$base" "the installed packages" || true

# Packages of this product (one for administrators only, one disabled, one
# task-bar companion), two virtual machines and a package of another product.
pkg() { # section, display name, version, extra lines
    cat <<CONF

[$1]
Name = $1
Display_Name = $2
Version = $3
Author = Tellora Labs
Class = Tellora
Install_Path = $base/apps/$1
Shell = $base/apps/$1/service.sh
Date = 2025-02-11
${4:-Enable = TRUE}
CONF
}
{
    printf '[Tellora]\nName = Tellora\nVersion = 1.0.0\n'
    pkg Arcade Arcade 1.4.0
    pkg Cinema Cinema 3.2.1
    pkg Gallery Gallery 2.0.5 $'Enable = TRUE\nAdminOnly = TRUE'
    pkg Radio Radio 0.9.2 'Enable = FALSE'
    pkg Weather Weather 1.1.0
    cat <<CONF

[VMKIT]
Name = VMKIT
Display_Name = Virtual machines
Version = 2.3.0
Class = VMKIT
Enable = TRUE
TELLORA_VMKIT_NUM = 2
TELLORA_VMKIT_PATH_0 = $base/vm/Workbench
TELLORA_VMKIT_PATH_1 = $base/vm/Sandbox

[Ledger]
Name = Ledger
Display_Name = Ledger
Version = 5.0.0
Class = Deskline
Enable = TRUE
Install_Path = $base/apps/Ledger
Shell = $base/apps/Ledger/service.sh
CONF
} | put_file /etc/config/bento.conf
