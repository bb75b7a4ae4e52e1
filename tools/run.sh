#!/usr/bin/env bash
# Installs what the program needs, builds it (which also gives the program folder
# its ConSQL.ini and delivered database when they are missing) and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
exec build/bin/tarvo
