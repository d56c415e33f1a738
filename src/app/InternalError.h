#pragma once
// The text of the message box that reports an unexpected failure inside a search or list
// handler: the failure's description, 17 blanks, a line break, then the place of the
// failure in the program and the failure's number.

#include <string>
#include <string_view>

namespace zorvane::app {

inline std::string InternalErrorText(std::string_view description, std::string_view placeCode,
                                     long number) {
    return std::string(description) + std::string(17, ' ') + "\r\nErreur interne " +
           std::string(placeCode) + " - " + std::to_string(number);
}

} // namespace zorvane::app
