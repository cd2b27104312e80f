// The unit tests' ReportFatalError: it records the message and throws, so a test can observe a
// fatal failure without the process ending.
#pragma once

#include <stdexcept>
#include <string>

namespace test_support {

struct FatalErrorRaised : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The GBK message of the last fatal error, empty when none was raised since the last reset.
std::string LastFatalMessage();
void ResetFatalMessage();

}  // namespace test_support
