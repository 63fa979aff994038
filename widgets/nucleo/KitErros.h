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
