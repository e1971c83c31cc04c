#include "app/PageSequence.h"

#include <gtest/gtest.h>

#include <deque>
#include <string>
#include <utility>

namespace {

// Answers each page with the next scripted result and notes which page was shown.
class ScriptedPages : public WizardPages {
public:
    ScriptedPages(std::deque<int> selectOsResults, std::deque<int> detailResults)
        : selectOs(std::move(selectOsResults)), detail(std::move(detailResults)) {}

    int showSelectOs() override { return next(selectOs, 'S'); }
    int showDetailSetting() override { return next(detail, 'D'); }

    std::string shown;

private:
    int next(std::deque<int>& results, char page) {
        shown += page;
        if (results.empty()) {
            ADD_FAILURE() << "page " << page << " shown more often than scripted";
            return 2;
        }
        const int result = results.front();
        results.pop_front();
        return result;
    }

    std::deque<int> selectOs;
    std::deque<int> detail;
};

std::string run(std::deque<int> selectOs, std::deque<int> detail) {
    ScriptedPages pages(std::move(selectOs), std::move(detail));
    runPageSequence(pages);
    return pages.shown;
}

TEST(PageSequence, SelectOsEndsTheWizardUnlessNext) {
    EXPECT_EQ(run({2}, {}), "S");
    EXPECT_EQ(run({-1}, {}), "S");
}

TEST(PageSequence, OptionsPageEndsTheWizardUnlessBack) {
    EXPECT_EQ(run({1}, {1}), "SD");
    EXPECT_EQ(run({1}, {-1}), "SD");
}

TEST(PageSequence, BackReturnsToSelectOs) {
    EXPECT_EQ(run({1, 1}, {2, 1}), "SDSD");
    EXPECT_EQ(run({1, 2}, {2}), "SDS");
    EXPECT_EQ(run({1, 1, 1}, {2, 2, -1}), "SDSDSD");
    EXPECT_EQ(run({1, -1}, {2}), "SDS");
}

}  // namespace
