#include "core/base/operation_error.h"

#include <cerrno>
#include <cmath>

namespace orvanta {

double CheckedDivide(double numerator, double denominator) {
    if (denominator == 0.0) {
        throw OperationError(numerator == 0.0 || numerator != numerator ? kInvalidOperation
                                                                        : kDivisionByZero);
    }
    return numerator / denominator;
}

double CheckedFinite(double value) {
    if (!std::isfinite(value)) {
        throw OperationError(kOverflow);
    }
    return value;
}

std::string ErrorReportText(const std::string& text) {
    if (text.empty() || static_cast<unsigned char>(text.back()) <= '.') {
        return text;
    }
    return text + ".";
}

std::string FileErrorText(int error_number, FileAction action) {
    switch (error_number) {
        case ENOENT:
            return action == FileAction::kCreate ? "Invalid filename" : "File not found";
        case ENOTDIR:
        case ENAMETOOLONG:
        case EINVAL:
        case EISDIR:
        case EILSEQ:
            return "Invalid filename";
        case EACCES:
        case EPERM:
        case EROFS:
        case ETXTBSY:
            return "File access denied";
        case EMFILE:
        case ENFILE:
            return "Too many open files";
        case ENOSPC:
#ifdef EDQUOT
        case EDQUOT:
#endif
            return "Disk full";
        default:
            return "I/O error " + std::to_string(error_number);
    }
}

}  // namespace orvanta
