#pragma once

#include <QtGlobal>

#include <algorithm>

// How much of the long random tables a test run makes: all of it, or the share
// in percent that VANTOR_RANDOM_SHARE asks for. Under the sanitizers the tests
// run three times slower, and CI runs them there with a quarter, as it does
// under Wine, beside the sanitizer run.
inline int randomShare() {
    bool ok = false;
    const int share = qEnvironmentVariableIntValue("VANTOR_RANDOM_SHARE", &ok);
    return ok && share > 0 && share < 100 ? share : 100;
}

// How many random actions a test makes: `usual`, or its share.
inline int randomActions(int usual) {
    return std::max(1, usual * randomShare() / 100);
}

// Whether row `index` of a long table of rows alike is made: every row, or the
// share of them, spread evenly.
inline bool sampledRow(int index) {
    return index % (100 / randomShare()) == 0;
}
