# Sourced by the project's scripts: installs the Debian packages that are missing, using
# sudo when not root, and leaves installed ones alone.
ensure_packages() {
    local missing=()
    local package
    for package in "$@"; do
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
            missing+=("$package")
        fi
    done
    [ ${#missing[@]} -eq 0 ] && return 0

    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    echo "Installing: ${missing[*]}"
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq "${missing[@]}"
}

# What building, testing and running the program need (gettext: msgfmt and xgettext, which
# make the message catalogues; acl: setfacl and getfacl, with which
# the save's tests check that a form keeps its ACL). The fonts: Liberation and DejaVu stand in
# for the faces of Windows; WenQuanYi Micro Hei (Chinese, simplified and traditional), IPA
# Gothic (Japanese), Nanum (Korean) and Loma (Thai) hold the scripts they lack, so that the
# layout picture shows the text of every code page a form may be written in.
TREMARO_PACKAGES=(cmake ninja-build g++ pkg-config libgtest-dev libicu-dev libuchardet-dev qt6-base-dev qt6-translations-l10n
                  fonts-liberation2 fonts-dejavu-core fonts-wqy-microhei fonts-ipafont-gothic fonts-nanum
                  fonts-tlwg-loma locales acl gettext)

# What the window tests need for their second run, on a real X server with a window manager
# (scripts/with-x-server.sh).
TREMARO_X_PACKAGES=(xvfb openbox x11-utils)

# What making and checking the Debian package needs (cpack -G DEB, tests/package_test.sh:
# desktop-file-validate, and update-mime-database and gio to see which files the file type
# takes in).
TREMARO_PACKAGING_PACKAGES=(dpkg-dev file lintian appstream desktop-file-utils shared-mime-info libglib2.0-bin)
