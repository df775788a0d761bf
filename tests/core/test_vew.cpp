#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "expansion/VewTabellen.h"

namespace kv {
namespace {

// All rows of a system's table as code strings.
std::vector<std::string> tabelle(int s) {
    const TVewSystem& d = VewSysteme[s];
    std::vector<std::string> rows;
    for (int r = 1; r <= d.Reihen; ++r) {
        std::string row;
        for (int k = 1; k <= d.Zweiwege + d.Dreiwege; ++k) row += static_cast<char>('0' + vewCode(s, r, k));
        rows.push_back(row);
    }
    return rows;
}

// Every combination of tips on the system's matches, as code strings.
std::vector<std::string> kombinationen(int s) {
    const TVewSystem& d = VewSysteme[s];
    std::vector<std::string> alle = {""};
    for (int k = 1; k <= d.Zweiwege + d.Dreiwege; ++k) {
        const std::string codes = k <= d.Zweiwege ? "45" : "123";
        std::vector<std::string> neu;
        for (const auto& a : alle)
            for (char c : codes) neu.push_back(a + c);
        alle = neu;
    }
    return alle;
}

int abweichungen(const std::string& a, const std::string& b) {
    int n = 0;
    for (std::size_t i = 0; i < a.size(); ++i) n += a[i] != b[i];
    return n;
}

TEST(VewSysteme, Deskriptoren) {
    struct Fall {
        const char* name;
        int zw, dw, reihen;
    };
    const Fall erwartet[] = {{"5-0", 5, 0, 8},  {"0-4", 0, 4, 9},  {"7-0", 7, 0, 16}, {"3-3", 3, 3, 24},
                             {"0-5", 0, 5, 27}, {"7-1", 7, 1, 48}, {"4-3", 4, 3, 48}, {"9-0", 9, 0, 64},
                             {"3-4", 3, 4, 72}, {"0-6", 0, 6, 81}, {"5-3", 5, 3, 96}, {"2-5", 2, 5, 108},
                             {"4-4", 4, 4, 144}};
    for (int s = 1; s <= kVewSystemAnzahl; ++s) {
        const Fall& f = erwartet[s - 1];
        EXPECT_STREQ(VewSysteme[s].Name, f.name);
        EXPECT_EQ(VewSysteme[s].Zweiwege, f.zw);
        EXPECT_EQ(VewSysteme[s].Dreiwege, f.dw);
        EXPECT_EQ(VewSysteme[s].Reihen, f.reihen);
        EXPECT_EQ(vewSystemFuer(f.zw, f.dw), s);
    }
    EXPECT_EQ(vewSystemFuer(5, 3), 11);
    EXPECT_EQ(vewSystemFuer(1, 1), 0);
    EXPECT_EQ(vewSystemFuer(0, 0), 0);
}

// The properties every table has: codes in their columns, no row twice, and
// every combination within one tip of at least one row.
TEST(VewSysteme, EigenschaftenAllerTabellen) {
    for (int s = 1; s <= kVewSystemAnzahl; ++s) {
        SCOPED_TRACE(VewSysteme[s].Name);
        const TVewSystem& d = VewSysteme[s];
        const auto rows = tabelle(s);
        for (const auto& row : rows)
            for (int k = 0; k < static_cast<int>(row.size()); ++k) {
                if (k < d.Zweiwege)
                    EXPECT_TRUE(row[k] == '4' || row[k] == '5') << row;
                else
                    EXPECT_TRUE(row[k] >= '1' && row[k] <= '3') << row;
            }
        EXPECT_EQ(std::set<std::string>(rows.begin(), rows.end()).size(), rows.size())
            << "a row occurs twice";
        for (const auto& komb : kombinationen(s)) {
            int best = 99;
            for (const auto& row : rows) best = std::min(best, abweichungen(komb, row));
            ASSERT_LE(best, 1) << "combination " << komb << " is not covered";
        }
    }
}

TEST(VewSysteme, NullVierUndSiebenNullSindPerfekt) {
    for (int s : {2, 3}) {
        const auto rows = tabelle(s);
        for (const auto& komb : kombinationen(s)) {
            int nah = 0;
            for (const auto& row : rows) nah += abweichungen(komb, row) <= 1;
            EXPECT_EQ(nah, 1) << VewSysteme[s].Name << " " << komb;
        }
    }
}

TEST(VewSysteme, EinzelneZeilen) {
    struct Fall {
        int system, reihe;
        const char* codes;
    };
    for (const Fall& f :
         {Fall{2, 1, "1111"}, Fall{2, 9, "3321"}, Fall{3, 16, "5555555"}, Fall{4, 4, "554133"},
          Fall{13, 144, "55552231"}, Fall{10, 81, "331333"}, Fall{1, 1, "44444"}}) {
        EXPECT_EQ(tabelle(f.system)[f.reihe - 1], f.codes);
    }
    EXPECT_EQ(vewCode(0, 1, 1), 0);
    EXPECT_EQ(vewCode(14, 1, 1), 0);
    EXPECT_EQ(vewCode(2, 10, 1), 0);
    EXPECT_EQ(vewCode(2, 1, 5), 0);
}

}  // namespace
}  // namespace kv
