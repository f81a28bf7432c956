#!/usr/bin/env bash
# Installs what building and running the program needs, builds the program alone, optimised,
# and starts it (with any arguments given here, such as --help).
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh program release program
echo "==> Starting the quiz"
exec build/release/quiz "$@"
