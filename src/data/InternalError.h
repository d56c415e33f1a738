#pragma once
// The report of an unexpected failure inside a search or list handler: the failure's
// description, 17 blanks, a line break, then the place of the failure in the program and
// the failure's number.

#include <string>
#include <string_view>

namespace zorvane::data {

std::string InternalErrorText(std::string_view description, std::string_view placeCode,
                              long number);

struct Failure {
    std::string description; // French, cp1252
    long number;             // numbered like the usual run-time errors
};

// The failure being handled; call it from a catch block only. 5 invalid call, 6 overflow,
// 7 out of memory, 9 index out of range, 51 anything else.
Failure CurrentFailure();

// InternalErrorText of the failure being handled, at that place.
std::string CurrentFailureText(std::string_view placeCode);

} // namespace zorvane::data
