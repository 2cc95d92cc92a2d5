#pragma once

#include <string_view>
#include <vector>

// The people book's layout, one step a version: step N's statements bring a
// book of version N-1 to version N (version 0 is a new, empty file). Each
// step runs in a transaction of its own with the version it sets, so a book
// is always at one version, never between two. A step, once released, is
// never changed: a later layout is a new step.
struct LayoutStep {
    int version;
    std::string_view statements;
};

const std::vector<LayoutStep>& LayoutSteps();
