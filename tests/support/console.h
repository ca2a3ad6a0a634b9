#pragma once

// Keeps what the game prints on standard output for a test to read. One
// capture at a time: it takes over the process's stdout while it lives. If
// the test has failed by the end, what was captured goes to stderr, so that
// nothing printed meanwhile is lost from the report.

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

class ConsoleCapture {
  public:
    ConsoleCapture() { ::testing::internal::CaptureStdout(); }
    ~ConsoleCapture() {
        const std::string rest = ::testing::internal::GetCapturedStdout();
        if (::testing::Test::HasFailure()) {
            std::fputs(rest.c_str(), stderr);
        }
    }
    ConsoleCapture(const ConsoleCapture&) = delete;
    ConsoleCapture& operator=(const ConsoleCapture&) = delete;

    // Everything printed since the capture began or since the last take.
    std::string take() {
        std::string text = ::testing::internal::GetCapturedStdout();
        ::testing::internal::CaptureStdout();
        return text;
    }
};
