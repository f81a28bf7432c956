#!/usr/bin/env bash
# Formats every C++ source of the project in place; with --check, only reports.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=(-i)
[ "${1:-}" = "--check" ] && mode=(--dry-run --Werror)
git ls-files -co --exclude-standard '*.cpp' '*.h' | xargs -r clang-format "${mode[@]}"
