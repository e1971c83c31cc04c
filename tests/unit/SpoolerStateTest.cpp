// The bench's comparison of spooler states: it decides what is taken away
// after each timed install and whether the bare install did the wizard's work.
#include "SpoolerState.h"

#include <gtest/gtest.h>

namespace {

const std::wstring kX86 = L"Windows NT x86";
const std::wstring kX64 = L"Windows x64";
const std::wstring kFolder = L"C:\\windows\\system32\\spool\\drivers\\w32x86";

// A prefix with one printer and driver of its own before any install.
SpoolerState before() {
    SpoolerState state;
    state.printers[L"Office"] = L"LPT2:, Generic";
    state.drivers.emplace(kX86, L"Generic");
    state.files.insert(kFolder + L"\\3\\generic.dll");
    return state;
}

// `before()` after a first install of the driver "ZR103".
SpoolerState afterInstall() {
    SpoolerState state = before();
    state.printers[L"ZR103"] = L"LPT1:, ZR103";
    state.drivers.emplace(kX86, L"ZR103");
    state.files.insert(kFolder + L"\\uniDRV.DLL");
    state.files.insert(kFolder + L"\\3\\uniDRV.DLL");
    return state;
}

TEST(SpoolerState, AnInstallAddsOnlyWhatWasNotThereBefore) {
    const SpoolerState added = addedSince(before(), afterInstall());
    EXPECT_EQ(added.printers, (std::map<std::wstring, std::wstring>{{L"ZR103", L"LPT1:, ZR103"}}));
    EXPECT_EQ(added.drivers, (std::set<std::pair<std::wstring, std::wstring>>{{kX86, L"ZR103"}}));
    EXPECT_EQ(added.files, (std::set<std::wstring>{kFolder + L"\\3\\uniDRV.DLL", kFolder + L"\\uniDRV.DLL"}));
    EXPECT_TRUE(addedSince(afterInstall(), afterInstall()).empty()) << "a restored spooler has nothing added";
}

TEST(SpoolerState, AnEarlierPrinterMovedToAnotherPortCountsAsChanged) {
    SpoolerState after = before();
    after.printers[L"Office"] = L"LPT1:, Generic";
    const SpoolerState added = addedSince(before(), after);
    EXPECT_EQ(added.printers.count(L"Office"), 1u) << "taking nothing away would not give the old port back";
    after.printers[L"Office"] = L"LPT2:, ZR103";
    EXPECT_EQ(addedSince(before(), after).printers.count(L"Office"), 1u) << "nor the old driver";
}

TEST(SpoolerState, ADriverIsKnownByItsEnvironmentAsWellAsItsName) {
    SpoolerState after = before();
    after.drivers.emplace(kX64, L"Generic");
    EXPECT_EQ(addedSince(before(), after).drivers,
              (std::set<std::pair<std::wstring, std::wstring>>{{kX64, L"Generic"}}));
}

TEST(SpoolerState, WhatAnInstallRemovedIsNotReportedAsAdded) {
    SpoolerState after = before();
    after.files.clear();
    EXPECT_TRUE(addedSince(before(), after).empty());
}

TEST(SpoolerState, TwoInstallsCompareByEverythingTheyLeft) {
    const SpoolerState wizard = addedSince(before(), afterInstall());
    SpoolerState onOtherPort = afterInstall();
    onOtherPort.printers[L"ZR103"] = L"COM1:, ZR103";
    SpoolerState fewerFiles = afterInstall();
    fewerFiles.files.erase(kFolder + L"\\3\\uniDRV.DLL");
    EXPECT_EQ(addedSince(before(), afterInstall()), wizard);
    EXPECT_NE(addedSince(before(), onOtherPort), wizard);
    EXPECT_NE(addedSince(before(), fewerFiles), wizard);
}

TEST(SpoolerState, TheDescriptionNamesEachItemOnALineOfItsOwn) {
    EXPECT_EQ(describe(addedSince(before(), afterInstall())),
              L"printer ZR103 on LPT1:, ZR103\n"
              L"driver ZR103 for Windows NT x86\n"
              L"file " +
                  kFolder +
                  L"\\3\\uniDRV.DLL\n"
                  L"file " +
                  kFolder + L"\\uniDRV.DLL\n");
}

}  // namespace
