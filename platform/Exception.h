#pragma once

#include <QString>

// The class library's own exception type: carries a message for the user.
class Exception {
public:
    explicit Exception(const QString& message) : Message(message) {}
    virtual ~Exception() = default;

    QString Message;
};

// Silent: the message loop drops it without a word.
class EAbort : public Exception {
public:
    using Exception::Exception;
};
