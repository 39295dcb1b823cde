#pragma once

// A disk that fails one step of every file write with an errno value, for the
// tests of what each writer leaves behind.

#include <string>

#include "toolkit/file_io.h"

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

}  // namespace orvanta::testing
