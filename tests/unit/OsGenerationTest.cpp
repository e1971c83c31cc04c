#include "RecordingSpoolerServices.h"
#include "app/OsGeneration.h"
#include "pages/OsRadioButton.h"

#include <gtest/gtest.h>

namespace {

constexpr std::int32_t Unchanged = -7;  // stands for whatever an earlier detection left

// What each Windows reports, the generation detected there and the Select OS
// button marked for it.
struct Windows {
    const char* name;
    OsVersion reported;
    std::int32_t generation;
    int button;
};

TEST(ClassifyOsVersion, KnownWindowsAndTheButtonMarkedForEach) {
    const Windows known[] = {
        {"Windows 95", {1, 4, 0}, 1, IDC_WIN95},
        {"Windows 98", {1, 4, 10}, 2, IDC_WIN98},
        {"Windows Me", {1, 4, 90}, 2, IDC_WIN98},
        {"NT 3.51", {2, 3, 51}, 3, IDC_WINNT4},
        {"NT 4.0", {2, 4, 0}, 3, IDC_WINNT4},
        {"an NT that reports major version 0", {2, 0, 0}, 3, IDC_WINNT4},
        {"Windows 2000", {2, 5, 0}, 4, IDC_WIN2000},
        {"Windows XP", {2, 5, 1}, 5, IDC_WINXP},
        {"Windows Server 2003", {2, 5, 2}, 6, IDC_WIN2003},
        {"Windows Vista", {2, 6, 0}, 7, IDC_WINVISTA},
        {"Windows 7", {2, 6, 1}, 8, IDC_WIN7},
        // 8.1 and later report 6.2 too, as the manifest names no newer Windows; the button
        // is the unlabelled one in front of the texts "Windows 8" and "Windows 10".
        {"Windows 8", {2, 6, 2}, 9, IDC_WIN8},
        {"platform 0", {0, 3, 10}, 4, IDC_WIN2000},
        {"platform 3", {3, 10, 0}, 4, IDC_WIN2000},
    };
    for (const Windows& windows : known) {
        const std::int32_t generation = classifyOsVersion(windows.reported, Unchanged);
        EXPECT_EQ(generation, windows.generation) << windows.name;
        EXPECT_EQ(osRadioButtonFor(generation), windows.button) << windows.name;
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
}

TEST_F(DetectOsGenerationTest, FallsBackToThePlainRecord) {
    services.versionAnswers[148] = {2, 6, 2};
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 9);
}

TEST_F(DetectOsGenerationTest, NoAnswerLeavesTheValue) {
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 0);
    EXPECT_EQ(osRadioButtonFor(OsGeneration), 0);

    OsGeneration = 8;
    DetectOsGeneration(services);
    EXPECT_EQ(OsGeneration, 8);
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
