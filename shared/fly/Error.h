#pragma once

#include <string>

// The one exception type for errors shown to the user. Raised by value, caught by reference in
// the user-interface handler that started the action; the message is a complete sentence.
class TError {
public:
    virtual ~TError() = default;
    virtual void Print() const = 0;
};

class CGeneralError : public TError {
public:
    explicit CGeneralError(std::string text) : message(std::move(text)) {}
    void Print() const override;

    std::string message;
};
