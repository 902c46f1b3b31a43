#!/usr/bin/env bash
# The README's run command shows the program's main job on a virtual display
# when there is no DISPLAY (scripts/headless-demo.sh): run that demonstration
# here with the tests' program and driver, so that a change of data or
# behaviour that would break it fails a test.
root=${WX_SOURCE_DIR:?run through ctest}
export WX_TEST_NAME=demo WX_TEST_TIMEOUT=180
export WX_DEMO_SHOTS="$WX_BINARY_DIR/e2e-artifacts/demo"
bash "$root/scripts/headless-demo.sh" </dev/null
