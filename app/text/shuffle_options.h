#pragma once

#include <QString>

// How the shuffle command treats the article, as the window's option controls
// set it.
struct ShuffleOptions {
    static constexpr int kMinFrequency = 2;
    static constexpr int kMaxFrequency = 30;

    bool removeSpaces { true };
    bool removeLineBreaks { false };
    // Appended after randomly chosen pieces; empty for none.
    QString keyword;
    // About how many keywords a long article receives in all.
    int frequency { 5 };
};
