#pragma once

#include <QString>
#include <exception>
#include <string>

namespace platform {

/// Base of the runtime's errors; its message is what the standard error box shows.
class Exception : public std::exception {
public:
    explicit Exception(QString message) : m_message(std::move(message)), m_utf8(m_message.toStdString()) {}
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.c_str(); }

private:
    QString m_message;
    std::string m_utf8;
};

/// A text that is no valid number.
class EConvertError : public Exception {
public:
    using Exception::Exception;
};

/// A number outside the range of its target type ("Fehler bei Bereichsprüfung").
class ERangeError : public Exception {
public:
    using Exception::Exception;
};

/// An index outside a list.
class EListError : public Exception {
public:
    using Exception::Exception;
};

/// A failed open, read, write or close.
class EInOutError : public Exception {
public:
    using Exception::Exception;
};

/// A failed network request.
class ENetworkError : public Exception {
public:
    using Exception::Exception;
};

/// "Listenindex überschreitet das Maximum (%d)".
[[noreturn]] void throwListIndexError(long long index);

/// Throws the list index error unless 0 <= index < count.
inline void checkListIndex(long long index, long long count) {
    if (index < 0 || index >= count)
        throwListIndexError(index);
}

} // namespace platform
