# Cross-build for ARM hard-float Linux on a Debian build machine with the armhf multiarch
# packages (make cross-deps): the compiler is Debian's cross g++, Qt's libraries and CMake
# packages are the armhf ones under /usr/lib/arm-linux-gnueabihf, and Qt's code generators
# (moc, rcc, uic, lrelease) are the build machine's own, which Debian's Qt CMake packages name
# by their path under /usr/lib/qt5/bin.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR armv7l)
# Makes find_package and find_library look under lib/arm-linux-gnueabihf, never under the build
# machine's lib/x86_64-linux-gnu.
set(CMAKE_LIBRARY_ARCHITECTURE arm-linux-gnueabihf)

set(CMAKE_C_COMPILER arm-linux-gnueabihf-gcc)
set(CMAKE_CXX_COMPILER arm-linux-gnueabihf-g++)

# Everything is built by this one compiler, so GCC's notes that the ARM parameter passing of some
# types changed in GCC 7.1 concern no caller here.
set(CMAKE_CXX_FLAGS_INIT "-Wno-psabi")

# pkg-config (Aravis) reads the armhf packages' descriptions.
set(ENV{PKG_CONFIG_LIBDIR} "/usr/lib/arm-linux-gnueabihf/pkgconfig:/usr/share/pkgconfig")
