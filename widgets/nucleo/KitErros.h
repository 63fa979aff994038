// Errors of the widget kit.
#pragma once

#include <stdexcept>
#include <string>

// A resource that is not there: "Resource <name> not found".
class EKitResourceNotFound : public std::runtime_error {
public:
    explicit EKitResourceNotFound(const std::string &nome)
        : std::runtime_error("Resource " + nome + " not found") {}
};

// Aborts the current operation without a message; the program's slot guard swallows it.
struct EKitAbort {};

// A text that does not convert to a number: "'<text>' is not a valid floating point value".
class EKitConvertError : public std::runtime_error {
public:
    explicit EKitConvertError(const std::string &texto)
        : std::runtime_error("'" + texto + "' is not a valid floating point value") {}
};

// A value outside the allowed range; the message is the one to show.
class EKitRangeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
