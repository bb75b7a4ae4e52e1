#!/usr/bin/env bash
# Installs what the project needs, builds it and runs every test: the core suite
# on SQLite and on a throw-away PostgreSQL cluster, the report and window tests.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build

source tools/pg-test-cluster.sh
trap pg_test_cluster_stop EXIT
pg_test_cluster_start
ctest --test-dir build --output-on-failure
