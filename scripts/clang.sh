# Sourced by the scripts that build with clang: installs clang and its
# runtime libraries (sanitizers, libFuzzer) when they are missing.
# Clang 16: older versions cannot compile std::source_location against the
# system's C++ library.
CLANG_PACKAGES=(clang-16 libclang-rt-16-dev)
CLANG_CXX=clang++-16

ensure_clang() {
  local missing=() p
  for p in "${CLANG_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if [ ${#missing[@]} -gt 0 ]; then
    echo "Installing: ${missing[*]}"
    local sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
  fi
}

# ccache when there is one.
launcher_option() {
  command -v ccache >/dev/null && echo "-DCMAKE_CXX_COMPILER_LAUNCHER=ccache" || true
}
