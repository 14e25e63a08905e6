#pragma once
// Error kinds. Every fault a calculator can meet is one of these, so the
// error display can show it whatever its origin.
#include <QString>
#include <exception>

namespace qvk {

// The runtime's general error kind: carries one message text.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString& message() const noexcept { return message_; }
    const char* what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

// The system's own validation error; raised only by report_error.
class Evlastni : public Exception {
    using Exception::Exception;
};

// Arithmetic faults with the runtime's English texts.
class EMathError : public Exception {
    using Exception::Exception;
};

// A text that is not a number.
class EConvertError : public Exception {
    using Exception::Exception;
};

inline const QString kInvalidOp = QStringLiteral("Invalid floating point operation");
inline const QString kZeroDivide = QStringLiteral("Floating point division by zero");
inline const QString kOverflow = QStringLiteral("Floating point overflow");
inline const QString kIntDivZero = QStringLiteral("Division by zero");

[[noreturn]] void report_error(const QString& message);

// Inside a guarded read block: reject a value explicitly.
[[noreturn]] void reject_value();

// Runs `read`; any error raised inside is reported as `message` instead.
template <typename F>
void guarded_read(const QString& message, F&& read)
{
    try {
        read();
    } catch (const Exception&) {
        report_error(message);
    }
}

// The error display's text: a full stop after a final letter, digit and the like.
QString error_display_text(const QString& message);

} // namespace qvk
