#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The AppStream metadata passes appstreamcli's validation (without the network, so the screenshot
# addresses are checked for form only).
# Usage: check_metainfo.sh METAINFO.xml. Exit 77 (skipped) when appstreamcli is not installed.
set -euo pipefail
[ $# -eq 1 ] || { echo "usage: $0 METAINFO.xml" >&2; exit 2; }
command -v appstreamcli >/dev/null 2>&1 || { echo "appstreamcli is not installed: skipped" >&2; exit 77; }
appstreamcli validate --no-net --no-color "$1"
