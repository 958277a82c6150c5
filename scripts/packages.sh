# Debian packages the build, the program and the tests need. Sourced by scripts/run and scripts/test.
QUILLUX_PACKAGES=(
  build-essential cmake
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev-tools qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libpugixml-dev
  fonts-liberation2 qlcplus-data
  xvfb xauth poppler-utils
)

# Installs whatever of QUILLUX_PACKAGES is missing; says nothing when all are there.
quillux_install_missing() {
  local missing=()
  local package
  for package in "${QUILLUX_PACKAGES[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$package")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
}
