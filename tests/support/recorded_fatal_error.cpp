#include "tests/support/recorded_fatal_error.h"

#include <mutex>

#include "names/fatal_error.h"

namespace test_support {
namespace {
std::mutex message_lock;
std::string last_message;
}  // namespace

std::string LastFatalMessage() {
    std::lock_guard<std::mutex> hold(message_lock);
    return last_message;
}

void ResetFatalMessage() {
    std::lock_guard<std::mutex> hold(message_lock);
    last_message.clear();
}

}  // namespace test_support

namespace names {

void ReportFatalError(std::string_view gbk_message) {
    {
        std::lock_guard<std::mutex> hold(test_support::message_lock);
        test_support::last_message.assign(gbk_message);
    }
    throw test_support::FatalErrorRaised(std::string(gbk_message));
}

}  // namespace names
