#pragma once
// Running kestrel-cli as a user does, from a test program beside it.

#include <nlohmann/json.hpp>

#include <string>

namespace kestrel::testing {

struct CliRun {
    int status;
    std::string out;
    nlohmann::json doc() const { return nlohmann::json::parse(out); }
};

// Runs kestrel-cli (beside the test program) with the given UTF-8 arguments,
// already quoted for the shell; stderr is dropped. The output is read as bytes.
CliRun runCli(const std::string& arguments);

}  // namespace kestrel::testing
