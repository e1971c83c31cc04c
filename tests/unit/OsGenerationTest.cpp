#include "RecordingSpoolerServices.h"
#include "app/OsGeneration.h"
#include "pages/OsRadioButton.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

constexpr std::int32_t Unchanged = -7;  // stands for whatever an earlier detection left

struct VersionCase {
    OsVersion version;
    std::int32_t generation;
};

TEST(ClassifyOsVersion, KnownVersions) {
    const VersionCase cases[] = {
        {{1, 4, 0}, 1}, {{1, 4, 10}, 2}, {{1, 4, 90}, 2}, {{2, 3, 51}, 3}, {{2, 4, 0}, 3}, {{2, 0, 0}, 3},
        {{2, 5, 0}, 4}, {{2, 5, 1}, 5},  {{2, 5, 2}, 6},  {{2, 6, 0}, 7},  {{2, 6, 1}, 8}, {{2, 6, 2}, 9},
    };
    for (const VersionCase& c : cases) {
        const OsVersion& v = c.version;
        EXPECT_EQ(classifyOsVersion(v, Unchanged), c.generation)
            << "platform " << v.platformId << ", " << v.majorVersion << "." << v.minorVersion;
    }
}

TEST(ClassifyOsVersion, UnknownVersionsKeepThePreviousValue) {
    const OsVersion unknown[] = {{1, 4, 3},
                                 {1, 4, 1},
                                 {1, 3, 0},
                                 {1, 5, 0},
                                 {2, 5, 3},
                                 {2, 6, 3},
                                 {2, 10, 0},
                                 // would be NT 4 if the major version were compared signed
                                 {2, 0xFFFFFFFFu, 0}};
    for (const OsVersion& v : unknown) {
        EXPECT_EQ(classifyOsVersion(v, Unchanged), Unchanged)
            << "platform " << v.platformId << ", " << v.majorVersion << "." << v.minorVersion;
    }
}

TEST(ClassifyOsVersion, OtherPlatformsCountAsWindows2000) {
    EXPECT_EQ(classifyOsVersion({0, 3, 10}, Unchanged), 4);
    EXPECT_EQ(classifyOsVersion({3, 10, 0}, Unchanged), 4);
}

TEST(OsRadioButton, OneButtonPerGenerationAndNoneOutside) {
    const int buttons[] = {0, 1000, 1001, 1002, 1003, 1004, 1011, 1020, 1005, 1006, 0};
    for (std::int32_t generation = 0; generation <= 10; ++generation) {
        EXPECT_EQ(osRadioButtonFor(generation), buttons[generation]) << "generation " << generation;
    }
    EXPECT_EQ(osRadioButtonFor(-1), 0);
}

class DetectOsGenerationTest : public ::testing::Test {
protected:
    void SetUp() override { OsGeneration = 0; }
    void TearDown() override { OsGeneration = 0; }
    RecordingSpoolerServices services;
};

TEST_F(DetectOsGenerationTest, ExtendedRecordAnswers) {
    services.versionAnswers[156] = {2, 5, 1};
    services.versionAnswers[148] = {2, 6, 1};
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 5);
    EXPECT_EQ(osRadioButtonFor(OsGeneration), IDC_WINXP);
    EXPECT_EQ(services.calls, std::vector<std::string>{"GetVersionExA(156)"});
}

TEST_F(DetectOsGenerationTest, FallsBackToThePlainRecord) {
    services.versionAnswers[148] = {2, 6, 2};
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 9);
    EXPECT_EQ(osRadioButtonFor(OsGeneration), IDC_WIN8);
    EXPECT_EQ(services.calls, (std::vector<std::string>{"GetVersionExA(156)", "GetVersionExA(148)"}));
}

TEST_F(DetectOsGenerationTest, NoAnswerLeavesTheValue) {
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 0);
    EXPECT_EQ(osRadioButtonFor(OsGeneration), 0);

    OsGeneration = 8;
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 8);
    EXPECT_EQ(services.calls.size(), 4u);
}

TEST_F(DetectOsGenerationTest, LaterVersionsStayAtTheStartValue) {
    services.versionAnswers[156] = {2, 6, 3};
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 0);
    services.versionAnswers[156] = {2, 10, 0};
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 0);
}

TEST_F(DetectOsGenerationTest, UnknownVersionKeepsAnEarlierResult) {
    OsGeneration = 4;
    services.versionAnswers[156] = {1, 4, 3};
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 4);
}

}  // namespace
