#!/bin/sh
# run_tool.sh TOOL ARGUMENT...: runs a validator, or exits with 77 (skipped) when it is missing.
tool=$1
if ! command -v "$tool" >/dev/null 2>&1; then
  echo "$tool is not installed (tools/setup.sh installs it): skipped"
  exit 77
fi
exec "$@"
