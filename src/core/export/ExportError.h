#pragma once

#include <stdexcept>

// An export that could not write its output; the text says which file and why.
class TExportError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
