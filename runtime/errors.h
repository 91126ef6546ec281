#pragma once
// Run-time errors raised by forms and by the number helpers. Nothing in a
// form catches them: the runtime reports them at the event boundary and ends
// the program.

#include <stdexcept>
#include <string>

namespace rt {

class RuntimeError : public std::runtime_error {
public:
    RuntimeError(int number, const std::string& message) : std::runtime_error(message), number_(number) {}
    int number() const { return number_; }

private:
    int number_;
};

// Error 6: a value does not fit the type it is stored in.
inline RuntimeError Overflow()
{
    return RuntimeError(6, "Desbordament");
}

// Error 5: an argument outside what an operation accepts.
inline RuntimeError InvalidArgument()
{
    return RuntimeError(5, "La crida al procediment o l'argument no són vàlids");
}

// Error 380: a property set to a value it cannot take.
inline RuntimeError InvalidPropertyValue()
{
    return RuntimeError(380, "El valor de la propietat no és vàlid");
}

}  // namespace rt
