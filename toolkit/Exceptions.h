#pragma once
// The component library's exception classes. Every message is a Shift-JIS text,
// as the error display shows it.
#include <exception>
#include <string>

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : Message(std::move(message)) {}
    const char* what() const noexcept override { return Message.c_str(); }

    std::string Message;
};

// A text that does not convert to a number.
class EConvertError : public Exception {
    using Exception::Exception;
};

// A registry value that cannot be read or written.
class ERegistryException : public Exception {
    using Exception::Exception;
};

// A file that cannot be created or written: "ﾌｧｲﾙ path を作成できません".
class EFCreateError : public Exception {
    using Exception::Exception;
};

// A file that cannot be opened for reading: "ﾌｧｲﾙ path は開けません".
class EFOpenError : public Exception {
    using Exception::Exception;
};

// Floating-point errors of extended arithmetic: a division by zero, an
// operation without a defined result (0 / 0), and a result too large for the
// extended type.
class EZeroDivide : public Exception {
public:
    EZeroDivide() : Exception("0 による浮動小数点数除算") {}
};

class EInvalidOp : public Exception {
public:
    EInvalidOp() : Exception("不正な浮動小数点数演算命令") {}
};

class EOverflow : public Exception {
public:
    EOverflow() : Exception("浮動小数点数オーバーフロー") {}
};

// A form description that does not fit its form class.
class EFormError : public Exception {
    using Exception::Exception;
};

// Builds a message from a pattern whose single "%s" stands for the argument.
std::string FormatPattern(const std::string& pattern, const std::string& argument);
