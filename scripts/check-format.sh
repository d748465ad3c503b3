#!/bin/sh
# Fails when a C++ file of the repository is not formatted as .clang-format says, naming each
# place (clang-format --dry-run). Installs clang-format first when it is missing.
set -e
cd "$(dirname "$0")/.."
sh scripts/install-deps.sh clang-format
git ls-files -z '*.cpp' '*.h' '*.inc' | xargs -0 clang-format --dry-run -Werror
echo "check-format: $(git ls-files '*.cpp' '*.h' '*.inc' | wc -l) files formatted as .clang-format says"
