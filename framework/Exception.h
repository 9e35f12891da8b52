// The framework's exceptions: a message for the error report and a class per kind of failure.
#pragma once

#include <exception>
#include <string>

// Errors are thrown as these and shown by the application's error report, which prints
// Message(); what() gives the same text to plain C++ code.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : FMessage(std::move(message)) {}

    const std::string& Message() const { return FMessage; }
    void SetMessage(std::string message) { FMessage = std::move(message); }
    const char* what() const noexcept override { return FMessage.c_str(); }
    virtual std::string ClassName() const { return "Exception"; }

private:
    std::string FMessage;
};

#define TAVIK_EXCEPTION_CLASS(Name, Base)                                 \
    class Name : public Base {                                            \
    public:                                                               \
        using Base::Base;                                                 \
        std::string ClassName() const override { return #Name; }          \
    }

// A bad number or text for a conversion, or an assignment between unrelated classes.
TAVIK_EXCEPTION_CLASS(EConvertError, Exception);
// A value outside its allowed range.
TAVIK_EXCEPTION_CLASS(ERangeError, Exception);
// A list index out of bounds, or an operation the list does not allow.
TAVIK_EXCEPTION_CLASS(EListError, Exception);
// An operation the object cannot do in its present state.
TAVIK_EXCEPTION_CLASS(EInvalidOperation, Exception);
// Component names and ownership.
TAVIK_EXCEPTION_CLASS(EComponentError, Exception);
// A settings file that cannot be written.
TAVIK_EXCEPTION_CLASS(EIniFileException, Exception);
// The silent exception: it unwinds like any other but the error report shows nothing.
TAVIK_EXCEPTION_CLASS(EAbort, Exception);
// Menu trees: bad positions and items inserted twice.
TAVIK_EXCEPTION_CLASS(EMenuError, Exception);
// A platform resource (a drawing surface, a window) that could not be had.
TAVIK_EXCEPTION_CLASS(EOutOfResources, Exception);
// Streams and files.
TAVIK_EXCEPTION_CLASS(EStreamError, Exception);
TAVIK_EXCEPTION_CLASS(EFOpenError, EStreamError);
TAVIK_EXCEPTION_CLASS(EFCreateError, EStreamError);
TAVIK_EXCEPTION_CLASS(EReadError, EStreamError);
TAVIK_EXCEPTION_CLASS(EWriteError, EStreamError);
// Image data that cannot be read, and operations a graphic cannot do.
TAVIK_EXCEPTION_CLASS(EInvalidGraphic, Exception);
TAVIK_EXCEPTION_CLASS(EInvalidGraphicOperation, Exception);

#undef TAVIK_EXCEPTION_CLASS

// Ends the current operation quietly (throws EAbort).
[[noreturn]] void Abort();
