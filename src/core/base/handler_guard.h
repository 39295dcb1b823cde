#pragma once

// The edge of every window event handler: a failure that escapes the handler
// is shown in the general error report and the program goes on. Exceptions
// never cross the event loop.

#include <exception>
#include <new>
#include <utility>

#include "core/base/operation_error.h"
#include "core/base/services.h"

namespace orvanta {

template <typename Handler>
void RunGuarded(Prompter& prompter, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const OperationError& e) {
        prompter.ShowError(e.what());
    } catch (const std::bad_alloc&) {
        prompter.ShowError("Out of memory");
    } catch (const std::exception& e) {
        prompter.ShowError(e.what());
    }
}

}  // namespace orvanta
