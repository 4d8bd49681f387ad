# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the install checks: both programs of an installed tree under
# ROOT/usr run from there and name their version.
run_installed() {
  "$1/usr/bin/cairnbook-cli" --version | grep -q '^cairnbook-cli 2\.0$'
  QT_QPA_PLATFORM=offscreen "$1/usr/bin/cairnbook" --version | grep -q '^cairnbook 2\.0$'
}
