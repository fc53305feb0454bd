# The options of the everyday build folder `build`, shared by scripts/run.sh and scripts/test.sh so
# that one of them never rebuilds what the other built. Sourced, not run.
build_flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRESMOLO_WERROR=ON)
# The options of a release build for installing and packaging (README, scripts/package.sh): no
# tests and no benchmarks.
release_flags=(-DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF -DTRESMOLO_BENCHMARKS=OFF)
