#!/usr/bin/env bash
# Runs the program's main job. The install reporter itself arrives with the
# report driver; until then this builds the library, its tests and the
# benchmarks.
set -eu
cd "$(dirname "$0")/.."

. scripts/install-packages.sh
install_missing_packages scripts/packages.txt

cmake --preset default
cmake --build --preset default
echo "Built the vantor library, its tests and benchmarks in build/default."
echo "The install-reporter program comes later, with the report driver."
