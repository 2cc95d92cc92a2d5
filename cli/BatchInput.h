#pragma once

#include "base/UniqueFd.h"
#include "people/BatchRows.h"
#include "cli/FdStreams.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

// BatchInput — a batch file for --batch and --import-people
// Notes: opens `path` ("-": `stdIn`) and reads it as BatchRows do, a place
//        by the tool's place list (ResolvePlaceBirth).
class BatchInput {
public:
    BatchInput(const std::string& path, std::istream& stdIn);
    BatchInput(const BatchInput&) = delete;
    BatchInput& operator=(const BatchInput&) = delete;

    // Whether the input was opened and its header read; else a refusal in error().
    bool ok() const { return error_.empty(); }
    const std::string& error() const { return error_; }
    // The input's name in messages: the path, or "standard input".
    const std::string& inputName() const { return input_; }

    BatchRow Next();

private:
    std::string input_;
    std::string error_;
    UniqueFd fd_;
    std::optional<FdInBuf> fileBuffer_;
    std::istream file_{nullptr};
    std::optional<BatchRows> rows_;
};
