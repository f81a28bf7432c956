#!/usr/bin/env bash
# Installs what is missing, builds, and starts the quiz.
set -euo pipefail
cd "$(dirname "$0")"
scripts/setup.sh default
echo "==> Starting the quiz"
exec build/default/quiz
