#pragma once
// Golden report texts kept inline as raw strings, one report line per text line, and
// compared line by line so that a failure names the line.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "report/results_store.h"

namespace stelvar {

// The lines of a raw-string golden; a leading line break (after R"( ) is dropped.
inline std::vector<std::string> Lines(std::string_view golden) {
    std::vector<std::string> out;
    if (!golden.empty() && golden.front() == '\n') golden.remove_prefix(1);
    std::size_t start = 0;
    while (true) {
        const std::size_t end = golden.find('\n', start);
        if (end == std::string_view::npos) {
            out.emplace_back(golden.substr(start));
            return out;
        }
        out.emplace_back(golden.substr(start, end - start));
        start = end + 1;
    }
}

inline void ExpectLines(const std::vector<std::string>& actual, std::string_view golden) {
    const std::vector<std::string> expected = Lines(golden);
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i)
        EXPECT_EQ(actual[i], expected[i]) << "line " << i + 1;
    EXPECT_EQ(actual.size(), expected.size());
}

// A grid's rows with their cells joined by "|".
inline std::vector<std::string> GridRows(const StringGridContent& g) {
    std::vector<std::string> rows;
    for (int r = 0; r < g.RowCount; ++r) {
        std::string row;
        for (int c = 0; c < g.ColCount; ++c) row += (c ? "|" : "") + g.Cell(c, r);
        rows.push_back(row);
    }
    return rows;
}

}  // namespace stelvar
