#pragma once

// A disk that fails one step of every file write with an errno value, for the
// tests of what each writer leaves behind.

#include <cerrno>
#include <string>

#include "core/base/file_io.h"

namespace orvanta::testing {

class FailingDisk : public WriteFaults {
public:
    FailingDisk(WriteStep step, int error) : m_step(step), m_error(error) {}
    int FailAt(WriteStep step, const std::string&) override {
        ++asked;
        return step == m_step ? m_error : 0;
    }
    int asked = 0;

private:
    WriteStep m_step;
    int m_error;
};

inline constexpr WriteStep kEveryWriteStep[] = {WriteStep::kCreate, WriteStep::kWrite,
                                                WriteStep::kFlush, WriteStep::kRename};

// A failure for every step, and how the user reads it.
struct StepFault {
    WriteStep step;
    int error;
    const char* wording;
};
inline constexpr StepFault kStepFaults[] = {{WriteStep::kCreate, EACCES, "File access denied"},
                                            {WriteStep::kWrite, ENOSPC, "Disk full"},
                                            {WriteStep::kFlush, EIO, "I/O error 5"},
                                            {WriteStep::kRename, EXDEV, "I/O error 18"}};

}  // namespace orvanta::testing
