#!/usr/bin/env bash
# systemd-analyze verify on the data service's unit as configured, its program the one just built.
# Usage: systemd_unit_verifies.sh UNIT PROGRAM
set -euo pipefail
unit=$1 program=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
sed "s#^ExecStart=[^ ]*#ExecStart=$program#" "$unit" >"$work/quillan-dataservice.service"
grep -q "^ExecStart=$program --config" "$work/quillan-dataservice.service"
# The man page named by Documentation= is checked with the package (scripts/package).
systemd-analyze verify --man=no "$work/quillan-dataservice.service"
